#pragma once

#include "framework/gui/controls.hpp"
#include "shell/window_building.hpp"

// The built-in help: the help text in an editable, styled text area that prints from
// File > Print.
class DescriptionWnd : public ProgramWindow {
 public:
  void Layout() override;
  void CreateControls0() override;

  framework::TextArea& DescribeFld() const;
  framework::TextArea& DescribeFld2() const;

  void AddMenuHandlers() override;
  void Event_Close() override;
  void Event_Open() override;
  void Event_EnableMenuItems() override;
  bool ControlMenuItem_Action();
  bool AboutMenuItem_Action();
  bool FilePrint_Action();

  static const framework::ClassRecord& Class();
  const framework::ClassRecord& Record() const override { return Class(); }

  static DescriptionWnd& implicitInstance();
};
