#pragma once

// The Qt widgets behind the framework's controls and windows; only the framework sees them.

#include <QLabel>
#include <QMainWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QWidget>

namespace framework {

class Canvas;
class RadioButton;
class Window;

class CanvasWidget : public QWidget {
 public:
  CanvasWidget(Canvas& control) : control_(control) {}

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  Canvas& control_;
};

class RadioWidget : public QRadioButton {
 public:
  RadioWidget(RadioButton& control) : control_(control) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;

 private:
  RadioButton& control_;
  bool clickEndedByDialog_ = false;
};

// The content area below the menu bar: the window's coordinate space.
class ContentWidget : public QWidget {
 public:
  explicit ContentWidget(Window& window) : window_(window) {}

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  Window& window_;
};

class WindowWidget : public QMainWindow {
 public:
  explicit WindowWidget(Window& window) : window_(window) {}

 protected:
  void closeEvent(QCloseEvent* event) override;
  void changeEvent(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  Window& window_;
};

}  // namespace framework
