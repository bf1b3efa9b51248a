// Pixel rules of the shared chart conventions: pipe-size columns, label rows, legend places.
#include <gtest/gtest.h>

#include <sstream>

#include "charts/chart_conventions.h"
#include "charts/chart_layout.h"
#include "model/language.h"
#include "toolkit/recording_canvas.h"

namespace qora {
namespace {

TEST(PipeSizeAxis, ColumnsSpreadEvenlyAndASingleSizeSitsInTheMiddle) {
  // 400 pixels over sizes 3..7: 100 each.
  EXPECT_EQ(SizeColumnX(3, 3, 7, 400), 0);
  EXPECT_EQ(SizeColumnX(4, 3, 7, 400), 100);
  EXPECT_EQ(SizeColumnX(7, 3, 7, 400), 400);
  // 400 / 3 = 133.33 -> 133, 266.67 -> 267
  EXPECT_EQ(SizeColumnX(2, 1, 4, 400), 133);
  EXPECT_EQ(SizeColumnX(3, 1, 4, 400), 267);
  // from = to: no scale to divide by; the size is centred.
  EXPECT_EQ(SizeColumnX(5, 5, 5, 400), 200);
  EXPECT_EQ(SizeColumnX(5, 5, 5, 401), 200);  // 200.5 -> 200
}

// The y anchors of the size names drawn for sizes from..to.
std::vector<int> NameRows(int from, int to) {
  const LanguageTexts lang = BuiltinLanguageTexts();
  std::vector<QString> names;
  for (int i = 1; i <= 40; ++i) names.push_back(QString("S%1").arg(i));
  RecordingCanvas canvas(QSizeF(800, 470));
  const ChartGeometry g = ScreenChartGeometry(LayoutFromScreen(800), ChartKind::Grid);
  DrawPipeSizeAxis(canvas, g, lang, from, to, names);
  std::vector<int> ys;
  std::istringstream in(canvas.log());
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("text ", 0) != 0) continue;
    std::istringstream f(line.substr(5));
    double x = 0, y = 0, w = 0, h = 0;
    std::string text, sizeWord;
    f >> x >> y >> text >> sizeWord >> w >> h;
    ys.push_back(static_cast<int>(y));  // top of the text (anchor code 0)
  }
  return ys;
}

TEST(PipeSizeAxis, ElevenNamesShareOneRowTwelveAlternate) {
  const std::vector<int> eleven = NameRows(1, 11);
  ASSERT_EQ(eleven.size(), 11u);
  for (int y : eleven) EXPECT_EQ(y, 392 + 8);
  const std::vector<int> twelve = NameRows(1, 12);
  ASSERT_EQ(twelve.size(), 12u);
  for (size_t i = 0; i < twelve.size(); ++i) {
    const int size = static_cast<int>(i) + 1;
    EXPECT_EQ(twelve[i], size % 2 == 0 ? 392 + 8 : 392 + 24) << size;
  }
}

TEST(Legend, PlacesFollowTheListPositionInBothDirections) {
  const ChartGeometry g = ScreenChartGeometry(LayoutFromScreen(800), ChartKind::Grid);
  // x1 + round(640/30) = 560 + 21; step round(640/26) = 25
  for (int c : {1, 3, 10}) {
    const ChartPoint up = LegendPlace(g, LegendDirection::Upward, c);
    const ChartPoint down = LegendPlace(g, LegendDirection::Downward, c);
    EXPECT_EQ(up.x, 581);
    EXPECT_EQ(up.y, 392 - 25 * c);
    EXPECT_EQ(down.x, 581);
    EXPECT_EQ(down.y, 98 + 25 * c);
  }
}

TEST(ValuePixels, GridTruncatesCurvesRoundAndDegenerateAxesStayFinite) {
  EXPECT_EQ(GridPixelY(1.99, 4, 100), 49);       // 49.75 truncated
  EXPECT_EQ(ScalePixel(1.99, 0, 4, 100), 50);    // rounded
  EXPECT_EQ(ScalePixel(12.5, 10, 30, 317), 40);  // 39.625
  EXPECT_EQ(GridPixelY(1, 0, 100), 0);
  EXPECT_EQ(ScalePixel(5, 5, 5, 100), 0);
  EXPECT_EQ(ScalePixel(1e30L, 0, 1, 100), 1000000);  // clamped, no overflow
}

}  // namespace
}  // namespace qora
