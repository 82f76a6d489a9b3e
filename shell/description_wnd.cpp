#include "shell/description_wnd.hpp"

#include "framework/core/event_loop.hpp"
#include "framework/gui/printing.hpp"
#include "shell/about_wnd.hpp"
#include "shell/control_wnd.hpp"
#include "shell/help_text.hpp"
#include "shell/menu.hpp"

using framework::AttributeBlock;

namespace {

// How the two text areas differ: the outer one fills the window behind the inner one, which
// holds the help text.
struct AreaLook {
  const char* name;
  const char* initialParent;
  bool readOnly;
  int64_t width, height;
  bool hasBorder;
  bool allowStyledText;
  const char* fontName;
  float fontSize;
  std::string text;
};

std::string TextAreaBlock(const AreaLook& a) {
  return AttributeBlock()
      .Text("InitialParent", a.initialParent)
      .Text("DataField", "")
      .Text("DataSource", "")
      .Boolean("ReadOnly", a.readOnly)
      .Boolean("Underline", false)
      .Boolean("Italic", false)
      .Boolean("Bold", false)
      .Boolean("Visible", true)
      .Boolean("Transparent", true)
      .Colour("TextColor", 0x00, 0x00, 0x00, 0x00)
      .Boolean("Multiline", true)
      .Double("LineSpacing", 1.0)
      .Double("LineHeight", 0.0)
      .Boolean("HideSelection", true)
      .Text("Format", "")
      .Boolean("Enabled", true)
      .Boolean("TabStop", false)
      .Integer("TabPanelIndex", 0)
      .Integer("TabIndex", 0)
      .Boolean("LockBottom", true)
      .Boolean("LockRight", true)
      .Boolean("LockTop", true)
      .Boolean("LockLeft", true)
      .Integer("Height", a.height)
      .Integer("Width", a.width)
      .Integer("Top", -1)
      .Integer("Left", -1)
      .Integer("Index", framework::kNoControlIndex)
      .Text("Name", a.name)
      .Boolean("AllowAutoDeactivate", true)
      .Colour("BackgroundColor", 0xFF, 0xFF, 0xFF, 0x00)
      .Boolean("HasBorder", a.hasBorder)
      .Text("Tooltip", "")
      .Boolean("HasHorizontalScrollbar", false)
      .Boolean("HasVerticalScrollbar", true)
      .Boolean("AllowStyledText", a.allowStyledText)
      .Boolean("AllowFocusRing", false)
      .Text("FontName", a.fontName)
      .Single("FontSize", a.fontSize)
      .Byte("FontUnit", 0)
      .Text("Value", a.text)
      .Boolean("AllowTabs", false)
      .Integer("TextAlignment", 0)
      .Boolean("AllowSpellChecking", false)
      .Integer("MaximumCharactersAllowed", 0)
      .Text("ValidationMask", "")
      .Bytes();
}

using Row = ControlRow<DescriptionWnd>;
using framework::ControlClass;

// Made on each build, so that a window built after a close shows the help text as written.
std::vector<Row> ControlTable() {
  return {
      {"DescribeFld", ControlClass::TextArea, nullptr,
       TextAreaBlock({"DescribeFld", "", true, 480, 547, true, false, "Courier", 10, "\r\n"}),
       {}},
      {"DescribeFld2", ControlClass::TextArea, nullptr,
       TextAreaBlock(
           {"DescribeFld2", "DescribeFld", false, 479, 545, false, true, "System", 11, HelpText()}),
       {}},
  };
}

// The title's bold run: the product name and "Regression Bias A".
constexpr int64_t kBoldTitleLength = 29;

}  // namespace

const framework::ClassRecord& DescriptionWnd::Class() {
  static const framework::ClassRecord& record = framework::RegisterClassRecord(
      {"DescriptionWnd.DescriptionWnd",
       "Window",
       {"AddMenuHandlers", "Close", "CreateControls", "EnableMenuItems", "Layout", "Open"}});
  return record;
}

DescriptionWnd& DescriptionWnd::implicitInstance() { return ImplicitInstanceOf<DescriptionWnd>(); }

void DescriptionWnd::Layout() {
  framework::SetProperties(*this,
                           WindowBlock({480, 560, 600, 600, 0, "Description", true, true, false}));
}

void DescriptionWnd::CreateControls0() {
  for (const Row& row : ControlTable()) CreateControl(*this, row);
}

framework::TextArea& DescriptionWnd::DescribeFld() const {
  return ControlOf<framework::TextArea>(this, "DescribeFld");
}

framework::TextArea& DescriptionWnd::DescribeFld2() const {
  return ControlOf<framework::TextArea>(this, "DescribeFld2");
}

void DescriptionWnd::Event_Open() {
  DescribeFld2().SetSelectionStart(0);
  DescribeFld2().SetSelectionLength(kBoldTitleLength);
  DescribeFld2().SetSelBold(true);
}

void DescriptionWnd::Event_EnableMenuItems() {
  ControlMenuItem().Enabled = true;
  AboutMenuItem().Enabled = true;
  FilePrint().Enabled = true;
}

void DescriptionWnd::Event_Close() { FilePrint().Enabled = false; }

void DescriptionWnd::AddMenuHandlers() {
  AddMenuHandler("ControlMenuItem",
                 framework::BindMenuHandler(*this, &DescriptionWnd::ControlMenuItem_Action));
  AddMenuHandler("AboutMenuItem",
                 framework::BindMenuHandler(*this, &DescriptionWnd::AboutMenuItem_Action));
  AddMenuHandler("FilePrint", framework::BindMenuHandler(*this, &DescriptionWnd::FilePrint_Action));
}

bool DescriptionWnd::ControlMenuItem_Action() {
  ControlWnd::implicitInstance().Show();
  return false;
}

bool DescriptionWnd::AboutMenuItem_Action() {
  AboutWnd::implicitInstance().Show();
  return false;
}

bool DescriptionWnd::FilePrint_Action() {
  std::unique_ptr<framework::Graphics> g =
      framework::PrinterSetup::ShowPrinterDialog(nullptr, nullptr);
  // The help text prints on a page taken as 540 by 648, with a margin of 36 on each side of
  // the block; the printer's own page size is not asked for.
  const int64_t pageWidth = 540;
  const int64_t pageHeight = 648;
  if (!g) return false;
  const auto printer = DescribeFld2().styledTextPrinter(*g, pageWidth - 48);
  while (!printer->Eof()) {
    printer->DrawBlock(36, 36, double(pageHeight - 48));
    if (!printer->Eof()) g->NextPage();
    framework::YieldToEventLoop();
  }
  return false;
}
