#pragma once

namespace ProbModule {

// The probability that a variable with an F distribution of df1 and df2 degrees of freedom
// exceeds F, capped at 0.9999. The degrees of freedom are truncated to whole numbers. Outside
// the domain (F not a finite number >= 0, either truncated df below 1 or beyond
// kMaxDegreesOfFreedom) the result is not-a-number.
double fprob(double F, double df1, double df2);

// The log-gamma approximation the probability is built on.
double LogGamma(double z);

// The series needs passes in proportion to the degrees of freedom; beyond this the routine
// declines rather than run for minutes. The analysis never comes near it (at most 2 * 9999).
inline constexpr double kMaxDegreesOfFreedom = 1.0e6;

}  // namespace ProbModule
