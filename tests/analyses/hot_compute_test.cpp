// The eight hot-water computations against hand calculations (SI state of hot_test_state.h:
// Tdb 20 °C, Top 80 °C, ha 10 W/(m²·K), k 0.04 W/(m·K), pipe 60.3 mm unless stated).
#include <gtest/gtest.h>

#include "analyses/hot/hot_compute.h"
#include "engine/standard_thickness.h"
#include "hot_test_state.h"
#include "test_support.h"

namespace qora {
namespace {

using test::HotSiState;

void ExpectAxis(const AxisRange& a, Real lo, Real hi, Real step) {
  EXPECT_REAL_NEAR(a.lo, lo, 1e-9);
  EXPECT_REAL_NEAR(a.hi, hi, 1e-9);
  EXPECT_REAL_NEAR(a.step, step, 1e-9);
}

// Thickness for surface temperature ts: x = (ts − Top)·k / ((Tdb − ts)·h)·1000 mm, then
// r2·ln(r2 / r1) = x solved to 0.001 mm.
TEST(HotThicknessCharts, ConstantKCurvesPerSurfaceTemperature) {
  const ComputeResult r = hot::ComputeKConst(HotSiState());
  ASSERT_TRUE(r.drawn) << r.refusal;
  const auto& g = r.data.chartResults;
  // ts 40: x = 8 mm; ts 45: x = 5.6 mm; sizes 33.7, 42.4, 48.3, 60.3 mm (positions 3..6).
  const Real expected[2][4] = {{6.786820, 6.964157, 7.056868, 7.201295},
                               {4.938234, 5.042830, 5.096509, 5.178719}};
  for (int row = 0; row < 2; ++row) {
    for (int col = 0; col < 4; ++col) {
      EXPECT_REAL_NEAR(g[row][col + 2], expected[row][col], 1e-3);
    }
  }
  EXPECT_EQ(g[0][1], 0);  // size 2 is outside the range
  EXPECT_EQ(g[0][6], 0);  // so is size 7
  EXPECT_EQ(g[2][3], 0);  // and the third surface temperature
  EXPECT_EQ(r.data.curveFrom, 1);
  EXPECT_EQ(r.data.curveTo, 2);
  // 1.1 × 7.2013 = 7.92: step 1, centre 3.96 cut to 3, limits 0 … 8.
  ExpectAxis(r.data.yAxis, 0, 8, 1);
}

TEST(HotThicknessCharts, ConstantSurfaceTemperatureOneSizeCurvesPerK) {
  const ComputeResult r = hot::ComputeTConst(HotSiState());
  ASSERT_TRUE(r.drawn) << r.refusal;
  EXPECT_EQ(r.data.sizeFrom, 6);
  EXPECT_EQ(r.data.sizeTo, 6);
  // ts 40 °C, k 0.035 / 0.04 / 0.045: x = 7, 8, 9 mm on the 60.3 mm pipe.
  EXPECT_REAL_NEAR(r.data.chartResults[0][5], 6.370020, 1e-3);
  EXPECT_REAL_NEAR(r.data.chartResults[1][5], 7.201295, 1e-3);
  EXPECT_REAL_NEAR(r.data.chartResults[2][5], 8.017601, 1e-3);
  EXPECT_EQ(r.data.chartResults[3][5], 0);
  ExpectAxis(r.data.yAxis, 0, 9, 1);  // 1.1 × 8.0176 = 8.82
}

TEST(HotThicknessCharts, TypedConstantReplacesTheListEntry) {
  AppState s = HotSiState();
  s.settings.setInteger(kSecHot, "k_Const_k", -1);  // the typed value names no list entry
  s.settings.setText(kSecHot, "k_Const_kTyped", "0.045");
  ComputeResult r = hot::ComputeKConst(s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  // ts 40 °C with k 0.045: x = 9 mm on the 60.3 mm pipe (size position 6).
  EXPECT_REAL_NEAR(r.data.chartResults[0][5], 8.017601, 1e-3);

  s.settings.setText(kSecHot, "k_Const_kTyped", "abc");
  EXPECT_EQ(hot::ComputeKConst(s).refusal, "k-not-positive");
  s.settings.setText(kSecHot, "k_Const_kTyped", "");
  EXPECT_EQ(hot::ComputeKConst(s).refusal, "k-not-selected");

  AppState t = HotSiState();
  t.settings.setInteger(kSecHot, "T_Const_Tsuf", -1);
  t.settings.setText(kSecHot, "T_Const_TsufTyped", "45");
  r = hot::ComputeTConst(t);
  ASSERT_TRUE(r.drawn) << r.refusal;
  // ts 45 °C, k 0.04: x = 5.6 mm on the 60.3 mm pipe.
  EXPECT_REAL_NEAR(r.data.chartResults[1][5], 5.178719, 1e-3);
}

TEST(HotThicknessCharts, UnitSwitchKeepsListPositions) {
  // The same positions now name the inch-pound rows: 104 and 113 °F, k 0.243, 2.375 in.
  AppState s = HotSiState();
  s.settings.setUnitSystem(1);
  s.settings.setText(kSecHot, "Tdb", "68");
  s.settings.setText(kSecHot, "Top", "176");
  s.settings.setText(kSecHot, "Hair", "1.761");
  const ComputeResult r = hot::ComputeKConst(s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  // x = (104 − 176)·0.243 / ((68 − 104)·1.761) = 0.27598 in on r1 = 1.1875 in (the
  // bisection stops within 0.001 in); 113 °F: x = 0.19319 in.
  EXPECT_REAL_NEAR(r.data.chartResults[0][5], 0.251123, 1e-3);
  EXPECT_REAL_NEAR(r.data.chartResults[1][5], 0.180162, 1e-3);
  EXPECT_EQ(r.data.unitSystem, 1);
}

TEST(HotTemperatureCharts, SurfaceTemperatureFallsFromTopTowardTdb) {
  const ComputeResult r = hot::ComputeTsurf(HotSiState());
  ASSERT_TRUE(r.drawn) << r.refusal;
  const ChartData& d = r.data;
  EXPECT_EQ(d.curveX[0], 0);
  EXPECT_EQ(d.curveY[0], 80);
  // Ts = (Leq·h·Tdb + k·Top) / (Leq·h + k), Leq = r2·ln(r2 / 30.15) in metres.
  EXPECT_REAL_NEAR(d.curveX[20], 20, 1e-12);
  EXPECT_REAL_NEAR(d.curveY[20], 28.130631, 1e-5);
  EXPECT_REAL_NEAR(d.curveY[40], 23.795173, 1e-5);
  for (int i = 1; i <= 40; ++i) EXPECT_LT(d.curveY[i], d.curveY[i - 1]) << i;
  // The axis ends exactly at 40 mm; ticks every 5. Vertical 16 … 88 rounds to 10 … 90.
  ExpectAxis(d.xAxis, 0, 40, 5);
  ExpectAxis(d.yAxis, 10, 90, 10);
}

TEST(HotTemperatureCharts, AlongTheLineFromTheInlet) {
  const ComputeResult r = hot::ComputeTline(HotSiState());
  ASSERT_TRUE(r.drawn) << r.refusal;
  // 20 mm on 60.3 mm, 0.5 m³/h: x = A·k·h / (ṁ·4186·(0.001·Leq·h + k)).
  EXPECT_EQ(r.data.curveY[0], 80);
  EXPECT_REAL_NEAR(r.data.curveX[20], 50, 1e-12);
  EXPECT_REAL_NEAR(r.data.curveY[20], 77.836641, 1e-5);
  EXPECT_REAL_NEAR(r.data.curveY[40], 75.751284, 1e-5);
  ExpectAxis(r.data.xAxis, 0, 100, 10);
}

TEST(HotTemperatureCharts, OverTimeFirstPointComputedAndEqualToTop) {
  const ComputeResult r = hot::ComputeTtime(HotSiState());
  ASSERT_TRUE(r.drawn) << r.refusal;
  EXPECT_EQ(r.data.curveX[0], 0);
  EXPECT_EQ(r.data.curveY[0], 80);
  // t = Tdb + (Top − Tdb)·e^(−x), x = 7.2e6·hours·r2·k·h / (ri²·1000·4186·(Leq'·h + k)).
  EXPECT_REAL_NEAR(r.data.curveX[20], 6, 1e-12);
  EXPECT_REAL_NEAR(r.data.curveY[20], 41.682972, 1e-5);
  EXPECT_REAL_NEAR(r.data.curveY[40], 27.835854, 1e-5);
  ExpectAxis(r.data.xAxis, 0, 12, 2);
}

TEST(HotTemperatureCharts, OneHourInFortySteps) {
  AppState s = HotSiState();
  s.settings.setInteger(kSecHot, "TtimeHr", 1);
  const ComputeResult r = hot::ComputeTtime(s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  EXPECT_REAL_NEAR(r.data.curveX[1], 0.025, 1e-12);  // 1.5 minutes
  EXPECT_REAL_NEAR(r.data.xAxis.hi, 1, 1e-12);
}

TEST(HotTemperatureCharts, RangeContainsBothTemperaturesBelowZero) {
  // Tdb −30, Top −10: 1.1·Top = −11 would cut the line off. The one temperature rule takes
  // margins of the warmer temperature's magnitude: −30 − 0.5 … −10 + 1, rounded to −35 … −5.
  AppState s = HotSiState();
  s.settings.setText(kSecHot, "Tdb", "-30");
  s.settings.setText(kSecHot, "Top", "-10");
  const ComputeResult r = hot::ComputeTsurf(s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  ExpectAxis(r.data.yAxis, -35, -5, 5);
}

// Bare pipe: q = (Top − Tdb)·h·π·D / 1000 = 60·10·π·0.0603 = 113.663 W/m.
TEST(HotLossCharts, FirstPointIsTheBarePipesLoss) {
  const ComputeResult r = hot::ComputeHeatLoss(HotSiState());
  ASSERT_TRUE(r.drawn) << r.refusal;
  EXPECT_REAL_NEAR(r.data.curveE[0], 113.662822, 1e-5);
  EXPECT_REAL_NEAR(r.data.curveE[20], 25.619760, 1e-5);
  EXPECT_REAL_NEAR(r.data.curveE[40], 16.727810, 1e-5);
  // 1.1 × 113.66 = 125.03: step 20, limits 0 … 140.
  ExpectAxis(r.data.yAxis, 0, 140, 20);
  ExpectAxis(r.data.xAxis, 0, 40, 5);
}

TEST(HotLossCharts, CostPerMetreAndYear) {
  // 3.0 per kWh × 1600 h × q / 1000.
  const ComputeResult r = hot::ComputeHeatLossCost(HotSiState());
  ASSERT_TRUE(r.drawn) << r.refusal;
  EXPECT_REAL_NEAR(r.data.curveE[0], 545.581547, 1e-4);
  EXPECT_REAL_NEAR(r.data.curveE[40], 80.293487, 1e-4);
}

TEST(HotLossCharts, InchPoundCostIsPerFoot) {
  AppState s = HotSiState();
  s.settings.setUnitSystem(1);
  // DN50 in inches: 2.375 in outside.
  s.params.kHot[0][1] = "0.28";
  s.settings.setText(kSecHot, "Tdb", "68");
  s.settings.setText(kSecHot, "Top", "176");
  s.settings.setText(kSecHot, "Hair", "1.761");
  const ComputeResult r = hot::ComputeHeatLossCost(s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  // q = 108 °F × 1.761 × 2π·1.1875/12 ft² = 118.2539 Btu/(h·ft) = 113.7741 W/m;
  // cost = 3 × 1600 × 113.7741 × 0.3048 / 1000 per foot.
  EXPECT_REAL_NEAR(r.data.curveE[0], 166.457056, 1e-4);
  // The same pipe in SI costs 545.58 per metre; per foot that is 166.36 (the unit factors
  // are rounded, so the two agree to about 0.1 %).
  EXPECT_REAL_NEAR(r.data.curveE[0], 545.581547 * 0.3048, 0.2);
}

TEST(HotLossCharts, PriceZeroGivesAFlatZeroCurve) {
  AppState s = HotSiState();
  s.settings.setInteger(kSecParams, "Source", 5);  // outside 1..4: price 0
  const ComputeResult r = hot::ComputeHeatLossCost(s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  for (Real v : r.data.curveE) EXPECT_EQ(v, 0);
  ExpectAxis(r.data.yAxis, 0, 0.0001, 0.0001);  // NiceScale(0, 0)
}

TEST(HotOverallCost, SurfaceTemperatureMarksInColumnOne) {
  const ComputeResult r = hot::ComputeOverall(HotSiState());
  ASSERT_TRUE(r.drawn) << r.refusal;
  const auto& g = r.data.chartResults;
  EXPECT_REAL_NEAR(g[0][0], 7.201295, 1e-3);  // 40 °C
  EXPECT_REAL_NEAR(g[1][0], 5.178719, 1e-3);  // 45 °C
  for (int row = 5; row < 10; ++row) EXPECT_EQ(g[row][0], 0) << "empty entry " << row;
  for (int row = 0; row < 10; ++row) EXPECT_EQ(g[row][1], 0);
}

TEST(HotOverallCost, StockedCostsAndTheCheapestThickness) {
  const ComputeResult r = hot::ComputeOverall(HotSiState());
  ASSERT_TRUE(r.drawn) << r.refusal;
  const ChartData& d = r.data;
  // Installed cost 300 at 10 mm, 8 % over 3 years: 300·0.08·1.259712/0.259712 = 116.410.
  EXPECT_REAL_NEAR(d.stockInsulationCost[2], 116.410054, 1e-5);
  // Energy at 10 mm: 3 × 1600 × 39.0600 W/m / 1000.
  EXPECT_REAL_NEAR(d.stockEnergyCost[2], 187.487852, 1e-4);
  EXPECT_REAL_NEAR(d.stockTotalCost[2], 187.5 + 116.4, 1e-9);
  EXPECT_REAL_NEAR(d.stockTotalCost[0], 335.8 + 38.8, 1e-9);
  EXPECT_REAL_NEAR(d.stockTotalCost[14], 48.5 + 582.1, 1e-9);
  // Totals 374.6, 325.4, 303.9, 315.6, ...: 10 mm is the cheapest.
  EXPECT_EQ(d.economicThicknessName, InsulThicknessNames[2]);
  ExpectAxis(d.xAxis, 0, 100, 10);
}

TEST(HotOverallCost, EqualTotalsNameTheThinner) {
  AppState s = HotSiState();
  s.settings.setInteger(kSecParams, "Source", 5);  // no energy cost: totals = insulation
  const Real installed[15] = {900,  800,  300,  700,  300,  1000, 1000, 1000,
                              1000, 1000, 1000, 1000, 1000, 1000, 1000};
  for (int j = 0; j < 15; ++j) s.costs.ips[5][j] = installed[j];
  const ComputeResult r = hot::ComputeOverall(s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  EXPECT_EQ(r.data.stockTotalCost[2], r.data.stockTotalCost[4]);
  EXPECT_EQ(r.data.economicThicknessName, InsulThicknessNames[2]);
}

TEST(HotOverallCost, SizeWithoutCostsIsEnergyAlone) {
  AppState s = HotSiState();
  s.costs.ips[5] = {};
  const ComputeResult r = hot::ComputeOverall(s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  EXPECT_REAL_NEAR(r.data.stockTotalCost[14], 48.5, 1e-9);
  EXPECT_EQ(r.data.economicThicknessName, InsulThicknessNames[14]);
}

}  // namespace
}  // namespace qora
