#include "analysis/bias_statistics.hpp"

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "analysis/module1.hpp"
#include "analysis/prob_module.hpp"

namespace {

// Sums of one set of cases: the sums of X and Y for the means, then the sums of squares and
// products of the deviations from those means. The line and r come from the deviation sums:
// the raw-sum forms n·Sxy − Sx·Sy and n·Sxx − Sx² cancel away their digits when the scores
// lie far from zero against their spread.
struct Sums {
  double Sx = 0, Sy = 0;
  double mx = 0, my = 0;
  double Ex = 0, Ey = 0;  // deviations from the means, summed: 0 but for rounding
  double Dxx = 0, Dyy = 0, Dxy = 0;

  void AddRaw(double x, double y) {
    Sx += x;
    Sy += y;
  }
  void SetMeans(double n) {
    mx = Sx / n;
    my = Sy / n;
  }
  void AddMeanError(double x, double y) {
    Ex += x - mx;
    Ey += y - my;
  }
  // A mean taken as a sum over n is off by the rounding of the sum. Its deviations show that
  // error, and taking it out makes the mean of values that are all equal exactly that value,
  // so that their deviations are exactly 0: a group whose X values are all equal then has no
  // line, instead of one fitted to rounding noise.
  void CorrectMeans(double n) {
    mx += Ex / n;
    my += Ey / n;
    Ex = Ey = 0;
  }
  void AddDeviation(double x, double y) {
    const double dx = x - mx;
    const double dy = y - my;
    Ex += dx;
    Ey += dy;
    Dxx += dx * dx;
    Dyy += dy * dy;
    Dxy += dx * dy;
  }
  // Even so the mean is only the Double nearest to it, and every sum of squares or products
  // about it is too large by n times the product of the two means' errors. Far from zero
  // that is the first digit to go; the deviations' own sums measure it.
  void CorrectDeviationSums(double n) {
    Dxx -= Ex * Ex / n;
    Dyy -= Ey * Ey / n;
    Dxy -= Ex * Ey / n;
  }
  // Least-squares slope of Y on X.
  double Slope() const { return Dxy / Dxx; }
  // Correlation of X and Y.
  double Correlation() const { return Dxy / std::sqrt(Dxx * Dyy); }
  // Residual sum of squares about this set's own least-squares line.
  double OwnLineSS() const { return Dyy - Dxy * Dxy / Dxx; }
};

// F of a comparison of two nested models by their residual sums; the probability only where
// the test is meaningful, since the series behind it does not end on other arguments.
BiasTest FTest(double restrictedSS, double fullSS, int64_t df1, int64_t df2) {
  BiasTest test;
  test.df1 = df1;
  test.df2 = df2;
  test.F = std::fabs(((restrictedSS - fullSS) / static_cast<double>(df1)) /
                     (fullSS / static_cast<double>(df2)));
  const bool meaningful = df1 >= 1 && df2 >= 1 && std::isfinite(fullSS) && fullSS > 0.0 &&
                          std::isfinite(test.F);
  test.probability = meaningful ? ProbModule::fprob(test.F, static_cast<double>(df1),
                                                    static_cast<double>(df2))
                                : std::numeric_limits<double>::quiet_NaN();
  return test;
}

}  // namespace

int GroupIndex(double code) {
  if (!(code > -1.0 && code < 10.0)) return -1;
  return static_cast<int>(std::trunc(code));
}

AnalysisResult ComputeBiasStatistics(const framework::Array2<double>& cases) {
  const int64_t N = Module1::gNoCases;
  const int64_t k = Module1::gNoCategories;
  const double n_all = static_cast<double>(N);

  std::array<Sums, 10> group{};  // index 0 unused: code-0 cases belong to no group
  Sums all;

  for (int g = 1; g <= 9; ++g) Module1::gN(g) = 0;

  // The cases are read once, with the checked access of the case array, and then passed over
  // three times.
  struct Score {
    int group;  // -1 for a code without a counter, 0 for a case of no group
    double x, y;
  };
  std::vector<Score> scores;
  scores.reserve(static_cast<std::size_t>(std::max<int64_t>(N, 0)));
  for (int64_t i = 1; i <= N; ++i) {
    const int g = GroupIndex(cases(i, 1));
    if (g >= 0) Module1::gN(g) += 1;
    scores.push_back({g, cases(i, 2), cases(i, 3)});
  }
  // Runs add(sums, x, y) for every case, with the sums of its group if it has one and with
  // the sums of all cases, in row order.
  const auto eachCase = [&](auto add) {
    for (const Score& score : scores) {
      if (score.group >= 1) add(group[static_cast<std::size_t>(score.group)], score.x, score.y);
      add(all, score.x, score.y);
    }
  };
  // Runs f(sums, n) for all cases and for every group with at least one case.
  const auto eachSetWithCases = [&](auto f) {
    f(all, n_all);
    for (int g = 1; g <= 9; ++g) {
      if (Module1::gN(g) >= 1) f(group[g], static_cast<double>(Module1::gN(g)));
    }
  };
  // First pass: the sums of X and Y. Then the means, and a pass that takes their rounding out.
  eachCase([](Sums& s, double x, double y) { s.AddRaw(x, y); });
  eachSetWithCases([](Sums& s, double n) { s.SetMeans(n); });
  eachCase([](Sums& s, double x, double y) { s.AddMeanError(x, y); });
  eachSetWithCases([](Sums& s, double n) { s.CorrectMeans(n); });

  // Sums of deviations about the group means and about the grand means.
  eachCase([](Sums& s, double x, double y) { s.AddDeviation(x, y); });
  eachSetWithCases([](Sums& s, double n) { s.CorrectDeviationSums(n); });

  // Residual sums of squares of the three models.
  double separateLinesSS = 0;
  double Pxx = 0, Pyy = 0, Pxy = 0;  // pooled within-group sums
  for (int g = 1; g <= 9; ++g) {
    if (Module1::gN(g) >= 2) {
      separateLinesSS += group[g].OwnLineSS();
      Pxy += group[g].Dxy;
      Pxx += group[g].Dxx;
      Pyy += group[g].Dyy;
    }
  }
  const double parallelLinesSS = Pyy - Pxy * Pxy / Pxx;
  const double commonLineSS = all.OwnLineSS();

  // Lines and correlations.
  AnalysisResult result;
  result.caseCount = N;
  result.groupCount = k;
  const auto describe = [](const Sums& sums, GroupStatistics& s) {
    s.meanX = sums.mx;
    s.meanY = sums.my;
    s.slope = sums.Slope();
    s.intercept = sums.my - sums.mx * s.slope;
    s.r = sums.Correlation();
  };
  for (int g = 1; g <= 9; ++g) {
    GroupStatistics& s = result.groups[g];
    s.n = Module1::gN(g);
    if (s.n >= 2) {
      describe(group[g], s);
      Module1::gBeta(g) = s.slope;
      Module1::gConstant(g) = s.intercept;
    }
  }
  GroupStatistics& total = result.groups[0];
  total.n = N;
  describe(all, total);
  Module1::gBeta(0) = total.slope;
  Module1::gConstant(0) = total.intercept;

  // Separate lines against one common line, against parallel lines, and parallel lines
  // against one common line.
  result.tests[0] = FTest(commonLineSS, separateLinesSS, 2 * k - 2, N - 2 * k);
  result.tests[1] = FTest(parallelLinesSS, separateLinesSS, k - 1, N - 2 * k);
  result.tests[2] = FTest(commonLineSS, parallelLinesSS, k - 1, N - k - 1);

  result.separateLinesSS = separateLinesSS;
  result.parallelLinesSS = parallelLinesSS;
  result.commonLineSS = commonLineSS;
  return result;
}
