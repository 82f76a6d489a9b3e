#include "shell/about_wnd.hpp"

#include "shell/app.hpp"
#include "shell/control_wnd.hpp"
#include "shell/pictures.hpp"

using framework::AttributeBlock;
using framework::kNoControlIndex;

namespace {

std::string Canvas1Block() {
  return AttributeBlock()
      .Text("InitialParent", "")
      .Boolean("Transparent", true)
      .Boolean("DoubleBuffer", false)
      .Boolean("Visible", true)
      .Boolean("Enabled", true)
      .Boolean("TabStop", false)
      .Integer("TabPanelIndex", 0)
      .Integer("TabIndex", 0)
      .Boolean("LockBottom", false)
      .Boolean("LockRight", false)
      .Boolean("LockTop", false)
      .Boolean("LockLeft", false)
      .Integer("Height", 229)
      .Integer("Width", 309)
      .Integer("Top", 10)
      .Integer("Left", 10)
      .Integer("Index", kNoControlIndex)
      .Text("Name", "Canvas1")
      .Boolean("AllowAutoDeactivate", true)
      .Text("Tooltip", "")
      .Boolean("AllowFocusRing", true)
      .Boolean("AllowFocus", false)
      .Boolean("AllowTabs", false)
      .Bytes();
}

std::string StaticText1Block() {
  return AttributeBlock()
      .Text("InitialParent", "")
      .Text("DataField", "")
      .Text("DataSource", "")
      .Boolean("Underline", false)
      .Boolean("Italic", false)
      .Boolean("Bold", false)
      .Boolean("Visible", true)
      .Boolean("Transparent", false)
      .Colour("TextColor", 0xC2, 0x00, 0x00, 0x00)
      .Boolean("Selectable", false)
      .Boolean("Multiline", false)
      .Boolean("Enabled", true)
      .Boolean("TabStop", false)
      .Integer("TabPanelIndex", 0)
      .Integer("TabIndex", 1)
      .Boolean("LockBottom", true)
      .Boolean("LockRight", true)
      .Boolean("LockTop", true)
      .Boolean("LockLeft", true)
      .Integer("Height", 14)
      .Integer("Width", 325)
      .Integer("Top", 245)
      .Integer("Left", 3)
      .Integer("Index", kNoControlIndex)
      .Text("Name", "StaticText1")
      .Boolean("AllowAutoDeactivate", true)
      .Text("Tooltip", "")
      .Integer("TextAlignment", 2)
      .Text("Value", std::string(kCopyrightNotice) + ". All rights reserved.")
      .Text("FontName", "System")
      .Single("FontSize", 11.0f)
      .Byte("FontUnit", 0)
      .Bytes();
}

std::string Timer1Block() {
  return AttributeBlock().Integer("Period", 4000).Integer("RunMode", 1).Bytes();
}

using Row = ControlRow<AboutWnd>;
using framework::ControlClass;

const std::vector<Row>& ControlTable() {
  static const std::vector<Row> controls = {
      {"Canvas1", ControlClass::Canvas, &Tarvolen21, Canvas1Block(), {}},
      {"StaticText1", ControlClass::Label, nullptr, StaticText1Block(), {}},
      {"Timer1", ControlClass::Timer, nullptr, Timer1Block(),
       {{framework::Events::TimerAction, framework::Handler(&AboutWnd::Timer1_Action)}}},
  };
  return controls;
}

}  // namespace

const framework::ClassRecord& AboutWnd::Class() {
  static const framework::ClassRecord& record = framework::RegisterClassRecord(
      {"AboutWnd.AboutWnd",
       "Window",
       {"AddMenuHandlers", "CreateControls", "KeyDown", "Layout", "MouseDown"}});
  return record;
}

const framework::ClassRecord& AboutWnd::TimerClass() {
  static const framework::ClassRecord& record =
      framework::RegisterClassRecord({"AboutWnd.AboutWnd.Timer1", "Timer", {"Action"}});
  return record;
}

AboutWnd& AboutWnd::implicitInstance() { return ImplicitInstanceOf<AboutWnd>(); }

void AboutWnd::Layout() {
  framework::SetProperties(*this, WindowBlock({329, 269, 400, 400, 2, "", true, true, true}));
}

void AboutWnd::CreateControls0() {
  for (const Row& row : ControlTable()) CreateControl(*this, row);
}

framework::Canvas& AboutWnd::Canvas1() const { return ControlOf<framework::Canvas>(this, "Canvas1"); }
framework::Label& AboutWnd::StaticText1() const {
  return ControlOf<framework::Label>(this, "StaticText1");
}
framework::Timer& AboutWnd::Timer1() const { return ControlOf<framework::Timer>(this, "Timer1"); }

// The handlers act on the window's one instance, which is the window that raised the event.
void AboutWnd::GiveWay() {
  AboutWnd::implicitInstance().Hide();
  ControlWnd::implicitInstance().Show();
}

void AboutWnd::Timer1_Action(framework::Timer&) { GiveWay(); }

bool AboutWnd::Event_KeyDown(const std::string&) {
  GiveWay();
  return false;
}

bool AboutWnd::Event_MouseDown(int64_t, int64_t) {
  GiveWay();
  return false;
}

void AboutWnd::AddMenuHandlers() {
  AddMenuHandler("AboutMenuItem", framework::BindMenuHandler(*this, &AboutWnd::AboutMenuItem_Action));
}

bool AboutWnd::AboutMenuItem_Action() {
  AboutWnd::implicitInstance().Show();
  return false;
}
