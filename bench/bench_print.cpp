// One graph printout written as a PDF page: frame pictures, heading, plot and curves, the
// whole job as the print-to-folder mode runs it.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>
#include <cmath>

#include "charts/chart_data.h"
#include "model/app_state.h"
#include "print/print_job.h"

namespace {

using namespace qora;

AppState BenchState(const QString& dataDir) {
  AppState s;
  LoadProgramState(s, dataDir);
  return s;
}

ChartData MultiCurve() {
  ChartData c;
  c.analysis = AnalysisId::ChilledKConst;
  c.unitSystem = 2;
  c.sizeFrom = 1, c.sizeTo = 16;
  c.curveFrom = 1, c.curveTo = 10;
  for (int s = 0; s < 10; ++s) {
    for (int i = 0; i < 16; ++i) c.chartResults[s][i] = 5 + s + 0.5L * i;
  }
  return c;
}

ChartData OverallCost() {
  ChartData c;
  c.analysis = AnalysisId::HotOverall;
  c.unitSystem = 2;
  for (int i = 0; i <= 40; ++i) {
    c.curveX[i] = 2.5L * i;
    c.curveE[i] = 10 / (1 + i / 8.0L);
  }
  const int mm[] = {3, 6, 10, 13, 20, 25, 32, 38, 44, 50, 56, 63, 70, 75, 100};
  for (int n = 0; n < 15; ++n) {
    c.stockEnergyCost[n] = 10 / (1 + mm[n] / 20.0L);
    c.stockInsulationCost[n] = 0.5L + 0.08L * mm[n];
    c.stockTotalCost[n] = c.stockEnergyCost[n] + c.stockInsulationCost[n];
  }
  for (int r = 0; r < 10; ++r) c.chartResults[r][0] = 5 + 8 * r;
  c.economicThicknessName = " 25 mm.(    1\")";
  return c;
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
BENCHMARK(BM_PrintOverallCostToPdf)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
