#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "analysis/analysis_report.hpp"
#include "analysis/bias_statistics.hpp"
#include "analysis/module1.hpp"
#include "analysis/right_align.hpp"
#include "support/fixture.hpp"
#include "support/load_driver.hpp"

using framework::Format;
using framework::Str;

namespace {

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

// Data sets beside the help example, each with its two reports: a group of one case, which
// gets no row but counts in N and k; a blank line, a case of no group that counts only in
// the Total row; values that fill or overflow their columns in group, Total and test rows;
// and scores far from zero against their spread (X about 10^7, Y about 2·10^7), whose every
// printed digit was checked against exact rational arithmetic and whose probabilities were
// checked against the exact F tail.
TEST(GoldenReports, MatchTheirFixtures) {
  const char* const dataSets[] = {"help_example_group_of_one", "help_example_blank_line",
                                  "wide_values", "far_from_zero"};
  for (const std::string name : dataSets) {
    SCOPED_TRACE(name);
    Module1::Initialize();
    Module1::kEOL = "\r\n";
    RunLoad(Fixture(name + ".txt"));
    ASSERT_EQ(Module1::dirtyData, "yes");
    for (AnalysisVariant variant : {AnalysisVariant::Raw, AnalysisVariant::Centered}) {
      const std::string golden =
          name + (variant == AnalysisVariant::Raw ? "_raw" : "_centered") + "_report.txt";
      EXPECT_EQ(AnalysisReport(ComputeBiasStatistics(CaseArrayOf(variant)), variant, "\r\n"),
                Fixture(golden))
          << golden;
    }
  }
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
  EXPECT_NE(
      report.find("     1      5        1.00 123456789.25     .500 -12345678.500       NAN\r\n"),
      std::string::npos);
  EXPECT_NE(report.find(" Total     10        1.00 123456789.25"), std::string::npos);
  EXPECT_NE(report.find("Simultaneous            NAN           2,6               NAN\r\n"),
            std::string::npos);
  EXPECT_NE(report.find("Slopes                  INF           1,6               NAN\r\n"),
            std::string::npos);
  EXPECT_NE(report.find("Intercepts             1.50           1,7             .2500\r\n"),
            std::string::npos);
}

// The lines of a text, without their line ends.
std::vector<std::string> LinesOf(const std::string& text) {
  std::vector<std::string> lines;
  std::istringstream in(text);
  for (std::string line; std::getline(in, line);) {
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
  }
  return lines;
}

std::vector<std::string> SplitOnBlanks(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// The report line whose first value is `first`.
std::string RowStartingWith(const std::string& report, const std::string& first) {
  for (const std::string& line : LinesOf(report)) {
    const std::vector<std::string> words = SplitOnBlanks(line);
    if (!words.empty() && words[0] == first) return line;
  }
  return "";
}

// Values of every row kind of the report that are shorter than their columns.
AnalysisResult PlainResult() {
  AnalysisResult result;
  result.caseCount = 9;
  result.groupCount = 2;
  result.groups[0] = {9, 96.78, 102.22, 0.964, 8.89, 0.787};
  result.groups[1] = {4, 95.0, 97.75, 0.726, 28.741, 0.993};
  result.groups[2] = {5, 98.2, 105.8, 0.284, 77.932, 0.284};
  result.tests[0] = {11.72, 2, 5, 0.013};
  result.tests[1] = {0.88, 1, 5, 0.3908};
  result.tests[2] = {23.01, 1, 6, 0.003};
  return result;
}

// The texts of one group or Total row, as the report shows them apart from their columns.
std::vector<std::string> GroupRowValues(const std::string& group, int64_t n,
                                        const GroupStatistics& s) {
  return {group,
          Str(n),
          Format(s.meanX, "#########.00"),
          Format(s.meanY, "#########.00"),
          Format(s.slope, "#########.000"),
          Format(s.intercept, "-#########.000"),
          Format(s.r, "-.000")};
}

std::vector<std::string> TestRowValues(const std::string& label, const BiasTest& t) {
  return {label, Format(t.F, "#########.00"), Str(t.df1) + "," + Str(t.df2),
          Format(t.probability, ".0000")};
}

// Every overflowing value of these tests is one character wider than its column.
enum class Fit { Shorter, Fills, Overflows };

// How much longer than its fixed width the row becomes: one blank in front of a value that
// fills its column, and that blank and the extra character of one that overflows it.
std::size_t Growth(Fit fit) {
  return fit == Fit::Shorter ? 0 : fit == Fit::Fills ? 1 : 2;
}

const char* NameOf(Fit fit) {
  return fit == Fit::Shorter ? "shorter" : fit == Fit::Fills ? "fills" : "overflows";
}

// Every column after a row's first value, with a value shorter than its column, one that
// fills it and one that overflows it: each row must still split on blanks into exactly its
// values, and a row of shorter values keeps its fixed width.
TEST(ReportColumns, KeepEveryValueApartFromTheOneBeforeIt) {
  struct Case {
    const char* column;
    Fit fit;
    std::function<void(AnalysisResult&)> set;  // puts the value into group 1 and Total
  };
  const auto both = [](auto field, auto value) {
    return [field, value](AnalysisResult& r) {
      r.groups[0].*field = value;
      r.groups[1].*field = value;
    };
  };
  const Case cases[] = {
      {"N", Fit::Shorter, both(&GroupStatistics::n, int64_t{123456})},
      {"N", Fit::Fills, both(&GroupStatistics::n, int64_t{1234567})},
      {"N", Fit::Overflows, both(&GroupStatistics::n, int64_t{12345678})},
      {"Mean X", Fit::Shorter, both(&GroupStatistics::meanX, -1234567.25)},
      {"Mean X", Fit::Fills, both(&GroupStatistics::meanX, 123456789.25)},
      {"Mean X", Fit::Overflows, both(&GroupStatistics::meanX, -123456789.25)},
      {"Mean Y", Fit::Shorter, both(&GroupStatistics::meanY, -123456.25)},
      {"Mean Y", Fit::Fills, both(&GroupStatistics::meanY, 12345678.25)},
      {"Mean Y", Fit::Overflows, both(&GroupStatistics::meanY, 123456789.25)},
      {"Slope", Fit::Shorter, both(&GroupStatistics::slope, -123.5)},
      {"Slope", Fit::Fills, both(&GroupStatistics::slope, 12345.125)},
      {"Slope", Fit::Overflows, both(&GroupStatistics::slope, -12345.125)},
      {"Intercept", Fit::Shorter, both(&GroupStatistics::intercept, -12345.5)},
      {"Intercept", Fit::Fills, both(&GroupStatistics::intercept, 1234567.125)},
      {"Intercept", Fit::Overflows, both(&GroupStatistics::intercept, -1234567.125)},
      {"r", Fit::Shorter, both(&GroupStatistics::r, -0.5)},
      {"r", Fit::Fills, both(&GroupStatistics::r, 123456.125)},
      {"r", Fit::Overflows, both(&GroupStatistics::r, -123456.125)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.column) + " " + NameOf(c.fit));
    AnalysisResult result = PlainResult();
    c.set(result);
    result.caseCount = result.groups[0].n;
    const std::string report = AnalysisReport(result, AnalysisVariant::Raw, "\r\n");
    const std::string group = RowStartingWith(report, "1");
    const std::string total = RowStartingWith(report, "Total");
    EXPECT_EQ(SplitOnBlanks(group), GroupRowValues("1", result.groups[1].n, result.groups[1]));
    EXPECT_EQ(SplitOnBlanks(total), GroupRowValues("Total", result.caseCount, result.groups[0]));
    EXPECT_EQ(group.size(), 66u + Growth(c.fit));
    EXPECT_EQ(total.size(), 66u + Growth(c.fit));
    // The other group's row is untouched.
    EXPECT_EQ(RowStartingWith(report, "2"),
              "     2      5       98.20     105.80     .284     77.932      .284");
  }
}

TEST(ReportColumns, KeepEveryTestValueApartFromTheOneBeforeIt) {
  struct Case {
    const char* column;
    Fit fit;
    BiasTest test;
  };
  // The F of these cases comes from the row: its F column is 15 wide after "Simultaneous",
  // 21 after "Slopes" and 17 after "Intercepts".
  const Case columns[] = {
      {"F", Fit::Shorter, {0.0, 2, 5, 0.013}},
      {"F", Fit::Fills, {0.0, 2, 5, 0.013}},
      {"F", Fit::Overflows, {0.0, 2, 5, 0.013}},
      {"df", Fit::Shorter, {1.5, 123456, 12345, 0.013}},
      {"df", Fit::Fills, {1.5, 1234567, 123456, 0.013}},
      {"df", Fit::Overflows, {1.5, 1234567, 1234567, 0.013}},
      {"Probability", Fit::Shorter, {1.5, 2, 5, 123456789012.0}},
      {"Probability", Fit::Fills, {1.5, 2, 5, 1234567890123.0}},
      {"Probability", Fit::Overflows, {1.5, 2, 5, 12345678901234.0}},
  };
  struct Row {
    const char* label;
    std::size_t index;
    double fillingF;  // an F whose text is exactly as wide as the row's F column
  };
  const Row rows[] = {{"Simultaneous", 0, 123456789012.25},
                      {"Slopes", 1, 123456789012345680.0},
                      {"Intercepts", 2, 12345678901234.25}};
  for (const Row& row : rows) {
    for (Case c : columns) {
      SCOPED_TRACE(std::string(row.label) + " " + c.column + " " + NameOf(c.fit));
      if (std::string(c.column) == "F") {
        c.test.F = c.fit == Fit::Shorter ? row.fillingF / 10
                   : c.fit == Fit::Fills ? row.fillingF
                                         : row.fillingF * 10;
      }
      AnalysisResult result = PlainResult();
      result.tests[row.index] = c.test;
      const std::string report = AnalysisReport(result, AnalysisVariant::Raw, "\r\n");
      const std::string line = RowStartingWith(report, row.label);
      EXPECT_EQ(SplitOnBlanks(line), TestRowValues(row.label, c.test));
      EXPECT_EQ(line.size(), 59u + Growth(c.fit));
    }
  }
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

TEST(RightAlign, SetsAValueThatFillsItsColumnApartFromTheOneBefore) {
  struct Case {
    const char* text;
    int64_t width;
    const char* expected;
  };
  const Case cases[] = {
      {"1", 7, "      1"},          {"123456", 7, " 123456"}, {"1234567", 7, " 1234567"},
      {"-1234567", 7, " -1234567"}, {"", 9, "         "},     {".88", 21, "                  .88"},
  };
  for (const Case& c : cases) EXPECT_EQ(RightAlignAfter(c.text, c.width), c.expected) << c.text;
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
