// Graph printouts drawn on a recording page (millimetres). Positions are worked out by
// hand on the landscape page: plot code 1 is (28, 54)–(210, 160), code 2 (42, 70)–(238,
// 170); legend rows at B − 0.034 · 280 · s = 160 − 9.52 s. Each printout is also compared
// with a committed draw list (regenerate with QORA_UPDATE_REFERENCES=1, review the diff).
#include <gtest/gtest.h>

#include <cmath>

#include "analyses/analysis_registry.h"
#include "fixed_metrics_canvas.h"
#include "print/graph_printout.h"
#include "print_test_support.h"
#include "toolkit/recording_canvas.h"

namespace qora {
namespace {

using test::FindText;
using test::OfKind;
using test::ParseLog;
using test::Prim;

class GraphPrintout : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteBrandPictures(home); }
  std::vector<Prim> print(const ChartData* chart) {
    test::FixedMetricsCanvas page(QSizeF(280, 200), RecordingCanvas::Units::Millimetres);
    PrintAnalysisGraph(page, chart, state);
    log = page.log();
    return ParseLog(log);
  }
  test::TempHome home;
  AppState state = test::MakePrintState(home.path());
  std::string log;
};

// Nothing leaves the page and no coordinate is NaN (watermark tiles excepted: they may run
// past the edge by rule).
void ExpectInsidePage(const std::vector<Prim>& prims) {
  for (const Prim& p : prims) {
    if (p.kind == "picture") continue;
    SCOPED_TRACE(p.line);
    if (p.kind == "text") {
      EXPECT_GE(p.nums[0], 0);
      EXPECT_GE(p.nums[1], 0);
      EXPECT_LE(p.nums[0] + p.nums[2], 280);
      EXPECT_LE(p.nums[1] + p.nums[3], 200);
      continue;
    }
    for (std::size_t i = 0; i < 4 && i < p.nums.size(); ++i) {
      EXPECT_TRUE(std::isfinite(p.nums[i]));
      EXPECT_GE(p.nums[i], 0);
      EXPECT_LE(p.nums[i], i % 2 ? 200 : 280);
    }
  }
}

std::string Name(AnalysisId id) {
  static const char* names[] = {
      "chilled_kconst", "chilled_rhconst", "chilled_tsurf", "chilled_tline",
      "chilled_ttime",  "chilled_energy",  "chilled_ecost", "chilled_overall",
      "hot_kconst",     "hot_tconst",      "hot_tsurf",     "hot_tline",
      "hot_ttime",      "hot_heatloss",    "hot_hlcost",    "hot_overall"};
  return names[static_cast<int>(id)];
}

TEST_F(GraphPrintout, EveryAnalysisMatchesItsReferenceAndStaysOnThePage) {
  for (int a = 0; a < 16; ++a) {
    const auto id = static_cast<AnalysisId>(a);
    SCOPED_TRACE(Name(id));
    const ChartData chart = test::SampleChart(id, state);
    const auto prims = print(&chart);
    ExpectInsidePage(prims);
    EXPECT_TRUE(test::MatchesReference(log, "print/data/graph_" + Name(id) + ".txt"));
  }
}

TEST_F(GraphPrintout, TwelveSizesAlternateBetweenTwoLabelRows) {
  ChartData c = test::SampleChart(AnalysisId::ChilledKConst, state);
  for (int n : {11, 12}) {
    SCOPED_TRACE(n);
    c.sizeFrom = 2, c.sizeTo = 1 + n;  // rows 2..n+1
    const auto prims = print(&c);
    for (int i = c.sizeFrom; i <= c.sizeTo; ++i) {
      const Prim* name = FindText(prims, state.params.pipeSize[1][1][i - 1][0].toStdString());
      ASSERT_NE(name, nullptr);
      // Top-aligned at B + 3, or B + 9 for odd rows once 12 or more sizes are shown.
      const double expectedTop = n >= 12 && i % 2 == 1 ? 169 : 163;
      EXPECT_NEAR(name->nums[1], expectedTop, 0.001) << i;
      // Centred on the size's column: 28 + (i − from) · 182 / (n − 1).
      const double x = 28 + (i - c.sizeFrom) * 182.0 / (n - 1);
      EXPECT_NEAR(name->nums[0] + name->nums[2] / 2, x, 0.001) << i;
    }
  }
}

TEST_F(GraphPrintout, LegendRowsBelongToTheListPositions) {
  ChartData c = test::SampleChart(AnalysisId::ChilledKConst, state);
  c.curveFrom = 3, c.curveTo = 5;
  const auto prims = print(&c);
  // The stub of row s runs from x = 210 + 8.4 to 218.4 + 7 at y = 160 − 9.52 s.
  auto stubAt = [&](double y) {
    for (const Prim& p : OfKind(prims, "line")) {
      if (std::fabs(p.nums[0] - 218.4) < 0.001 && std::fabs(p.nums[2] - 225.4) < 0.001 &&
          std::fabs(p.nums[1] - y) < 0.001 && std::fabs(p.nums[3] - y) < 0.001) {
        return true;
      }
    }
    return false;
  };
  for (int s = 1; s <= 5; ++s) EXPECT_EQ(stubAt(160 - 9.52 * s), s >= 3) << s;
  // Labels: the RH list text and the percent unit, vertically centred on the row.
  const Prim* label = FindText(prims, "80%");
  ASSERT_NE(label, nullptr);
  EXPECT_NEAR(label->nums[0], 228.4, 0.001);
  EXPECT_NEAR(label->nums[1] + label->nums[3] / 2, 160 - 9.52 * 4, 0.001);
  EXPECT_EQ(FindText(prims, "50%"), nullptr);
  // Markers in the palette colour of their list position.
  EXPECT_NE(log.find("roundrect"), std::string::npos);
}

TEST_F(GraphPrintout, ThicknessAxisDecimalsFollowTheUnitSystem) {
  // Grid maximum 9.5 → hi = 1.1 · 9.5 = 10.45 → a round scale with whole-number ticks.
  for (int unit : {1, 2}) {
    state.settings.setUnitSystem(unit);
    ChartData c = test::SampleChart(AnalysisId::ChilledKConst, state);
    c.unitSystem = unit;
    c.wording = FindAnalysis(c.analysis)->describe(c, state);
    const auto prims = print(&c);
    EXPECT_NE(FindText(prims, unit == 1 ? "0.00" : "0.0"), nullptr) << unit;
    EXPECT_EQ(FindText(prims, unit == 1 ? "0.0" : "0.00"), nullptr) << unit;
  }
}

TEST_F(GraphPrintout, SingleSizeStandsInTheMiddleAndZeroGridIsSafe) {
  ChartData c = test::SampleChart(AnalysisId::ChilledRHConst, state);
  c.sizeFrom = c.sizeTo = 3;
  c.chartResults = {};
  const auto prims = print(&c);
  ExpectInsidePage(prims);
  const Prim* name = FindText(prims, "25");
  ASSERT_NE(name, nullptr);
  EXPECT_NEAR(name->nums[0] + name->nums[2] / 2, 119, 0.001);  // 28 + 182 / 2
  // Every zero sits on the plot's bottom edge.
  for (const Prim& m : OfKind(prims, "roundrect")) EXPECT_NEAR(m.nums[1] + 1, 160, 0.001);
  // The axis labels are distinct even on the smallest axis.
  std::vector<std::string> labels;
  for (const Prim& t : OfKind(prims, "text")) {
    if (std::fabs(t.nums[0] + t.nums[2] - 25) < 0.001) labels.push_back(t.text);
  }
  ASSERT_GE(labels.size(), 2u);
  for (std::size_t i = 1; i < labels.size(); ++i) EXPECT_NE(labels[i], labels[i - 1]);
}

TEST_F(GraphPrintout, ValuesThatAreNotNumbersAreLeftOut) {
  for (AnalysisId id : {AnalysisId::ChilledKConst, AnalysisId::HotTsurf, AnalysisId::HotOverall}) {
    ChartData c = test::SampleChart(id, state);
    c.chartResults[0][0] = NAN;
    c.chartResults[1][1] = INFINITY;
    c.curveY[5] = NAN;
    c.curveE[7] = -INFINITY;
    c.curveX[40] = NAN;
    c.stockTotalCost[2] = NAN;
    const auto prims = print(&c);
    EXPECT_EQ(log.find("nan"), std::string::npos);
    ExpectInsidePage(prims);
  }
}

TEST_F(GraphPrintout, HotTemperaturesStayInsideThePlot) {
  // The hot line is the warmer: Tdb 25, Top 75. The axis spans at least 25 − 3.75 …
  // 82.5, so every point of a curve from 75 down toward 25 lies inside (70 ≤ y ≤ 170).
  for (AnalysisId id : {AnalysisId::HotTsurf, AnalysisId::HotTline, AnalysisId::HotTtime}) {
    const ChartData c = test::SampleChart(id, state);
    const auto prims = print(&c);
    int markers = 0;
    for (const Prim& m : OfKind(prims, "roundrect")) {
      ++markers;
      EXPECT_GE(m.nums[1] + 1, 70);
      EXPECT_LE(m.nums[3] - 1, 170);
    }
    EXPECT_EQ(markers, 41);
  }
}

TEST_F(GraphPrintout, HeadingPrintsTheTextsAsTyped) {
  state.settings.setText(kSecChilled, "Tdb", "25,0 ");
  state.settings.setText(kSecChilled, "Hair", " 9.");
  const ChartData c = test::SampleChart(AnalysisId::ChilledTsurf, state);
  const auto prims = print(&c);
  const Prim* room = FindText(prims, "Room 25,0 °C");
  ASSERT_NE(room, nullptr);
  EXPECT_NEAR(room->nums[0], 20, 0.001);
  EXPECT_NEAR(room->nums[1] + room->nums[3], 43, 0.001);  // bottom-aligned on row 43
  EXPECT_NE(FindText(prims, "Surface Coefficient ha  9. W/m².°C"), nullptr);
  const Prim* pipe = FindText(prims, "Pipe size 15(mm.)");
  ASSERT_NE(pipe, nullptr);
  EXPECT_NEAR(pipe->nums[1] + pipe->nums[3], 33, 0.001);
}

TEST_F(GraphPrintout, SurfaceTemperatureReferenceLines) {
  // Chilled: room 25 above its line, dew point 21.31 and line 10 below theirs. The axis
  // from NiceScale(10 − 1.25, 27.5).
  const ChartData c = test::SampleChart(AnalysisId::ChilledTsurf, state);
  const auto prims = print(&c);
  // The labels are red; the heading's blue lines say the same.
  const Prim* room = FindText(prims, "Room 25.0°C", "0x0000FF on");
  const Prim* dew = FindText(prims, "Dew point 21.3°C", "0x0000FF on");
  const Prim* line = FindText(prims, "Line 10.0°C", "0x0000FF on");
  ASSERT_TRUE(room && dew && line);
  std::vector<double> redY;
  for (const Prim& l : OfKind(prims, "line")) {
    if (l.line.find("pen 0x0000FF") != std::string::npos) redY.push_back(l.nums[1]);
  }
  ASSERT_EQ(redY.size(), 3u);
  EXPECT_NEAR(room->nums[1] + room->nums[3], redY[0] - 1, 0.001);
  EXPECT_NEAR(dew->nums[1], redY[1] + 1, 0.001);
  EXPECT_NEAR(line->nums[1], redY[2] + 1, 0.001);
  // Spacing follows the temperatures: (25 − 21.31) / (25 − 10) of the room-to-line gap.
  EXPECT_NEAR((redY[1] - redY[0]) / (redY[2] - redY[0]), 3.69 / 15, 1e-6);
}

TEST_F(GraphPrintout, CloseReferenceLabelsDoNotCoverEachOther) {
  // Dew point 10.5 °C beside the line at 10 °C: the axis is about 5 mm per degree, so both
  // labels below their lines (5.8 mm tall) would overlap; one moves to the other side.
  ChartData c = test::SampleChart(AnalysisId::ChilledTsurf, state);
  c.chartDewPoint = 10.5L;
  c.wording = FindAnalysis(c.analysis)->describe(c, state);
  const auto prims = print(&c);
  const Prim* dew = FindText(prims, "Dew point 10.5°C", "0x0000FF on");
  const Prim* line = FindText(prims, "Line 10.0°C", "0x0000FF on");
  ASSERT_TRUE(dew && line);
  const bool apart = dew->nums[1] + dew->nums[3] <= line->nums[1] + 1e-9 ||
                     line->nums[1] + line->nums[3] <= dew->nums[1] + 1e-9;
  EXPECT_TRUE(apart) << dew->line << "\n" << line->line;
}

TEST_F(GraphPrintout, ReferenceLabelNearThePlotEdgeStaysInside) {
  // Room 0.5 °C under a 10 °C line: the axis runs 0 … 12 (from 0.5 − 0.05 · 10 … 11), so
  // the room line lies 100 / 24 ≈ 4.2 mm above the bottom edge at 170 mm, less than a
  // label's height: a label under it would cross the edge.
  state.settings.setText(kSecHot, "Tdb", "0.5");
  state.settings.setText(kSecHot, "Top", "10");
  ChartData c = test::SampleChart(AnalysisId::HotTline, state);
  for (Real& y : c.curveY) y = 10 - (75 - y) / 2;
  const auto prims = print(&c);
  const Prim* room = FindText(prims, "Room 0.5°C", "0x0000FF on");
  ASSERT_NE(room, nullptr);
  EXPECT_LE(room->nums[1] + room->nums[3], 170 + 1e-9);
  EXPECT_GE(room->nums[1], 70 - 1e-9);
}

TEST_F(GraphPrintout, OverallCostCurvesMirrorTheScreenColours) {
  const ChartData c = test::SampleChart(AnalysisId::ChilledOverall, state);
  const auto prims = print(&c);
  int aqua = 0, yellow = 0, white = 0;
  for (const Prim& m : OfKind(prims, "roundrect")) {
    if (m.line.find("pen 0x000000 solid 0.4 brush 0xFFFF00") != std::string::npos) ++aqua;
    if (m.line.find("pen 0x0000FF solid 0.4 brush 0x00FFFF") != std::string::npos) ++yellow;
    if (m.line.find("pen 0x000000 solid 0.4 brush 0xFFFFFF") != std::string::npos) ++white;
  }
  // All 15 stocked thicknesses lie within 0 … 100 mm and inside the cost axis.
  EXPECT_EQ(aqua, 15);
  EXPECT_EQ(yellow, 15);
  EXPECT_EQ(white, 15);
  EXPECT_NE(FindText(prims, "  Insulation"), nullptr);
  EXPECT_NE(FindText(prims, "  Total"), nullptr);
  const Prim* result = FindText(prims, "Economic thickness  20 mm.(  3/4\")");
  ASSERT_NE(result, nullptr);
  EXPECT_NEAR(result->nums[0], 42, 0.001);  // under the plot, from its left edge
  EXPECT_NEAR(result->nums[1] + result->nums[3], 186, 0.001);
  // Condensation marks: blue lines across the plot at 5, 17, 29, 41, 53 mm of 100.
  int marks = 0;
  for (const Prim& l : OfKind(prims, "line")) {
    if (l.line.find("pen 0xFF0000") == std::string::npos || l.nums[1] != 70) continue;
    EXPECT_EQ(l.nums[3], 170);
    const double t = (l.nums[0] - 42) / 196 * 100;
    EXPECT_NEAR(t, 5 + 12 * marks, 1e-3);
    ++marks;
  }
  EXPECT_EQ(marks, 5);
  EXPECT_NE(FindText(prims, "80%"), nullptr);
  // Heading: the operating hours at L53 and the energy unit at R33.
  const Prim* hours = FindText(prims, "Operating time 8 hr/day x 200 days/year");
  ASSERT_NE(hours, nullptr);
  EXPECT_NEAR(hours->nums[0], 20, 0.001);
  EXPECT_NEAR(hours->nums[1] + hours->nums[3], 53, 0.001);
  // The price per kWh itself, not the currency alone.
  const Prim* energy = FindText(prims, "Energy Price 3.000 ฿/kWhr");
  ASSERT_NE(energy, nullptr);
  EXPECT_NEAR(energy->nums[0], 140, 0.001);
  EXPECT_NEAR(energy->nums[1] + energy->nums[3], 33, 0.001);
}

TEST_F(GraphPrintout, SeriesLabelsOfCloseEndsDoNotCoverEachOther) {
  // Insulation 8.5 and total 8.7 at 100 mm: 0.2 apart on a 12-unit axis is 1.7 mm, less
  // than a label's height.
  ChartData c = test::SampleChart(AnalysisId::HotOverall, state);
  c.stockTotalCost[14] = 8.7L;
  const auto prims = print(&c);
  const Prim* insulation = FindText(prims, "  Insulation");
  const Prim* total = FindText(prims, "  Total");
  ASSERT_TRUE(insulation && total);
  EXPECT_GE(insulation->nums[1], total->nums[1] + total->nums[3] - 1e-9);
  ExpectInsidePage(prims);
}

TEST_F(GraphPrintout, NoChartOrTheOtherScreensChartPrintsTheFrameOnly) {
  const ChartData hot = test::SampleChart(AnalysisId::HotTsurf, state);
  test::FixedMetricsCanvas framed(QSizeF(280, 200), RecordingCanvas::Units::Millimetres);
  PrintAnalysisGraph(framed, nullptr, state);
  test::FixedMetricsCanvas chilledButton(QSizeF(280, 200), RecordingCanvas::Units::Millimetres);
  PrintChilledGraph(chilledButton, &hot, state);
  EXPECT_EQ(chilledButton.log(), framed.log());
  test::FixedMetricsCanvas hotButton(QSizeF(280, 200), RecordingCanvas::Units::Millimetres);
  PrintHotGraph(hotButton, &hot, state);
  EXPECT_NE(hotButton.log(), framed.log());
  EXPECT_TRUE(OfKind(ParseLog(framed.log()), "text").empty());
}

TEST_F(GraphPrintout, TypedConstantsOfTheHotBoxesArePrintedAsTyped) {
  // A value typed into a box that also offers a list names no list position (-1); the
  // heading prints the value itself.
  state.settings.setInteger(kSecHot, "k_Const_k", -1);
  state.settings.setText(kSecHot, "k_Const_kTyped", "0.0415");
  state.settings.setInteger(kSecHot, "T_Const_Tsuf", -1);
  state.settings.setText(kSecHot, "T_Const_TsufTyped", "47");
  ChartData k = test::SampleChart(AnalysisId::HotKConst, state);
  EXPECT_NE(FindText(print(&k), "k,Thermal Conductivity 0.0415 W/m.°C"), nullptr) << log;
  ChartData t = test::SampleChart(AnalysisId::HotTConst, state);
  EXPECT_NE(FindText(print(&t), "Surface limit 47°C"), nullptr) << log;
}

}  // namespace
}  // namespace qora
