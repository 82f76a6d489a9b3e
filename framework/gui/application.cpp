#include "framework/gui/application.hpp"

#include <QApplication>
#include <QElapsedTimer>
#include <QIcon>
#include <QPixmap>
#include <QTimer>
#include <cxxabi.h>
#include <memory>
#include <typeinfo>
#include <vector>

#include "framework/core/event_loop.hpp"
#include "framework/core/exceptions.hpp"
#include "framework/gui/dialogs.hpp"
#include "framework/gui/event_boundary.hpp"
#include "framework/gui/picture.hpp"
#include "framework/gui/window.hpp"

namespace framework {

namespace {

Application* application = nullptr;
bool hiDpi = false;
bool quitRequested = false;
int quitCode = 0;

int savedArgc = 1;
std::vector<char*> savedArgv;
std::unique_ptr<QApplication> qtApplication;

// Pending events are processed at most every few milliseconds: often enough to repaint, rare
// enough that a long loop is not slowed down by it. User input waits until the loop is done.
void YieldToQt() {
  static QElapsedTimer sinceLast;
  if (sinceLast.isValid() && sinceLast.elapsed() < 8) return;
  QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
  sinceLast.restart();
}

}  // namespace

const char* Application::ClassName() const { return Record().name.c_str(); }

void Application::Construct() {
  ++constructorRuns_;
  Constructor();
}

void Application::SetVersionData(const VersionData& data) { version_ = data; }

void Application::SetSupportsHiDPI(bool supported) {
  hiDpi = supported;
  if (QCoreApplication::instance() == nullptr) {
    QGuiApplication::setHighDpiScaleFactorRoundingPolicy(
        supported ? Qt::HighDpiScaleFactorRoundingPolicy::PassThrough
                  : Qt::HighDpiScaleFactorRoundingPolicy::Round);
  }
}

bool Application::SupportsHiDPI() { return hiDpi; }

void SetApplicationIcon(const std::shared_ptr<Picture>& picture) {
  if (picture) QApplication::setWindowIcon(QIcon(QPixmap::fromImage(picture->Image())));
}

void RegisterApplication(Application& app) { application = &app; }

Application* CurrentApplication() { return application; }

void Quit(int code) {
  quitRequested = true;
  quitCode = code;
  QCoreApplication::exit(code);
}

bool QuitRequested() { return quitRequested; }

int QuitCode() { return quitCode; }

void RuntimeInit(int argc, char** argv) {
  savedArgc = argc > 0 ? argc : 1;
  static char name[] = "Dalvenquist";
  savedArgv.assign(argv, argv + (argc > 0 ? argc : 0));
  if (savedArgv.empty()) savedArgv.push_back(name);
  savedArgv.push_back(nullptr);
}

void RuntimeInitExternalClasses() {
  if (QCoreApplication::instance() == nullptr) {
    if (savedArgv.empty()) RuntimeInit(0, nullptr);
    qtApplication = std::make_unique<QApplication>(savedArgc, savedArgv.data());
  }
  QApplication::setApplicationDisplayName(QStringLiteral("Dalvenquist"));
  SetYieldHandler(&YieldToQt);
}

void RunFrameworkInitialization(std::function<void()> lateStartup) {
  QTimer::singleShot(0, [lateStartup] { RunAtEventBoundary(lateStartup); });
}

void RuntimeRun() {
  if (quitRequested) return;
  QCoreApplication::exec();
}

int RuntimeExit() {
  SetYieldHandler(nullptr);
  // Windows and the Qt application end here, while Qt is still whole; after main returns
  // it is too late for them.
  DestroyAllWindows();
  qtApplication.reset();
  return quitCode;
}

std::string ExceptionClassName(const std::exception& e) {
  if (const auto* own = dynamic_cast<const RuntimeException*>(&e)) return own->ClassName();
  int status = 0;
  std::unique_ptr<char, void (*)(void*)> name(
      abi::__cxa_demangle(typeid(e).name(), nullptr, nullptr, &status), std::free);
  return status == 0 && name ? std::string(name.get()) : std::string(typeid(e).name());
}

void UnhandledException(const std::exception& e) {
  MessageDialog::Show("An exception of class " + ExceptionClassName(e) +
                      " was not handled. The operation did not finish.\n\n" + e.what());
}

bool RunAtEventBoundary(const std::function<void()>& code) {
  try {
    code();
    return true;
  } catch (const std::exception& e) {
    UnhandledException(e);
  }
  return false;
}

}  // namespace framework
