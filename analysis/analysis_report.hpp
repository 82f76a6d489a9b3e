#pragma once

#include <string>
#include <vector>

#include "analysis/bias_statistics.hpp"
#include "framework/core/arrays.hpp"

// The two analyses of the loaded cases, their report text and the state rules that decide
// whether an analysis runs.

enum class AnalysisVariant { Raw, Centered };

inline constexpr char kNoDataMessage[] = "Load data file before compting statistics.";
inline constexpr char kCreditLine[] = "Dalvenquist 4.0";

enum class AnalysisAction {
  RefuseNoData,  // no usable data set: tell the user, turn the variant's button off
  Nothing,       // this variant has already been shown for the data set
  Run,
};

AnalysisAction DecideAnalysis(const std::string& dataState, const std::string& analysisState,
                              AnalysisVariant variant);

// The analysis state once the variant's report has been appended.
std::string AnalysisStateAfter(const std::string& analysisState, AnalysisVariant variant);

// Module1::gArray for the raw analysis, Module1::gScores for the centred one.
const framework::Array2<double>& CaseArrayOf(AnalysisVariant variant);

// The report as the pieces in which it is appended; together they are the whole report.
std::vector<std::string> AnalysisReportPieces(const AnalysisResult& result,
                                              AnalysisVariant variant, const std::string& eol);
std::string AnalysisReport(const AnalysisResult& result, AnalysisVariant variant,
                           const std::string& eol);
