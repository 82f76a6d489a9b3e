#pragma once

#include <cstdint>
#include <exception>
#include <functional>
#include <memory>
#include <string>

#include "framework/gui/menu.hpp"

namespace framework {

struct ClassRecord;

// The application object: version data, the installed menu bar, the high-DPI switch.
class Application {
 public:
  struct VersionData {
    int64_t MajorVersion = 0;
    int64_t MinorVersion = 0;
    int64_t BugVersion = 0;
    int64_t NonReleaseVersion = 0;
    int64_t StageCode = 0;  // 3: final release
    std::string LongVersion;
    std::string ShortVersion;
    std::string PackageInfo;
  };

  Application() = default;
  virtual ~Application() = default;

  // The class's own constructor operation, apart from the C++ constructor: the program runs it
  // once on the object it registers, through Construct, which counts the runs.
  virtual void Constructor() {}
  void Construct();
  int64_t ConstructorRuns() const { return constructorRuns_; }

  void SetVersionData(const VersionData& data);
  const VersionData& Version() const { return version_; }

  framework::MenuBar* MenuBar() const { return menuBar_; }
  void SetMenuBar(framework::MenuBar* bar) { menuBar_ = bar; }

  virtual const ClassRecord& Record() const = 0;
  const char* ClassName() const;

  // Must come before any window exists.
  static void SetSupportsHiDPI(bool supported);
  static bool SupportsHiDPI();

 private:
  VersionData version_;
  framework::MenuBar* menuBar_ = nullptr;
  int64_t constructorRuns_ = 0;
};

class Picture;

// The icon every window shows; none leaves the window system's own.
void SetApplicationIcon(const std::shared_ptr<Picture>& picture);

// The one application object, once it is registered.
void RegisterApplication(Application& application);
Application* CurrentApplication();

// Ends the application with the exit code: the event loop stops.
void Quit(int code);
bool QuitRequested();
int QuitCode();

// The runtime around the program: started before anything else, the Qt application made
// ready, the late start-up handed over, the event loop run, and the exit code at the end.
void RuntimeInit(int argc, char** argv);
void RuntimeInitExternalClasses();
void RunFrameworkInitialization(std::function<void()> lateStartup);
void RuntimeRun();
// Ends the windows and the Qt application; returns the exit code.
int RuntimeExit();

// The report of an exception that no handler caught.
void UnhandledException(const std::exception& e);

}  // namespace framework
