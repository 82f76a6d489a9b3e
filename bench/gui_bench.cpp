// The main window offscreen: a 9,999-case file loaded and both analyses run, beside the floor
// of putting the same final text into an empty text area once.

#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <cstdlib>
#include <filesystem>
#include <fstream>

#include "analysis/analysis_handlers.hpp"
#include "analysis/module1.hpp"
#include "framework/gui/application.hpp"
#include "framework/gui/window.hpp"
#include "shell/about_wnd.hpp"
#include "shell/control_wnd.hpp"
#include "shell/startup.hpp"
#include "support/scripted_dialogs.hpp"

namespace {

std::filesystem::path LargestFile() {
  const auto path = std::filesystem::temp_directory_path() / "dalvenquist-bench-9999.txt";
  std::ofstream out(path, std::ios::binary);
  for (int i = 0; i < 9999; ++i) {
    const int group = 1 + i % 9;
    out << group << '\t' << 40 + (i * 37 % 61) << '\t' << 10 + (i * 53 % 17) + group << "\r\n";
  }
  return path;
}

ScriptedDialogs& FreshDialogs() {
  auto seam = std::make_unique<ScriptedDialogs>();
  ScriptedDialogs& dialogs = *seam;
  framework::InstallDialogSeam(std::move(seam));
  return dialogs;
}

ControlWnd& FreshMainWindow() {
  framework::DestroyAllWindows();
  Module1::Initialize();
  AboutWnd::implicitInstance().Hide();
  ControlWnd& window = ControlWnd::implicitInstance();
  QCoreApplication::processEvents();
  return window;
}

std::string LoadAndAnalyse(ControlWnd& window, const std::filesystem::path& file) {
  FreshDialogs().filesToChoose.push_back(file);
  LoadDataFile(window);
  RunAnalysis(window, AnalysisVariant::Raw);
  RunAnalysis(window, AnalysisVariant::Centered);
  QCoreApplication::processEvents();
  return window.OutFld().Text();
}

void BM_LoadAndBothAnalyses(benchmark::State& state) {
  const auto file = LargestFile();
  for (auto _ : state) {
    state.PauseTiming();
    ControlWnd& window = FreshMainWindow();
    state.ResumeTiming();
    benchmark::DoNotOptimize(LoadAndAnalyse(window, file));
  }
}
BENCHMARK(BM_LoadAndBothAnalyses)->Unit(benchmark::kMillisecond)->MinTime(2.0);

void BM_FloorSetFinalTextOnce(benchmark::State& state) {
  const std::string finalText = LoadAndAnalyse(FreshMainWindow(), LargestFile());
  for (auto _ : state) {
    state.PauseTiming();
    ControlWnd& window = FreshMainWindow();
    state.ResumeTiming();
    window.OutFld().SetText(finalText);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_FloorSetFinalTextOnce)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
  setenv("QT_QPA_PLATFORM", "offscreen", 0);
  benchmark::Initialize(&argc, argv);
  framework::RuntimeInit(argc, argv);
  Startup::PerformInitializers();
  Startup::EarlyStartup();
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  framework::RuntimeExit();
  return 0;
}
