#pragma once

#include <cstdint>
#include <string>

#include "framework/gui/controls.hpp"
#include "shell/window_building.hpp"

// The first window of every run: the picture and the notice, giving way to the main window
// after four seconds or at once on a key or a click.
class AboutWnd : public ProgramWindow {
 public:
  void Layout() override;
  void CreateControls0() override;

  framework::Canvas& Canvas1() const;
  framework::Label& StaticText1() const;
  framework::Timer& Timer1() const;

  void Timer1_Action(framework::Timer& timer);
  void AddMenuHandlers() override;
  bool Event_KeyDown(const std::string& key) override;
  bool Event_MouseDown(int64_t x, int64_t y) override;
  bool AboutMenuItem_Action();

  static const framework::ClassRecord& Class();
  const framework::ClassRecord& Record() const override { return Class(); }
  // The class of the window's own timer, which ties the timer to its window.
  static const framework::ClassRecord& TimerClass();

  static AboutWnd& implicitInstance();

 private:
  void GiveWay();
};
