// The read-out point: nearest plotted point within 10 pixels, shown within 6, first visited
// wins ties; overall-cost charts visit only stocked points inside the box.
#include <gtest/gtest.h>

#include "charts/chart_drawers.h"
#include "charts/chart_readout.h"
#include "model/app_state.h"

namespace qora {
namespace {

const AxesRect kBox{100, 50, 300, 450};  // x0, y0, y1, x1

ChartData CurveChart() {
  ChartData d;
  d.analysis = AnalysisId::ChilledTsurf;
  d.unitSystem = 2;
  return d;
}

TEST(Readout, DistanceSixShowsSevenHidesTenIsNotFound) {
  PixelTables p;
  p.pointX.fill(-1000);  // every other point far away
  p.pointY.fill(-1000);
  p.pointX[5] = 50;
  p.pointY[5] = 40;  // picture (150, 260)
  const ChartData d = CurveChart();
  struct Case {
    int mx, my;
    bool found, shown;
    int distance;
  };
  const Case cases[] = {
      {150, 260, true, true, 0},  {156, 260, true, true, 6},
      {150, 267, true, false, 7}, {155, 264, true, true, 6},  // sqrt(41) = 6.40 -> 6
      {155, 265, true, false, 7},                             // sqrt(50) = 7.07 -> 7
      {159, 260, true, false, 9}, {160, 260, false, false, 10},
  };
  for (const Case& c : cases) {
    const ReadoutHit hit = NearestPoint(d, p, kBox, c.mx, c.my);
    EXPECT_EQ(hit.found, c.found) << c.mx << "," << c.my;
    EXPECT_EQ(ReadoutShown(hit), c.shown) << c.mx << "," << c.my;
    if (c.found) {
      EXPECT_EQ(hit.distance, c.distance);
      EXPECT_EQ(hit.index, 5);
      EXPECT_EQ(hit.x, 150);
      EXPECT_EQ(hit.y, 260);
    }
  }
}

TEST(Readout, FirstVisitedWinsAmongEquallyNearPoints) {
  PixelTables p;
  p.pointX.fill(-1000);
  p.pointY.fill(-1000);
  p.pointX[7] = 10;  // (110, 300)
  p.pointX[3] = 14;  // (114, 300), visited first
  p.pointY[7] = 0;
  p.pointY[3] = 0;
  const ReadoutHit hit = NearestPoint(CurveChart(), p, kBox, 112, 300);
  ASSERT_TRUE(hit.found);
  EXPECT_EQ(hit.distance, 2);
  EXPECT_EQ(hit.index, 3);
}

TEST(Readout, GridVisitsOnlyTheSelectedRanges) {
  ChartData d;
  d.analysis = AnalysisId::ChilledKConst;
  d.curveFrom = 3;
  d.curveTo = 4;
  d.sizeFrom = 2;
  d.sizeTo = 5;
  PixelTables p;
  p.columnX.fill(300);
  p.columnX[0] = 0;  // size 1 outside the range, at the mouse
  p.cellY[0][0] = 0;
  p.columnX[2] = 30;  // size 3
  p.cellY[3][2] = 20;
  const ReadoutHit hit = NearestPoint(d, p, kBox, 100, 300);
  EXPECT_FALSE(hit.found);
  const ReadoutHit near = NearestPoint(d, p, kBox, 131, 281);
  ASSERT_TRUE(near.found);
  EXPECT_EQ(near.curve, 4);
  EXPECT_EQ(near.index, 3);
  EXPECT_EQ(near.distance, 1);
}

TEST(Readout, OverallSkipsPointsOutsideTheBox) {
  ChartData d;
  d.analysis = AnalysisId::ChilledOverall;
  PixelTables p;
  p.stockX.fill(kOutsideBox);
  p.stockX[0] = 20;
  p.stockEnergyY[0] = kOutsideBox;  // above the box
  p.stockInsulationY[0] = 10;
  p.stockTotalY[0] = 10;  // same place as insulation: insulation is visited first
  EXPECT_FALSE(NearestPoint(d, p, kBox, 120, 300 - kOutsideBox).found);
  const ReadoutHit hit = NearestPoint(d, p, kBox, 120, 290);
  ASSERT_TRUE(hit.found);
  EXPECT_EQ(hit.series, 1);
  EXPECT_EQ(hit.index, 0);
}

TEST(Readout, TextsCarryTheDecimalsAndUnitsOfTheUnitSystem) {
  AppState state;
  state.settings.setText(kSecParams, "currency", "$");
  state.lang.msg[21] = "/year";
  ReadoutHit hit;
  hit.found = true;
  hit.index = 3;

  ChartData si = CurveChart();
  si.curveX[3] = 12.5;
  si.curveY[3] = 15.26;
  EXPECT_EQ(ReadoutText(si, state, hit).toStdString(), "13 mm.=15°C");  // 12.5 away from 0

  ChartData ip = CurveChart();
  ip.unitSystem = 1;
  ip.curveX[3] = 0.125;
  ip.curveY[3] = 59.46;
  EXPECT_EQ(ReadoutText(ip, state, hit).toStdString(), "0.13 in.=59.5°F");

  ChartData cost;
  cost.analysis = AnalysisId::ChilledEnergyCost;
  cost.unitSystem = 2;
  cost.curveX[3] = 20;
  cost.curveE[3] = 7.25;
  EXPECT_EQ(ReadoutText(cost, state, hit).toStdString(), "20 mm.=7.3 $/m./year");

  ChartData grid;
  grid.analysis = AnalysisId::ChilledKConst;
  grid.unitSystem = 1;
  grid.chartResults[1][4] = 0.4061;
  hit.curve = 2;
  hit.index = 5;
  EXPECT_EQ(ReadoutText(grid, state, hit).toStdString(), " 0.41 in.");

  ChartData overall;
  overall.analysis = AnalysisId::ChilledOverall;
  overall.unitSystem = 1;
  overall.stockTotalCost[5] = 31.94;
  hit.series = 2;
  EXPECT_EQ(ReadoutText(overall, state, hit).toStdString(),
            "0.98 in.=31.9 $/ft./year");  // 25 mm = 0.984 in
  overall.unitSystem = 2;
  EXPECT_EQ(ReadoutText(overall, state, hit).toStdString(), "25 mm.=31.9 $/m./year");
}

}  // namespace
}  // namespace qora
