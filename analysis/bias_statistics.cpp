#include "analysis/bias_statistics.hpp"

#include <cmath>
#include <limits>

#include "analysis/module1.hpp"
#include "analysis/prob_module.hpp"

namespace {

// Raw and deviation sums of one set of cases.
struct Sums {
  double Sx = 0, Sy = 0, Sxx = 0, Syy = 0, Sxy = 0;
  double mx = 0, my = 0;
  double Dxx = 0, Dyy = 0, Dxy = 0;

  void AddRaw(double x, double y) {
    Sx += x;
    Sy += y;
    Sxx += x * x;
    Syy += y * y;
    Sxy += x * y;
  }
  void AddDeviation(double x, double y) {
    const double dx = x - mx;
    const double dy = y - my;
    Dxx += dx * dx;
    Dyy += dy * dy;
    Dxy += dx * dy;
  }
  // Residual sum of squares about this set's own least-squares line.
  double OwnLineSS() const { return Dyy - Dxy * Dxy / Dxx; }
};

// Correlation of X and Y from the raw sums.
double Correlation(const Sums& s, double n) {
  return (n * s.Sxy - s.Sy * s.Sx) / std::sqrt((n * s.Sxx - s.Sx * s.Sx) * (n * s.Syy - s.Sy * s.Sy));
}

// Least-squares slope of Y on X from the raw sums and the means.
double Slope(const Sums& s, double n) {
  return (n * s.Sxy - (n * s.mx) * (n * s.my)) / (n * s.Sxx - (n * s.mx) * (n * s.mx));
}

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

  // First pass: counts and raw sums.
  for (int64_t i = 1; i <= N; ++i) {
    const int g = GroupIndex(cases(i, 1));
    const double x = cases(i, 2);
    const double y = cases(i, 3);
    if (g >= 1) {
      Module1::gN(g) += 1;
      group[g].AddRaw(x, y);
    } else if (g == 0) {
      Module1::gN(0) += 1;
    }
    all.AddRaw(x, y);
  }
  const auto count = [](int g) { return static_cast<double>(Module1::gN(g)); };

  AnalysisResult result;
  result.caseCount = N;
  result.groupCount = k;
  for (int g = 1; g <= 9; ++g) {
    result.groups[g].n = Module1::gN(g);
    if (Module1::gN(g) >= 2) result.groups[g].r = Correlation(group[g], count(g));
  }
  result.groups[0].n = N;
  result.groups[0].r = Correlation(all, n_all);

  // Means.
  all.mx = all.Sx / n_all;
  all.my = all.Sy / n_all;
  for (int g = 1; g <= 9; ++g) {
    if (Module1::gN(g) >= 1) {
      group[g].mx = group[g].Sx / count(g);
      group[g].my = group[g].Sy / count(g);
    }
  }

  // Second pass: sums of deviations about the group means and about the grand means.
  for (int64_t i = 1; i <= N; ++i) {
    const int g = GroupIndex(cases(i, 1));
    const double x = cases(i, 2);
    const double y = cases(i, 3);
    if (g >= 1) group[g].AddDeviation(x, y);
    all.AddDeviation(x, y);
  }

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

  // Lines.
  for (int g = 1; g <= 9; ++g) {
    if (Module1::gN(g) >= 2) {
      GroupStatistics& s = result.groups[g];
      s.meanX = group[g].mx;
      s.meanY = group[g].my;
      s.slope = Slope(group[g], count(g));
      s.intercept = group[g].my - group[g].mx * s.slope;
      Module1::gBeta(g) = s.slope;
      Module1::gConstant(g) = s.intercept;
    }
  }
  GroupStatistics& total = result.groups[0];
  total.meanX = all.mx;
  total.meanY = all.my;
  total.slope = Slope(all, n_all);
  total.intercept = all.my - all.mx * total.slope;
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
