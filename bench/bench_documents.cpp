// The reference pages as the screen draws them (both passes, the section files read and the
// pictures decoded each time, as every tab change does) and the printed catalogue page as
// a PDF. The longest chapter of all three documents is found first and drawn at 1920 px.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include "documents/document_render.h"
#include "documents/measure_canvas.h"
#include "documents/page_sources.h"
#include "model/app_state.h"
#include "print/catalogue_printout.h"

namespace {

using namespace qora;

constexpr int kScreen = 1920;

const AppState& State() {
  static const AppState state = [] {
    AppState s;
    LoadProgramState(s, QCoreApplication::applicationDirPath());
    return s;
  }();
  return state;
}

struct Chapter {
  DocumentKind kind;
  int tab;
  double height;
};

Chapter Longest() {
  Chapter best{DocumentKind::Catalogue, 0, 0};
  for (DocumentKind kind :
       {DocumentKind::Catalogue, DocumentKind::Appendix, DocumentKind::Conversion}) {
    for (int tab = 0; tab < ChapterCount(kind); ++tab) {
      PageSources src(State());
      MeasureCanvas m(QSizeF(PageWidthForScreen(kScreen), 30000));
      const double h = RenderDocumentPage(m, src, kind, tab, kScreen);
      if (h > best.height) best = {kind, tab, h};
    }
  }
  return best;
}

void Draw(benchmark::State& st, DocumentKind kind, int tab) {
  for (auto _ : st) {
    const QImage page =
        RenderDocumentImage(State(), kind, tab, kScreen, PageWidthForScreen(kScreen));
    benchmark::DoNotOptimize(page.constBits());
  }
}

void BM_LongestChapterAt1920(benchmark::State& st) {
  static const Chapter c = Longest();
  st.SetLabel(QStringLiteral("document %1 tab %2, %3 px tall")
                  .arg(int(c.kind))
                  .arg(c.tab)
                  .arg(c.height)
                  .toStdString());
  Draw(st, c.kind, c.tab);
}
void BM_CatalogueReferenceProjectsAt1920(benchmark::State& st) {
  Draw(st, DocumentKind::Catalogue, 6);  // ten pictures
}
void BM_AppendixConvectionChartAt1920(benchmark::State& st) {
  Draw(st, DocumentKind::Appendix, 5);
}
void BM_ConversionTemperatureTableAt1920(benchmark::State& st) {
  Draw(st, DocumentKind::Conversion, 14);
}

void BM_CataloguePrintoutToPdf(benchmark::State& st) {
  QTemporaryDir out;
  const QString file = out.filePath("page.pdf");
  const int tab = int(st.range(0));
  for (auto _ : st) {
    if (!WriteCataloguePdf(State(), tab, file)) st.SkipWithError("PDF not written");
  }
}

BENCHMARK(BM_LongestChapterAt1920)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_CatalogueReferenceProjectsAt1920)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_AppendixConvectionChartAt1920)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_ConversionTemperatureTableAt1920)->Unit(benchmark::kMillisecond);
// The reference projects (ten pictures), the imperial packing tables, the map.
BENCHMARK(BM_CataloguePrintoutToPdf)->Arg(6)->Arg(7)->Arg(9)->Unit(benchmark::kMillisecond);

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
