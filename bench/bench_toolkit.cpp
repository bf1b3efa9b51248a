// Drawing costs of the screen pictures: a full chart-sized redraw and one line of rich
// text.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>

#include "toolkit/draw.h"
#include "toolkit/image_canvas.h"

namespace {

using namespace qora;

// Clearing a 1920 × 1080 picture and drawing 500 lines, 100 texts and 50 markers: what a
// full-screen chart asks for on every change of an input. The lines are a chart's: 50 grid
// lines across the plot and 450 curve segments (nine 50-segment curves over 1800 pixels).
void BM_FullPictureRedraw(benchmark::State& state) {
  QImage img(1920, 1080, QImage::Format_RGB32);
  ImageCanvas pic(img);
  for (auto _ : state) {
    ClearPicture(pic, kWhite);
    SetPicPen(pic, kSilver, PenStyle::Solid, 1);
    for (int i = 0; i < 25; ++i) {
      PicLine(pic, 60, 60 + i * 38, 1860, 60 + i * 38, kSilver);
      PicLine(pic, 60 + i * 72, 60, 60 + i * 72, 1000, kSilver);
    }
    SetPicPen(pic, kBlack, PenStyle::Solid, 2);
    for (int c = 0; c < 9; ++c) {
      for (int i = 0; i < 50; ++i) {
        const double x = 60 + i * 36, y = 900 - c * 90 - i * (3 + c) % 140;
        PicLine(pic, x, y, x + 36, y - 4 - c, PaletteColor(c + 1));
      }
    }
    SetPicFont(pic, "Arial", 10, kRegular, kBlack);
    SetPicBrush(pic, kWhite, BrushStyle::Clear);
    for (int i = 0; i < 100; ++i) {
      PicText(pic, static_cast<HAlign>(i % 3), static_cast<VAlign>((i / 3) % 3),
              QStringLiteral("Label %1.5").arg(i), 60 + (i * 97) % 1800, 30 + (i * 41) % 1000);
    }
    SetPicBrush(pic, kRed, BrushStyle::Solid);
    for (int i = 0; i < 50; ++i) PicMarker(pic, 50 + i * 35, 500 + (i % 10) * 20, 4);
    benchmark::DoNotOptimize(img.constBits());
  }
}
BENCHMARK(BM_FullPictureRedraw)->Unit(benchmark::kMillisecond);

// One 80-character line of rich text with size, position and shadow codes.
void BM_RichTextLine(benchmark::State& state) {
  QImage img(1200, 100, QImage::Format_RGB32);
  ImageCanvas pic(img);
  ClearPicture(pic, kWhite);
  SetPicFont(pic, "Arial", 12, kRegular, kBlack);
  const QString line = QStringLiteral(
      R"(Heat flow 12.5 W/m\U2\U at 25 \Uo\UC, k = 0.035 W/(m K); R\Dsi\D = 0.1 m\U2\UK/W, for DN 50 pipe)");
  for (auto _ : state) PicRichText(pic, 10, 20, line);
}
BENCHMARK(BM_RichTextLine)->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
