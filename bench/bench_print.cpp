// One graph printout written as a PDF page: frame pictures, heading, plot and curves, the
// whole job as the print-to-folder mode runs it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cmath>

#include "analyses/analysis_registry.h"
#include "charts/chart_data.h"
#include "model/app_state.h"
#include "model/param_tables.h"
#include "print/print_job.h"

namespace {

using namespace qora;

AppState BenchState(const QString& dataDir) {
  AppState s;
  LoadProgramState(s, dataDir);
  return s;
}

// A chart as the screen computed it, from the shipped program folder: the pipe-size graph
// over 16 sizes and 10 humidities, or the hot overall cost.
ChartData Computed(const char* analysis, int sizes) {
  AppState s = BenchState(QCoreApplication::applicationDirPath());
  s.settings.setUnitSystem(2);
  s.settings.setInteger(kSecChilled, "k_Const_PpSzFrom", 0);
  s.settings.setInteger(kSecChilled, "k_Const_PpSzTo", sizes - 1);
  s.settings.setInteger(kSecChilled, "k_Const_RHFrom", 0);
  s.settings.setInteger(kSecChilled, "k_Const_RHTo", 9);
  s.settings.setText(kSecHot, "OvallCst_Thc", "100");
  return ComputeChart(*FindAnalysis(analysis), s).data;
}

ChartData MultiCurve() {
  return Computed("chilled.kconst", 16);
}

ChartData OverallCost() {
  return Computed("hot.overall", 0);
}

// The R-value graph over every tube of the shipped SI table and all nominal thicknesses.
ChartData RValueGraph() {
  AppState s = BenchState(QCoreApplication::applicationDirPath());
  s.settings.setUnitSystem(2);
  s.settings.setInteger(kSecRValue, "IDFrom", 0);
  s.settings.setInteger(kSecRValue, "IDTo", int(NonEmpty(s.insul.tube[1][0]).size()) - 1);
  s.settings.setInteger(kSecRValue, "ThFrom", 0);
  s.settings.setInteger(kSecRValue, "ThTo", int(NonEmpty(s.insul.sheet[1][0]).size()) - 1);
  return ComputeChart(*FindAnalysis("rvalue.kconst"), s).data;
}

void Run(benchmark::State& st, const ChartData& chart) {
  QTemporaryDir out;
  // The shipped data (pictures, language files, tables) next to the benchmark.
  const AppState state = BenchState(QCoreApplication::applicationDirPath());
  const QString file = out.filePath("page.pdf");
  for (auto _ : st) {
    if (!WriteChartPdf(chart, state, file)) st.SkipWithError("PDF not written");
  }
}

void BM_PrintPipeSizeGraphToPdf(benchmark::State& st) {
  Run(st, MultiCurve());
}
void BM_PrintOverallCostToPdf(benchmark::State& st) {
  Run(st, OverallCost());
}

BENCHMARK(BM_PrintPipeSizeGraphToPdf)->Unit(benchmark::kMillisecond);
void BM_PrintRValueGraphToPdf(benchmark::State& st) {
  Run(st, RValueGraph());
}

BENCHMARK(BM_PrintOverallCostToPdf)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintRValueGraphToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
