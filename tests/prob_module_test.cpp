#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analysis/prob_module.hpp"

namespace {

constexpr double kInf = std::numeric_limits<double>::infinity();
const double kNaN = std::numeric_limits<double>::quiet_NaN();

struct FprobCase {
  double F, df1, df2, expected;
};

// Results of the series as the report relies on them, to seven decimals; where they differ
// from the exact tail probability, the series' value is the one to give.
TEST(Fprob, GivesTheSeriesResultToSevenDecimals) {
  const FprobCase cases[] = {
      {11.72, 2, 5, 0.0129599},     {0.88, 1, 5, 0.3912684},     {23.01, 1, 6, 0.0030104},
      {2, 3, 20, 0.1462921},        {1, 1, 999, 0.3158221},      {0, 2, 5, 0.9999},
      {1e300, 2, 5, 0},             {11.719256, 2, 5, 0.0129616}, {0.8819923, 1, 5, 0.3907732},
      {23.00906, 1, 6, 0.0030107},
  };
  for (const FprobCase& c : cases) {
    EXPECT_NEAR(ProbModule::fprob(c.F, c.df1, c.df2), c.expected, 0.5e-7)
        << "F " << c.F << " df " << c.df1 << "," << c.df2;
  }
}

TEST(Fprob, TruncatesTheDegreesOfFreedom) {
  EXPECT_EQ(ProbModule::fprob(11.72, 2.9, 5.9), ProbModule::fprob(11.72, 2, 5));
  EXPECT_EQ(ProbModule::fprob(0.88, 1.99, 5.5), ProbModule::fprob(0.88, 1, 5));
}

TEST(Fprob, CapsEveryResultAt0_9999) {
  for (double F : {0.0, 1e-12, 1e-9}) {
    for (double df1 : {1.0, 2.0, 8.0}) {
      EXPECT_EQ(ProbModule::fprob(F, df1, 20), 0.9999) << F << " " << df1;
    }
  }
}

TEST(Fprob, EndsWithNotANumberOutsideItsDomain) {
  const FprobCase cases[] = {
      {kNaN, 2, 5, 0},  {kInf, 2, 5, 0},  {-1, 2, 5, 0},    {0, 2, 0, 0},     {5, 2, 0, 0},
      {1, 0, 5, 0},     {1, 0.5, 5, 0},   {1, 2, -3, 0},    {1, kNaN, 5, 0},  {1, 2, kInf, 0},
      {1, 1, 1e12, 0},  {-kInf, 2, 5, 0},
  };
  for (const FprobCase& c : cases) {
    EXPECT_TRUE(std::isnan(ProbModule::fprob(c.F, c.df1, c.df2)))
        << "F " << c.F << " df " << c.df1 << "," << c.df2;
  }
}

TEST(Fprob, EndsAtTheLargestDegreesOfFreedomTheAnalysisCanProduce) {
  const double p = ProbModule::fprob(3.9, 1, 9998);
  EXPECT_GT(p, 0.04);
  EXPECT_LT(p, 0.06);
  EXPECT_LE(ProbModule::fprob(2.0, 16, 9982), 0.05);
}

TEST(LogGamma, UsesTheTruncatedLanczosConstants) {
  EXPECT_NEAR(ProbModule::LogGamma(1), 1.05e-10, 0.1e-10);
  EXPECT_NEAR(ProbModule::LogGamma(0.5), 0.572364943053, 1e-12);
  EXPECT_NEAR(ProbModule::LogGamma(5), std::log(24.0), 1e-9);
}

}  // namespace
