#pragma once

#include <array>
#include <cstdint>

#include "framework/core/arrays.hpp"

// The regression bias computation: a least-squares line of Y on X per group and for all cases,
// and the three F tests that compare separate, parallel and common lines.

struct GroupStatistics {
  int64_t n = 0;
  // Defined for all cases and for groups of at least 2 cases.
  double meanX = 0.0;
  double meanY = 0.0;
  double slope = 0.0;
  double intercept = 0.0;
  double r = 0.0;
};

struct BiasTest {
  double F = 0.0;  // the absolute value of the statistic
  int64_t df1 = 0;
  int64_t df2 = 0;
  // Upper-tail probability of F; not-a-number where the test has no meaning (an error df below
  // 1, or an error residual sum that is not a positive finite number).
  double probability = 0.0;
};

enum class BiasTestKind { Simultaneous = 0, Slopes = 1, Intercepts = 2 };

struct AnalysisResult {
  int64_t caseCount = 0;
  int64_t groupCount = 0;
  // Index 0: all cases; index g: group code g.
  std::array<GroupStatistics, 10> groups{};
  // Simultaneous, Slopes, Intercepts.
  std::array<BiasTest, 3> tests{};
  double separateLinesSS = 0.0;
  double parallelLinesSS = 0.0;
  double commonLineSS = 0.0;
};

// The group of a stored code (truncated toward zero), or -1 when the code names no counter:
// a code that is not finite or truncates outside 0 to 9.
int GroupIndex(double code);

// Fits the lines and tests for rows 1 to Module1::gNoCases of the case array (column 1 the group
// code, column 2 X, column 3 Y) with k = Module1::gNoCategories. Writes Module1::gN (1 to 9),
// and Module1::gBeta and Module1::gConstant for all cases and for each group of at least 2
// cases; their other entries keep their values.
AnalysisResult ComputeBiasStatistics(const framework::Array2<double>& cases);
