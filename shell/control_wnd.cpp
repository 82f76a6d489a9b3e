#include "shell/control_wnd.hpp"

#include "analysis/module1.hpp"
#include "framework/core/text.hpp"
#include "framework/gui/application.hpp"
#include "framework/gui/dialogs.hpp"
#include "shell/about_wnd.hpp"
#include "shell/app.hpp"
#include "shell/description_wnd.hpp"
#include "framework/core/event_loop.hpp"
#include "framework/gui/printing.hpp"
#include "shell/menu.hpp"
#include "shell/pictures.hpp"

using framework::AttributeBlock;
using framework::kNoControlIndex;

namespace {

// Where a control sits and how it is reached with the keyboard.
struct Place {
  const char* name;
  int64_t left, top, width, height;
  bool locked;  // locked to the left and top edges
  int64_t tabIndex;
  bool tabStop;
};

AttributeBlock& PlaceSettings(AttributeBlock& block, const Place& p) {
  return block.Text("Name", p.name)
      .Integer("Index", kNoControlIndex)
      .Integer("Left", p.left)
      .Integer("Top", p.top)
      .Integer("Width", p.width)
      .Integer("Height", p.height)
      .Boolean("LockLeft", p.locked)
      .Boolean("LockTop", p.locked)
      .Boolean("LockRight", false)
      .Boolean("LockBottom", false)
      .Integer("TabIndex", p.tabIndex)
      .Integer("TabPanelIndex", 0)
      .Boolean("TabStop", p.tabStop);
}

std::string CanvasBlock(const Place& p) {
  AttributeBlock block;
  return PlaceSettings(block, p)
      .Boolean("AllowAutoDeactivate", true)
      .Boolean("Enabled", true)
      .Text("Tooltip", "")
      .Boolean("AllowFocusRing", true)
      .Boolean("Visible", true)
      .Boolean("AllowFocus", false)
      .Boolean("AllowTabs", false)
      .Boolean("Transparent", true)
      .Boolean("DoubleBuffer", false)
      .Boolean("Transparent", true)
      .Text("InitialParent", "")
      .Bytes();
}

std::string PushButtonBlock(const Place& p, const char* caption) {
  AttributeBlock block;
  return PlaceSettings(block, p)
      .Boolean("AllowAutoDeactivate", true)
      .Integer("MacButtonStyle", 0)
      .Boolean("Cancel", false)
      .Text("Caption", caption)
      .Boolean("Default", true)
      .Boolean("Enabled", true)
      .Text("Tooltip", "")
      .Boolean("Transparent", true)
      .Boolean("Visible", true)
      .Text("FontName", "Times")
      .Single("FontSize", 14)
      .Byte("FontUnit", 0)
      .Boolean("Bold", true)
      .Boolean("Italic", false)
      .Boolean("Underline", false)
      .Text("InitialParent", "")
      .Bytes();
}

struct LabelLook {
  bool enabled;
  uint8_t colour[4];
  const char* text;
  const char* fontName;
  float fontSize;
};

std::string LabelBlock(const Place& p, const LabelLook& l) {
  AttributeBlock block;
  return PlaceSettings(block, p)
      .Boolean("AllowAutoDeactivate", true)
      .Boolean("Enabled", l.enabled)
      .Text("Tooltip", "")
      .Boolean("Multiline", false)
      .Boolean("Selectable", false)
      .Integer("TextAlignment", 2)
      .Colour("TextColor", l.colour[0], l.colour[1], l.colour[2], l.colour[3])
      .Boolean("Transparent", false)
      .Text("Value", l.text)
      .Boolean("Visible", false)
      .Boolean("Bold", false)
      .Boolean("Italic", false)
      .Text("FontName", l.fontName)
      .Boolean("Underline", false)
      .Single("FontSize", l.fontSize)
      .Byte("FontUnit", 0)
      .Text("DataSource", "")
      .Text("DataField", "")
      .Text("InitialParent", "")
      .Bytes();
}

std::string OutFldBlock() {
  AttributeBlock block;
  return PlaceSettings(block, {"OutFld", 20, 200, 520, 300, false, 8, false})
      .Boolean("AllowAutoDeactivate", true)
      .Colour("BackgroundColor", 0xFF, 0xFF, 0xFF, 0x00)
      .Boolean("HasBorder", true)
      .Boolean("Enabled", true)
      .Text("Format", "")
      .Text("Tooltip", "")
      .Boolean("HideSelection", true)
      .Double("LineHeight", 0.0)
      .Double("LineSpacing", 1.0)
      .Boolean("Multiline", true)
      .Boolean("HasHorizontalScrollbar", true)
      .Boolean("HasVerticalScrollbar", true)
      .Boolean("AllowStyledText", true)
      .Colour("TextColor", 0x00, 0x00, 0x00, 0x00)
      .Boolean("Transparent", true)
      .Boolean("AllowFocusRing", false)
      .Boolean("Visible", true)
      .Boolean("Bold", false)
      .Boolean("Italic", false)
      .Text("FontName", "Courier")
      .Single("FontSize", 10)
      .Byte("FontUnit", 0)
      .Boolean("Underline", false)
      .Text("Value", "")
      .Boolean("AllowTabs", false)
      .Integer("TextAlignment", 0)
      .Boolean("AllowSpellChecking", false)
      .Integer("MaximumCharactersAllowed", 0)
      .Text("ValidationMask", "")
      .Boolean("ReadOnly", false)
      .Text("DataSource", "")
      .Text("DataField", "")
      .Text("InitialParent", "")
      .Bytes();
}

struct BevelLook {
  bool transparent;
  const char* caption;
  uint8_t background;  // the grey of the unused background colour
  bool allowFocus;
};

std::string BevelButtonBlock(const Place& p, const BevelLook& b) {
  return AttributeBlock()
      .Boolean("AllowAutoDeactivate", true)
      .Text("Tooltip", "")
      .Boolean("Transparent", b.transparent)
      .Text("Name", p.name)
      .Integer("Index", kNoControlIndex)
      .Integer("Left", p.left)
      .Integer("Top", p.top)
      .Integer("Width", p.width)
      .Integer("Height", p.height)
      .Boolean("LockLeft", p.locked)
      .Boolean("LockTop", p.locked)
      .Boolean("LockRight", false)
      .Boolean("LockBottom", false)
      .Integer("TabPanelIndex", 0)
      .Integer("TabIndex", p.tabIndex)
      .Boolean("TabStop", p.tabStop)
      .Text("InitialParent", "")
      .Boolean("Visible", true)
      .Boolean("Enabled", true)
      .Text("Caption", b.caption)
      .Integer("CaptionAlignment", 3)
      .Integer("CaptionPosition", 2)
      .Integer("CaptionDelta", 0)
      .Integer("IconAlignment", 2)
      .Integer("IconDeltaX", 0)
      .Integer("IconDeltaY", 0)
      .Integer("BevelStyle", 3)
      .Integer("MenuStyle", 0)
      .Boolean("HasBackgroundColor", false)
      .Colour("BackgroundColor", b.background, b.background, b.background, 0x00)
      .Colour("TextColor", 0x00, 0x00, 0x00, 0x00)
      .Boolean("Value", false)
      .Integer("ButtonStyle", 0)
      .Boolean("AllowFocus", b.allowFocus)
      .Text("FontName", "System")
      .Single("FontSize", 12)
      .Byte("FontUnit", 0)
      .Boolean("Bold", true)
      .Boolean("Italic", false)
      .Boolean("Underline", false)
      .Bytes();
}

std::string RadioButtonBlock(const Place& p, const char* caption) {
  AttributeBlock block;
  return PlaceSettings(block, p)
      .Boolean("AllowAutoDeactivate", true)
      .Text("Caption", caption)
      .Boolean("Enabled", true)
      .Text("Tooltip", "")
      .Boolean("Transparent", true)
      .Boolean("Visible", true)
      .Text("FontName", "Times")
      .Single("FontSize", 14)
      .Byte("FontUnit", 0)
      .Boolean("Bold", false)
      .Boolean("Italic", false)
      .Boolean("Underline", false)
      .Boolean("Value", false)
      .Text("InitialParent", "")
      .Bytes();
}

using Row = ControlRow<ControlWnd>;
using framework::ControlClass;
using framework::Handler;
namespace Events = framework::Events;

const std::vector<Row>& ControlTable() {
  static const std::vector<Row> controls = {
      {"DVtitle", ControlClass::Canvas, &Dalvtitle,
       CanvasBlock({"DVtitle", 1, 0, 555, 59, false, 0, false}),
       {{Events::MouseEnter, Handler(&ControlWnd::DVtitle_MouseEnter)},
        {Events::MouseExit, Handler(&ControlWnd::DVtitle_MouseExit)}}},
      {"ClearBtn", ControlClass::PushButton, nullptr,
       PushButtonBlock({"ClearBtn", 20, 530, 90, 30, false, 4, true}, "Clear"),
       {{Events::Action, Handler(&ControlWnd::ClearBtn_Action)}}},
      {"Col1", ControlClass::Label, nullptr,
       LabelBlock({"Col1", 138, 240, 28, 15, false, 7, true},
                  {false, {0x00, 0x00, 0x80, 0x00}, "", "Times", 10}),
       {}},
      {"OutFld", ControlClass::TextArea, nullptr, OutFldBlock(), {}},
      {"cTxt", ControlClass::Label, nullptr,
       LabelBlock({"cTxt", 1, 54, 555, 20, false, 9, false},
                  {true, {0x80, 0x00, 0x00, 0x00}, kCopyrightNotice, "System", 10}),
       {}},
      {"LoadBtn", ControlClass::BevelButton, &One,
       BevelButtonBlock({"LoadBtn", 20, 140, 120, 50, false, 1, false},
                        {true, "Load Data", 0xCC, true}),
       {{Events::BevelAction, Handler(&ControlWnd::LoadBtn_Action)}}},
      {"QuesBtn", ControlClass::Canvas, &Ques,
       CanvasBlock({"QuesBtn", 259, 531, 42, 23, false, 6, false}),
       {{Events::CanvasMouseDown, Handler(&ControlWnd::QuesBtn_MouseDown)}}},
      {"PrintBtn", ControlClass::PushButton, nullptr,
       PushButtonBlock({"PrintBtn", 450, 530, 90, 30, false, 5, true}, "Print"),
       {{Events::Action, Handler(&ControlWnd::PrintBtn_Action)}}},
      {"BevelButton1", ControlClass::BevelButton, &Two,
       BevelButtonBlock({"BevelButton1", 215, 140, 168, 50, true, 12, false},
                        {false, "Compute Statistics", 0x00, false}),
       {}},
      {"RawRadioButton", ControlClass::RadioButton, nullptr,
       RadioButtonBlock({"RawRadioButton", 388, 140, 90, 20, true, 13, true}, "Raw data"),
       {{Events::RadioMouseDown, Handler(&ControlWnd::RawRadioButton_MouseDown)}}},
      {"CenterRadioButton", ControlClass::RadioButton, nullptr,
       RadioButtonBlock({"CenterRadioButton", 388, 172, 100, 20, true, 14, true}, "X Centered"),
       {{Events::RadioMouseDown, Handler(&ControlWnd::CenterRadioButton_MouseDown)},
        {Events::Action, Handler(&ControlWnd::CenterRadioButton_Action)}}},
  };
  return controls;
}

}  // namespace

const framework::ClassRecord& ControlWnd::Class() {
  static const framework::ClassRecord& record = framework::RegisterClassRecord(
      {"ControlWnd.ControlWnd",
       "Window",
       {"Activate", "AddMenuHandlers", "Close", "CreateControls", "EnableMenuItems", "Layout",
        "Open"}});
  return record;
}

ControlWnd& ControlWnd::implicitInstance() { return ImplicitInstanceOf<ControlWnd>(); }

void ControlWnd::Layout() {
  framework::SetProperties(*this, WindowBlock({560, 580, 800, 800, 0, "Dalvenquist", false, false,
                                               true}));
}

void ControlWnd::CreateControls0() {
  for (const Row& row : ControlTable()) CreateControl(*this, row);
}

framework::Canvas& ControlWnd::DVtitle() const { return ControlOf<framework::Canvas>(this, "DVtitle"); }
framework::PushButton& ControlWnd::ClearBtn() const {
  return ControlOf<framework::PushButton>(this, "ClearBtn");
}
framework::Label& ControlWnd::Col1() const { return ControlOf<framework::Label>(this, "Col1"); }
framework::TextArea& ControlWnd::OutFld() { return ControlOf<framework::TextArea>(this, "OutFld"); }
framework::Label& ControlWnd::cTxt() const { return ControlOf<framework::Label>(this, "cTxt"); }
framework::BevelButton& ControlWnd::LoadBtn() const {
  return ControlOf<framework::BevelButton>(this, "LoadBtn");
}
framework::Canvas& ControlWnd::QuesBtn() const { return ControlOf<framework::Canvas>(this, "QuesBtn"); }
framework::PushButton& ControlWnd::PrintBtn() const {
  return ControlOf<framework::PushButton>(this, "PrintBtn");
}
framework::BevelButton& ControlWnd::BevelButton1() const {
  return ControlOf<framework::BevelButton>(this, "BevelButton1");
}
framework::RadioButton& ControlWnd::RawRadioButton() {
  return ControlOf<framework::RadioButton>(this, "RawRadioButton");
}
framework::RadioButton& ControlWnd::CenterRadioButton() {
  return ControlOf<framework::RadioButton>(this, "CenterRadioButton");
}

void ControlWnd::DVtitle_MouseEnter(framework::Canvas&) { cTxt().SetVisible(true); }

void ControlWnd::DVtitle_MouseExit(framework::Canvas&) { cTxt().SetVisible(false); }

void ControlWnd::ClearBtn_Action(framework::PushButton&) {
  if (Module1::dirtyc == "raw" || Module1::dirtyc == "center" || Module1::dirtyc == "rawcenter") {
    if (framework::MsgBox(kClearQuestion, 36, "") != 6) {
      framework::Beep();
      return;
    }
    OutFld().SetText("");
    Module1::dirtyc = "no";
    RawRadioButton().SetValue(false);
    CenterRadioButton().SetValue(false);
    Module1::dirtyData = "no";
    Module1::gArray.Resize(-1, -1);
    Module1::gScores.Resize(-1, -1);
  }
  if (Module1::dirtyc == "no") OutFld().SetText("");
}

void ControlWnd::LoadBtn_Action(framework::BevelButton&) { LoadDataFile(*this); }

bool ControlWnd::QuesBtn_MouseDown(framework::Canvas&, int64_t, int64_t) {
  DescriptionWnd::implicitInstance().Show();
  return false;
}

void ControlWnd::PrintBtn_Action(framework::PushButton&) {
  if (framework::Len(OutFld().Text()) == 0) {
    framework::Beep();
    framework::MessageDialog::Show(kNothingToPrint);
    return;
  }
  std::unique_ptr<framework::Graphics> g =
      framework::PrinterSetup::ShowPrinterDialog(nullptr, nullptr);
  if (!g) return;
  const auto printer = OutFld().styledTextPrinter(*g, 540);
  while (!printer->Eof()) {
    printer->DrawBlock(0, 0, 720);
    if (!printer->Eof()) g->NextPage();
    framework::YieldToEventLoop();
  }
}

bool ControlWnd::RawRadioButton_MouseDown(framework::RadioButton&, int64_t, int64_t) {
  return RunAnalysis(*this, AnalysisVariant::Raw);
}

bool ControlWnd::CenterRadioButton_MouseDown(framework::RadioButton&, int64_t, int64_t) {
  return RunAnalysis(*this, AnalysisVariant::Centered);
}

// The centred analysis runs on mouse-down; selecting the button asks for nothing more.
void ControlWnd::CenterRadioButton_Action(framework::RadioButton&) {}

void ControlWnd::AddMenuHandlers() {
  AddMenuHandler("DescriptionMenuItem",
                 framework::BindMenuHandler(*this, &ControlWnd::DescriptionMenuItem_Action));
  AddMenuHandler("AboutMenuItem", framework::BindMenuHandler(*this, &ControlWnd::AboutMenuItem_Action));
}

void ControlWnd::Event_Close() { framework::Quit(0); }

void ControlWnd::Event_Activate() {
  AboutWnd::implicitInstance().Hide();
  Module1::kEOL = framework::Chr(13) + framework::Chr(10);
}

void ControlWnd::Event_EnableMenuItems() {
  ControlMenuItem().Enabled = false;
  DescriptionMenuItem().Enabled = true;
  AboutMenuItem().Enabled = true;
}

void ControlWnd::Event_Open() {
  Module1::dirtyc = "no";
  Module1::dirtyg = "no";
  Module1::dirtyData = "no";
}

bool ControlWnd::DescriptionMenuItem_Action() {
  DescriptionWnd::implicitInstance().Show();
  return false;
}

bool ControlWnd::AboutMenuItem_Action() {
  AboutWnd::implicitInstance().Show();
  return false;
}
