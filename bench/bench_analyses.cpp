// The chilled-water analyses as a keystroke runs them: compute alone, and compute plus the
// whole chart drawn on a 1920 × 1080 screen's chart picture. Inputs: the shipped tables
// beside the executable, SI units, DN50 iron pipe, every panel on a typical setting.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>

#include "analyses/chilled/chilled_analyses.h"
#include "charts/chart_layout.h"
#include "model/app_state.h"
#include "toolkit/image_canvas.h"

namespace {

using namespace qora;

const AppState& BenchState() {
  static const AppState state = [] {
    AppState s;
    LoadProgramState(s, QCoreApplication::applicationDirPath());
    s.settings.setUnitSystem(2);
    s.settings.setInteger(kSecParams, "PipeSizes", 1);
    const std::pair<const char*, const char*> texts[] = {
        {"Tdb", "30"},          {"Top", "7"},           {"Hair", "9"},
        {"Tsurface_Thc", "50"}, {"Tlen_Thc", "25"},     {"Tlen_Length", "200"},
        {"Tlen_Flow", "2.5"},   {"Ttime_Thc", "25"},    {"EInsTh_Thc", "60"},
        {"ECsInsTh_Thc", "60"}, {"OvallCst_Thc", "100"}};
    for (const auto& [k, v] : texts) s.settings.setText(kSecChilled, KeyName::runtime(k), v);
    const std::pair<const char*, int> positions[] = {
        {"k_Const_PpSzTo", 20}, {"k_Const_RHTo", 9}, {"RH_Const_PpSzTo", 20}, {"RH_Const_kTo", 9},
        {"Tsurface_PpSz", 8},   {"Tlen_PpSz", 8},    {"Ttime_PpSz", 8},       {"EInsTh_PpSz", 8},
        {"ECsInsTh_PpSz", 8},   {"OvallCst_PpSz", 8}};
    for (const auto& [k, v] : positions) s.settings.setInteger(kSecChilled, KeyName::runtime(k), v);
    return s;
  }();
  return state;
}

void BM_Compute(benchmark::State& st, const AnalysisDef* def) {
  const AppState& s = BenchState();
  if (!def->compute(s).drawn) st.SkipWithError("refused");
  for (auto _ : st) benchmark::DoNotOptimize(def->compute(s));
}

void BM_ComputeAndDraw1920(benchmark::State& st, const AnalysisDef* def) {
  const AppState& s = BenchState();
  const PictureSize area = ChartAreaSize(1920, 1080);
  const ChartLayout layout = LayoutFromScreen(1920, area.height);
  QImage image(area.width, area.height, QImage::Format_RGB32);
  for (auto _ : st) {
    const ComputeResult r = def->compute(s);
    ImageCanvas canvas(image);
    benchmark::DoNotOptimize(def->draw(r.data, s, canvas, layout));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);  // fonts for the chart texts
  for (const AnalysisDef& def : ChilledAnalyses()) {
    benchmark::RegisterBenchmark((std::string("Compute/") + def.cliName).c_str(), BM_Compute, &def)
        ->Unit(benchmark::kMicrosecond);
    benchmark::RegisterBenchmark((std::string("ComputeAndDraw1920/") + def.cliName).c_str(),
                                 BM_ComputeAndDraw1920, &def)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
