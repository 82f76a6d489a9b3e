#include "analysis/analysis_handlers.hpp"

#include "analysis/bias_statistics.hpp"
#include "analysis/data_loader.hpp"
#include "analysis/module1.hpp"
#include "framework/core/date.hpp"
#include "framework/core/event_loop.hpp"
#include "framework/gui/dialogs.hpp"

namespace {

// A load reports to the user in message boxes and to the output text area.
class WindowLoadReport : public LoadReport {
 public:
  explicit WindowLoadReport(framework::TextArea& outFld) : outFld_(outFld) {}
  void Message(const std::string& text) override { framework::MessageDialog::Show(text); }
  void Append(const std::string& text) override { AppendToOutFld(outFld_, text); }
  ListingMoment Now() override {
    const framework::Date now;
    return {now.ShortDate(), now.ShortTime()};
  }

 private:
  framework::TextArea& outFld_;
};

}  // namespace

void AppendToOutFld(framework::TextArea& outFld, const std::string& piece) {
  outFld.SetText(outFld.Text() + piece);
}

void LoadDataFile(AnalysisWindow& window) {
  Module1::dirtyc = "no";
  Module1::dirtyData = "no";
  window.CenterRadioButton().SetValue(false);
  window.RawRadioButton().SetValue(false);
  ResetCaseArray();

  const std::unique_ptr<framework::FolderItem> file = framework::GetOpenFolderItem("text");
  if (!file || !file->Exists()) return;
  const std::string fileName = file->Name();
  const std::unique_ptr<framework::TextInputStream> stream = file->OpenAsTextFile();
  if (!stream) {
    framework::MessageDialog::Show(UnreadableFileMessage(fileName));
    return;
  }
  WindowLoadReport report(window.OutFld());
  if (LoadCases(*stream, fileName, report)) Module1::dirtyData = "yes";
}

bool RunAnalysis(AnalysisWindow& window, AnalysisVariant variant) {
  switch (DecideAnalysis(Module1::dirtyData, Module1::dirtyc, variant)) {
    case AnalysisAction::RefuseNoData:
      framework::MessageDialog::Show(kNoDataMessage);
      (variant == AnalysisVariant::Raw ? window.RawRadioButton() : window.CenterRadioButton())
          .SetValue(false);
      return false;
    case AnalysisAction::Nothing:
      return false;
    case AnalysisAction::Run:
      break;
  }
  // The whole result is computed before anything is appended.
  const AnalysisResult result = ComputeBiasStatistics(CaseArrayOf(variant));
  for (const std::string& piece : AnalysisReportPieces(result, variant, Module1::kEOL)) {
    AppendToOutFld(window.OutFld(), piece);
    framework::YieldToEventLoop();
  }
  Module1::dirtyc = AnalysisStateAfter(Module1::dirtyc, variant);
  return false;
}
