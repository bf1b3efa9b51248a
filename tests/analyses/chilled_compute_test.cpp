// The chilled-water computations against worked examples and hand calculations, their
// refusals, and the sound behaviours at the edges.
#include <gtest/gtest.h>

#include <cmath>

#include "analyses/chilled/chilled_analyses.h"
#include "analysis_test_support.h"
#include "charts/chart_drawers.h"
#include "charts/chart_layout.h"
#include "engine/standard_thickness.h"
#include "test_support.h"
#include "toolkit/recording_canvas.h"

namespace qora::test {
namespace {

ComputeResult Compute(const std::string& cli, const AppState& s) {
  return ComputeChart(FindAnalysis(ChilledAnalyses(), cli), s);
}

// Tdb 25 °C, Top 10 °C, ha 9 W/(m²·K) typed in.
AppState SiState() {
  AppState s = FixedState(2);
  Set(s, "CHILLED-WATER.Tdb", "25.0");
  Set(s, "CHILLED-WATER.Top", "10.0");
  Set(s, "CHILLED-WATER.Hair", "9.0");
  return s;
}

TEST(ChilledKConst, SiExampleGivesTheCondensationThickness) {
  // 80 % RH (list position 6), k 0.035 (position 1), pipe DN50 with 60.3 mm (position 5):
  // dew point 21.31 °C, Leq = 0.035·11.307/(3.693·9) m = 11.907 mm, r2·ln(r2/30.15) =
  // 11.907 at r2 = 40.465 mm: 10.315 mm.
  AppState s = SiState();
  for (auto [k, v] : {std::pair{"k_Const_PpSzFrom", 5},
                      {"k_Const_PpSzTo", 5},
                      {"k_Const_RHFrom", 6},
                      {"k_Const_RHTo", 6},
                      {"k_Const_k", 1}}) {
    s.settings.setInteger(kSecChilled, KeyName::runtime(k), v);
  }
  const ComputeResult r = Compute("chilled.kconst", s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  EXPECT_REAL_NEAR(r.data.chartResults[6][5], 10.315L, 0.005L);
  // Everything outside the chosen ranges stays 0.
  EXPECT_EQ(r.data.chartResults[5][5], 0);
  EXPECT_EQ(r.data.chartResults[6][4], 0);
  // The y axis ends at the first round value at or above 1.1 × 10.315 = 11.35.
  EXPECT_EQ(r.data.yAxis.lo, 0);
  EXPECT_EQ(r.data.yAxis.hi, 12);
}

TEST(ChilledKConst, AUnitSwitchKeepsListPositionsAndThePhysicalAnswer) {
  // The same pipe, air and insulation in inch-pound units: 77 °F, 50 °F, ha 9 W/(m²·K) =
  // 1.585 Btu/(h·ft²·°F), k position 1 = 0.243 Btu·in/(h·ft²·°F), DN50 = 2.375 in:
  // Leq = 0.243·20.36/(6.64·1.585) = 0.470 in, r2 = 1.593 in, 0.406 in = 10.31 mm.
  AppState s = FixedState(1);
  Set(s, "CHILLED-WATER.Tdb", "77");
  Set(s, "CHILLED-WATER.Top", "50");
  Set(s, "CHILLED-WATER.Hair", "1.585");
  for (auto [k, v] : {std::pair{"k_Const_PpSzFrom", 3},
                      {"k_Const_PpSzTo", 5},
                      {"k_Const_RHFrom", 6},
                      {"k_Const_RHTo", 6},
                      {"k_Const_k", 1}}) {
    s.settings.setInteger(kSecChilled, KeyName::runtime(k), v);
  }
  const ComputeResult r = Compute("chilled.kconst", s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  EXPECT_EQ(r.data.unitSystem, 1);
  EXPECT_EQ(r.data.sizeFrom, 4);
  EXPECT_EQ(r.data.sizeTo, 6);
  EXPECT_REAL_NEAR(r.data.chartResults[6][5], 0.406L, 0.004L);
  EXPECT_GT(r.data.chartResults[6][3], 0);  // position 3 -> DN32 / 1-1/4
  EXPECT_EQ(r.data.chartResults[6][2], 0);
}

TEST(ChilledTsurf, StartsAtTopRisesTowardTdbAndTheAxisEndsAtTheMaximum) {
  AppState s = SiState();
  s.settings.setInteger(kSecChilled, "Tsurface_PpSz", 5);  // 60.3 mm
  s.settings.setInteger(kSecChilled, "Tsurface_RH", 6);    // 80 %
  s.settings.setInteger(kSecChilled, "Tsurface_k", 1);     // 0.035
  Set(s, "CHILLED-WATER.Tsurface_Thc", "40");
  const ComputeResult r = Compute("chilled.tsurf", s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  const ChartData& d = r.data;
  EXPECT_EQ(d.curveX[0], 0);
  EXPECT_EQ(d.curveY[0], 10);
  for (int n = 1; n <= 40; ++n) {
    EXPECT_GT(d.curveY[n], d.curveY[n - 1]) << n;
    EXPECT_LT(d.curveY[n], 25) << n;
    EXPECT_REAL_NEAR(d.curveX[n], n * 1.0L, 1e-12L);  // points every 1 mm
  }
  // 40 mm: r2 = 70.15, Leq = 70.15·ln(70.15/30.15) = 59.24 mm,
  // ts = (0.05924·9·25 + 0.035·10)/(0.05924·9 + 0.035) = 24.076 °C.
  EXPECT_REAL_NEAR(d.curveY[40], 24.0759L, 0.001L);
  EXPECT_REAL_NEAR(d.chartDewPoint, 21.31L, 0.01L);
  // NiceScale(0, 40) would give 0..45 in steps of 5; the axis keeps 0..40.
  EXPECT_EQ(d.xAxis.lo, 0);
  EXPECT_EQ(d.xAxis.hi, 40);
  EXPECT_EQ(d.xAxis.step, 5);
  // lo = 10 − 1.25 = 8.75, hi = 27.5 -> NiceScale 8..28 in steps of 2
  EXPECT_LE(d.yAxis.lo, 8.75L);
  EXPECT_GE(d.yAxis.hi, 27.5L);
}

TEST(ChilledEnergy, BarePipePointAndCostFollowTheHandCalculation) {
  AppState s = SiState();
  s.settings.setInteger(kSecChilled, "EInsTh_PpSz", 5);
  s.settings.setInteger(kSecChilled, "EInsTh_k", 1);
  Set(s, "CHILLED-WATER.EInsTh_Thc", "50");
  s.settings.setInteger(kSecChilled, "ECsInsTh_PpSz", 5);
  s.settings.setInteger(kSecChilled, "ECsInsTh_k", 1);
  Set(s, "CHILLED-WATER.ECsInsTh_Thc", "50");
  Set(s, "PARAMETERS.kWTR", "1.50");
  Set(s, "PARAMETERS.Source", "1");
  Set(s, "PARAMETERS.Elec-Cost", "3.0");
  Set(s, "PARAMETERS.HourofDay", "8");
  Set(s, "PARAMETERS.DayofYear", "200");
  // Bare pipe: q = 15 K · 9 W/(m²·K) · π · 0.0603 m = 25.574 W/m; × 1.5 × 0.284 = 10.895;
  // cost 3.0 /kWh × 1600 h × 10.895 W/m / 1000 = 52.294 per metre and year.
  const ComputeResult power = Compute("chilled.energy", s);
  ASSERT_TRUE(power.drawn) << power.refusal;
  EXPECT_REAL_NEAR(power.data.curveE[0], 10.8946L, 0.0005L);
  const ComputeResult cost = Compute("chilled.energycost", s);
  ASSERT_TRUE(cost.drawn) << cost.refusal;
  EXPECT_REAL_NEAR(cost.data.curveE[0], 52.294L, 0.002L);
  for (int n = 1; n <= 40; ++n) EXPECT_LT(cost.data.curveE[n], cost.data.curveE[n - 1]);
  EXPECT_EQ(cost.data.xAxis.hi, 50);
  // 1.1 × 52.294 = 57.5 -> 0..60
  EXPECT_EQ(cost.data.yAxis.hi, 60);

  // The same pipe and air in inch-pound units: 77 °F / 50 °F, ha 1.585 Btu/(h·ft²·°F),
  // 2.375 in: the cost per foot is the cost per metre × 0.3048 = 15.94.
  AppState ip = FixedState(1);
  for (const auto& [k, v] : {std::pair{"CHILLED-WATER.Tdb", "77"},
                             {"CHILLED-WATER.Top", "50"},
                             {"CHILLED-WATER.Hair", "1.585"},
                             {"CHILLED-WATER.ECsInsTh_Thc", "2"}}) {
    Set(ip, k, v);
  }
  ip.settings.setInteger(kSecChilled, "ECsInsTh_PpSz", 5);
  ip.settings.setInteger(kSecChilled, "ECsInsTh_k", 1);
  const ComputeResult perFoot = Compute("chilled.energycost", ip);
  ASSERT_TRUE(perFoot.drawn) << perFoot.refusal;
  EXPECT_REAL_NEAR(perFoot.data.curveE[0], 52.294L * 0.3048L, 0.02L);

  Set(s, "PARAMETERS.Source", "5");  // no energy source: price 0, flat curve on the axis
  const ComputeResult flat = Compute("chilled.energycost", s);
  ASSERT_TRUE(flat.drawn) << flat.refusal;
  for (Real v : flat.data.curveE) EXPECT_EQ(v, 0);
  EXPECT_GT(flat.data.yAxis.hi, 0);  // NiceScale(0, 0) still gives an axis
}

AppState OverallState() {
  AppState s = SiState();
  s.settings.setInteger(kSecChilled, "OvallCst_PpSz", 5);
  s.settings.setInteger(kSecChilled, "OvallCst_k", 1);
  Set(s, "CHILLED-WATER.OvallCst_Thc", "100");
  Set(s, "CHILLED-WATER.OvallCst_Interest", "8.0");
  Set(s, "CHILLED-WATER.OvallCst_Depre_Yr", "3");
  Set(s, "PARAMETERS.Source", "5");  // price 0: the totals are the insulation costs alone
  return s;
}

TEST(ChilledOverall, EqualRoundedTotalsNameTheThinnerThickness) {
  AppState s = OverallState();
  // 40 at 10 mm and at 13 mm, 100 elsewhere: 40 · 0.08·1.08³/(1.08³ − 1) = 15.52 -> 15.5
  s.costs.ips[5].fill(100);
  s.costs.ips[5][2] = 40;
  s.costs.ips[5][3] = 40;
  const ComputeResult r = Compute("chilled.overall", s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  EXPECT_REAL_NEAR(r.data.stockInsulationCost[2], 15.5213L, 0.0001L);
  EXPECT_REAL_NEAR(r.data.stockTotalCost[2], 15.5L, 1e-12L);
  EXPECT_EQ(r.data.stockTotalCost[2], r.data.stockTotalCost[3]);
  EXPECT_EQ(r.data.economicThicknessName, InsulThicknessNames[2]);
}

TEST(ChilledOverall, AStockBeyondTheAxisStillCompetesAndMarksFollowTheRhList) {
  AppState s = OverallState();
  Set(s, "CHILLED-WATER.OvallCst_Thc", "20");
  s.costs.ips[5].fill(100);
  s.costs.ips[5][14] = 10;  // 100 mm, far beyond the 20 mm axis, the cheapest
  const ComputeResult r = Compute("chilled.overall", s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  EXPECT_EQ(r.data.economicThicknessName, InsulThicknessNames[14]);
  // Condensation marks: thickness for 80 % (row 7) is the SI example's 10.315 mm.
  EXPECT_REAL_NEAR(r.data.chartResults[6][0], 10.315L, 0.005L);
  for (int i = 1; i < 10; ++i) EXPECT_GE(r.data.chartResults[i][0], r.data.chartResults[i - 1][0]);

  const AnalysisDef& def = FindAnalysis(ChilledAnalyses(), "chilled.overall");
  RecordingCanvas canvas(QSizeF(800, 470));
  const PixelTables px = DrawScreenChart(canvas, LayoutFromScreen(800), s, r.data);
  EXPECT_EQ(px.stockX[14], kOutsideBox);
  EXPECT_LT(px.stockX[4], kOutsideBox);  // 20 mm sits at the end of the axis
}

struct RefusalCase {
  const char* analysis;
  std::vector<std::pair<const char*, const char*>> sets;
  const char* refusal;  // nullptr: drawn
};

TEST(ChilledRefusals, EachHandlerRefusesAsTheScreenDoes) {
  const RefusalCase cases[] = {
      {"chilled.kconst", {{"CHILLED-WATER.Tdb", ""}}, "tdb-empty"},
      {"chilled.overall", {{"CHILLED-WATER.Top", ""}}, "top-empty"},
      {"chilled.tsurf", {{"CHILLED-WATER.Hair", "0"}}, "ha-not-positive"},
      {"chilled.tsurf", {{"CHILLED-WATER.Hair", ""}, {"PARAMETERS.FactorBy", "2"}}, nullptr},
      {"chilled.kconst", {{"CHILLED-WATER.k_Const_PpSzFrom", "5"}}, "sizes-out-of-order"},
      {"chilled.kconst", {{"CHILLED-WATER.k_Const_PpSzTo", "20"}}, "sizes-not-selected"},
      {"chilled.kconst", {{"CHILLED-WATER.k_Const_RHFrom", "5"}}, "rh-out-of-order"},
      {"chilled.kconst", {{"CHILLED-WATER.k_Const_k", "3"}}, "k-not-selected"},
      {"chilled.rhconst", {{"CHILLED-WATER.RH_Const_kTo", "4"}}, "k-not-selected"},
      // the two thickness charts do not compare Tdb with Top
      {"chilled.kconst", {{"CHILLED-WATER.Tdb", "10"}}, nullptr},
      {"chilled.tsurf", {{"CHILLED-WATER.Tdb", "10"}}, "tdb-not-above-top"},
      {"chilled.tline", {{"CHILLED-WATER.Tdb", "5"}}, "tdb-not-above-top"},
      {"chilled.tline", {{"CHILLED-WATER.Tlen_Flow", "0"}}, "flow-not-positive"},
      {"chilled.tline", {{"CHILLED-WATER.Tlen_Thc", "0"}}, "thickness-not-positive"},
      {"chilled.ttime", {{"CHILLED-WATER.TtimeHr", "0"}}, "hours-not-positive"},
      {"chilled.ttime", {{"CHILLED-WATER.TtimeHr", "500"}}, nullptr},  // shown as 48
      {"chilled.energy", {{"CHILLED-WATER.EInsTh_PpSz", "-1"}}, "size-not-selected"},
      {"chilled.overall", {{"CHILLED-WATER.OvallCst_Interest", "0"}}, "interest-not-positive"},
      {"chilled.overall", {{"CHILLED-WATER.OvallCst_Depre_Yr", "-2"}}, "years-not-positive"},
      // gas with no energy content: the price per kWh is undefined
      {"chilled.energycost",
       {{"PARAMETERS.Source", "2"}, {"PARAMETERS.Gas-Energy", "0"}},
       "price-undefined"},
      {"chilled.overall",
       {{"PARAMETERS.Source", "3"}, {"PARAMETERS.Oil-Energy", "0"}},
       "price-undefined"},
      {"chilled.energy", {{"PARAMETERS.Source", "2"}, {"PARAMETERS.Gas-Energy", "0"}}, nullptr},
      // temperatures no axis can show
      {"chilled.tline", {{"CHILLED-WATER.Tdb", "1e15"}}, "value-too-large"},
      {"chilled.tline", {{"CHILLED-WATER.Tdb", "1e4000"}}, "value-too-large"},
      {"chilled.tsurf", {{"CHILLED-WATER.Tdb", "1e5000"}}, "tdb-not-above-top"},
  };
  for (const RefusalCase& c : cases) {
    AppState s = SiState();
    for (const auto& [k, v] : c.sets) Set(s, k, v);
    const ComputeResult r = Compute(c.analysis, s);
    const std::string where =
        std::string(c.analysis) + " " + c.sets.front().first + "=" + c.sets.front().second;
    if (c.refusal) {
      EXPECT_FALSE(r.drawn) << where;
      EXPECT_EQ(r.refusal, c.refusal) << where;
    } else {
      EXPECT_TRUE(r.drawn) << where << ": " << r.refusal;
    }
  }
}

TEST(ChilledKConst, ASingleSizeIsPlacedInTheMiddleOfTheAxis) {
  AppState s = SiState();
  s.settings.setInteger(kSecChilled, "k_Const_PpSzFrom", 4);
  s.settings.setInteger(kSecChilled, "k_Const_PpSzTo", 4);
  const AnalysisDef& def = FindAnalysis(ChilledAnalyses(), "chilled.kconst");
  const ComputeResult r = ComputeChart(def, s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  RecordingCanvas canvas(QSizeF(800, 470));
  const PixelTables px = DrawScreenChart(canvas, LayoutFromScreen(800), s, r.data);
  EXPECT_EQ(px.columnX[4], 200);  // the mode-1 box is 400 wide at 800 pixels
}

TEST(ChilledHeadings, LineAndTimeChartsNameTheirLengthAndHours) {
  AppState s = SiState();
  s.settings.setText(kSecChilled, "Tlen_Length", "350");
  s.settings.setInteger(kSecChilled, "TtimeHr", 30);
  const auto lines = [](const ComputeResult& r) {
    QStringList texts;
    for (const HeadingLine& l : r.data.wording.lines) texts << l.text;
    return texts.join('|');
  };
  const ComputeResult line = Compute("chilled.tline", s);
  ASSERT_TRUE(line.drawn) << line.refusal;
  EXPECT_TRUE(lines(line).contains("M14 350")) << lines(line).toStdString();
  const ComputeResult time = Compute("chilled.ttime", s);
  ASSERT_TRUE(time.drawn) << time.refusal;
  EXPECT_TRUE(lines(time).contains("M18 30")) << lines(time).toStdString();
}

}  // namespace
}  // namespace qora::test
