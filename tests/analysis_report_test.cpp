#include <gtest/gtest.h>

#include <cmath>
#include <fstream>
#include <sstream>
#include <string>

#include "analysis/analysis_report.hpp"
#include "analysis/bias_statistics.hpp"
#include "analysis/module1.hpp"
#include "analysis/right_align.hpp"
#include "support/load_driver.hpp"

namespace {

std::string Fixture(const std::string& name) {
  std::ifstream in(std::string(FIXTURE_DIR) + "/" + name, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  return text.str();
}

class Report : public testing::Test {
 protected:
  void SetUp() override {
    Module1::Initialize();
    Module1::kEOL = "\r\n";
    ASSERT_TRUE(RunLoad(Fixture("help_example.txt")).messages.empty());
  }
};

TEST_F(Report, RawReportOfTheHelpExampleMatchesItsFixture) {
  const AnalysisResult result = ComputeBiasStatistics(CaseArrayOf(AnalysisVariant::Raw));
  EXPECT_EQ(AnalysisReport(result, AnalysisVariant::Raw, Module1::kEOL),
            Fixture("help_example_raw_report.txt"));
}

TEST_F(Report, CentredReportOfTheHelpExampleMatchesItsFixture) {
  const AnalysisResult result = ComputeBiasStatistics(CaseArrayOf(AnalysisVariant::Centered));
  EXPECT_EQ(AnalysisReport(result, AnalysisVariant::Centered, Module1::kEOL),
            Fixture("help_example_centered_report.txt"));
}

TEST_F(Report, IsAppendedInItsPieces) {
  const AnalysisResult result = ComputeBiasStatistics(CaseArrayOf(AnalysisVariant::Raw));
  const auto pieces = AnalysisReportPieces(result, AnalysisVariant::Raw, "\r\n");
  // Lines 1-4, lines 5-7, two per group row (two groups), Total, line 10, lines 11-13, three
  // test rows and the closing piece.
  ASSERT_EQ(pieces.size(), 1u + 1u + 4u + 1u + 1u + 1u + 3u + 1u);
  EXPECT_EQ(pieces[2], "     1      4       95.00");
  EXPECT_EQ(pieces[3], "      97.75     .726     28.741      .993\r\n");
  EXPECT_EQ(pieces.back(), std::string(67, '+') + "\r\nDalvenquist 4.0\r\n\r\n\r\n");
}

TEST_F(Report, EveryLineEndsInCarriageReturnAndLineFeed) {
  const AnalysisResult result = ComputeBiasStatistics(CaseArrayOf(AnalysisVariant::Raw));
  const std::string report = AnalysisReport(result, AnalysisVariant::Raw, Module1::kEOL);
  for (std::size_t i = 0; i < report.size(); ++i) {
    if (report[i] == '\n') {
      EXPECT_TRUE(i > 0 && report[i - 1] == '\r') << i;
    }
    if (report[i] == '\r') {
      EXPECT_TRUE(i + 1 < report.size() && report[i + 1] == '\n') << i;
    }
  }
}

// A result built by hand, to show how the columns take values that are wider than they are.
AnalysisResult WideResult() {
  AnalysisResult result;
  result.caseCount = 10;
  result.groupCount = 2;
  for (int g : {0, 1, 2}) {
    GroupStatistics& s = result.groups[static_cast<std::size_t>(g)];
    s.n = g == 0 ? 10 : 5;
    s.meanX = 1.0;
    s.meanY = 123456789.25;  // twelve characters under "#########.00"
    s.slope = 0.5;
    s.intercept = -12345678.5;  // "-12345678.500", thirteen characters
    s.r = std::nan("");
  }
  result.tests[0] = {std::nan(""), 2, 6, std::nan("")};
  result.tests[1] = {HUGE_VAL, 1, 6, std::nan("")};
  result.tests[2] = {1.5, 1, 7, 0.25};
  return result;
}

TEST(ReportColumns, KeepWideValuesWholeAndShowNonFiniteValues) {
  const std::string report = AnalysisReport(WideResult(), AnalysisVariant::Raw, "\r\n");
  EXPECT_NE(report.find("     1      5        1.00123456789.25     .500-12345678.500       NAN\r\n"),
            std::string::npos);
  EXPECT_NE(report.find(" Total     10        1.00123456789.25"), std::string::npos);
  EXPECT_NE(report.find("Simultaneous            NAN           2,6               NAN\r\n"),
            std::string::npos);
  EXPECT_NE(report.find("Slopes                  INF           1,6               NAN\r\n"),
            std::string::npos);
  EXPECT_NE(report.find("Intercepts             1.50           1,7             .2500\r\n"),
            std::string::npos);
}

TEST(RightAlign, PadsToTheWidthAndKeepsWiderTextsWhole) {
  struct Case {
    const char* text;
    int64_t width;
    const char* expected;
  };
  const Case cases[] = {
      {"1", 6, "     1"},         {"Total", 6, " Total"},   {"123456", 6, "123456"},
      {"-1234567", 6, "-1234567"}, {".88", 21, "                  .88"}, {"", 5, "     "},
  };
  for (const Case& c : cases) EXPECT_EQ(RightAlign(c.text, c.width), c.expected) << c.text;
}

TEST(AnalysisState, DecidesWhetherEachVariantRuns) {
  struct Case {
    const char* data;
    const char* analysis;
    AnalysisAction raw;
    AnalysisAction centred;
  };
  using A = AnalysisAction;
  const Case cases[] = {
      {"no", "no", A::RefuseNoData, A::RefuseNoData},
      {"no", "raw", A::RefuseNoData, A::RefuseNoData},
      {"yes", "no", A::Run, A::Run},
      {"yes", "raw", A::Nothing, A::Run},
      {"yes", "center", A::Run, A::Nothing},
      {"yes", "rawcenter", A::Nothing, A::Nothing},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DecideAnalysis(c.data, c.analysis, AnalysisVariant::Raw), c.raw) << c.analysis;
    EXPECT_EQ(DecideAnalysis(c.data, c.analysis, AnalysisVariant::Centered), c.centred)
        << c.analysis;
  }
}

TEST(AnalysisState, RecordsWhichVariantsHaveBeenShown) {
  EXPECT_EQ(AnalysisStateAfter("no", AnalysisVariant::Raw), "raw");
  EXPECT_EQ(AnalysisStateAfter("center", AnalysisVariant::Raw), "rawcenter");
  EXPECT_EQ(AnalysisStateAfter("no", AnalysisVariant::Centered), "center");
  EXPECT_EQ(AnalysisStateAfter("raw", AnalysisVariant::Centered), "rawcenter");
}

TEST(AnalysisState, ReadsTheCaseArrayOfItsVariant) {
  EXPECT_EQ(&CaseArrayOf(AnalysisVariant::Raw), &Module1::gArray);
  EXPECT_EQ(&CaseArrayOf(AnalysisVariant::Centered), &Module1::gScores);
}

}  // namespace
