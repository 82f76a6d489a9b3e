#pragma once

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "framework/gui/controls.hpp"
#include "framework/gui/properties.hpp"

class QWidget;

namespace framework {

class MenuItem;
class WindowWidget;
class ContentWidget;

// What the framework knows of a class: its full name, its base and the events it handles.
struct ClassRecord {
  std::string name;
  std::string base;
  std::vector<std::string> events;
  bool Handles(const std::string& event) const;
};

// Records are built once and kept; a second registration of a name returns the first.
const ClassRecord& RegisterClassRecord(ClassRecord record);
const ClassRecord* LookupClassRecord(const std::string& name);

class Window : public PropertyTarget {
 public:
  Window();
  ~Window() override;
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Builds the window through its hooks Layout, CreateControls and AddMenuHandlers, raises
  // Open, and shows the window when its layout made it visible.
  void Constructor();

  // The building hooks.
  virtual void Layout() {}
  virtual void CreateControls() {}
  virtual void AddMenuHandlers() {}

  // The window events; the framework raises only those the class record lists.
  virtual void Event_Open() {}
  virtual void Event_Activate() {}
  virtual void Event_Close() {}
  virtual void Event_EnableMenuItems() {}
  virtual bool Event_KeyDown(const std::string& key);
  virtual bool Event_MouseDown(int64_t x, int64_t y);

  virtual const ClassRecord& Record() const = 0;
  bool IsEventImplemented(const std::string& eventName) const;
  const char* ClassName() const override { return Record().name.c_str(); }

  // Shows the window and brings it to the front, also when it is shown already or minimised.
  void Show();
  // Hides the window; it and its controls stay.
  void Hide();
  // Closes the window as its close button does: Close is raised and the window ends.
  void Close();
  bool Visible() const;
  bool Closed() const { return closed_; }

  const std::string& Title() const { return title_; }
  int64_t Width() const { return width_; }
  int64_t Height() const { return height_; }
  int64_t Type() const { return type_; }
  bool Resizeable() const { return resizeable_; }
  int64_t MinimumWidth() const { return minWidth_; }
  int64_t MinimumHeight() const { return minHeight_; }
  int64_t MaximumWidth() const { return maxWidth_; }
  int64_t MaximumHeight() const { return maxHeight_; }
  bool HasCloseButton() const { return hasClose_; }
  bool HasMaximizeButton() const { return hasMaximize_; }
  bool HasMinimizeButton() const { return hasMinimize_; }
  bool HasBackgroundColor() const { return hasBackgroundColor_; }
  Color BackgroundColor() const { return backgroundColor_; }

  // Controls, held by name.
  std::unique_ptr<Control> New(ControlClass controlClass);
  void AddControl(const std::string& name, std::unique_ptr<Control> control);
  Control* ControlByName(const std::string& name) const;
  const std::vector<std::unique_ptr<Control>>& Controls() const { return controls_; }

  // Menu handlers by item name; a handler's result says whether it consumed the command.
  void AddMenuHandler(const std::string& itemName, std::function<bool()> handler);
  bool HasMenuHandler(const std::string& itemName) const;

  void SetProperty(const std::string& name, const PropertyValue& value) override;

  // Expires when the window closes: handlers bound to the window check it.
  std::weak_ptr<void> AliveToken() const { return alive_; }

  // Runs one of this window's own handlers at the event boundary. A window closed while one
  // of its handlers runs (a close request handled at a yield inside a long loop) ends only
  // once the outermost of them has returned, so that no handler finds its window gone.
  bool RunHandler(const std::function<void()>& code);

  // The Qt side, for the framework itself and for tests.
  QWidget* Widget() const;
  QWidget* ContentArea() const;

  // Called by the framework's widgets.
  void HandleActivation();
  void HandleCloseRequest();
  void RelayoutControls();
  void RebuildMenuBar();
  // Before a menu opens or a shortcut goes out: every item that does not enable itself is
  // disabled, a focused text area enables the edit items it can do, and then this window's
  // EnableMenuItems runs.
  void PrepareMenus();
  void ChooseMenuItem(MenuItem& item);

 private:
  class HandlerScope;
  void EndLife();
  void EndWhenNoHandlerRuns();
  void ApplyWindowFlags();
  void ApplySize();
  void SyncMenuActions();

  std::shared_ptr<int> alive_;
  std::shared_ptr<int> exists_;  // expires only when the object is destroyed
  int handlersRunning_ = 0;
  bool closed_ = false;
  bool visibleByLayout_ = false;
  std::string title_;
  int64_t width_ = 100, height_ = 100;
  int64_t minWidth_ = 64, minHeight_ = 64, maxWidth_ = 32000, maxHeight_ = 32000;
  int64_t type_ = 0;
  bool hasClose_ = true, hasMaximize_ = true, hasMinimize_ = true;
  bool resizeable_ = true;
  bool hasBackgroundColor_ = false;
  Color backgroundColor_{0xFF, 0xFF, 0xFF, 0x00};
  bool menuBarVisible_ = true;
  WindowWidget* widget_;
  ContentWidget* content_;
  std::vector<std::unique_ptr<Control>> controls_;
  std::map<std::string, std::function<bool()>> menuHandlers_;
  struct MenuActions;
  std::unique_ptr<MenuActions> menuActions_;
};

// Takes a new window into the framework's keeping; it stays until it closes.
Window& AdoptWindow(std::unique_ptr<Window> window);
// The open window of the class of that full name, or Nil.
Window* GetImplicitWindow(const std::string& className);
// The windows that are open, in the order they were made.
std::vector<Window*> OpenWindows();
// Ends every window at once without raising events (for tests that start afresh).
void DestroyAllWindows();

// Handler delegates bound to a window: they check that the window is still there, and a
// handler of a window that has closed is a NilObjectException.
template <typename W, typename C>
std::function<bool(W&, const ControlEvent&)> Handler(void (W::*function)(C&)) {
  return [function](W& window, const ControlEvent& event) {
    (window.*function)(RuntimeCheckCast<C>(&event.control));
    return false;
  };
}

template <typename W, typename C>
std::function<bool(W&, const ControlEvent&)> Handler(bool (W::*function)(C&, int64_t, int64_t)) {
  return [function](W& window, const ControlEvent& event) {
    return (window.*function)(RuntimeCheckCast<C>(&event.control), event.x, event.y);
  };
}

template <typename W>
EventHandler BindToWindow(W& window, std::function<bool(W&, const ControlEvent&)> handler) {
  std::weak_ptr<void> alive = window.AliveToken();
  W* bound = &window;
  return [alive, bound, handler](const ControlEvent& event) {
    if (alive.expired()) throw NilObjectException("The handler's window has closed");
    return handler(*bound, event);
  };
}

template <typename W>
std::function<bool()> BindMenuHandler(W& window, bool (W::*function)()) {
  std::weak_ptr<void> alive = window.AliveToken();
  W* bound = &window;
  return [alive, bound, function] {
    if (alive.expired()) throw NilObjectException("The handler's window has closed");
    return (bound->*function)();
  };
}

}  // namespace framework
