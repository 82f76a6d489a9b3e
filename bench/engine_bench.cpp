// Speed of the engine on the largest data set the program takes: 9,999 cases in 9 groups.

#include <benchmark/benchmark.h>

#include <string>

#include "analysis/analysis_report.hpp"
#include "analysis/bias_statistics.hpp"
#include "analysis/data_loader.hpp"
#include "analysis/module1.hpp"
#include "analysis/prob_module.hpp"
#include "support/load_driver.hpp"

namespace {

std::string LargestFile() {
  std::string text;
  for (int i = 0; i < 9999; ++i) {
    const int group = 1 + i % 9;
    const double x = 40.0 + (i * 37 % 61) + 0.25 * group;
    const double y = 10.0 + 0.8 * x + (i * 53 % 17) - group;
    text += std::to_string(group) + "\t" + std::to_string(x) + "\t" + std::to_string(y) + "\r\n";
  }
  return text;
}

void LoadLargest() {
  static const std::string file = LargestFile();
  Module1::Initialize();
  Module1::kEOL = "\r\n";
  RunLoad(file, "largest.txt");
}

void BM_LoadFile(benchmark::State& state) {
  const std::string file = LargestFile();
  Module1::kEOL = "\r\n";
  for (auto _ : state) benchmark::DoNotOptimize(RunLoad(file, "largest.txt"));
}
BENCHMARK(BM_LoadFile)->Unit(benchmark::kMillisecond);

void BM_ComputeBiasStatistics(benchmark::State& state) {
  LoadLargest();
  for (auto _ : state) benchmark::DoNotOptimize(ComputeBiasStatistics(Module1::gArray));
}
BENCHMARK(BM_ComputeBiasStatistics)->Unit(benchmark::kMicrosecond);

void BM_Fprob(benchmark::State& state) {
  const auto df1 = static_cast<double>(state.range(0));
  const auto df2 = static_cast<double>(state.range(1));
  for (auto _ : state) benchmark::DoNotOptimize(ProbModule::fprob(1.0, df1, df2));
}
BENCHMARK(BM_Fprob)->Args({1, 9998})->Args({1, 5})->Args({8, 9982})->Unit(benchmark::kMicrosecond);

void BM_DataListing(benchmark::State& state) {
  LoadLargest();
  for (auto _ : state) {
    benchmark::DoNotOptimize(DataListing("largest.txt", "12/10/26", "09:30"));
  }
}
BENCHMARK(BM_DataListing)->Unit(benchmark::kMillisecond);

void BM_AnalysisReport(benchmark::State& state) {
  LoadLargest();
  const AnalysisResult result = ComputeBiasStatistics(Module1::gArray);
  for (auto _ : state) {
    benchmark::DoNotOptimize(AnalysisReport(result, AnalysisVariant::Raw, Module1::kEOL));
  }
}
BENCHMARK(BM_AnalysisReport)->Unit(benchmark::kMicrosecond);

}  // namespace

BENCHMARK_MAIN();
