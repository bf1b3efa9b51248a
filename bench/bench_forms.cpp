// The three single-answer forms: one compute each (as every input change runs it) from the
// shipped settings and tables, and one printout of each written as a PDF page.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QTemporaryDir>

#include "analyses/other/form_def.h"
#include "model/app_state.h"
#include "print/form_printout.h"

namespace {

using namespace qora;

const AppState& ShippedState() {
  static const AppState state = [] {
    AppState s;
    // The shipped data (settings, tables, pictures, language files) next to the benchmark.
    LoadProgramState(s, QCoreApplication::applicationDirPath());
    s.settings.setText(kSecStorage, "Time-hr", "48");
    return s;
  }();
  return state;
}

void BM_FormCompute(benchmark::State& st, FormId id) {
  const AppState& state = ShippedState();
  const FormDef& def = FormOf(id);
  for (auto _ : st) {
    FormResult r = def.compute(state);
    benchmark::DoNotOptimize(r);
  }
}

void BM_FormPrintToPdf(benchmark::State& st, FormId id) {
  QTemporaryDir out;
  const AppState& state = ShippedState();
  const FormDef& def = FormOf(id);
  const FormResult result = def.compute(state);
  const QString file = out.filePath("page.pdf");
  for (auto _ : st) {
    if (!WriteFormPdf(def, result, state, file)) st.SkipWithError("PDF not written");
  }
}

BENCHMARK_CAPTURE(BM_FormCompute, duct, FormId::Duct)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FormCompute, operating, FormId::Operating)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FormCompute, storage, FormId::Storage)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_FormPrintToPdf, duct, FormId::Duct)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FormPrintToPdf, operating, FormId::Operating)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_FormPrintToPdf, storage, FormId::Storage)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
