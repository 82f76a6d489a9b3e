#include "framework/gui/controls.hpp"

#include <QApplication>
#include <QFontDatabase>
#include <QMouseEvent>
#include <QPainter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTimer>
#include <algorithm>

#include "framework/gui/dialogs.hpp"
#include "framework/gui/event_boundary.hpp"
#include "framework/gui/picture.hpp"
#include "framework/gui/printing.hpp"
#include "framework/gui/qt_widgets_p.hpp"
#include "framework/gui/window.hpp"

namespace framework {

namespace {

[[noreturn]] void NoSuchProperty(const PropertyTarget& target, const std::string& name) {
  throw RuntimeException(std::string("A ") + target.ClassName() + " has no property \"" + name +
                         "\"");
}

QString ToQt(const std::string& text) { return QString::fromUtf8(text.data(), qsizetype(text.size())); }

QColor ToQt(const Color& c) { return QColor(c.red, c.green, c.blue, 255 - c.alpha); }

void SetColour(QWidget* widget, QPalette::ColorRole role, const Color& colour) {
  QPalette palette = widget->palette();
  palette.setColor(role, ToQt(colour));
  widget->setPalette(palette);
}

Qt::Alignment AlignmentOf(int64_t textAlignment) {
  switch (textAlignment) {
    case 2:
      return Qt::AlignHCenter | Qt::AlignVCenter;
    case 3:
      return Qt::AlignRight | Qt::AlignVCenter;
    default:
      return Qt::AlignLeft | Qt::AlignVCenter;
  }
}

// The font of a name as the layouts use them: "System" is the application's font, "Courier"
// a fixed-pitch font and "Times" a serif wherever the machine has them. A size counts in the
// layout's own unit, the one its positions are given in, so that every caption fits the
// control it was laid out for.
QFont FontOf(const std::string& name, double size, bool bold, bool italic, bool underline) {
  QFont font = QApplication::font();
  if (name == "Courier") {
    font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setFamilies({"Courier", "Courier New", "Liberation Mono", "Nimbus Mono PS",
                      "DejaVu Sans Mono", font.family()});
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
  } else if (name == "Times") {
    font.setFamilies({"Times", "Times New Roman", "Liberation Serif", "Nimbus Roman",
                      "DejaVu Serif"});
    font.setStyleHint(QFont::Serif);
  } else if (!name.empty() && name != "System") {
    font.setFamily(ToQt(name));
  }
  if (size > 0) font.setPixelSize(std::max(1, int(size + 0.5)));
  font.setBold(bold);
  font.setItalic(italic);
  font.setUnderline(underline);
  return font;
}

template <typename T>
const T& As(const PropertyValue& value) {
  return std::get<T>(value);
}

// Line ends as the text area hands them out: CR LF, whatever came in.
std::string WithCrLf(const std::string& text) {
  bool needed = false;
  for (std::size_t i = 0; i < text.size() && !needed; ++i) {
    if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r')) needed = true;
    if (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n')) needed = true;
  }
  if (!needed) return text;
  std::string out;
  out.reserve(text.size() + text.size() / 16);
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += "\r\n";
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else if (text[i] == '\n') {
      out += "\r\n";
    } else {
      out += text[i];
    }
  }
  return out;
}

// The same text for the document, whose paragraphs end in a plain line feed.
QString ForDocument(std::string_view crLfText) {
  QString text = QString::fromUtf8(crLfText.data(), qsizetype(crLfText.size()));
  text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  return text;
}

}  // namespace

// --- Control -------------------------------------------------------------------------------

Control::~Control() = default;

void Control::AddHandler(int eventNumber, EventHandler handler) {
  const std::vector<int> numbers = EventNumbers();
  if (std::find(numbers.begin(), numbers.end(), eventNumber) == numbers.end()) {
    throw RuntimeException(std::string("A ") + ClassName() + " has no event number " +
                           std::to_string(eventNumber));
  }
  handlers_.emplace_back(eventNumber, std::move(handler));
}

bool Control::HasHandler(int eventNumber) const {
  return std::any_of(handlers_.begin(), handlers_.end(),
                     [&](const auto& h) { return h.first == eventNumber; });
}

bool Control::Raise(int eventNumber, int64_t x, int64_t y) {
  bool keep = false;
  for (const auto& [number, handler] : handlers_) {
    if (number != eventNumber) continue;
    const bool ended = !owner_.RunHandler([&] {
      ControlEvent event{*this, x, y};
      if (handler(event)) keep = true;
    });
    if (ended) keep = true;
  }
  return keep;
}

void Control::SetProperty(const std::string& name, const PropertyValue& value) {
  if (name == "Name") {
    name_ = As<std::string>(value);
    return;
  }
  if (!SetOwnProperty(name, value)) NoSuchProperty(*this, name);
}

// --- RectControl ---------------------------------------------------------------------------

RectControl::RectControl(Window& owner, QWidget* widget) : Control(owner), widget_(widget) {
  widget_->setParent(owner.ContentArea());
  widget_->show();
}

// The widget belongs to the window's widget tree, which ends it with the window.
RectControl::~RectControl() = default;

bool RectControl::Visible() const { return visible_; }

void RectControl::SetVisible(bool visible) {
  visible_ = visible;
  widget_->setVisible(visible);
}

bool RectControl::Enabled() const { return widget_->isEnabled(); }

void RectControl::SetEnabled(bool enabled) { widget_->setEnabled(enabled); }

void RectControl::ApplyGeometry() {
  if (initialParent_.empty()) {
    parentWidth_ = Owner().Width();
    parentHeight_ = Owner().Height();
  } else {
    const auto& parent = RuntimeCheckCast<RectControl>(Owner().ControlByName(initialParent_));
    parentWidth_ = parent.width_;
    parentHeight_ = parent.height_;
  }
  widget_->setGeometry(int(left_), int(top_), int(std::max<int64_t>(width_, 0)),
                       int(std::max<int64_t>(height_, 0)));
}

void RectControl::Relayout(int64_t parentWidth, int64_t parentHeight) {
  const int64_t dWidth = parentWidth - parentWidth_;
  const int64_t dHeight = parentHeight - parentHeight_;
  int64_t x = left_, y = top_, w = width_, h = height_;
  if (lockRight_) (lockLeft_ ? w : x) += dWidth;
  if (lockBottom_) (lockTop_ ? h : y) += dHeight;
  widget_->setGeometry(int(x), int(y), int(std::max<int64_t>(w, 0)), int(std::max<int64_t>(h, 0)));
}

void RectControl::ApplyFont() {
  widget_->setFont(FontOf(fontName_, fontSize_, bold_, italic_, underline_));
}

bool RectControl::SetOwnProperty(const std::string& name, const PropertyValue& value) {
  if (SetClassProperty(name, value)) return true;
  if (name == "Left" || name == "Top" || name == "Width" || name == "Height") {
    (name == "Left" ? left_ : name == "Top" ? top_ : name == "Width" ? width_ : height_) =
        As<int64_t>(value);
    ApplyGeometry();
  } else if (name == "Index") {
    index_ = As<int64_t>(value);
  } else if (name == "LockLeft") {
    lockLeft_ = As<bool>(value);
  } else if (name == "LockTop") {
    lockTop_ = As<bool>(value);
  } else if (name == "LockRight") {
    lockRight_ = As<bool>(value);
  } else if (name == "LockBottom") {
    lockBottom_ = As<bool>(value);
  } else if (name == "TabIndex") {
    tabIndex_ = As<int64_t>(value);
  } else if (name == "TabStop") {
    tabStop_ = As<bool>(value);
    if (!tabStop_ && widget_->focusPolicy() != Qt::NoFocus) widget_->setFocusPolicy(Qt::ClickFocus);
  } else if (name == "Visible") {
    SetVisible(As<bool>(value));
  } else if (name == "Enabled") {
    SetEnabled(As<bool>(value));
  } else if (name == "Tooltip") {
    widget_->setToolTip(ToQt(As<std::string>(value)));
  } else if (name == "InitialParent") {
    initialParent_ = As<std::string>(value);
    QWidget* parent = Owner().ContentArea();
    if (!initialParent_.empty()) {
      parent = RuntimeCheckCast<RectControl>(Owner().ControlByName(initialParent_)).Widget();
    }
    widget_->setParent(parent);
    widget_->setVisible(visible_);
    ApplyGeometry();
  } else if (name == "FontName") {
    fontName_ = As<std::string>(value);
    ApplyFont();
  } else if (name == "FontSize") {
    fontSize_ = As<float>(value);
    ApplyFont();
  } else if (name == "Bold") {
    bold_ = As<bool>(value);
    ApplyFont();
  } else if (name == "Italic") {
    italic_ = As<bool>(value);
    ApplyFont();
  } else if (name == "Underline") {
    underline_ = As<bool>(value);
    ApplyFont();
  } else if (name == "AllowFocus") {
    widget_->setFocusPolicy(As<bool>(value) ? (tabStop_ ? Qt::StrongFocus : Qt::ClickFocus)
                                            : Qt::NoFocus);
  } else if (name == "TabPanelIndex" || name == "AllowAutoDeactivate" || name == "FontUnit" ||
             name == "Transparent" || name == "AllowFocusRing" || name == "AllowTabs" ||
             name == "DoubleBuffer" || name == "DataSource" || name == "DataField") {
    // Settings for focus rings, deactivation, transparency, buffering and data binding have
    // no visible effect here; they are accepted so that the layouts stay complete.
  } else {
    return false;
  }
  return true;
}

// --- Canvas --------------------------------------------------------------------------------

Canvas::Canvas(Window& owner) : RectControl(owner, new CanvasWidget(*this)) {
  Widget()->setFocusPolicy(Qt::NoFocus);
}

std::vector<int> Canvas::EventNumbers() const {
  return {Events::MouseEnter, Events::MouseExit, Events::CanvasMouseDown};
}

void Canvas::SetBackdrop(std::shared_ptr<Picture> picture) {
  backdrop_ = std::move(picture);
  Widget()->update();
}

bool Canvas::SetClassProperty(const std::string&, const PropertyValue&) { return false; }

void CanvasWidget::paintEvent(QPaintEvent*) {
  if (!control_.Backdrop()) return;
  QPainter painter(this);
  painter.drawImage(0, 0, control_.Backdrop()->Image());
}

void CanvasWidget::enterEvent(QEnterEvent*) { control_.Raise(Events::MouseEnter); }

void CanvasWidget::leaveEvent(QEvent*) { control_.Raise(Events::MouseExit); }

void CanvasWidget::mousePressEvent(QMouseEvent* event) {
  // A canvas without a MouseDown handler leaves the press to its window.
  if (!control_.HasHandler(Events::CanvasMouseDown)) {
    event->ignore();
    return;
  }
  const QPoint at = event->position().toPoint();
  control_.Raise(Events::CanvasMouseDown, at.x(), at.y());
  event->accept();
}

// --- Label ---------------------------------------------------------------------------------

Label::Label(Window& owner) : RectControl(owner, new QLabel) {
  // A label takes no clicks: the pointer belongs to what lies under it.
  Widget()->setAttribute(Qt::WA_TransparentForMouseEvents);
  Widget()->setFocusPolicy(Qt::NoFocus);
}

std::string Label::Text() const { return static_cast<QLabel*>(Widget())->text().toStdString(); }

void Label::SetText(const std::string& text) { static_cast<QLabel*>(Widget())->setText(ToQt(text)); }

bool Label::SetClassProperty(const std::string& name, const PropertyValue& value) {
  auto* label = static_cast<QLabel*>(Widget());
  if (name == "Value") {
    SetText(As<std::string>(value));
  } else if (name == "TextAlignment") {
    alignment_ = As<int64_t>(value);
    label->setAlignment(AlignmentOf(alignment_));
  } else if (name == "TextColor") {
    textColor_ = As<Color>(value);
    SetColour(label, QPalette::WindowText, textColor_);
  } else if (name == "Multiline") {
    label->setWordWrap(As<bool>(value));
  } else if (name == "Selectable") {
    label->setTextInteractionFlags(As<bool>(value) ? Qt::TextSelectableByMouse : Qt::NoTextInteraction);
  } else {
    return false;
  }
  return true;
}

// --- PushButton ----------------------------------------------------------------------------

PushButton::PushButton(Window& owner) : RectControl(owner, new QPushButton) {
  QObject::connect(static_cast<QPushButton*>(Widget()), &QPushButton::clicked,
                   [this] { Raise(Events::Action); });
}

std::string PushButton::Caption() const {
  return static_cast<QPushButton*>(Widget())->text().toStdString();
}

bool PushButton::Default() const { return static_cast<QPushButton*>(Widget())->isDefault(); }

bool PushButton::SetClassProperty(const std::string& name, const PropertyValue& value) {
  auto* button = static_cast<QPushButton*>(Widget());
  if (name == "Caption") {
    button->setText(ToQt(As<std::string>(value)));
  } else if (name == "Default") {
    button->setDefault(As<bool>(value));
  } else if (name == "Cancel" || name == "MacButtonStyle") {
    // Escape and the Mac button styles do nothing on this platform.
  } else {
    return false;
  }
  return true;
}

// --- BevelButton ---------------------------------------------------------------------------

BevelButton::BevelButton(Window& owner) : RectControl(owner, new QToolButton) {
  auto* button = static_cast<QToolButton*>(Widget());
  button->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
  button->setIconSize(QSize(24, 24));
  QObject::connect(button, &QToolButton::clicked, [this] { Raise(Events::BevelAction); });
}

std::string BevelButton::Caption() const {
  return static_cast<QToolButton*>(Widget())->text().toStdString();
}

void BevelButton::SetIcon(std::shared_ptr<Picture> picture) {
  icon_ = std::move(picture);
  auto* button = static_cast<QToolButton*>(Widget());
  button->setIcon(icon_ ? QIcon(QPixmap::fromImage(icon_->Image())) : QIcon());
  if (icon_) button->setIconSize(QSize(int(icon_->Width()), int(icon_->Height())));
}

bool BevelButton::SetClassProperty(const std::string& name, const PropertyValue& value) {
  auto* button = static_cast<QToolButton*>(Widget());
  if (name == "Caption") {
    button->setText(ToQt(As<std::string>(value)));
  } else if (name == "Value") {
    button->setChecked(As<bool>(value));
  } else if (name == "HasBackgroundColor" || name == "BackgroundColor") {
    if (name == "HasBackgroundColor") hasBackgroundColor_ = As<bool>(value);
    if (name == "BackgroundColor") backgroundColor_ = As<Color>(value);
    if (hasBackgroundColor_) {
      SetColour(button, QPalette::Button, backgroundColor_);
    }
  } else if (name == "TextColor") {
    SetColour(button, QPalette::ButtonText, As<Color>(value));
  } else if (name == "CaptionAlignment" || name == "CaptionPosition" || name == "CaptionDelta" ||
             name == "IconAlignment" || name == "IconDeltaX" || name == "IconDeltaY" ||
             name == "BevelStyle" || name == "MenuStyle" || name == "ButtonStyle") {
    // The button always shows its icon above its caption, centred.
  } else {
    return false;
  }
  return true;
}

// --- RadioButton ---------------------------------------------------------------------------

RadioButton::RadioButton(Window& owner) : RectControl(owner, new RadioWidget(*this)) {
  QObject::connect(static_cast<QRadioButton*>(Widget()), &QRadioButton::clicked,
                   [this] { Raise(Events::Action); });
}

std::string RadioButton::Caption() const {
  return static_cast<QRadioButton*>(Widget())->text().toStdString();
}

bool RadioButton::Value() const { return static_cast<QRadioButton*>(Widget())->isChecked(); }

void RadioButton::SetValue(bool value) {
  auto* button = static_cast<QRadioButton*>(Widget());
  // A checked button of an exclusive group cannot be turned off directly.
  button->setAutoExclusive(false);
  button->setChecked(value);
  button->setAutoExclusive(true);
}

bool RadioButton::SetClassProperty(const std::string& name, const PropertyValue& value) {
  if (name == "Caption") {
    static_cast<QRadioButton*>(Widget())->setText(ToQt(As<std::string>(value)));
  } else if (name == "Value") {
    SetValue(As<bool>(value));
  } else {
    return false;
  }
  return true;
}

void RadioWidget::mousePressEvent(QMouseEvent* event) {
  const int64_t dialogsBefore = ModalDialogsShown();
  const QPoint at = event->position().toPoint();
  const bool kept = control_.Raise(Events::RadioMouseDown, at.x(), at.y());
  if (kept || ModalDialogsShown() != dialogsBefore) {
    clickEndedByDialog_ = !kept;
    event->accept();
    return;
  }
  QRadioButton::mousePressEvent(event);
}

void RadioWidget::mouseMoveEvent(QMouseEvent* event) {
  if (clickEndedByDialog_) return event->accept();
  QRadioButton::mouseMoveEvent(event);
}

void RadioWidget::mouseReleaseEvent(QMouseEvent* event) {
  if (clickEndedByDialog_) {
    clickEndedByDialog_ = false;
    return event->accept();
  }
  QRadioButton::mouseReleaseEvent(event);
}

// --- TextArea ------------------------------------------------------------------------------

// The text as the program last set or read it, kept so that appending to a long text neither
// reads the document back nor lays it out again. Any edit by the user drops it.
struct TextArea::Cache {
  std::string text;
  bool valid = true;
  bool settingText = false;
};

TextArea::TextArea(Window& owner) : RectControl(owner, new QPlainTextEdit), cache_(std::make_unique<Cache>()) {
  auto* edit = static_cast<QPlainTextEdit*>(Widget());
  edit->setTabChangesFocus(true);
  QObject::connect(edit->document(), &QTextDocument::contentsChange, [this](int, int, int) {
    if (!cache_->settingText) cache_->valid = false;
  });
}

TextArea::~TextArea() = default;

const std::string& TextArea::CachedText() const {
  if (!cache_->valid) {
    QString plain = static_cast<QPlainTextEdit*>(Widget())->toPlainText();
    plain.replace(QChar('\n'), QStringLiteral("\r\n"));
    cache_->text = plain.toStdString();
    cache_->valid = true;
  }
  return cache_->text;
}

std::string TextArea::Text() const { return CachedText(); }

void TextArea::SetText(const std::string& text) {
  auto* edit = static_cast<QPlainTextEdit*>(Widget());
  const std::string& current = CachedText();
  cache_->settingText = true;
  if (!current.empty() && text.size() >= current.size() &&
      std::string_view(text).substr(0, current.size()) == current) {
    // The current text ends in a whole line end or none, so the tail stands on its own.
    const std::string tail = WithCrLf(text.substr(current.size()));
    QTextCursor cursor(edit->document());
    cursor.movePosition(QTextCursor::End);
    cursor.setCharFormat(QTextCharFormat());
    cursor.insertText(ForDocument(tail));
    cache_->text += tail;
  } else {
    cache_->text = WithCrLf(text);
    edit->setPlainText(ForDocument(cache_->text));
  }
  cache_->settingText = false;
  cache_->valid = true;
}

void TextArea::SetSelectionStart(int64_t start) {
  auto* edit = static_cast<QPlainTextEdit*>(Widget());
  QTextCursor cursor = edit->textCursor();
  cursor.setPosition(int(std::clamp<int64_t>(start, 0, edit->document()->characterCount() - 1)));
  edit->setTextCursor(cursor);
}

void TextArea::SetSelectionLength(int64_t length) {
  auto* edit = static_cast<QPlainTextEdit*>(Widget());
  QTextCursor cursor = edit->textCursor();
  const int start = cursor.selectionStart();
  const int last = edit->document()->characterCount() - 1;
  cursor.setPosition(start);
  cursor.setPosition(int(std::clamp<int64_t>(start + length, start, last)), QTextCursor::KeepAnchor);
  edit->setTextCursor(cursor);
}

int64_t TextArea::SelectionStart() const {
  return static_cast<QPlainTextEdit*>(Widget())->textCursor().selectionStart();
}

int64_t TextArea::SelectionLength() const {
  const QTextCursor cursor = static_cast<QPlainTextEdit*>(Widget())->textCursor();
  return cursor.selectionEnd() - cursor.selectionStart();
}

void TextArea::SetSelBold(bool bold) {
  auto* edit = static_cast<QPlainTextEdit*>(Widget());
  QTextCharFormat format;
  format.setFontWeight(bold ? QFont::Bold : QFont::Normal);
  QTextCursor cursor = edit->textCursor();
  cache_->settingText = true;  // a change of style leaves the text as it is
  cursor.mergeCharFormat(format);
  cache_->settingText = false;
}

std::unique_ptr<StyledTextPrinter> TextArea::styledTextPrinter(Graphics& g, int64_t width) const {
  return std::make_unique<StyledTextPrinter>(g, *static_cast<QPlainTextEdit*>(Widget())->document(),
                                             width);
}

bool TextArea::ReadOnly() const { return static_cast<QPlainTextEdit*>(Widget())->isReadOnly(); }

// The text control draws the selection of an unfocused text area in the inactive colours; a
// text area that hides its selection makes those the colours of its text, so that nothing
// shows until it has the focus again.
void TextArea::ApplySelectionColours() {
  auto* edit = static_cast<QPlainTextEdit*>(Widget());
  QPalette palette = edit->palette();
  const QPalette standard = QApplication::palette(edit);
  const auto unfocused = QPalette::Inactive;
  palette.setBrush(unfocused, QPalette::Highlight,
                   hideSelection_ ? palette.brush(unfocused, QPalette::Base)
                                  : standard.brush(unfocused, QPalette::Highlight));
  palette.setBrush(unfocused, QPalette::HighlightedText,
                   hideSelection_ ? palette.brush(unfocused, QPalette::Text)
                                  : standard.brush(unfocused, QPalette::HighlightedText));
  edit->setPalette(palette);
}

void TextArea::ApplyFont() {
  RectControl::ApplyFont();
  static_cast<QPlainTextEdit*>(Widget())->document()->setDefaultFont(Widget()->font());
}

bool TextArea::SetClassProperty(const std::string& name, const PropertyValue& value) {
  auto* edit = static_cast<QPlainTextEdit*>(Widget());
  if (name == "Value") {
    SetText(As<std::string>(value));
  } else if (name == "ReadOnly") {
    edit->setReadOnly(As<bool>(value));
  } else if (name == "HasBorder") {
    edit->setFrameShape(As<bool>(value) ? QFrame::StyledPanel : QFrame::NoFrame);
  } else if (name == "HasHorizontalScrollbar") {
    // A horizontal scroll bar means long lines stay whole instead of wrapping.
    const bool scroll = As<bool>(value);
    edit->setLineWrapMode(scroll ? QPlainTextEdit::NoWrap : QPlainTextEdit::WidgetWidth);
    edit->setHorizontalScrollBarPolicy(scroll ? Qt::ScrollBarAsNeeded : Qt::ScrollBarAlwaysOff);
  } else if (name == "HasVerticalScrollbar") {
    edit->setVerticalScrollBarPolicy(As<bool>(value) ? Qt::ScrollBarAsNeeded
                                                      : Qt::ScrollBarAlwaysOff);
  } else if (name == "AllowStyledText") {
    // Styles come from the program (a bold run); what the user pastes arrives as plain text.
  } else if (name == "BackgroundColor" || name == "TextColor") {
    SetColour(edit, name == "BackgroundColor" ? QPalette::Base : QPalette::Text,
              As<Color>(value));
    ApplySelectionColours();
  } else if (name == "HideSelection") {
    hideSelection_ = As<bool>(value);
    ApplySelectionColours();
  } else if (name == "TextAlignment") {
    QTextOption option = edit->document()->defaultTextOption();
    option.setAlignment(AlignmentOf(As<int64_t>(value)) & Qt::AlignHorizontal_Mask);
    edit->document()->setDefaultTextOption(option);
  } else if (name == "Multiline" || name == "LineHeight" || name == "LineSpacing" ||
             name == "Format" || name == "AllowSpellChecking" ||
             name == "MaximumCharactersAllowed" || name == "ValidationMask") {
    // Single spacing, no mask, no limit and no spelling check: the only settings used.
  } else {
    return false;
  }
  return true;
}

// --- Timer ---------------------------------------------------------------------------------

Timer::Timer(Window& owner) : Control(owner), timer_(std::make_unique<QTimer>()) {
  QObject::connect(timer_.get(), &QTimer::timeout, [this] {
    if (runMode_ == 1) runMode_ = 0;
    Raise(Events::TimerAction);
  });
}

Timer::~Timer() = default;

bool Timer::Running() const { return timer_->isActive(); }

void Timer::Stop() {
  runMode_ = 0;
  timer_->stop();
}

void Timer::Restart() {
  timer_->stop();
  if (runMode_ == 0) return;
  timer_->setSingleShot(runMode_ == 1);
  timer_->start(int(std::max<int64_t>(period_, 0)));
}

bool Timer::SetOwnProperty(const std::string& name, const PropertyValue& value) {
  if (name == "Period") {
    period_ = As<int64_t>(value);
    if (runMode_ != 0) Restart();
  } else if (name == "RunMode") {
    runMode_ = As<int64_t>(value);
    Restart();
  } else {
    return false;
  }
  return true;
}

}  // namespace framework
