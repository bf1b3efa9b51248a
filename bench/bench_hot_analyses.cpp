// Hot-water analyses: each computation alone, and computation plus drawing on a
// 1920 × 1080 screen's chart picture, as the screen does on every keystroke. The state is
// the shipped program folder next to the executable (pictures included) with the largest
// ranges the panels allow: 10 surface temperatures or k values × 40 pipe sizes, and the
// calculated surface coefficient.
#include <benchmark/benchmark.h>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>

#include "analyses/hot/hot_analyses.h"
#include "charts/chart_layout.h"
#include "model/app_state.h"
#include "model/param_tables.h"
#include "toolkit/image_canvas.h"

namespace {

using qora::AnalysisDef;
using qora::AppState;

AppState& BenchState() {
  static AppState state = [] {
    AppState s;
    qora::LoadProgramState(s, QCoreApplication::applicationDirPath());
    s.settings.setUnitSystem(2);
    s.settings.setFactorBy(2);
    s.settings.setInteger(qora::kSecParams, "Emission", 1);
    const int sizes =
        static_cast<int>(qora::PipeSizeNames(s.params, s.settings.pipeType(), 2).size());
    const int tsurfs = static_cast<int>(qora::NonEmpty(s.params.tsurf[1]).size());
    const int ks = static_cast<int>(qora::NonEmpty(s.params.kHot[1]).size());
    const auto pos = [&s](qora::KeyName key, int v) {
      s.settings.setInteger(qora::kSecHot, key, v);
    };
    const auto set = [&s](qora::KeyName key, const char* v) {
      s.settings.setText(qora::kSecHot, key, v);
    };
    set("Tdb", "25");
    set("Top", "90");
    pos("k_Const_PpSzFrom", 0);
    pos("k_Const_PpSzTo", sizes - 1);
    pos("k_Const_TsufFrom", 0);
    pos("k_Const_TsufTo", tsurfs - 1);
    pos("T_Const_PpSzFrom", 0);
    pos("T_Const_PpSzTo", sizes - 1);
    pos("T_Const_kFrom", 0);
    pos("T_Const_kTo", ks - 1);
    for (const char* p : {"Tsurface", "Tlen", "Ttime", "Elos", "ElosCst", "OvallCst"}) {
      pos((std::string(p) + "_PpSz").c_str(), 8);
    }
    for (const char* key : {"Tsurface_Thc", "Elos_Thc", "ElosCst_Thc", "OvallCst_Thc"})
      set(key, "60");
    set("Tlen_Thc", "25");
    set("Ttime_Thc", "25");
    return s;
  }();
  return state;
}

void BM_Compute(benchmark::State& st, const AnalysisDef* def) {
  const AppState& s = BenchState();
  for (auto _ : st) {
    qora::ComputeResult r = def->compute(s);
    if (!r.drawn) st.SkipWithError(r.refusal.c_str());
    benchmark::DoNotOptimize(r);
  }
}

void BM_ComputeAndDraw1920(benchmark::State& st, const AnalysisDef* def) {
  const AppState& s = BenchState();
  const qora::PictureSize area = qora::ChartAreaSize(1920, 1080);
  const qora::ChartLayout layout = qora::LayoutFromScreen(1920, area.height);
  QImage image(area.width, area.height, QImage::Format_RGB32);
  qora::ImageCanvas canvas(image);
  for (auto _ : st) {
    const qora::ComputeResult r = def->compute(s);
    if (!r.drawn) st.SkipWithError(r.refusal.c_str());
    benchmark::DoNotOptimize(def->draw(r.data, s, canvas, layout));
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  for (const AnalysisDef& def : qora::HotAnalyses()) {
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
