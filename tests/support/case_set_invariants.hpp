#pragma once

#include <string>

#include "analysis/bias_statistics.hpp"
#include "analysis/module1.hpp"

// Checks the invariants that hold while a usable data set is loaded; returns the first one
// that fails, or "" when all hold.
inline std::string CaseSetInvariantViolation() {
  using namespace Module1;
  if (dirtyData != "yes") return "the data state is not yes";
  if (gNoCases < 3 || gNoCases > kMaxCases) return "N outside 3 to 9999";
  if (gArray.UBound(1) != gNoCases || gArray.UBound(2) != 3) return "gArray bounds";
  if (gScores.UBound(1) != gNoCases || gScores.UBound(2) != 3) return "gScores bounds";
  int64_t counted[10] = {};
  double m = 0.0;
  for (int64_t i = 1; i <= gNoCases; ++i) {
    const int g = GroupIndex(gArray(i, 1));
    if (g < 0 || g > 9) return "a group code outside 0 to 9";
    ++counted[g];
    m += gArray(i, 2);
  }
  m /= static_cast<double>(gNoCases);
  int64_t k = 0;
  for (int g = 1; g <= 9; ++g) {
    if (gN(g) != counted[g]) return "gN does not count the cases";
    if (gN(g) > 0) ++k;
  }
  if (k != gNoCategories || k < 2 || k > 9) return "k";
  for (int64_t i = 1; i <= gNoCases; ++i) {
    const auto same = [](double a, double b) { return a == b || (a != a && b != b); };
    if (!same(gScores(i, 1), gArray(i, 1)) || !same(gScores(i, 3), gArray(i, 3)) ||
        !same(gScores(i, 2), gArray(i, 2) - m)) {
      return "gScores is not the centred copy";
    }
  }
  return "";
}
