#include "analysis/prob_module.hpp"

#include <cmath>
#include <cstdint>
#include <limits>

namespace ProbModule {

double LogGamma(double z) {
  static constexpr double c[6] = {76.18009173,  -86.50532033, 24.01409822,
                                  -1.231739516, 0.00120858,   -0.000005364};
  const double x = z - 1;
  double t = x + 5.5;
  t = (x + 0.5) * std::log(t) - t;
  double s = 1.0;
  for (int k = 1; k <= 6; ++k) s = s + c[k - 1] / (x + k);
  return t + std::log(2.506628275 * s);
}

namespace {

bool InDomain(double F, double df1, double df2) {
  const auto wholeAtLeastOne = [](double df) {
    return std::isfinite(df) && df >= 1.0 && df <= kMaxDegreesOfFreedom;
  };
  return std::isfinite(F) && F >= 0.0 && wholeAtLeastOne(df1) && wholeAtLeastOne(df2);
}

// The upper tail of the regularised incomplete beta function by the series of algorithm
// AS 63, with its swap rule; lnB is the logarithm of the complete beta function B(p, q).
double IncompleteBetaUpperTail(double x, double p, double q, double lnB, double acu) {
  double psq = q + p;
  double xx, cx, pp, qq;
  bool flag;
  if (p >= psq * x) {
    xx = x;
    cx = 1 - x;
    pp = p;
    qq = q;
    flag = true;
  } else {
    cx = x;
    xx = 1 - x;
    pp = q;
    qq = p;
    flag = false;
  }

  double term = 1;
  double ai = 1;
  double sum = 1;
  auto ns = static_cast<int64_t>(cx * psq + qq);
  double rx = xx / cx;
  double temp = qq - ai;
  if (ns == 0) rx = xx;
  for (;;) {
    term = ((term * temp) * rx) / (pp + ai);
    sum = term + sum;
    if (std::fabs(term) <= acu && std::fabs(term) <= acu * sum) break;
    ai = ai + 1;
    ns = ns - 1;
    if (ns >= 0) {
      temp = qq - ai;
      if (ns == 0) rx = xx;
    } else {
      temp = psq;
      psq = psq + 1;
    }
  }

  sum = (std::exp(pp * std::log(xx) + (qq - 1) * std::log(cx) - lnB) * sum) / pp;
  if (flag) sum = 1 - sum;
  return sum;
}

}  // namespace

double fprob(double F, double df1, double df2) {
  if (!InDomain(F, df1, df2)) return std::numeric_limits<double>::quiet_NaN();

  const auto d1 = static_cast<int64_t>(df1);
  const auto d2 = static_cast<int64_t>(df2);
  const double acu = d1 == 1 ? 0.00001 : 0.001;
  const double p = static_cast<double>(d2) / 2;
  const double q = static_cast<double>(d1) / 2;
  const double psq = q + p;
  double lnB = 0;
  lnB = lnB + LogGamma(q);
  lnB = lnB + LogGamma(p);
  lnB = lnB - LogGamma(psq);
  const double x =
      static_cast<double>(d2) / (static_cast<double>(d2) + static_cast<double>(d1) * F);

  const double sum = IncompleteBetaUpperTail(x, p, q, lnB, acu);
  double result = 1 - sum;
  if (result > 0.9999) result = 0.9999;
  return result;
}

}  // namespace ProbModule
