#include <gtest/gtest.h>

#include <cmath>
#include <iomanip>
#include <vector>

#include "analysis/analysis_report.hpp"
#include "analysis/bias_statistics.hpp"
#include "analysis/module1.hpp"
#include "support/fixture.hpp"
#include "support/load_driver.hpp"

namespace {

struct Case {
  double group, x, y;
};

const std::vector<Case> kHelpExample = {
    {1, 99, 100}, {1, 100, 102}, {1, 87, 92},  {1, 94, 97},  {2, 95, 106},
    {2, 99, 107}, {2, 100, 108}, {2, 98, 103}, {2, 99, 105},
};

// Puts the cases into a case array laid out as the loader leaves it, with N and k set.
framework::Array2<double> CaseArray(const std::vector<Case>& cases) {
  framework::Array2<double> array(static_cast<int64_t>(cases.size()), 3);
  bool present[10] = {};
  for (std::size_t i = 0; i < cases.size(); ++i) {
    const auto row = static_cast<int64_t>(i + 1);
    array(row, 1) = cases[i].group;
    array(row, 2) = cases[i].x;
    array(row, 3) = cases[i].y;
    const int g = GroupIndex(cases[i].group);
    if (g >= 1) present[g] = true;
  }
  Module1::gNoCases = static_cast<int64_t>(cases.size());
  Module1::gNoCategories = 0;
  for (bool p : present) Module1::gNoCategories += p ? 1 : 0;
  return array;
}

std::vector<Case> Plus(std::vector<Case> cases, Case extra) {
  cases.push_back(extra);
  return cases;
}

std::vector<Case> WithXCentred(std::vector<Case> cases) {
  double m = 0;
  for (const Case& c : cases) m += c.x;
  m /= static_cast<double>(cases.size());
  for (Case& c : cases) c.x -= m;
  return cases;
}

struct GroupExpectation {
  int index;
  int64_t n;
  double meanX, meanY, slope, intercept, r;
};

struct TestExpectation {
  double F;
  int64_t df1, df2;
  double probability;
};

struct Example {
  const char* name;
  std::vector<Case> cases;
  int64_t N, k;
  std::vector<GroupExpectation> groups;
  double separate, parallel, common;
  TestExpectation tests[3];
};

void PrintTo(const Example& e, std::ostream* out) { *out << e.name; }

class BiasStatistics : public testing::TestWithParam<Example> {
 protected:
  void SetUp() override { Module1::Initialize(); }
};

constexpr double kTol = 0.5e-4;  // the examples are given to four decimals

TEST_P(BiasStatistics, MatchesTheWorkedExamples) {
  const Example& e = GetParam();
  const AnalysisResult result = ComputeBiasStatistics(CaseArray(e.cases));
  EXPECT_EQ(result.caseCount, e.N);
  EXPECT_EQ(result.groupCount, e.k);
  for (const GroupExpectation& g : e.groups) {
    const GroupStatistics& s = result.groups[static_cast<std::size_t>(g.index)];
    SCOPED_TRACE("group entry " + std::to_string(g.index));
    EXPECT_EQ(s.n, g.n);
    EXPECT_NEAR(s.meanX, g.meanX, kTol);
    EXPECT_NEAR(s.meanY, g.meanY, kTol);
    EXPECT_NEAR(s.slope, g.slope, kTol);
    EXPECT_NEAR(s.intercept, g.intercept, kTol);
    EXPECT_NEAR(s.r, g.r, kTol);
    EXPECT_EQ(Module1::gBeta(g.index), s.slope);
    EXPECT_EQ(Module1::gConstant(g.index), s.intercept);
    if (g.index > 0) {
      EXPECT_EQ(Module1::gN(g.index), g.n);
    }
  }
  EXPECT_NEAR(result.separateLinesSS, e.separate, kTol);
  EXPECT_NEAR(result.parallelLinesSS, e.parallel, kTol);
  EXPECT_NEAR(result.commonLineSS, e.common, kTol);
  for (int t = 0; t < 3; ++t) {
    SCOPED_TRACE("test " + std::to_string(t));
    EXPECT_NEAR(result.tests[t].F, e.tests[t].F, kTol);
    EXPECT_EQ(result.tests[t].df1, e.tests[t].df1);
    EXPECT_EQ(result.tests[t].df2, e.tests[t].df2);
    EXPECT_NEAR(result.tests[t].probability, e.tests[t].probability, kTol);
  }
}

const TestExpectation kHelpTests[3] = {
    {11.7193, 2, 5, 0.0130}, {0.8820, 1, 5, 0.3908}, {23.0091, 1, 6, 0.0030}};

INSTANTIATE_TEST_SUITE_P(
    Examples, BiasStatistics,
    testing::Values(
        Example{"help example, raw",
                kHelpExample,
                9,
                2,
                {{1, 4, 95, 97.75, 0.7264, 28.7406, 0.9928},
                 {2, 5, 98.2, 105.8, 0.2838, 77.9324, 0.2838},
                 {0, 9, 96.7778, 102.2222, 0.9644, 8.8901, 0.7870}},
                14.4241,
                16.9685,
                82.0402,
                {kHelpTests[0], kHelpTests[1], kHelpTests[2]}},
        Example{"help example, X centred",
                WithXCentred(kHelpExample),
                9,
                2,
                {{1, 4, -1.7778, 97.75, 0.7264, 99.0414, 0.9928},
                 {2, 5, 1.4222, 105.8, 0.2838, 105.3964, 0.2838},
                 {0, 9, 0, 102.2222, 0.9644, 102.2222, 0.7870}},
                14.4241,
                16.9685,
                82.0402,
                {kHelpTests[0], kHelpTests[1], kHelpTests[2]}},
        Example{"code 3 in place of code 2",
                [] {
                  std::vector<Case> cases = kHelpExample;
                  for (Case& c : cases) c.group = c.group == 2 ? 3 : c.group;
                  return cases;
                }(),
                9,
                2,
                {{1, 4, 95, 97.75, 0.7264, 28.7406, 0.9928},
                 {3, 5, 98.2, 105.8, 0.2838, 77.9324, 0.2838},
                 {0, 9, 96.7778, 102.2222, 0.9644, 8.8901, 0.7870}},
                14.4241,
                16.9685,
                82.0402,
                {kHelpTests[0], kHelpTests[1], kHelpTests[2]}},
        Example{"a group of one case",
                Plus(kHelpExample, {3, 90, 95}),
                10,
                3,
                {{1, 4, 95, 97.75, 0.7264, 28.7406, 0.9928},
                 {2, 5, 98.2, 105.8, 0.2838, 77.9324, 0.2838},
                 {0, 10, 96.1, 101.5, 0.9870, 6.6474, 0.8284}},
                14.4241,
                16.9685,
                82.3688,
                {{4.7105, 4, 4, 0.0813}, {0.3528, 2, 4, 0.7226}, {11.5626, 2, 6, 0.0087}}},
        Example{"a case of no group",
                Plus(kHelpExample, {0, 0, 0}),
                10,
                2,
                {{1, 4, 95, 97.75, 0.7264, 28.7406, 0.9928},
                 {2, 5, 98.2, 105.8, 0.2838, 77.9324, 0.2838},
                 {0, 10, 87.1, 92, 1.0547, 0.1340, 0.9957}},
                14.4241,
                16.9685,
                83.2313,
                {{14.3108, 2, 6, 0.0052}, {1.0584, 1, 6, 0.3432}, {27.3353, 1, 7, 0.0012}}}),
    [](const testing::TestParamInfo<Example>& info) {
      std::string name;
      for (const char* c = info.param.name; *c != '\0'; ++c) {
        if (std::isalnum(static_cast<unsigned char>(*c))) name += *c;
      }
      return name;
    });

class BiasStatisticsState : public testing::Test {
 protected:
  void SetUp() override { Module1::Initialize(); }
};

TEST_F(BiasStatisticsState, LeavesTheLinesOfAbsentAndSingleCaseGroupsAsTheyWere) {
  for (int g = 0; g <= 9; ++g) {
    Module1::gBeta(g) = 100 + g;
    Module1::gConstant(g) = 200 + g;
  }
  std::vector<Case> cases = Plus(kHelpExample, {3, 90, 95});
  for (Case& c : cases) c.group = c.group == 2 ? 5 : c.group;
  const AnalysisResult result = ComputeBiasStatistics(CaseArray(cases));
  for (int g : {2, 3, 4, 6, 7, 8, 9}) {
    EXPECT_EQ(Module1::gBeta(g), 100 + g) << g;
    EXPECT_EQ(Module1::gConstant(g), 200 + g) << g;
  }
  EXPECT_NEAR(Module1::gBeta(5), 0.2838, kTol);
  EXPECT_EQ(result.groups[3].n, 1);
  EXPECT_EQ(Module1::gN(3), 1);
  EXPECT_EQ(Module1::gN(2), 0);
}

TEST_F(BiasStatisticsState, RecountsTheGroupsOnEveryCall) {
  const auto cases = CaseArray(kHelpExample);
  const AnalysisResult first = ComputeBiasStatistics(cases);
  Module1::gN(1) = 77;
  const AnalysisResult second = ComputeBiasStatistics(cases);
  EXPECT_EQ(Module1::gN(1), 4);
  EXPECT_EQ(second.tests[0].F, first.tests[0].F);
  EXPECT_EQ(second.commonLineSS, first.commonLineSS);
}

TEST_F(BiasStatisticsState, EveryFIsAtLeastZero) {
  // Identical lines in both groups: the residual differences are zero or a hair below it.
  std::vector<Case> cases;
  for (int g = 1; g <= 2; ++g) {
    for (double x : {1.0, 2.0, 3.0, 4.0}) cases.push_back({double(g), x, 2 * x + 1 + 0.1 * (x == 2)});
  }
  const AnalysisResult result = ComputeBiasStatistics(CaseArray(cases));
  for (const BiasTest& t : result.tests) {
    EXPECT_GE(t.F, 0.0);
    EXPECT_FALSE(std::signbit(t.F));
  }
}

// Data that the loader's limits let through but where a test has no meaning: the run must
// end, and the meaningless probabilities are not-a-number instead of a made-up value.
struct Degenerate {
  const char* name;
  std::vector<Case> cases;
  bool meaningful[3];
};

TEST_F(BiasStatisticsState, DegenerateDataEndsWithNotANumberProbabilities) {
  const Degenerate cases[] = {
      {"two groups of two", {{1, 1, 2}, {1, 2, 3}, {2, 1, 5}, {2, 3, 4}}, {false, false, true}},
      {"a group of one and a group of two", {{1, 1, 2}, {2, 1, 5}, {2, 3, 4}},
       {false, false, false}},
      {"a group whose X values are all equal",
       {{1, 5, 2}, {1, 5, 3}, {1, 5, 4}, {2, 1, 5}, {2, 3, 4}, {2, 4, 6}},
       {false, false, true}},
      {"all X equal", {{1, 5, 2}, {1, 5, 3}, {1, 5, 4}, {2, 5, 5}, {2, 5, 4}, {2, 5, 6}},
       {false, false, false}},
  };
  for (const Degenerate& d : cases) {
    SCOPED_TRACE(d.name);
    const AnalysisResult result = ComputeBiasStatistics(CaseArray(d.cases));
    for (int t = 0; t < 3; ++t) {
      const double p = result.tests[t].probability;
      if (d.meaningful[t]) {
        EXPECT_TRUE(p >= 0.0 && p <= 0.9999) << "test " << t << ": " << p;
      } else {
        EXPECT_TRUE(std::isnan(p)) << "test " << t << ": " << p;
      }
    }
  }
}

// |actual − expected| within tolerance times |expected|.
testing::AssertionResult RelativelyNear(double actual, double expected, double tolerance) {
  if (std::fabs(actual - expected) <= tolerance * std::fabs(expected)) {
    return testing::AssertionSuccess();
  }
  return testing::AssertionFailure() << std::setprecision(17) << actual << " is not within "
                                     << tolerance << " of " << expected << " relatively";
}

// Scores far from zero against their spread: three groups of eight, X about 10^7 with a
// spread of about 10, Y about 2·10^7. Sums of raw squares and products lose most of their
// digits on such data. The expected values were worked out in exact rational arithmetic from
// the Doubles the loader reads (tests/tools/exact_statistics.py), the probabilities with R's
// pf at the exact F.
struct ExactRow {
  int index;
  int64_t n;
  double meanX, meanY, slope, intercept, r;
};

struct ExactTest {
  double F;
  int64_t df1, df2;
  double probability;
};

struct ExactAnalysis {
  AnalysisVariant variant;
  ExactRow rows[4];
};

constexpr ExactTest kFarFromZeroTests[3] = {{3.029476903304307, 4, 18, 0.0449550544140404},
                                            {1.042955737833397, 2, 18, 0.372759437082882},
                                            {4.994543638063804, 2, 20, 0.0174047374130794}};

TEST(BiasStatisticsFarFromZero, AgreesWithExactArithmetic) {
  const ExactAnalysis analyses[] = {
      {AnalysisVariant::Raw,
       {{1, 8, 10000002.75625, 20000004.83375, 1.241463644612108, 7585364.965844752,
         0.8863892567649149},
        {2, 8, 9999998.5425, 20000004.82625, 0.9013999052657065, 10986007.08738330,
         0.9030125776719686},
        {3, 8, 10000002.04125, 19999996.33625, 0.6343206284602872, 13656788.75684014,
         0.5424239271554657},
        {0, 24, 10000001.11333333, 20000001.99875, 0.9161128815657539, 10838872.16315345,
         0.7538044581540730}}},
      {AnalysisVariant::Centered,
       {{1, 8, 1.642916666576639, 20000004.83375, 1.241463644612108, 20000002.79412869,
         0.8863892567649149},
        {2, 8, -2.570833333535120, 20000004.82625, 0.9013999052657065, 20000007.14359892,
         0.9030125776719686},
        {3, 8, 0.9279166669584811, 19999996.33625, 0.6343206284602872, 19999995.74765332,
         0.5424239271554657},
        {0, 24, 0, 20000001.99875, 0.9161128815657539, 20000001.99875, 0.7538044581540730}}},
  };
  Module1::Initialize();
  ASSERT_TRUE(RunLoad(Fixture("far_from_zero.txt")).messages.empty());
  for (const ExactAnalysis& analysis : analyses) {
    SCOPED_TRACE(analysis.variant == AnalysisVariant::Raw ? "raw" : "X centred");
    const AnalysisResult result = ComputeBiasStatistics(CaseArrayOf(analysis.variant));
    for (const ExactRow& row : analysis.rows) {
      SCOPED_TRACE("group entry " + std::to_string(row.index));
      const GroupStatistics& s = result.groups[static_cast<std::size_t>(row.index)];
      EXPECT_EQ(s.n, row.n);
      // The centred means and intercepts carry the rounding of the grand mean of X, a few
      // billionths here.
      EXPECT_NEAR(s.meanX, row.meanX, 1e-8);
      EXPECT_NEAR(s.meanY, row.meanY, 1e-8);
      EXPECT_TRUE(RelativelyNear(s.slope, row.slope, 1e-12));
      EXPECT_NEAR(s.intercept, row.intercept, 1e-6);
      EXPECT_TRUE(RelativelyNear(s.r, row.r, 1e-12));
    }
    for (int t = 0; t < 3; ++t) {
      SCOPED_TRACE("test " + std::to_string(t));
      EXPECT_TRUE(RelativelyNear(result.tests[t].F, kFarFromZeroTests[t].F, 1e-12));
      EXPECT_EQ(result.tests[t].df1, kFarFromZeroTests[t].df1);
      EXPECT_EQ(result.tests[t].df2, kFarFromZeroTests[t].df2);
      // At these degrees of freedom the series behind the probability is this close to the
      // exact tail.
      EXPECT_NEAR(result.tests[t].probability, kFarFromZeroTests[t].probability, 1e-9);
    }
  }
}

// Adding constants to every X and every Y moves the means by those constants and each
// intercept a to a + dy − dx·b, and changes no slope, r, residual sum, F or probability.
TEST_F(BiasStatisticsState, ShiftingTheScoresMovesOnlyTheMeansAndTheIntercepts) {
  struct Shift {
    double dx, dy;
  };
  const Shift shifts[] = {{1e3, -1e3},  {-1e5, 2e5},   {1e7, 2e7},  {0, 1.23e8},
                          {-4e9, 1e10}, {3e12, -5e12}, {1e13, 1e13}};
  const AnalysisResult base = ComputeBiasStatistics(CaseArray(kHelpExample));
  for (const Shift& shift : shifts) {
    SCOPED_TRACE("X + " + std::to_string(shift.dx) + ", Y + " + std::to_string(shift.dy));
    std::vector<Case> cases = kHelpExample;
    for (Case& c : cases) {
      c.x += shift.dx;
      c.y += shift.dy;
    }
    const AnalysisResult result = ComputeBiasStatistics(CaseArray(cases));
    for (int g : {0, 1, 2}) {
      SCOPED_TRACE("group entry " + std::to_string(g));
      const GroupStatistics& b = base.groups[static_cast<std::size_t>(g)];
      const GroupStatistics& s = result.groups[static_cast<std::size_t>(g)];
      EXPECT_TRUE(RelativelyNear(s.meanX, b.meanX + shift.dx, 1e-15));
      EXPECT_TRUE(RelativelyNear(s.meanY, b.meanY + shift.dy, 1e-15));
      EXPECT_TRUE(RelativelyNear(s.slope, b.slope, 1e-12));
      EXPECT_TRUE(RelativelyNear(s.r, b.r, 1e-12));
      // Within a few units in the last place of the largest term.
      const double moved = shift.dx * b.slope;
      const double scale = std::fabs(b.intercept) + std::fabs(shift.dy) + std::fabs(moved);
      EXPECT_NEAR(s.intercept, b.intercept + shift.dy - moved, 1e-15 * scale);
    }
    EXPECT_TRUE(RelativelyNear(result.separateLinesSS, base.separateLinesSS, 1e-12));
    EXPECT_TRUE(RelativelyNear(result.parallelLinesSS, base.parallelLinesSS, 1e-12));
    EXPECT_TRUE(RelativelyNear(result.commonLineSS, base.commonLineSS, 1e-12));
    for (int t = 0; t < 3; ++t) {
      SCOPED_TRACE("test " + std::to_string(t));
      EXPECT_TRUE(RelativelyNear(result.tests[t].F, base.tests[t].F, 1e-12));
      EXPECT_TRUE(RelativelyNear(result.tests[t].probability, base.tests[t].probability, 1e-12));
    }
  }
}

// A group whose X values are all equal has no line and no r, and one whose Y values are all
// equal has slope 0 and no r: 0 / 0 is not a number. That holds also where the value is not a
// Double in binary, so that its sum over n rounds, and for all cases together.
TEST_F(BiasStatisticsState, EqualValuesGiveNoLineOrNoCorrelation) {
  for (double v : {5.0, 0.1, 0.7, -2.3, 10000000.3, 123456789.17}) {
    SCOPED_TRACE(v);
    const std::vector<Case> otherGroup = {{2, 1, 5}, {2, 3, 4}, {2, 4, 6}, {2, 8, 9}};
    std::vector<Case> equalX = {{1, v, 2}, {1, v, 3}, {1, v, 7}};
    equalX.insert(equalX.end(), otherGroup.begin(), otherGroup.end());
    AnalysisResult result = ComputeBiasStatistics(CaseArray(equalX));
    const GroupStatistics& x = result.groups[1];
    EXPECT_EQ(x.meanX, v);
    EXPECT_TRUE(std::isnan(x.slope)) << x.slope;
    EXPECT_TRUE(std::isnan(x.intercept)) << x.intercept;
    EXPECT_TRUE(std::isnan(x.r)) << x.r;
    EXPECT_TRUE(std::isnan(result.separateLinesSS)) << result.separateLinesSS;
    EXPECT_TRUE(std::isfinite(result.groups[2].slope));

    std::vector<Case> equalY = {{1, 2, v}, {1, 3, v}, {1, 7, v}};
    equalY.insert(equalY.end(), otherGroup.begin(), otherGroup.end());
    result = ComputeBiasStatistics(CaseArray(equalY));
    const GroupStatistics& y = result.groups[1];
    EXPECT_EQ(y.meanY, v);
    EXPECT_EQ(y.slope, 0.0);
    EXPECT_EQ(y.intercept, v);
    EXPECT_TRUE(std::isnan(y.r)) << y.r;

    const std::vector<Case> allEqualX = {{1, v, 2}, {1, v, 3}, {2, v, 7}, {2, v, 1}};
    result = ComputeBiasStatistics(CaseArray(allEqualX));
    EXPECT_EQ(result.groups[0].meanX, v);
    EXPECT_TRUE(std::isnan(result.groups[0].slope)) << result.groups[0].slope;
    EXPECT_TRUE(std::isnan(result.groups[0].r)) << result.groups[0].r;
  }
}

TEST(GroupIndex, TruncatesTowardZeroAndRejectsCodesWithoutACounter) {
  struct Code {
    double code;
    int index;
  };
  const Code codes[] = {{2.7, 2},  {-0.5, 0}, {0, 0},   {9.99, 9},  {1, 1},
                        {10, -1},  {-1, -1},  {-7, -1}, {1e300, -1}, {std::nan(""), -1},
                        {HUGE_VAL, -1}, {-HUGE_VAL, -1}};
  for (const Code& c : codes) EXPECT_EQ(GroupIndex(c.code), c.index) << c.code;
}

}  // namespace
