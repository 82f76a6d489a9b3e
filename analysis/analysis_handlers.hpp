#pragma once

#include "analysis/analysis_report.hpp"
#include "framework/gui/controls.hpp"

// The view of the main window that loading and analysing need: the output text area and the
// two radio buttons. The main window implements it and forwards its three handlers here.
class AnalysisWindow {
 public:
  virtual ~AnalysisWindow() = default;
  virtual framework::TextArea& OutFld() = 0;
  virtual framework::RadioButton& RawRadioButton() = 0;
  virtual framework::RadioButton& CenterRadioButton() = 0;
};

// Puts the piece behind the text area's text; what it held, the user's typing included,
// stays in front.
void AppendToOutFld(framework::TextArea& outFld, const std::string& piece);

// "Load Data": lets the user pick a data file, reads and checks it, lists its cases and makes
// it the data set of the analyses.
void LoadDataFile(AnalysisWindow& window);

// A mouse-down on "Raw data" or "X Centered": appends the variant's report once per data set.
// Returns False, which leaves the click to the radio button.
bool RunAnalysis(AnalysisWindow& window, AnalysisVariant variant);
