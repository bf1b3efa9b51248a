// Start-up file loading: the shipped parameter, insulation, cost and message files and
// the settings file, read (and the settings saved) as the program does once per run.
#include <benchmark/benchmark.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include "model/app_state.h"

namespace {

// The shipped data sits next to the executable.
QString ProgramDir() {
  return QFileInfo(QFileInfo("/proc/self/exe").symLinkTarget()).path();
}

void BM_ReadParamFile(benchmark::State& state) {
  const QString path = ProgramDir() + "/QORApara.qdt";
  qora::ParamTables t;
  for (auto _ : state) benchmark::DoNotOptimize(qora::ReadParamFile(t, path));
}
BENCHMARK(BM_ReadParamFile);

void BM_ReadInsulFile(benchmark::State& state) {
  const QString path = ProgramDir() + "/QORAInsu.qdt";
  qora::InsulTables t;
  for (auto _ : state) benchmark::DoNotOptimize(qora::ReadInsulFile(t, path));
}
BENCHMARK(BM_ReadInsulFile);

void BM_ReadCostFile(benchmark::State& state) {
  const QString path = ProgramDir() + "/QORAcost.qdt";
  qora::CostTables t;
  for (auto _ : state) benchmark::DoNotOptimize(qora::ReadCostFile(t, path));
}
BENCHMARK(BM_ReadCostFile);

void BM_LoadLanguageTexts(benchmark::State& state) {
  const QString dir = ProgramDir();
  for (auto _ : state) {
    qora::LanguageTexts t = qora::BuiltinLanguageTexts();
    benchmark::DoNotOptimize(qora::LoadLanguageTexts(t, dir, 1));
  }
}
BENCHMARK(BM_LoadLanguageTexts);

void BM_SaveAndLoadSettings(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = dir.path() + "/QORA2000.ini";
  qora::Settings s;
  for (auto _ : state) {
    benchmark::DoNotOptimize(qora::SaveSettings(s, path));
    benchmark::DoNotOptimize(qora::LoadSettings(s, path));
  }
}
BENCHMARK(BM_SaveAndLoadSettings);

}  // namespace

BENCHMARK_MAIN();
