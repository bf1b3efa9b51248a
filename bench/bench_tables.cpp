// The table behind a chart: the preview sheet of the largest table (40 pipe sizes by 10
// list positions) drawn as the dialog shows it, and the printed table written as a PDF,
// reported per page.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "analyses/analysis_registry.h"
#include "charts/analysis_table.h"
#include "model/app_state.h"
#include "print/table_preview.h"
#include "print/table_printout.h"

namespace {

using namespace qora;

AppState BenchState() {
  AppState s;
  LoadProgramState(s, QCoreApplication::applicationDirPath());
  s.settings.setUnitSystem(1);
  s.settings.setInteger(kSecChilled, "k_Const_PpSzFrom", 0);
  s.settings.setInteger(kSecChilled, "k_Const_RHFrom", 0);
  s.settings.setInteger(kSecChilled, "k_Const_RHTo", 9);
  return s;
}

// The widest size range the shipped table accepts, with every humidity: the most cells.
DataTable LargestTable(AppState& s) {
  for (int to = 39; to > 0; --to) {
    s.settings.setInteger(kSecChilled, "k_Const_PpSzTo", to);
    const ComputeResult r = ComputeChart(*FindAnalysis("chilled.kconst"), s);
    if (r.drawn) return AnalysisTable(r.data, s);
  }
  return {};
}

void BM_PreviewLargestTable(benchmark::State& st) {
  AppState s = BenchState();
  const DataTable t = LargestTable(s);
  if (t.blocks.empty()) st.SkipWithError("no table: the shipped data is not beside the benchmark");
  for (auto _ : st) benchmark::DoNotOptimize(RenderTablePreview(t, s));
  if (!t.blocks.empty()) st.counters["rows"] = static_cast<double>(t.blocks[0].rows.size());
}

void BM_PrintLargestTablePerPage(benchmark::State& st) {
  AppState s = BenchState();
  const DataTable t = LargestTable(s);
  if (t.blocks.empty()) st.SkipWithError("no table: the shipped data is not beside the benchmark");
  const int pages = static_cast<int>(PaginateTable(t, PageTableGeometry()).size());
  QTemporaryDir out;
  const QString file = out.filePath("table.pdf");
  for (auto _ : st) {
    if (!WriteTablePdf(t, s, file)) st.SkipWithError("PDF not written");
  }
  // Time per printed page: the job's time over its pages.
  st.counters["pages"] = pages;
  st.counters["ms_per_page"] = benchmark::Counter(
      pages / 1000.0, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(BM_PreviewLargestTable)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PrintLargestTablePerPage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
