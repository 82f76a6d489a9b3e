#include "analysis/analysis_report.hpp"

#include "analysis/module1.hpp"
#include "analysis/right_align.hpp"
#include "framework/core/text.hpp"

using framework::Format;
using framework::Str;

namespace {

const std::string kDoubleRule(67, '=');
const std::string kPlusRule(67, '+');

struct VariantText {
  const char* basedOn;
  const char* ownState;
  const char* otherState;
};

VariantText TextOf(AnalysisVariant variant) {
  if (variant == AnalysisVariant::Raw) return {"Based on raw data", "raw", "center"};
  return {"Based on grand mean centering of X", "center", "raw"};
}

std::string FirstGroupColumns(const std::string& group, int64_t n, const GroupStatistics& s) {
  return RightAlign(group, 6) + RightAlignAfter(Str(n), 7) +
         RightAlignAfter(Format(s.meanX, "#########.00"), 12);
}

std::string LastGroupColumns(const GroupStatistics& s, const std::string& eol) {
  // Mean Y follows Mean X, the last value of the row's first piece.
  return RightAlignAfter(Format(s.meanY, "#########.00"), 11) +
         RightAlignAfter(Format(s.slope, "#########.000"), 9) +
         RightAlignAfter(Format(s.intercept, "-#########.000"), 11) +
         RightAlignAfter(Format(s.r, "-.000"), 10) + eol;
}

std::string TestRow(const char* label, int64_t fWidth, const BiasTest& test,
                    const std::string& eol) {
  return label + RightAlignAfter(Format(test.F, "#########.00"), fWidth) +
         RightAlignAfter(Str(test.df1) + "," + Str(test.df2), 14) +
         RightAlignAfter(Format(test.probability, ".0000"), 18) + eol;
}

}  // namespace

AnalysisAction DecideAnalysis(const std::string& dataState, const std::string& analysisState,
                              AnalysisVariant variant) {
  if (dataState == "no") return AnalysisAction::RefuseNoData;
  if (analysisState == TextOf(variant).ownState || analysisState == "rawcenter") {
    return AnalysisAction::Nothing;
  }
  return AnalysisAction::Run;
}

std::string AnalysisStateAfter(const std::string& analysisState, AnalysisVariant variant) {
  const VariantText text = TextOf(variant);
  return analysisState == text.otherState ? "rawcenter" : text.ownState;
}

const framework::Array2<double>& CaseArrayOf(AnalysisVariant variant) {
  return variant == AnalysisVariant::Raw ? Module1::gArray : Module1::gScores;
}

std::vector<std::string> AnalysisReportPieces(const AnalysisResult& result,
                                              AnalysisVariant variant, const std::string& eol) {
  const std::string& E = eol;
  std::vector<std::string> pieces;
  pieces.push_back(E + E + "Number of cases:  " + Str(result.caseCount) + E +
                   "Number of groups: " + Str(result.groupCount) + E + TextOf(variant).basedOn +
                   E);
  pieces.push_back(kDoubleRule + E +
                   "   Group    N      Mean X     Mean Y    Slope    Intercept      r" + E +
                   kDoubleRule + E);
  for (int g = 1; g <= 9; ++g) {
    const GroupStatistics& s = result.groups[static_cast<std::size_t>(g)];
    if (s.n < 2) continue;
    pieces.push_back(FirstGroupColumns(Str(g), s.n, s));
    pieces.push_back(LastGroupColumns(s, E));
  }
  const GroupStatistics& total = result.groups[0];
  pieces.push_back(FirstGroupColumns("Total", result.caseCount, total) + LastGroupColumns(total, E));
  pieces.push_back(kPlusRule + E + E + E);
  pieces.push_back(kDoubleRule + E +
                   "     Test               F             df           Probability" + E +
                   kDoubleRule + E);
  pieces.push_back(TestRow("Simultaneous", 15, result.tests[0], E));
  pieces.push_back(TestRow("Slopes", 21, result.tests[1], E));
  pieces.push_back(TestRow("Intercepts", 17, result.tests[2], E));
  pieces.push_back(kPlusRule + E + kCreditLine + E + E + E);
  return pieces;
}

std::string AnalysisReport(const AnalysisResult& result, AnalysisVariant variant,
                           const std::string& eol) {
  std::string report;
  for (const std::string& piece : AnalysisReportPieces(result, variant, eol)) report += piece;
  return report;
}
