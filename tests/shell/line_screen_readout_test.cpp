// The read-out point on its own: which point is found for a mouse position, and where the
// marker and its label go.
#include <gtest/gtest.h>

#include "model/app_state.h"
#include "shell/line_screen_readout.h"

namespace qora {
namespace {

// A surface-temperature chart (one curve, axes box of mode 2) at 800 pixels with two
// points 10 pixels apart and every other point far away.
struct ReadoutTest : ::testing::Test {
  AppState state;
  ChartData data;
  PixelTables px;
  ChartLayout layout = LayoutFromScreen(800);
  AxesRect box = *AxesBox(layout, 2);

  ReadoutTest() {
    data.analysis = AnalysisId::ChilledTsurf;
    data.unitSystem = 2;
    for (int i = 0; i < 41; ++i) {
      px.pointX[i] = 300;
      px.pointY[i] = 300;
      data.curveX[i] = 99;
      data.curveY[i] = 99;
    }
    px.pointX[4] = 100, px.pointY[4] = 50, data.curveX[4] = 20, data.curveY[4] = 18.4L;
    px.pointX[5] = 110, px.pointY[5] = 50, data.curveX[5] = 25, data.curveY[5] = 19.6L;
  }
  // Picture pixels of a point given relative to the axes box (y upward from its bottom).
  QPoint at(int x, int y) const { return QPoint(box.x0 + x, box.y1 - y); }
};

TEST_F(ReadoutTest, SixPixelsAwayShowsSevenHides) {
  const struct {
    QPoint mouse;
    bool shown;
  } cases[] = {
      {QPoint(100, 56), true},   // straight above point 4 by 6
      {QPoint(100, 57), false},  // by 7
      {QPoint(96, 54), true},    // sqrt(32) = 5.66 rounds to 6
      {QPoint(95, 55), false},   // sqrt(50) = 7.07 rounds to 7
  };
  for (const auto& c : cases) {
    const Readout r = FindReadout(data, px, layout, state, at(c.mouse.x(), c.mouse.y()));
    EXPECT_EQ(r.shown, c.shown) << c.mouse.x() << "," << c.mouse.y();
    if (c.shown) {
      EXPECT_EQ(r.point, at(100, 50));
      EXPECT_EQ(r.text, "20 mm.=18°C");
    }
  }
}

TEST_F(ReadoutTest, AmongEquallyNearPointsTheFirstVisitedWins) {
  const Readout tie = FindReadout(data, px, layout, state, at(105, 50));
  ASSERT_TRUE(tie.shown);
  EXPECT_EQ(tie.point, at(100, 50));
  // One pixel nearer point 5 and it wins.
  const Readout nearer = FindReadout(data, px, layout, state, at(106, 50));
  EXPECT_EQ(nearer.point, at(110, 50));
  EXPECT_EQ(nearer.text, "25 mm.=20°C");
}

TEST(ReadoutPlacement, MarkerCentredOnThePointLabelCentredAboveIt) {
  // Picture at (2, 28) of the screen: a 26-pixel title and the 2-pixel margin.
  const ReadoutPlacement p = PlaceReadout(QPoint(100, 200), QPoint(2, 28), QSize(61, 16));
  EXPECT_EQ(p.marker, QRect(96, 222, 12, 12));
  // Centre x 102 less half of 61 (30.5 rounds to 30); top 228 - round(24) = 204.
  EXPECT_EQ(p.label, QRect(72, 204, 61, 16));
  const ReadoutPlacement odd = PlaceReadout(QPoint(0, 0), QPoint(0, 0), QSize(10, 15));
  EXPECT_EQ(odd.label.top(), -22);  // 1.5 * 15 = 22.5 rounds to even
}

}  // namespace
}  // namespace qora
