#pragma once

#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "framework/gui/controls.hpp"
#include "framework/gui/picture.hpp"
#include "framework/gui/properties.hpp"
#include "framework/gui/window.hpp"

// What every window of the program shares: the CreateControls hook, which hands over to the
// window's own control table, and the one procedure that creates a control from its row.
class ProgramWindow : public framework::Window {
 public:
  void CreateControls() override { CreateControls0(); }
  virtual void CreateControls0() = 0;
};

template <typename W>
struct ControlRow {
  const char* name;
  framework::ControlClass controlClass;
  std::shared_ptr<framework::Picture> (*picture)();  // nullptr for a control without one
  std::string block;
  std::vector<std::pair<int, std::function<bool(W&, const framework::ControlEvent&)>>> wiring;
};

// Creates the control, registers it under its name, and from then on reaches it by that name
// only: its picture before its attribute block, then its event wiring in table order.
template <typename W>
void CreateControl(W& window, const ControlRow<W>& row) {
  window.AddControl(row.name, window.New(row.controlClass));
  if (row.picture != nullptr) {
    framework::Control* control = window.ControlByName(row.name);
    if (row.controlClass == framework::ControlClass::BevelButton) {
      framework::RuntimeCheckCast<framework::BevelButton>(control).SetIcon(row.picture());
    } else {
      framework::RuntimeCheckCast<framework::Canvas>(control).SetBackdrop(row.picture());
    }
  }
  framework::SetProperties(framework::RuntimeCheckCast<framework::Control>(window.ControlByName(row.name)),
                           row.block);
  for (const auto& [eventNumber, handler] : row.wiring) {
    framework::RuntimeCheckCast<framework::Control>(window.ControlByName(row.name))
        .AddHandler(eventNumber, framework::BindToWindow(window, handler));
  }
}

// The window's one instance: the open one, or a new one that the framework builds.
template <typename W>
W& ImplicitInstanceOf() {
  if (framework::Window* existing = framework::GetImplicitWindow(W::Class().name)) {
    return framework::RuntimeCheckCast<W>(existing);
  }
  auto& window = static_cast<W&>(framework::AdoptWindow(std::make_unique<W>()));
  window.Constructor();
  return window;
}

// The accessor of a window's control: the control of that name, as its class.
template <typename C>
C& ControlOf(const framework::Window* window, const char* name) {
  if (window == nullptr) throw framework::NilObjectException("Control accessor on a Nil window");
  return framework::RuntimeCheckCast<C>(window->ControlByName(name));
}

// The window block every window of the program has, in its settings' order.
struct WindowLayout {
  int64_t width, height, maxWidth, maxHeight, type;
  const char* title;
  bool hasMaximize, resizeable, hasBackgroundColor;
};

inline std::string WindowBlock(const WindowLayout& w) {
  return framework::AttributeBlock()
      .Integer("Width", w.width)
      .Integer("Height", w.height)
      .Integer("MinimumWidth", 64)
      .Integer("MinimumHeight", 64)
      .Integer("MaximumWidth", w.maxWidth)
      .Integer("MaximumHeight", w.maxHeight)
      .Integer("Type", w.type)
      .Text("Title", w.title)
      .Boolean("HasCloseButton", true)
      .Boolean("HasMaximizeButton", w.hasMaximize)
      .Boolean("HasMinimizeButton", true)
      .Boolean("HasFullScreenButton", false)
      .Boolean("Resizeable", w.resizeable)
      .Boolean("Composite", false)
      .Integer("MacWindowKind", 0)
      .Boolean("FullScreen", false)
      .Integer("DefaultLocation", 0)
      .Boolean("Visible", true)
      .Boolean("HasBackgroundColor", w.hasBackgroundColor)
      .Colour("BackgroundColor", 0xFF, 0xFF, 0xFF, 0x00)
      .Boolean("MenuBarVisible", true)
      .Boolean("LiveResize", false)
      .Bytes();
}
