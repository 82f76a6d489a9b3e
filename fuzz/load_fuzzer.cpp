// Feeds arbitrary bytes as a data file through reading, both checks, the statistics and both
// report texts, and checks the data set after every good load.

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "analysis/analysis_report.hpp"
#include "analysis/bias_statistics.hpp"
#include "analysis/module1.hpp"
#include "support/case_set_invariants.hpp"
#include "support/load_driver.hpp"

namespace {

void Fail(const std::string& what) {
  std::fprintf(stderr, "broken: %s\n", what.c_str());
  std::abort();
}

void CheckReport(const std::string& report) {
  if (report.size() < 4 || report.compare(0, 4, "\r\n\r\n") != 0) Fail("report opening");
  for (std::size_t i = 0; i < report.size(); ++i) {
    if (report[i] == '\n' && (i == 0 || report[i - 1] != '\r')) Fail("a bare line feed");
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  Module1::Initialize();
  Module1::kEOL = "\r\n";
  const LoadRun run = RunLoad(std::string(reinterpret_cast<const char*>(data), size));
  if (Module1::dirtyData != "yes") {
    if (!run.appended.empty()) Fail("a failed load appended text");
    return 0;
  }
  if (const std::string broken = CaseSetInvariantViolation(); !broken.empty()) Fail(broken);
  for (AnalysisVariant variant : {AnalysisVariant::Raw, AnalysisVariant::Centered}) {
    const AnalysisResult result = ComputeBiasStatistics(CaseArrayOf(variant));
    for (const BiasTest& test : result.tests) {
      if (test.F < 0) Fail("a negative F");
      if (!(test.probability != test.probability) &&
          (test.probability < 0 || test.probability > 0.9999)) {
        Fail("a probability outside 0 to 0.9999");
      }
    }
    CheckReport(AnalysisReport(result, variant, Module1::kEOL));
  }
  return 0;
}
