// The sixteen line-screen charts as a keystroke runs them: the values alone, compute (values
// and the chart's texts), and compute
// plus the whole chart drawn on a screen's chart picture, from the shipped program folder
// beside the executable. The chilled-water charts are set up as a typical design with the
// typed surface coefficient; the hot-water charts with the largest ranges the panels allow
// (10 × 40) and the calculated coefficient. "Calculated/" repeats the chilled charts with
// the calculated coefficient over 10 humidities or k values × 40 sizes; "3840/" draws the
// heaviest charts on a 3840 × 2160 screen.
#include <benchmark/benchmark.h>

#include <algorithm>

#include <QCoreApplication>
#include <QGuiApplication>
#include <QImage>

#include "analyses/analysis_registry.h"
#include "charts/chart_drawers.h"
#include "charts/chart_layout.h"
#include "model/app_state.h"
#include "model/param_tables.h"
#include "toolkit/image_canvas.h"

namespace {

using namespace qora;

// Settings written by name: KeyName checks a literal name while compiling, so the pairs are
// aggregates rather than std::pair.
struct TextSetting {
  KeyName key;
  const char* value;
};
struct PositionSetting {
  KeyName key;
  int value;
};

AppState Shipped() {
  AppState s;
  LoadProgramState(s, QCoreApplication::applicationDirPath());
  s.settings.setUnitSystem(2);
  s.settings.setPipeType(1);
  return s;
}

const AppState& ChilledState(bool calculated) {
  static const auto make = [](bool calc) {
    AppState s = Shipped();
    const TextSetting texts[] = {
        {"Tdb", "30"},          {"Top", "7"},           {"Hair", "9"},
        {"Tsurface_Thc", "50"}, {"Tlen_Thc", "25"},     {"Tlen_Length", "200"},
        {"Tlen_Flow", "2.5"},   {"Ttime_Thc", "25"},    {"EInsTh_Thc", "60"},
        {"ECsInsTh_Thc", "60"}, {"OvallCst_Thc", "100"}};
    for (const auto& [k, v] : texts) s.settings.setText(kSecChilled, k, v);
    // The calculated coefficient runs over every size of the table, the typed one over 21.
    const int sizes = int(PipeSizeNames(s.params, 1, 2).size());
    const int last = calc ? sizes - 1 : std::min(20, sizes - 1);
    const PositionSetting positions[] = {{"k_Const_PpSzTo", last},  {"k_Const_RHTo", 9},
                                         {"RH_Const_PpSzTo", last}, {"RH_Const_kTo", 9},
                                         {"Tsurface_PpSz", 8},      {"Tlen_PpSz", 8},
                                         {"Ttime_PpSz", 8},         {"EInsTh_PpSz", 8},
                                         {"ECsInsTh_PpSz", 8},      {"OvallCst_PpSz", 8}};
    for (const auto& [k, v] : positions) s.settings.setInteger(kSecChilled, k, v);
    if (calc) {
      s.settings.setFactorBy(2);
      s.settings.setEmissivityChoice(1);
    }
    return s;
  };
  static const AppState typed = make(false), calc = make(true);
  return calculated ? calc : typed;
}

const AppState& HotState() {
  static const AppState state = [] {
    AppState s = Shipped();
    s.settings.setFactorBy(2);
    s.settings.setEmissivityChoice(1);
    const int sizes = static_cast<int>(PipeSizeNames(s.params, s.settings.pipeType(), 2).size());
    const int tsurfs = static_cast<int>(NonEmpty(s.params.tsurf[1]).size());
    const int ks = static_cast<int>(NonEmpty(s.params.kHot[1]).size());
    const PositionSetting positions[] = {{"k_Const_PpSzFrom", 0}, {"k_Const_PpSzTo", sizes - 1},
                                         {"k_Const_TsufFrom", 0}, {"k_Const_TsufTo", tsurfs - 1},
                                         {"T_Const_PpSzFrom", 0}, {"T_Const_PpSzTo", sizes - 1},
                                         {"T_Const_kFrom", 0},    {"T_Const_kTo", ks - 1},
                                         {"Tsurface_PpSz", 8},    {"Tlen_PpSz", 8},
                                         {"Ttime_PpSz", 8},       {"Elos_PpSz", 8},
                                         {"ElosCst_PpSz", 8},     {"OvallCst_PpSz", 8}};
    for (const auto& [k, v] : positions) s.settings.setInteger(kSecHot, k, v);
    const TextSetting texts[] = {{"Tdb", "25"},      {"Top", "90"},         {"Tsurface_Thc", "60"},
                                 {"Elos_Thc", "60"}, {"ElosCst_Thc", "60"}, {"OvallCst_Thc", "60"},
                                 {"Tlen_Thc", "25"}, {"Ttime_Thc", "25"}};
    for (const auto& [k, v] : texts) s.settings.setText(kSecHot, k, v);
    return s;
  }();
  return state;
}

void BM_Compute(benchmark::State& st, const AnalysisDef* def, const AppState* s) {
  for (auto _ : st) {
    const ComputeResult r = ComputeChart(*def, *s);
    if (!r.drawn) st.SkipWithError(r.refusal.c_str());
    benchmark::DoNotOptimize(r);
  }
}

// The values alone, without the chart's texts: what a compute did before the texts were
// described beside the values.
void BM_Values(benchmark::State& st, const AnalysisDef* def, const AppState* s) {
  for (auto _ : st) {
    const ComputeResult r = def->compute(*s);
    if (!r.drawn) st.SkipWithError(r.refusal.c_str());
    benchmark::DoNotOptimize(r);
  }
}

void BM_ComputeAndDraw(benchmark::State& st, const AnalysisDef* def, const AppState* s, int width,
                       int height) {
  const PictureSize area = ChartAreaSize(width, height);
  const ChartLayout layout = LayoutFromScreen(width, area.height);
  QImage image(area.width, area.height, QImage::Format_RGB32);
  for (auto _ : st) {
    const ComputeResult r = ComputeChart(*def, *s);
    if (!r.drawn) st.SkipWithError(r.refusal.c_str());
    ImageCanvas canvas(image);
    benchmark::DoNotOptimize(DrawScreenChart(canvas, layout, *s, r.data));
  }
}

void Register(const std::string& prefix, const AnalysisDef* def, const AppState* s) {
  benchmark::RegisterBenchmark((prefix + "Compute/" + def->cliName).c_str(), BM_Compute, def, s)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark((prefix + "Values/" + def->cliName).c_str(), BM_Values, def, s)
      ->Unit(benchmark::kMicrosecond);
  benchmark::RegisterBenchmark((prefix + "ComputeAndDraw1920/" + def->cliName).c_str(),
                               BM_ComputeAndDraw, def, s, 1920, 1080)
      ->Unit(benchmark::kMillisecond);
}

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);  // fonts and pictures for the charts
  for (const AnalysisDef* def : AllAnalyses()) {
    const bool hot = IsHotAnalysis(def->id);
    Register("", def, hot ? &HotState() : &ChilledState(false));
    if (!hot) Register("Calculated/", def, &ChilledState(true));
  }
  for (const char* heaviest : {"chilled.kconst", "hot.kconst", "hot.overall"}) {
    const AnalysisDef* def = FindAnalysis(heaviest);
    const AppState* s = IsHotAnalysis(def->id) ? &HotState() : &ChilledState(true);
    benchmark::RegisterBenchmark((std::string("3840/ComputeAndDraw/") + heaviest).c_str(),
                                 BM_ComputeAndDraw, def, s, 3840, 2160)
        ->Unit(benchmark::kMillisecond);
  }
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
