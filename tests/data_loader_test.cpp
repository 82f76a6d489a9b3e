#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>
#include <vector>

#include "analysis/analysis_report.hpp"
#include "analysis/data_loader.hpp"
#include "analysis/module1.hpp"
#include "framework/core/text.hpp"
#include "support/case_set_invariants.hpp"
#include "support/load_driver.hpp"

using framework::Str;

namespace {

class Loader : public testing::Test {
 protected:
  void SetUp() override {
    Module1::Initialize();
    Module1::kEOL = "\r\n";
  }
};

std::string TwoGroupLines(int count) {
  std::string text;
  for (int i = 0; i < count; ++i) {
    text += std::to_string(1 + i % 2) + "\t" + std::to_string(50 + i % 7) + "\t" +
            std::to_string(60 + i % 5) + "\n";
  }
  return text;
}

TEST_F(Loader, LoadsTheHelpExample) {
  const LoadRun run = RunLoad(kHelpExample, "help.txt");
  EXPECT_TRUE(run.messages.empty());
  EXPECT_EQ(CaseSetInvariantViolation(), "");
  EXPECT_EQ(Module1::gNoCases, 9);
  EXPECT_EQ(Module1::gNoCategories, 2);
  EXPECT_EQ(Module1::gN(1), 4);
  EXPECT_EQ(Module1::gN(2), 5);
  EXPECT_NEAR(Module1::gScores(1, 2), 99.0 - 871.0 / 9.0, 1e-12);
  EXPECT_NEAR(Module1::gScores(1, 2), 2.2222222, 1e-7);
  EXPECT_EQ(Module1::gScores(5, 3), 106.0);
  EXPECT_EQ(run.appended,
            "Date: 12/10/26  09:30\r\n"
            "File: help.txt\r\n"
            " Case   Category    X        Y\r\n"
            "   1.      1       99      100\r\n"
            "   2.      1      100      102\r\n"
            "   3.      1       87       92\r\n"
            "   4.      1       94       97\r\n"
            "   5.      2       95      106\r\n"
            "   6.      2       99      107\r\n"
            "   7.      2      100      108\r\n"
            "   8.      2       98      103\r\n"
            "   9.      2       99      105\r\n");
}

// How each kind of file ends: the messages in order, and whether the data set is usable.
struct LoadEnd {
  const char* name;
  std::string text;
  std::vector<std::string> messages;
  bool good;
};

TEST_F(Loader, EndsEachKindOfFileWithItsMessages) {
  const LoadEnd ends[] = {
      {"empty file", "", {kFieldCountWarning, kCaseCountMessage}, false},
      {"two lines", "1\t1\t1\n2\t2\t2\n", {kCaseCountMessage}, false},
      {"one group", "1\t1\t1\n1\t2\t2\n1\t3\t4\n", {kCategoryCountMessage}, false},
      {"codes 1 and 3", "1\t1\t1\n3\t2\t2\n3\t3\t4\n", {}, true},
      {"a line with four fields", "1\t1\t1\t9\n2\t2\t2\n2\t3\t4\n", {kFieldCountWarning}, true},
      {"two bad lines warn once", "1\t1\n2\t2\n2\t3\t4\n", {kFieldCountWarning}, true},
      {"blank line in the middle", "1\t1\t1\n\n2\t3\t4\n", {kFieldCountWarning}, true},
      {"one group and a warning", "1\t1\n1\t2\t2\n1\t3\t4\n",
       {kFieldCountWarning, kCategoryCountMessage}, false},
      {"a group code of 10", "1\t1\t1\n2\t2\t2\n10\t3\t4\n",
       {BadGroupCodeMessage(3, 10)}, false},
      {"a group code of -3", "1\t1\t1\n-3\t2\t2\n2\t3\t4\n",
       {BadGroupCodeMessage(2, -3)}, false},
      {"an infinite group code", "1\t1\t1\n1e999\t2\t2\n2\t3\t4\n",
       {BadGroupCodeMessage(2, HUGE_VAL)}, false},
      {"CR line ends", "1\t1\t1\r2\t2\t2\r2\t3\t4\r", {}, true},
      {"CR LF line ends", "1\t1\t1\r\n2\t2\t2\r\n2\t3\t4", {}, true},
  };
  for (const LoadEnd& end : ends) {
    SCOPED_TRACE(end.name);
    Module1::Initialize();
    Module1::kEOL = "\r\n";
    const LoadRun run = RunLoad(end.text);
    EXPECT_EQ(run.messages, end.messages);
    EXPECT_EQ(Module1::dirtyData, end.good ? "yes" : "no");
    EXPECT_EQ(Module1::dirtyc, "no");
    if (end.good) {
      EXPECT_EQ(CaseSetInvariantViolation(), "");
    } else {
      EXPECT_EQ(run.appended, "");
      EXPECT_EQ(Module1::gArray.UBound(1), 9999);
    }
  }
}

TEST_F(Loader, NamesTheBadGroupCodeAndItsCase) {
  EXPECT_EQ(BadGroupCodeMessage(3, 10),
            "Case 3 has the group code 10. Group codes must be 1 to 9. Please check data for "
            "accuracy.");
}

TEST_F(Loader, AFinalLineEndMakesNoExtraCase) {
  RunLoad("1\t1\t1\n2\t2\t2\n2\t3\t4\n");
  EXPECT_EQ(Module1::gNoCases, 3);
  RunLoad("1\t1\t1\n2\t2\t2\n2\t3\t4");
  EXPECT_EQ(Module1::gNoCases, 3);
}

TEST_F(Loader, ABlankLineIsACaseOfNoGroup) {
  const LoadRun run = RunLoad("1\t10\t1\n\n2\t20\t4\n2\t30\t5\n");
  EXPECT_EQ(Module1::gNoCases, 4);
  EXPECT_EQ(Module1::gNoCategories, 2);
  EXPECT_EQ(Module1::gN(1) + Module1::gN(2), 3);
  EXPECT_EQ(Module1::gArray(2, 2), 0.0);
  EXPECT_NEAR(Module1::gScores(1, 2), 10.0 - 15.0, 1e-12);  // m is 60 / 4
  EXPECT_NE(run.appended.find("   2.      0        0        0\r\n"), std::string::npos);
}

TEST_F(Loader, ATwoFieldLineReadsYAsZero) {
  RunLoad("1\t5\n1\t6\t7\n2\t8\t9\n2\t1\t2\n");
  EXPECT_EQ(Module1::gArray(1, 2), 5.0);
  EXPECT_EQ(Module1::gArray(1, 3), 0.0);
}

TEST_F(Loader, ListsTheCodeAsReadAndCountsItTruncated) {
  const LoadRun run = RunLoad("2.7\t1\t1\n1\t2\t2\n1\t3\t4\n");
  EXPECT_EQ(Module1::gN(2), 1);
  EXPECT_EQ(Module1::gArray(1, 1), 2.7);
  EXPECT_NE(run.appended.find("   1.    2.7        1        1\r\n"), std::string::npos);
}

std::vector<std::string> SplitOnBlanks(const std::string& line) {
  std::vector<std::string> words;
  std::istringstream in(line);
  for (std::string word; in >> word;) words.push_back(word);
  return words;
}

// Each column after the case number, with a value shorter than the column, one that fills
// it and one wider than it: the row still splits on blanks into its four values, kept whole,
// and only a value that fills or overflows its column makes the row longer.
TEST_F(Loader, KeepsEveryListedValueWholeAndApartFromTheOneBefore) {
  struct Case {
    const char* column;
    const char* code;
    const char* x;
    const char* y;
  };
  const Case cases[] = {
      {"code shorter", "2.7", "1", "1"},         {"code fills", "-0.1234", "1", "1"},
      {"code overflows", "0.0001234", "1", "1"}, {"X shorter", "1", "-12345.5", "1"},
      {"X fills", "1", "-123456.7", "1"},        {"X overflows", "1", "123455600", "1"},
      {"Y shorter", "1", "1", "123456.7"},       {"Y fills", "1", "1", "-123456.7"},
      {"Y overflows", "1", "1", "-0.0001234"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.column);
    const std::string firstLine = std::string(c.code) + "\t" + c.x + "\t" + c.y + "\n";
    const LoadRun run = RunLoad(firstLine + "1\t2\t2\n2\t3\t4\n");
    ASSERT_EQ(Module1::dirtyData, "yes");
    const std::vector<std::string> values = {
        "1.", Str(Module1::gArray(1, 1)), Str(Module1::gArray(1, 2)), Str(Module1::gArray(1, 3))};
    const std::string rowStart = "\r\n Case   Category    X        Y\r\n";
    const std::size_t at = run.appended.find(rowStart);
    ASSERT_NE(at, std::string::npos);
    const std::size_t begin = at + rowStart.size();
    const std::string row = run.appended.substr(begin, run.appended.find("\r\n", begin) - begin);
    EXPECT_EQ(SplitOnBlanks(row), values);
    std::size_t growth = 0;
    const int64_t widths[] = {7, 9, 9};
    for (int column = 0; column < 3; ++column) {
      const auto length = static_cast<int64_t>(values[std::size_t(column) + 1].size());
      if (length >= widths[column]) growth += std::size_t(1 + length - widths[column]);
    }
    EXPECT_EQ(row.size(), 30u + growth) << row;
  }
  // Shorter values stand in their columns exactly as before.
  const LoadRun plain = RunLoad("2.7\t-12345.5\t123456.7\n1\t2\t2\n2\t3\t4\n");
  EXPECT_NE(plain.appended.find("\r\n   1.    2.7 -12345.5 123456.7\r\n"), std::string::npos);
}

// What a load leaves for the user to see: the listing, and the two reports of its cases.
struct LoadOutcome {
  std::vector<std::string> messages;
  std::string listing;
  std::vector<double> cases;  // group code, X and Y of every case, row by row
  std::string rawReport;
  std::string centredReport;
};

LoadOutcome LoadAndReport(const std::string& fileText, const std::string& fileName) {
  Module1::Initialize();
  Module1::kEOL = "\r\n";
  const LoadRun run = RunLoad(fileText, fileName);
  LoadOutcome outcome{run.messages, run.appended, {}, {}, {}};
  if (Module1::dirtyData != "yes") return outcome;
  for (int64_t i = 1; i <= Module1::gNoCases; ++i) {
    for (int64_t c = 1; c <= 3; ++c) outcome.cases.push_back(Module1::gArray(i, c));
  }
  for (AnalysisVariant variant : {AnalysisVariant::Raw, AnalysisVariant::Centered}) {
    const std::string report =
        AnalysisReport(ComputeBiasStatistics(CaseArrayOf(variant)), variant, Module1::kEOL);
    (variant == AnalysisVariant::Raw ? outcome.rawReport : outcome.centredReport) = report;
  }
  return outcome;
}

TEST_F(Loader, AByteOrderMarkChangesNoCaseListingOrReport) {
  const LoadOutcome plain = LoadAndReport(kHelpExample, "plain.txt");
  const LoadOutcome marked =
      LoadAndReport(std::string("\xEF\xBB\xBF") + kHelpExample, "marked.txt");
  EXPECT_TRUE(marked.messages.empty());
  ASSERT_EQ(plain.cases.size(), 27u);
  EXPECT_EQ(marked.cases, plain.cases);
  std::string listing = marked.listing;
  const std::string markedName = "File: marked.txt";
  ASSERT_NE(listing.find(markedName), std::string::npos);
  listing.replace(listing.find(markedName), markedName.size(), "File: plain.txt");
  EXPECT_EQ(listing, plain.listing);
  EXPECT_EQ(marked.rawReport, plain.rawReport);
  EXPECT_EQ(marked.centredReport, plain.centredReport);
  EXPECT_NE(marked.rawReport.find("     1      4       95.00"), std::string::npos);
}

TEST_F(Loader, WarnsOfGroupSumsOfZeroOrLess) {
  const LoadRun run = RunLoad("1\t-5\t3\n1\t2\t-3\n2\t1\t1\n2\t2\t2\n");
  const std::string listingEnd = "   4.      2        2        2\r\n";
  const std::size_t at = run.appended.find(listingEnd);
  ASSERT_NE(at, std::string::npos);
  EXPECT_EQ(run.appended.substr(at + listingEnd.size()),
            "The X scores for category #1 sum to 0. Check your data for accuracy.\r\n"
            "The Y scores for category #1 sum to 0. Check your data for accuracy.\r\n");
}

TEST_F(Loader, StoresNineThousandNineHundredNinetyNineCases) {
  const LoadRun run = RunLoad(TwoGroupLines(9999));
  EXPECT_TRUE(run.messages.empty());
  EXPECT_EQ(CaseSetInvariantViolation(), "");
  EXPECT_EQ(Module1::gNoCases, 9999);
}

TEST_F(Loader, CountsEveryLinePastTheLimit) {
  std::string text = TwoGroupLines(10000) + "1\t2\n";  // the line past the limit has 2 fields
  const LoadRun run = RunLoad(text);
  EXPECT_EQ(run.messages,
            (std::vector<std::string>{kFieldCountWarning, kCaseCountMessage}));
  EXPECT_EQ(Module1::dirtyData, "no");
  EXPECT_EQ(Module1::gArray.UBound(1), 9999);
}

TEST_F(Loader, AFailedLoadKeepsTheCountsOfTheEarlierLoad) {
  RunLoad(kHelpExample);
  RunLoad("1\t1\t1\n");
  EXPECT_EQ(Module1::dirtyData, "no");
  EXPECT_EQ(Module1::gNoCases, 9);
  EXPECT_EQ(Module1::gNoCategories, 2);
  RunLoad("1\t1\t1\n1\t1\t1\n1\t1\t1\n");
  EXPECT_EQ(Module1::gN(1), 3);  // this file's counts
  EXPECT_EQ(Module1::gN(2), 0);
  EXPECT_EQ(Module1::gNoCases, 9);
}

}  // namespace
