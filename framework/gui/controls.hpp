#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/core/exceptions.hpp"
#include "framework/gui/properties.hpp"

class QWidget;
class QTimer;

namespace framework {

class Control;
class Picture;
class Window;
class Graphics;
class StyledTextPrinter;

// What a control event hands its handler: the control, and for a mouse press its position.
struct ControlEvent {
  Control& control;
  int64_t x = 0;
  int64_t y = 0;
};

// A handler's result matters for MouseDown only: True keeps the click from the control.
using EventHandler = std::function<bool(const ControlEvent&)>;

enum class ControlClass { Canvas, Label, PushButton, BevelButton, RadioButton, TextArea, Timer };

// The event numbers under which handlers are attached.
namespace Events {
inline constexpr int TimerAction = 0;
inline constexpr int MouseEnter = 11;
inline constexpr int MouseExit = 12;
inline constexpr int Action = 15;
inline constexpr int BevelAction = 17;
inline constexpr int RadioMouseDown = 18;
inline constexpr int CanvasMouseDown = 21;
}  // namespace Events

class Control : public PropertyTarget {
 public:
  ~Control() override;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  const std::string& Name() const { return name_; }
  Window& Owner() const { return owner_; }

  // Attaches a handler to the event of that number; a number the class has no event for is
  // a RuntimeException.
  void AddHandler(int eventNumber, EventHandler handler);
  bool HasHandler(int eventNumber) const;

  // Raises the event: runs its handlers at the event boundary, where an escaping exception is
  // reported and goes no further. True when a handler asked to keep the event.
  bool Raise(int eventNumber, int64_t x = 0, int64_t y = 0);

  void SetProperty(const std::string& name, const PropertyValue& value) override;

 protected:
  explicit Control(Window& owner) : owner_(owner) {}
  virtual std::vector<int> EventNumbers() const = 0;
  // Sets a property of the class itself; false when the class has no such property.
  virtual bool SetOwnProperty(const std::string& name, const PropertyValue& value) = 0;

 private:
  Window& owner_;
  std::string name_;
  std::vector<std::pair<int, EventHandler>> handlers_;
};

// A control with a place on the window.
class RectControl : public Control {
 public:
  ~RectControl() override;

  bool Visible() const;
  void SetVisible(bool visible);
  bool Enabled() const;
  void SetEnabled(bool enabled);
  int64_t Left() const { return left_; }
  int64_t Top() const { return top_; }
  int64_t Width() const { return width_; }
  int64_t Height() const { return height_; }
  int64_t TabIndex() const { return tabIndex_; }
  bool TabStop() const { return tabStop_; }
  bool LockLeft() const { return lockLeft_; }
  bool LockTop() const { return lockTop_; }
  bool LockRight() const { return lockRight_; }
  bool LockBottom() const { return lockBottom_; }
  int64_t Index() const { return index_; }
  const std::string& InitialParent() const { return initialParent_; }
  const std::string& FontName() const { return fontName_; }
  double FontSize() const { return fontSize_; }
  bool Bold() const { return bold_; }

  QWidget* Widget() const { return widget_; }

  // Places the control for its parent's present size: a control locked to both opposite
  // edges grows with its parent, one locked to the far edge only moves with it.
  void Relayout(int64_t parentWidth, int64_t parentHeight);

 protected:
  RectControl(Window& owner, QWidget* widget);
  bool SetOwnProperty(const std::string& name, const PropertyValue& value) override;
  virtual bool SetClassProperty(const std::string& name, const PropertyValue& value) = 0;
  virtual void ApplyFont();
  void ApplyGeometry();

 private:
  QWidget* widget_;
  int64_t left_ = 0, top_ = 0, width_ = 0, height_ = 0;
  int64_t parentWidth_ = 0, parentHeight_ = 0;  // the parent's size the geometry was given for
  int64_t index_ = kNoControlIndex;
  int64_t tabIndex_ = 0;
  bool tabStop_ = true;
  bool lockLeft_ = false, lockTop_ = false, lockRight_ = false, lockBottom_ = false;
  std::string initialParent_;
  std::string fontName_;
  double fontSize_ = 0.0;
  bool bold_ = false, italic_ = false, underline_ = false;
  bool visible_ = true;
};

// A surface that shows its backdrop picture; MouseEnter, MouseExit, MouseDown.
class Canvas : public RectControl {
 public:
  explicit Canvas(Window& owner);
  const char* ClassName() const override { return "Canvas"; }
  void SetBackdrop(std::shared_ptr<Picture> picture);
  const std::shared_ptr<Picture>& Backdrop() const { return backdrop_; }

 protected:
  std::vector<int> EventNumbers() const override;
  bool SetClassProperty(const std::string& name, const PropertyValue& value) override;

 private:
  std::shared_ptr<Picture> backdrop_;
};

class Label : public RectControl {
 public:
  explicit Label(Window& owner);
  const char* ClassName() const override { return "Label"; }
  bool ValueIsText() const override { return true; }
  std::string Text() const;
  void SetText(const std::string& text);
  int64_t TextAlignment() const { return alignment_; }
  Color TextColor() const { return textColor_; }

 protected:
  std::vector<int> EventNumbers() const override { return {}; }
  bool SetClassProperty(const std::string& name, const PropertyValue& value) override;

 private:
  int64_t alignment_ = 0;
  Color textColor_;
};

// A push button; Action.
class PushButton : public RectControl {
 public:
  explicit PushButton(Window& owner);
  const char* ClassName() const override { return "PushButton"; }
  std::string Caption() const;
  bool Default() const;

 protected:
  std::vector<int> EventNumbers() const override { return {Events::Action}; }
  bool SetClassProperty(const std::string& name, const PropertyValue& value) override;
};

// A button that shows an icon above its caption; Action.
class BevelButton : public RectControl {
 public:
  explicit BevelButton(Window& owner);
  const char* ClassName() const override { return "BevelButton"; }
  std::string Caption() const;
  void SetIcon(std::shared_ptr<Picture> picture);
  const std::shared_ptr<Picture>& Icon() const { return icon_; }

 protected:
  std::vector<int> EventNumbers() const override { return {Events::BevelAction}; }
  bool SetClassProperty(const std::string& name, const PropertyValue& value) override;

 private:
  std::shared_ptr<Picture> icon_;
  bool hasBackgroundColor_ = false;
  Color backgroundColor_;
};

// A radio button. A MouseDown handler that returns False leaves the click to the button; a
// modal dialog opened by the handler ends the click, as the dialog takes the mouse.
class RadioButton : public RectControl {
 public:
  explicit RadioButton(Window& owner);
  const char* ClassName() const override { return "RadioButton"; }
  std::string Caption() const;
  bool Value() const;
  void SetValue(bool value);

 protected:
  std::vector<int> EventNumbers() const override {
    return {Events::Action, Events::RadioMouseDown};
  }
  bool SetClassProperty(const std::string& name, const PropertyValue& value) override;
};

// A multi-line text area. Its text joins its lines with CR LF.
class TextArea : public RectControl {
 public:
  explicit TextArea(Window& owner);
  ~TextArea() override;
  const char* ClassName() const override { return "TextArea"; }
  bool ValueIsText() const override { return true; }

  std::string Text() const;
  // A new text that begins with the current one only appends its tail, so that what is shown
  // already is not laid out again.
  void SetText(const std::string& text);

  void SetSelectionStart(int64_t start);
  void SetSelectionLength(int64_t length);
  int64_t SelectionStart() const;
  int64_t SelectionLength() const;
  void SetSelBold(bool bold);
  bool ReadOnly() const;
  // True: the selection is drawn only while the text area has the focus.
  bool HideSelection() const { return hideSelection_; }

  // A printer of the styled text for the page, laid out in blocks of the given width.
  std::unique_ptr<StyledTextPrinter> styledTextPrinter(Graphics& g, int64_t width) const;

 protected:
  std::vector<int> EventNumbers() const override { return {}; }
  bool SetClassProperty(const std::string& name, const PropertyValue& value) override;
  void ApplyFont() override;

 private:
  const std::string& CachedText() const;
  void ApplySelectionColours();
  struct Cache;
  std::unique_ptr<Cache> cache_;
  bool hideSelection_ = false;
};

// A timer: after `Period` milliseconds it raises Action, once (RunMode 1) or repeatedly
// (RunMode 2); RunMode 0 stops it. It lives and ends with its window.
class Timer : public Control {
 public:
  explicit Timer(Window& owner);
  ~Timer() override;
  const char* ClassName() const override { return "Timer"; }
  int64_t Period() const { return period_; }
  int64_t RunMode() const { return runMode_; }
  bool Running() const;
  // Stops the timer for good, as when its window closes.
  void Stop();

 protected:
  std::vector<int> EventNumbers() const override { return {Events::TimerAction}; }
  bool SetOwnProperty(const std::string& name, const PropertyValue& value) override;

 private:
  void Restart();
  std::unique_ptr<QTimer> timer_;
  int64_t period_ = 1000;
  int64_t runMode_ = 0;
};

// The checked cast of the framework: the control as the class asked for, or an
// IllegalCastException; Nil is a NilObjectException.
template <typename T, typename From>
T& RuntimeCheckCast(From* object) {
  if (object == nullptr) throw NilObjectException("Cast of a Nil object");
  T* cast = dynamic_cast<T*>(object);
  if (cast == nullptr) {
    throw IllegalCastException(std::string("A ") + object->ClassName() +
                               " is not of the class asked for");
  }
  return *cast;
}

}  // namespace framework
