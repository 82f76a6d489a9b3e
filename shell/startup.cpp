#include "shell/startup.hpp"

#include "analysis/module1.hpp"
#include "framework/gui/application.hpp"
#include "framework/gui/event_boundary.hpp"
#include "framework/gui/picture.hpp"
#include "shell/about_wnd.hpp"
#include "shell/app.hpp"
#include "shell/control_wnd.hpp"
#include "shell/description_wnd.hpp"
#include "shell/file_types.hpp"
#include "shell/menu.hpp"

namespace Startup {

void PerformInitializers() {
  FileTypes::pAllFileTypes.clear();
  // The class records, before any window exists.
  ControlWnd::Class();
  Menu::Class();
  AboutWnd::TimerClass();
  AboutWnd::Class();
  DescriptionWnd::Class();
  App::Class();
  Module1::Initialize();
}

void InitFileTypes() { FileTypes::Initialize(); }

void NewAppInstance() {
  static App app;
  app.Construct();
  framework::Application::VersionData version;
  version.MajorVersion = 4;
  version.MinorVersion = 0;
  version.BugVersion = 0;
  version.NonReleaseVersion = 0;
  version.StageCode = 3;
  version.LongVersion = std::string(kCopyrightNotice) + ". All rights reserved.";
  version.ShortVersion = "4.0";
  version.PackageInfo = "Dalvenquist";
  app.SetVersionData(version);
  app.SetMenuBar(&Menu::implicitInstance());
  framework::RegisterApplication(app);
}

// Menu items are answered by the windows.
void ApplicationAddMenuHandlers() {}

void EarlyStartup() {
  framework::Application::SetSupportsHiDPI(true);
  framework::RuntimeInitExternalClasses();
  framework::SetApplicationIcon(framework::RuntimeGetPictureFromResourceManager("AppIcon.png"));
  // The bevel button is one of the framework's own controls: there is no plug-in to bind.
  InitFileTypes();
  NewAppInstance();
  ApplicationAddMenuHandlers();
}

// The default window is the About window; it shows itself and brings up the main window.
void MakeDefaultView() { AboutWnd::implicitInstance(); }

void LateStartup() { MakeDefaultView(); }

void StartProgram(int argc, char** argv) {
  framework::RuntimeInit(argc, argv);
  PerformInitializers();
  EarlyStartup();
  framework::RunFrameworkInitialization(&LateStartup);
}

int Main(int argc, char** argv) {
  framework::RunAtEventBoundary([&] {
    StartProgram(argc, argv);
    framework::RuntimeRun();
  });
  return framework::RuntimeExit();
}

}  // namespace Startup
