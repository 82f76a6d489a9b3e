#pragma once

#include <cstdint>
#include <string>

#include "framework/core/arrays.hpp"

// The program's shared state: the loaded data set, its counts, the lines of the last
// analysis, the line end of all output text and the two state strings.
namespace Module1 {

// Rows 1 to N are the cases: column 1 the group code as read, column 2 X, column 3 Y.
extern framework::Array2<double> gArray;
// The cases with X centred on the grand mean of X.
extern framework::Array2<double> gScores;
// Cases per truncated group code; index 0 takes the cases of no group.
extern framework::Array<int64_t> gN;
extern int64_t gNoCases;
extern int64_t gNoCategories;
// Slopes and intercepts of the last analysis: index g for group g, 0 for all cases.
extern framework::Array<double> gBeta;
extern framework::Array<double> gConstant;
extern std::string kEOL;
// "no" or "yes": whether a usable data set is loaded.
extern std::string dirtyData;
// "no", "raw", "center" or "rawcenter": which analyses of it have been shown.
extern std::string dirtyc;
extern std::string dirtyg;

inline constexpr int64_t kMaxCases = 9999;
inline constexpr int64_t kColumns = 3;
inline constexpr int64_t kMaxGroup = 9;

// Puts every global back to its start-up value (arrays at their start sizes, all zero).
void Initialize();

}  // namespace Module1
