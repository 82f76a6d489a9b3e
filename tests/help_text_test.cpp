#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <regex>
#include <string>
#include <vector>

#include "analysis/bias_statistics.hpp"
#include "analysis/module1.hpp"
#include "framework/core/text.hpp"
#include "shell/help_text.hpp"
#include "support/load_driver.hpp"

namespace {

// The help text split at its CR LF line ends; element 0 is line 1.
std::vector<std::string> Lines() {
  const std::string& text = HelpText();
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = text.find("\r\n", start);
    lines.push_back(text.substr(start, end == std::string::npos ? std::string::npos : end - start));
    if (end == std::string::npos) return lines;
    start = end + 2;
  }
}

std::size_t Count(const std::string& text, const std::string& word) {
  std::size_t n = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    ++n;
  }
  return n;
}

constexpr std::size_t kLineCount = 56;

TEST(HelpText, HasFiftySixPrintableLinesJoinedByCrLf) {
  const std::string& text = HelpText();
  EXPECT_EQ(Count(text, "\r\n"), kLineCount - 1);
  // A CR or LF outside a CR LF pair would make a line end that the split does not see.
  EXPECT_EQ(Count(text, "\r"), kLineCount - 1);
  EXPECT_EQ(Count(text, "\n"), kLineCount - 1);
  ASSERT_GE(text.size(), 2u);
  EXPECT_NE(text.back(), '\n');
  EXPECT_NE(text.back(), '\r');
  EXPECT_EQ(&text, &HelpText()) << "the text is built once";

  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), kLineCount);
  for (std::size_t i = 0; i < lines.size(); ++i) {
    for (const char c : lines[i]) {
      const auto code = static_cast<unsigned char>(c);
      EXPECT_TRUE(code >= 32 && code <= 126)
          << "line " << i + 1 << " holds the character code " << static_cast<int>(code);
    }
  }

  // The window makes the first 29 characters bold; they must lie inside the title line.
  EXPECT_GE(lines[0].size(), 29u);

  const std::vector<std::size_t> empty = {2,  4,  6,  9,  20, 22, 27, 30, 31, 34,
                                          36, 38, 40, 42, 44, 45, 48, 51, 53, 55};
  for (std::size_t number = 1; number <= kLineCount; ++number) {
    const bool shouldBeEmpty = std::find(empty.begin(), empty.end(), number) != empty.end();
    EXPECT_EQ(lines[number - 1].empty(), shouldBeEmpty) << "line " << number;
  }
}

TEST(HelpText, HoldsItsFixedLinesWordForWord) {
  struct Fixed {
    std::size_t line;
    std::string text;
  };
  const Fixed fixed[] = {
      {1, "Dalvenquist Regression Bias Analysis"},
      {7, "Data Input"},
      {10, "For example, if 9 cases represent data from two groups (N1=4, N2=5):"},
      {11, "     case #1---> 1  099  100"},
      {12, "     case #2---> 1  100  102"},
      {13, "     case #3---> 1  087  092"},
      {14, "     case #4---> 1  094  097"},
      {15, "     case #5---> 2  095  106"},
      {16, "     case #6---> 2  099  107"},
      {17, "     case #7---> 2  100  108"},
      {18, "     case #8---> 2  098  103"},
      {19, "     case #9---> 2  099  105"},
      {23, "Results from an analysis of the above data indicate:"},
      {24, "    Simultaneous  F = 11.72 (2,5),  p = .013"},
      {25, "    Slopes             F =    .88  (1,5),  p = .391"},
      {26, "    Intercepts        F = 23.01 (1,6),  p = .003"},
      {28, "Interpretation"},
      {32, "References"},
      {52, std::string(73, '*')},
  };
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), kLineCount);
  for (const Fixed& f : fixed) EXPECT_EQ(lines[f.line - 1], f.text) << "line " << f.line;

  const std::string request = "Reference as:";
  ASSERT_GE(lines[45].size(), request.size());
  EXPECT_EQ(lines[45].substr(lines[45].size() - request.size()), request);
}

TEST(HelpText, NamesTheProductTwelveTimesInTheirLines) {
  struct Where {
    std::size_t line;
    std::size_t times;
  };
  const Where where[] = {{1, 1}, {8, 1}, {46, 1}, {47, 1}, {49, 1}, {50, 1}, {54, 1}, {56, 5}};
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), kLineCount);
  for (std::size_t number = 1; number <= kLineCount; ++number) {
    std::size_t expected = 0;
    for (const Where& w : where) {
      if (w.line == number) expected = w.times;
    }
    EXPECT_EQ(Count(lines[number - 1], "Dalvenquist"), expected) << "line " << number;
  }
  EXPECT_EQ(Count(HelpText(), "Dalvenquist"), 12u);
}

// The prose is free in its wording, but the facts that readers look up must stay in place:
// the rules of the data file, the sources in their order, and the citation of this version.
TEST(HelpText, KeepsTheFactsOfItsProseInTheirLines) {
  struct Fact {
    std::size_t line;
    const char* words;
  };
  const Fact facts[] = {
      {3, "1975 source"}, {5, "1978"},    {5, "1995"},         {8, "tab"},          {8, "1 to 9"},
      {8, "2 to 9"},      {8, "9,999"},   {8, "three values"}, {8, "warning"},      {21, "case 1"},
      {21, "case 5"},     {29, "1990"},   {33, "1975"},        {35, "1978"},        {37, "1982"},
      {39, "1995"},       {41, "1990"},   {43, "1995"},        {47, "Version 4.0"}, {47, "2026"},
      {50, "1999"},       {54, "rights"}, {56, "warranty"},
  };
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), kLineCount);
  for (const Fact& f : facts) {
    EXPECT_NE(lines[f.line - 1].find(f.words), std::string::npos)
        << "line " << f.line << " lacks \"" << f.words << "\"";
  }
}

struct ExampleCase {
  int number, group, x, y;
};

// Reads the nine case lines back as the reader of the help text would type them in.
std::vector<ExampleCase> ExampleCases(const std::vector<std::string>& lines) {
  const std::regex pattern(R"(^     case #(\d)---> (\d)  (\d{3})  (\d{3})$)");
  std::vector<ExampleCase> cases;
  for (std::size_t i = 10; i <= 18; ++i) {
    std::smatch m;
    if (!std::regex_match(lines[i], m, pattern)) {
      ADD_FAILURE() << "line " << i + 1 << " is not a case line: " << lines[i];
      continue;
    }
    cases.push_back({std::stoi(m[1]), std::stoi(m[2]), std::stoi(m[3]), std::stoi(m[4])});
  }
  return cases;
}

struct StatedResult {
  std::string name, F;
  int64_t df1, df2;
  std::string p;
};

std::vector<StatedResult> StatedResults(const std::vector<std::string>& lines) {
  const std::regex pattern(R"(^    (\w+) +F = +(\d*\.\d\d) +\((\d+),(\d+)\), +p = (\.\d{3})$)");
  std::vector<StatedResult> results;
  for (std::size_t i = 23; i <= 25; ++i) {
    std::smatch m;
    if (!std::regex_match(lines[i], m, pattern)) {
      ADD_FAILURE() << "line " << i + 1 << " is not a result line: " << lines[i];
      continue;
    }
    results.push_back({m[1], m[2], std::stoll(m[3]), std::stoll(m[4]), m[5]});
  }
  return results;
}

TEST(HelpText, ItsWorkedExampleGivesTheResultsItStatesOnRawAndCentredX) {
  const std::vector<std::string> lines = Lines();
  ASSERT_EQ(lines.size(), kLineCount);
  const std::vector<ExampleCase> cases = ExampleCases(lines);
  ASSERT_EQ(cases.size(), 9u);

  std::string file;
  int sizes[10] = {};
  for (std::size_t i = 0; i < cases.size(); ++i) {
    EXPECT_EQ(cases[i].number, static_cast<int>(i + 1));
    ++sizes[cases[i].group];
    file += std::to_string(cases[i].group) + "\t" + std::to_string(cases[i].x) + "\t" +
            std::to_string(cases[i].y) + "\n";
  }
  // Line 10 announces two groups of 4 and 5 cases.
  EXPECT_EQ(sizes[1], 4);
  EXPECT_EQ(sizes[2], 5);
  // The other tests use the same example; it must not drift from the one the user reads.
  EXPECT_EQ(file, kHelpExample);

  const LoadRun run = RunLoad(file);
  EXPECT_TRUE(run.messages.empty());
  ASSERT_EQ(Module1::dirtyData, "yes");
  ASSERT_EQ(Module1::gNoCases, 9);
  ASSERT_EQ(Module1::gNoCategories, 2);

  const std::vector<StatedResult> stated = StatedResults(lines);
  ASSERT_EQ(stated.size(), 3u);
  const char* const names[] = {"Simultaneous", "Slopes", "Intercepts"};

  struct Scores {
    const char* label;
    const framework::Array2<double>* cases;
  };
  for (const Scores& scores :
       {Scores{"raw X", &Module1::gArray}, Scores{"centred X", &Module1::gScores}}) {
    const AnalysisResult result = ComputeBiasStatistics(*scores.cases);
    for (std::size_t t = 0; t < 3; ++t) {
      SCOPED_TRACE(std::string(scores.label) + ", " + names[t]);
      const BiasTest& test = result.tests[t];
      EXPECT_EQ(stated[t].name, names[t]);
      EXPECT_EQ(framework::Format(test.F, "#########.00"), stated[t].F);
      EXPECT_EQ(test.df1, stated[t].df1);
      EXPECT_EQ(test.df2, stated[t].df2);
      EXPECT_EQ(framework::Format(test.probability, ".000"), stated[t].p);
    }
  }
}

}  // namespace
