#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "analysis/module1.hpp"
#include "framework/core/date.hpp"
#include "framework/gui/application.hpp"
#include "framework/gui/window.hpp"
#include "shell/about_wnd.hpp"
#include "shell/control_wnd.hpp"
#include "support/scripted_dialogs.hpp"

// Each test starts from the program as start-up leaves it before its first window, with the
// dialogs answered from a script.
class ProgramTest : public testing::Test {
 protected:
  void SetUp() override {
    framework::DestroyAllWindows();
    Module1::Initialize();
    auto seam = std::make_unique<ScriptedDialogs>();
    dialogs_ = seam.get();
    framework::InstallDialogSeam(std::move(seam));
    folder_ = std::filesystem::temp_directory_path() /
              ("dalvenquist-gui-" + std::to_string(QCoreApplication::applicationPid()) + "-" +
               testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(folder_);
  }

  void TearDown() override {
    framework::SetClock({});
    framework::DestroyAllWindows();
    std::filesystem::remove_all(folder_);
  }

  ScriptedDialogs& Dialogs() { return *dialogs_; }

  std::filesystem::path WriteFile(const std::string& name, const std::string& bytes) {
    const auto path = folder_ / name;
    std::ofstream(path, std::ios::binary) << bytes;
    return path;
  }

  static std::string Fixture(const std::string& name) {
    std::ifstream in(std::string(FIXTURE_DIR) + "/" + name, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }

  // The main window as the About window brings it up, shown and active.
  ControlWnd& MainWindow() {
    AboutWnd::implicitInstance().Hide();
    ControlWnd& window = ControlWnd::implicitInstance();
    window.Show();
    EXPECT_TRUE(QTest::qWaitForWindowActive(window.Widget()));
    return window;
  }

  // Presses "Load Data" with the dialog choosing this file (none: the user cancels).
  void Load(ControlWnd& window, std::optional<std::filesystem::path> file) {
    Dialogs().filesToChoose.push_back(std::move(file));
    QTest::mouseClick(window.LoadBtn().Widget(), Qt::LeftButton);
  }

  static void Click(framework::RectControl& control) {
    QTest::mouseClick(control.Widget(), Qt::LeftButton, Qt::NoModifier, QPoint(8, 8));
  }

  std::filesystem::path folder_;

 private:
  ScriptedDialogs* dialogs_ = nullptr;
};
