#pragma once

#include <cstdint>

#include "analysis/analysis_handlers.hpp"
#include "framework/gui/controls.hpp"
#include "shell/window_building.hpp"

// The main window: loading, the two analyses, the report, Clear and Print.
class ControlWnd : public ProgramWindow, public AnalysisWindow {
 public:
  void Layout() override;
  void CreateControls0() override;

  framework::Canvas& DVtitle() const;
  framework::PushButton& ClearBtn() const;
  framework::Label& Col1() const;
  framework::TextArea& OutFld() override;
  framework::Label& cTxt() const;
  framework::BevelButton& LoadBtn() const;
  framework::Canvas& QuesBtn() const;
  framework::PushButton& PrintBtn() const;
  framework::BevelButton& BevelButton1() const;
  framework::RadioButton& RawRadioButton() override;
  framework::RadioButton& CenterRadioButton() override;

  void DVtitle_MouseEnter(framework::Canvas& canvas);
  void DVtitle_MouseExit(framework::Canvas& canvas);
  void ClearBtn_Action(framework::PushButton& button);
  void LoadBtn_Action(framework::BevelButton& button);
  bool QuesBtn_MouseDown(framework::Canvas& canvas, int64_t x, int64_t y);
  void PrintBtn_Action(framework::PushButton& button);
  bool RawRadioButton_MouseDown(framework::RadioButton& button, int64_t x, int64_t y);
  bool CenterRadioButton_MouseDown(framework::RadioButton& button, int64_t x, int64_t y);
  void CenterRadioButton_Action(framework::RadioButton& button);

  void AddMenuHandlers() override;
  void Event_Close() override;
  void Event_Activate() override;
  void Event_EnableMenuItems() override;
  void Event_Open() override;
  bool DescriptionMenuItem_Action();
  bool AboutMenuItem_Action();

  static const framework::ClassRecord& Class();
  const framework::ClassRecord& Record() const override { return Class(); }

  // The main window's one instance, built on first use.
  static ControlWnd& implicitInstance();
};

inline constexpr char kClearQuestion[] = "Are you sure you want to erase all?";
inline constexpr char kNothingToPrint[] = "Nothing to print.";
