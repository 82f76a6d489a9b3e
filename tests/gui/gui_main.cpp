// The GUI tests run the real windows offscreen, after the program's own start-up up to its
// first window.

#include <gtest/gtest.h>

#include <cstdlib>

#include "framework/gui/application.hpp"
#include "shell/startup.hpp"

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  testing::InitGoogleTest(&argc, argv);
  framework::RuntimeInit(argc, argv);
  Startup::PerformInitializers();
  Startup::EarlyStartup();
  const int result = RUN_ALL_TESTS();
  framework::RuntimeExit();
  return result;
}
