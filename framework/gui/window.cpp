#include "framework/gui/window.hpp"

#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenuBar>
#include <QMouseEvent>
#include <QShortcut>
#include <QPlainTextEdit>
#include <QTimer>
#include <algorithm>
#include <deque>

#include "framework/gui/application.hpp"
#include "framework/gui/event_boundary.hpp"
#include "framework/gui/menu.hpp"
#include "framework/gui/qt_widgets_p.hpp"

namespace framework {

namespace {

// A deque, so that the records stay where they are as more are added.
std::deque<ClassRecord>& ClassRecords() {
  static std::deque<ClassRecord> records;
  return records;
}

std::vector<std::unique_ptr<Window>>& Windows() {
  static std::vector<std::unique_ptr<Window>> windows;
  return windows;
}

// The windows by their last activation, the most recent last: when the window in front is
// hidden, the one before it comes back to the front.
std::vector<Window*>& ActivationOrder() {
  static std::vector<Window*> order;
  return order;
}

void Forget(Window* window) {
  auto& order = ActivationOrder();
  order.erase(std::remove(order.begin(), order.end(), window), order.end());
}

template <typename T>
const T& As(const PropertyValue& value) {
  return std::get<T>(value);
}

void ForEachItem(MenuItem& entry, const std::function<void(MenuItem&)>& visit) {
  for (std::size_t i = 0; i < entry.Count(); ++i) {
    visit(entry.Item(i));
    ForEachItem(entry.Item(i), visit);
  }
}

QPlainTextEdit* FocusedTextArea(QWidget* window) {
  auto* edit = qobject_cast<QPlainTextEdit*>(QApplication::focusWidget());
  return edit != nullptr && edit->window() == window ? edit : nullptr;
}

// The edit items a focused text area answers itself.
bool IsEditItem(const std::string& name) {
  return name == "EditUndo" || name == "EditCut" || name == "EditCopy" || name == "EditPaste";
}

}  // namespace

// --- Class records -------------------------------------------------------------------------

bool ClassRecord::Handles(const std::string& event) const {
  return std::find(events.begin(), events.end(), event) != events.end();
}

const ClassRecord& RegisterClassRecord(ClassRecord record) {
  if (const ClassRecord* existing = LookupClassRecord(record.name)) return *existing;
  ClassRecords().push_back(std::move(record));
  return ClassRecords().back();
}

const ClassRecord* LookupClassRecord(const std::string& name) {
  for (const ClassRecord& record : ClassRecords()) {
    if (record.name == name) return &record;
  }
  return nullptr;
}

// --- The window registry -------------------------------------------------------------------

Window& AdoptWindow(std::unique_ptr<Window> window) {
  Windows().push_back(std::move(window));
  return *Windows().back();
}

Window* GetImplicitWindow(const std::string& className) {
  for (const auto& window : Windows()) {
    if (!window->Closed() && window->Record().name == className) return window.get();
  }
  return nullptr;
}

std::vector<Window*> OpenWindows() {
  std::vector<Window*> open;
  for (const auto& window : Windows()) {
    if (!window->Closed()) open.push_back(window.get());
  }
  return open;
}

void DestroyAllWindows() {
  auto windows = std::move(Windows());
  Windows().clear();
  windows.clear();
}

// --- Window --------------------------------------------------------------------------------

struct Window::MenuActions {
  QMenuBar* bar = nullptr;
  std::vector<std::pair<QAction*, MenuItem*>> actions;
};

// While one of the window's handlers runs, the window may close but does not end.
class Window::HandlerScope {
 public:
  explicit HandlerScope(Window& window) : window_(window) { ++window_.handlersRunning_; }
  ~HandlerScope() {
    if (--window_.handlersRunning_ == 0 && window_.closed_) window_.EndWhenNoHandlerRuns();
  }
  HandlerScope(const HandlerScope&) = delete;
  HandlerScope& operator=(const HandlerScope&) = delete;

 private:
  Window& window_;
};

Window::Window()
    : alive_(std::make_shared<int>(0)),
      exists_(std::make_shared<int>(0)),
      widget_(new WindowWidget(*this)),
      content_(new ContentWidget(*this)),
      menuActions_(std::make_unique<MenuActions>()) {
  widget_->setCentralWidget(content_);
  widget_->setAttribute(Qt::WA_DeleteOnClose, false);
}

// From here on the window is Nil to its handlers, out of the activation order, and its
// timers fire no more.
void Window::EndLife() {
  Forget(this);
  alive_.reset();
  for (const auto& control : controls_) {
    if (auto* timer = dynamic_cast<Timer*>(control.get())) timer->Stop();
  }
}

Window::~Window() {
  EndLife();
  // The widgets go first: they refer to their controls while they are torn down.
  delete widget_;
  controls_.clear();
}

bool Window::Event_KeyDown(const std::string&) { return false; }

bool Window::Event_MouseDown(int64_t, int64_t) { return false; }

bool Window::IsEventImplemented(const std::string& eventName) const {
  const ClassRecord* record = LookupClassRecord(Record().name);
  return record != nullptr && record->Handles(eventName);
}

QWidget* Window::Widget() const { return widget_; }

QWidget* Window::ContentArea() const { return content_; }

bool Window::RunHandler(const std::function<void()>& code) {
  HandlerScope scope(*this);
  return RunAtEventBoundary(code);
}

void Window::Constructor() {
  // The building hooks and Open are the window's own code too; a failure in them goes on to
  // whoever asked for the window.
  HandlerScope scope(*this);
  RebuildMenuBar();
  if (IsEventImplemented("Layout")) Layout();
  if (IsEventImplemented("CreateControls")) CreateControls();
  // Tab order follows the controls' TabIndex among those that are tab stops.
  std::vector<RectControl*> stops;
  for (const auto& control : controls_) {
    auto* rect = dynamic_cast<RectControl*>(control.get());
    if (rect != nullptr && rect->TabStop() && rect->Widget()->focusPolicy() != Qt::NoFocus) {
      stops.push_back(rect);
    }
  }
  std::stable_sort(stops.begin(), stops.end(),
                   [](auto* a, auto* b) { return a->TabIndex() < b->TabIndex(); });
  for (std::size_t i = 1; i < stops.size(); ++i) {
    QWidget::setTabOrder(stops[i - 1]->Widget(), stops[i]->Widget());
  }
  if (IsEventImplemented("AddMenuHandlers")) AddMenuHandlers();
  if (IsEventImplemented("Open")) Event_Open();
  if (visibleByLayout_ && !closed_) Show();
}

void Window::Show() {
  if (closed_) return;
  // A window brought to the front also comes back from being minimised; a maximised one
  // stays maximised.
  if (widget_->isMinimized()) {
    widget_->setWindowState((widget_->windowState() & ~Qt::WindowMinimized) | Qt::WindowActive);
  }
  widget_->show();
  widget_->raise();
  widget_->activateWindow();
}

void Window::Hide() {
  widget_->hide();
  auto& order = ActivationOrder();
  for (auto it = order.rbegin(); it != order.rend(); ++it) {
    if (*it != this && !(*it)->Closed() && (*it)->Visible()) {
      (*it)->widget_->activateWindow();
      break;
    }
  }
}

void Window::Close() { widget_->close(); }

bool Window::Visible() const { return widget_->isVisible(); }

std::unique_ptr<Control> Window::New(ControlClass controlClass) {
  switch (controlClass) {
    case ControlClass::Canvas:
      return std::make_unique<Canvas>(*this);
    case ControlClass::Label:
      return std::make_unique<Label>(*this);
    case ControlClass::PushButton:
      return std::make_unique<PushButton>(*this);
    case ControlClass::BevelButton:
      return std::make_unique<BevelButton>(*this);
    case ControlClass::RadioButton:
      return std::make_unique<RadioButton>(*this);
    case ControlClass::TextArea:
      return std::make_unique<TextArea>(*this);
    case ControlClass::Timer:
      return std::make_unique<Timer>(*this);
  }
  throw RuntimeException("Unknown control class");
}

void Window::AddControl(const std::string& name, std::unique_ptr<Control> control) {
  if (!control) throw NilObjectException("AddControl of a Nil control");
  if (ControlByName(name) != nullptr) {
    throw RuntimeException("The window has a control named \"" + name + "\" already");
  }
  control->SetProperty("Name", name);
  controls_.push_back(std::move(control));
}

Control* Window::ControlByName(const std::string& name) const {
  for (const auto& control : controls_) {
    if (control->Name() == name) return control.get();
  }
  return nullptr;
}

void Window::AddMenuHandler(const std::string& itemName, std::function<bool()> handler) {
  menuHandlers_[itemName] = std::move(handler);
}

bool Window::HasMenuHandler(const std::string& itemName) const {
  return menuHandlers_.count(itemName) != 0;
}

void Window::ApplyWindowFlags() {
  Qt::WindowFlags flags = (type_ == 2 ? Qt::Dialog : Qt::Window) | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowSystemMenuHint;
  if (hasClose_) flags |= Qt::WindowCloseButtonHint;
  if (hasMinimize_) flags |= Qt::WindowMinimizeButtonHint;
  if (hasMaximize_ && resizeable_) flags |= Qt::WindowMaximizeButtonHint;
  const bool shown = widget_->isVisible();
  widget_->setWindowFlags(flags);
  if (shown) widget_->show();
}

void Window::ApplySize() {
  if (resizeable_) {
    content_->setMinimumSize(int(minWidth_), int(minHeight_));
    content_->setMaximumSize(int(maxWidth_), int(maxHeight_));
    widget_->layout()->setSizeConstraint(QLayout::SetDefaultConstraint);
  } else {
    content_->setFixedSize(int(width_), int(height_));
    widget_->layout()->setSizeConstraint(QLayout::SetFixedSize);
  }
  const int menuHeight =
      menuBarVisible_ && widget_->menuWidget() != nullptr ? widget_->menuWidget()->sizeHint().height() : 0;
  content_->resize(int(width_), int(height_));
  widget_->resize(int(width_), int(height_) + menuHeight);
}

void Window::SetProperty(const std::string& name, const PropertyValue& value) {
  if (name == "Width") {
    width_ = As<int64_t>(value);
    ApplySize();
  } else if (name == "Height") {
    height_ = As<int64_t>(value);
    ApplySize();
  } else if (name == "MinimumWidth") {
    minWidth_ = As<int64_t>(value);
    ApplySize();
  } else if (name == "MinimumHeight") {
    minHeight_ = As<int64_t>(value);
    ApplySize();
  } else if (name == "MaximumWidth") {
    maxWidth_ = As<int64_t>(value);
    ApplySize();
  } else if (name == "MaximumHeight") {
    maxHeight_ = As<int64_t>(value);
    ApplySize();
  } else if (name == "Type") {
    type_ = As<int64_t>(value);
    ApplyWindowFlags();
  } else if (name == "Title") {
    title_ = As<std::string>(value);
    widget_->setWindowTitle(QString::fromStdString(title_));
  } else if (name == "HasCloseButton") {
    hasClose_ = As<bool>(value);
    ApplyWindowFlags();
  } else if (name == "HasMaximizeButton") {
    hasMaximize_ = As<bool>(value);
    ApplyWindowFlags();
  } else if (name == "HasMinimizeButton") {
    hasMinimize_ = As<bool>(value);
    ApplyWindowFlags();
  } else if (name == "Resizeable") {
    resizeable_ = As<bool>(value);
    ApplyWindowFlags();
    ApplySize();
  } else if (name == "Visible") {
    visibleByLayout_ = As<bool>(value);
  } else if (name == "HasBackgroundColor" || name == "BackgroundColor") {
    if (name == "HasBackgroundColor") hasBackgroundColor_ = As<bool>(value);
    if (name == "BackgroundColor") backgroundColor_ = As<Color>(value);
    content_->setAutoFillBackground(hasBackgroundColor_);
    QPalette palette = content_->palette();
    if (hasBackgroundColor_) {
      palette.setColor(QPalette::Window,
                       QColor(backgroundColor_.red, backgroundColor_.green, backgroundColor_.blue));
    }
    content_->setPalette(palette);
  } else if (name == "MenuBarVisible") {
    menuBarVisible_ = As<bool>(value);
    if (widget_->menuWidget() != nullptr) widget_->menuWidget()->setVisible(menuBarVisible_);
  } else if (name == "HasFullScreenButton" || name == "Composite" || name == "MacWindowKind" ||
             name == "FullScreen" || name == "DefaultLocation" || name == "LiveResize") {
    // Full screen, compositing, Mac window kinds and live resizing are not used here; the
    // default location is wherever the window system places a new window.
  } else {
    throw RuntimeException(std::string("A window has no property \"") + name + "\"");
  }
}

void Window::HandleActivation() {
  if (closed_) return;
  Forget(this);
  ActivationOrder().push_back(this);
  if (!IsEventImplemented("Activate")) return;
  RunHandler([this] { Event_Activate(); });
}

void Window::HandleCloseRequest() {
  if (closed_) return;
  if (IsEventImplemented("Close")) RunHandler([this] { Event_Close(); });
  closed_ = true;
  EndLife();
  if (handlersRunning_ == 0) EndWhenNoHandlerRuns();
}

// The window ends once the event that closed it is over, and never while one of its handlers
// is still on the stack: the last of those to return asks again.
void Window::EndWhenNoHandlerRuns() {
  Window* self = this;
  QTimer::singleShot(0, [self, exists = std::weak_ptr<int>(exists_)] {
    if (exists.expired() || self->handlersRunning_ > 0) return;
    auto& windows = Windows();
    const auto it = std::find_if(windows.begin(), windows.end(),
                                 [self](const auto& w) { return w.get() == self; });
    if (it != windows.end()) windows.erase(it);
  });
}

void Window::RelayoutControls() {
  for (const auto& control : controls_) {
    auto* rect = dynamic_cast<RectControl*>(control.get());
    if (rect == nullptr) continue;
    const QWidget* parent = rect->Widget()->parentWidget();
    if (parent == nullptr) continue;
    rect->Relayout(parent->width(), parent->height());
  }
}

void Window::RebuildMenuBar() {
  Application* app = CurrentApplication();
  if (app == nullptr || app->MenuBar() == nullptr) return;
  auto* bar = new QMenuBar;
  menuActions_->actions.clear();
  MenuItem& model = *app->MenuBar();
  for (std::size_t m = 0; m < model.Count(); ++m) {
    MenuItem& menuEntry = model.Item(m);
    if (!menuEntry.Visible || menuEntry.Text.empty()) continue;
    QMenu* menu = bar->addMenu(QString::fromStdString(menuEntry.Text));
    QObject::connect(menu, &QMenu::aboutToShow, [this] { RunHandler([this] { PrepareMenus(); }); });
    for (std::size_t i = 0; i < menuEntry.Count(); ++i) {
      MenuItem& item = menuEntry.Item(i);
      if (item.Text.empty()) continue;
      if (item.Text == "-") {
        menu->addSeparator();
        continue;
      }
      QString caption = QString::fromStdString(item.Text);
      if (!item.CommandKey.empty()) caption += "\t" + QString::fromStdString(item.CommandKey);
      QAction* action = menu->addAction(caption);
      action->setVisible(item.Visible);
      MenuItem* chosen = &item;
      QObject::connect(action, &QAction::triggered,
                       [this, chosen] { RunHandler([this, chosen] { ChooseMenuItem(*chosen); }); });
      menuActions_->actions.emplace_back(action, chosen);
      if (!item.CommandKey.empty()) {
        auto* shortcut = new QShortcut(QKeySequence(QString::fromStdString(item.CommandKey)), widget_);
        shortcut->setContext(Qt::WindowShortcut);
        QObject::connect(shortcut, &QShortcut::activated, [this, chosen] {
          RunHandler([this, chosen] {
            PrepareMenus();
            if (chosen->Enabled) ChooseMenuItem(*chosen);
          });
        });
      }
    }
  }
  widget_->setMenuBar(bar);
  bar->setVisible(menuBarVisible_);
  menuActions_->bar = bar;
}

void Window::PrepareMenus() {
  Application* app = CurrentApplication();
  if (app == nullptr || app->MenuBar() == nullptr) return;
  MenuItem& model = *app->MenuBar();
  for (std::size_t m = 0; m < model.Count(); ++m) {
    ForEachItem(model.Item(m), [](MenuItem& item) { item.Enabled = item.AutoEnable; });
  }
  if (QPlainTextEdit* edit = FocusedTextArea(widget_)) {
    const bool selection = edit->textCursor().hasSelection();
    const bool editable = !edit->isReadOnly();
    const auto enable = [&model](const char* name, bool on) {
      if (MenuItem* item = model.Lookup(name)) item->Enabled = on;
    };
    enable("EditUndo", editable && edit->document()->isUndoAvailable());
    enable("EditCut", editable && selection);
    enable("EditCopy", selection);
    enable("EditPaste", editable && edit->canPaste());
  }
  if (!closed_ && IsEventImplemented("EnableMenuItems")) Event_EnableMenuItems();
  SyncMenuActions();
}

void Window::SyncMenuActions() {
  for (const auto& [action, item] : menuActions_->actions) {
    action->setEnabled(item->Enabled);
    action->setVisible(item->Visible);
  }
}

void Window::ChooseMenuItem(MenuItem& item) {
  if (const auto handler = menuHandlers_.find(item.Name); handler != menuHandlers_.end()) {
    if (handler->second()) return;
  }
  if (item.QuitsApplication()) {
    Quit(0);
    return;
  }
  if (IsEditItem(item.Name)) {
    if (QPlainTextEdit* edit = FocusedTextArea(widget_)) {
      if (item.Name == "EditUndo") edit->undo();
      if (item.Name == "EditCut") edit->cut();
      if (item.Name == "EditCopy") edit->copy();
      if (item.Name == "EditPaste") edit->paste();
    }
  }
}

// --- The widgets ---------------------------------------------------------------------------

void WindowWidget::closeEvent(QCloseEvent* event) {
  window_.HandleCloseRequest();
  event->accept();
}

void WindowWidget::changeEvent(QEvent* event) {
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) window_.HandleActivation();
  QMainWindow::changeEvent(event);
}

void WindowWidget::keyPressEvent(QKeyEvent* event) {
  if (window_.IsEventImplemented("KeyDown")) {
    bool kept = false;
    const std::string key = event->text().toStdString();
    window_.RunHandler([&] { kept = window_.Event_KeyDown(key); });
    if (kept) return event->accept();
  }
  QMainWindow::keyPressEvent(event);
}

void ContentWidget::mousePressEvent(QMouseEvent* event) {
  if (!window_.IsEventImplemented("MouseDown")) return event->ignore();
  const QPoint at = event->position().toPoint();
  window_.RunHandler([&] { window_.Event_MouseDown(at.x(), at.y()); });
  event->accept();
}

void ContentWidget::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  window_.RelayoutControls();
}

}  // namespace framework
