// The R-value charts against hand calculations on small tables: tube T1 of 20 mm bore
// (1 in. in inch-pound) with a 10 mm (0.5 in.) wall in the first nominal-thickness row,
// T2 of 40 mm bore whose wall entry is empty, T3 of 60 mm bore with a 20 mm wall.
#include <gtest/gtest.h>

#include <cmath>

#include "analyses/rvalue/rvalue_analyses.h"
#include "analysis_test_support.h"
#include "charts/chart_drawers.h"
#include "charts/chart_layout.h"
#include "test_support.h"
#include "toolkit/recording_canvas.h"

namespace qora {
namespace {

using test::Set;

AppState RState(int unit, const std::string& k = "0.04") {
  AppState s = test::FixedState(unit);
  const bool ip = unit == 1;
  auto& tube = s.insul.tube[unit - 1];
  auto& sheet = s.insul.sheet[unit - 1];
  auto& wall = s.insul.tubeThickness[unit - 1];
  const char* bores[] = {"20", "40", "60"};
  const char* boresIp[] = {"1.0", "2.0", "3.0"};
  for (int c = 0; c < 3; ++c) {
    tube[0][c] = QString("T%1").arg(c + 1);
    tube[1][c] = ip ? boresIp[c] : bores[c];
  }
  sheet[0][0] = "S1";
  sheet[1][0] = ip ? "0.5" : "10";
  sheet[0][1] = "S2";
  sheet[1][1] = ip ? "1.0" : "20";
  wall[0][0] = ip ? "0.5" : "10";
  wall[0][2] = ip ? "1.0" : "20";  // T2's wall stays empty
  wall[1][0] = ip ? "1.0" : "20";
  s.params.rValue[unit - 1][0][0] = "R1";
  s.params.rValue[unit - 1][1][0] = "1.0";
  s.params.rValue[unit - 1][0][1] = "R2";
  s.params.rValue[unit - 1][1][1] = "2.0";
  Set(s, "Rvalue.Select", "1");
  Set(s, "Rvalue.k", k);
  Set(s, "Rvalue.IDFrom", "0");
  Set(s, "Rvalue.IDTo", "2");
  Set(s, "Rvalue.ThFrom", "0");
  Set(s, "Rvalue.ThTo", "1");
  Set(s, "Rvalue.RvalueFrom", "0");
  Set(s, "Rvalue.RvalueTo", "1");
  return s;
}

const AnalysisDef& Def(const char* name) {
  return test::FindAnalysis(RValueAnalyses(), name);
}

TEST(RValueAtK, TubeResistanceReferredToTheOuterSurface) {
  // SI: r1 = 10, r2 = 20 mm, k = 0.04 W/(m·K): R = 0.020 m · ln 2 / 0.04 = 0.34657 m²·K/W.
  const ComputeResult si = ComputeChart(Def("rvalue.kconst"), RState(2));
  ASSERT_TRUE(si.drawn) << si.refusal;
  EXPECT_REAL_NEAR(si.data.chartResults[0][0], 0.020L * std::log(2.0L) / 0.04L, 1e-15L);
  // r1 = 30, r2 = 50 mm.
  EXPECT_REAL_NEAR(si.data.chartResults[0][2], 0.050L * std::log(50.0L / 30) / 0.04L, 1e-15L);
  EXPECT_EQ(si.data.chartResults[0][1], 0);  // an empty wall entry: r2 = r1, no resistance
  // Flat sheets of 10 and 20 mm: 0.25 and 0.5 m²·K/W; rows without a label stay 0.
  EXPECT_REAL_NEAR(si.data.rowValues[0], 0.25L, 1e-15L);
  EXPECT_REAL_NEAR(si.data.rowValues[1], 0.5L, 1e-15L);
  EXPECT_EQ(si.data.rowValues[2], 0);
  EXPECT_EQ(si.data.chartResults[0][3], 0);  // outside the tube range
  EXPECT_REAL_NEAR(si.data.k, 0.04L, 1e-15L);

  // Inch-pound: inches are not divided: r1 = 0.5, r2 = 1.0 in., k = 0.25.
  const ComputeResult ip = ComputeChart(Def("rvalue.kconst"), RState(1, "0.25"));
  ASSERT_TRUE(ip.drawn) << ip.refusal;
  EXPECT_REAL_NEAR(ip.data.chartResults[0][0], 1.0L * std::log(2.0L) / 0.25L, 1e-15L);
  EXPECT_REAL_NEAR(ip.data.rowValues[0], 2.0L, 1e-15L);
  // The axis holds the largest value with room above it.
  EXPECT_GE(ip.data.yAxis.hi, 1.1L * ip.data.chartResults[1][0]);
}

TEST(RValueAtR, ThicknessWhoseTubeMatchesTheFlatSheet) {
  // R = 1 m²·K/W at k = 0.04: the flat sheet is 40 mm; the tube wall t on a 10 mm radius
  // satisfies (10 + t) · ln((10 + t) / 10) = 40.
  const ComputeResult r = ComputeChart(Def("rvalue.rconst"), RState(2));
  ASSERT_TRUE(r.drawn) << r.refusal;
  EXPECT_REAL_NEAR(r.data.rowValues[0], 40, 1e-12L);
  EXPECT_REAL_NEAR(r.data.rowValues[1], 80, 1e-12L);
  const Real t = r.data.chartResults[0][0];
  // The solver stops within 0.001 mm of the radius; the slope of r2 · ln(r2 / r1) is
  // about 2.2 here.
  EXPECT_REAL_NEAR((10 + t) * std::log((10 + t) / 10), 40, 0.003L);
  EXPECT_GT(t, 23.2L);
  EXPECT_LT(t, 23.3L);
  // A thicker flat sheet needs a thicker tube; a larger bore needs less than the sheet.
  EXPECT_GT(r.data.chartResults[1][0], t);
  EXPECT_LT(r.data.chartResults[0][2], 40);
}

TEST(RValueK, TypedKLimitsByUnitSystem) {
  const struct {
    int unit;
    const char* k;
    const char* refusal;
  } cases[] = {
      {1, "40", ""},
      {1, "40.0001", "k-too-large"},
      {2, "250", ""},
      {2, "250.0001", "k-too-large"},
      {3, "250", ""},
      {3, "0", "k-not-positive"},
      {1, "0", "k-not-positive"},
      {2, "-0.5", "k-not-positive"},
      {2, "", "k-not-positive"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::to_string(c.unit) + " k=" + c.k);
    const ComputeResult r = ComputeChart(Def("rvalue.kconst"), RState(c.unit, c.k));
    EXPECT_EQ(r.refusal, c.refusal);
    EXPECT_EQ(r.drawn, std::string(c.refusal).empty());
  }
}

TEST(RValueK, MeanTemperatureGivesTheShownNumber) {
  AppState s = RState(2, "0.05");
  Set(s, "Rvalue.Select", "0");
  // k = 0.00011 · 24 + 0.0354 = 0.03804, shown (and used) as 0.0380; the typed 0.05 is not.
  Set(s, "Rvalue.Tmean", "24");
  EXPECT_EQ(rvalue::MeanTemperatureKText(s), "0.0380");
  const ComputeResult r = ComputeChart(Def("rvalue.kconst"), s);
  ASSERT_TRUE(r.drawn) << r.refusal;
  EXPECT_REAL_NEAR(r.data.k, 0.038L, 1e-15L);
  EXPECT_REAL_NEAR(r.data.chartResults[0][0], 0.020L * std::log(2.0L) / 0.038L, 1e-15L);
  // The heading names the mean temperature, then the k.
  ASSERT_EQ(r.data.wording.lines.size(), 2u);
  EXPECT_TRUE(r.data.wording.lines[0].text.contains("24")) << r.data.wording.lines[0].text.toStdString();
  EXPECT_TRUE(r.data.wording.lines[1].text.contains("0.0380"));

  Set(s, "Rvalue.Tmean", "");
  EXPECT_EQ(ComputeChart(Def("rvalue.kconst"), s).refusal, "tmean-empty");
  // So cold that k rounds to 0 or below: nothing to divide by.
  Set(s, "Rvalue.Tmean", "-400");
  EXPECT_EQ(ComputeChart(Def("rvalue.kconst"), s).refusal, "k-not-positive");
}

TEST(RValueK, TypedChoiceHeadingShowsOnlyTheConductivity) {
  const ComputeResult r = ComputeChart(Def("rvalue.rconst"), RState(2));
  ASSERT_TRUE(r.drawn);
  ASSERT_EQ(r.data.wording.lines.size(), 1u);
  EXPECT_TRUE(r.data.wording.lines[0].text.contains("0.0400"));
  EXPECT_FALSE(r.data.wording.lines[0].text.contains("75.0"));  // the unused mean temperature
}

TEST(RValueRanges, OrderAndSelectionRefusals) {
  const struct {
    const char* analysis;
    const char* key;
    const char* value;
    const char* refusal;
  } cases[] = {
      {"rvalue.kconst", "Rvalue.IDFrom", "2", ""},  // From = To: one tube
      {"rvalue.kconst", "Rvalue.IDTo", "-1", "tube-not-selected"},
      {"rvalue.kconst", "Rvalue.IDTo", "3", "tube-not-selected"},  // past the three tubes
      {"rvalue.kconst", "Rvalue.ThFrom", "2", "thickness-not-selected"},
      {"rvalue.kconst", "Rvalue.ThFrom", "1", ""},
      {"rvalue.rconst", "Rvalue.RvalueTo", "5", "rvalue-not-selected"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.key) + "=" + c.value);
    AppState s = RState(2);
    Set(s, c.key, c.value);
    EXPECT_EQ(ComputeChart(Def(c.analysis), s).refusal, c.refusal);
  }
  AppState s = RState(2);
  Set(s, "Rvalue.IDFrom", "2");
  Set(s, "Rvalue.IDTo", "1");
  EXPECT_EQ(ComputeChart(Def("rvalue.kconst"), s).refusal, "tube-order");
  s = RState(2);
  Set(s, "Rvalue.ThFrom", "1");
  Set(s, "Rvalue.ThTo", "0");
  EXPECT_EQ(ComputeChart(Def("rvalue.kconst"), s).refusal, "thickness-order");
  s = RState(2);
  Set(s, "Rvalue.RvalueFrom", "1");
  Set(s, "Rvalue.RvalueTo", "0");
  EXPECT_EQ(ComputeChart(Def("rvalue.rconst"), s).refusal, "rvalue-order");
}

TEST(RValueDraw, SingleTubeIsCentredAndEveryPointIsFinite) {
  AppState s = RState(2);
  Set(s, "Rvalue.IDFrom", "1");
  Set(s, "Rvalue.IDTo", "1");  // T2 alone, whose wall is empty: a chart of zeros
  for (const char* name : {"rvalue.kconst", "rvalue.rconst"}) {
    SCOPED_TRACE(name);
    const ComputeResult r = ComputeChart(Def(name), s);
    ASSERT_TRUE(r.drawn) << r.refusal;
    EXPECT_GT(r.data.yAxis.step, 0);
    const ChartLayout layout = LayoutFromScreen(1024, 700);
    RecordingCanvas canvas(QSizeF(1024, 700));
    const PixelTables px = DrawScreenChart(canvas, layout, s, r.data);
    const auto box = AxesBox(layout, AxesModeOf(r.data.analysis));
    ASSERT_TRUE(box);
    EXPECT_NEAR(px.columnX[1], box->width() / 2.0, 1.0);
    const std::string log = canvas.log();
    EXPECT_EQ(log.find("nan"), std::string::npos);
    EXPECT_EQ(log.find("inf"), std::string::npos);
  }
}

}  // namespace
}  // namespace qora
