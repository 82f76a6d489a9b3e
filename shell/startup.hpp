#pragma once

// The program's start-up, in its order: the runtime, the initialisers, the early start-up
// (high DPI, the framework's classes, the file types, the application object and its menu
// bar), the late start-up that makes the default window, and the event loop.
namespace Startup {

void PerformInitializers();
void EarlyStartup();
void InitFileTypes();
void NewAppInstance();
void ApplicationAddMenuHandlers();
void LateStartup();
void MakeDefaultView();

// Everything up to the event loop, for a process that runs the loop itself.
void StartProgram(int argc, char** argv);

// The whole run; returns the exit code.
int Main(int argc, char** argv);

}  // namespace Startup
