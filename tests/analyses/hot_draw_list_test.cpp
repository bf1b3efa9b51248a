// Draw lists of the eight hot-water charts at 800 and 1024 pixels against committed
// references, and the hot-water specifics read from them. Regenerate the references with
// QORA_UPDATE_REFERENCES=1 after a deliberate change of the drawing, and look at the diff.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "analyses/hot/hot_analyses.h"
#include "hot_test_state.h"
#include "test_support.h"

namespace qora {
namespace {

using test::DrawList;
using test::FindAnalysis;
using test::HotSiState;

std::string Draw(const std::string& cli, const AppState& s, int width) {
  return DrawList(FindAnalysis(HotAnalyses(), cli), s, width);
}

TEST(HotDrawLists, EveryAnalysisAtTwoScreenWidths) {
  const char* names[] = {"kconst", "tconst",   "tsurf",        "tline",
                         "ttime",  "heatloss", "heatlosscost", "overall"};
  AppState s = HotSiState();
  test::Set(s, "HOT-WATER.Tsurface_Tsuf", "1");  // 45 °C limit inside the range
  for (const char* name : names) {
    for (int width : {800, 1024}) {
      const std::string log = Draw(std::string("hot.") + name, s, width);
      EXPECT_TRUE(test::MatchesReference(
          log, "analyses/data/hot_" + std::string(name) + "_" + std::to_string(width) + ".txt"))
          << name << " at " << width;
    }
  }
}

// The lines of a draw list that start with `prefix`.
std::vector<std::string> Lines(const std::string& log, const std::string& prefix) {
  std::vector<std::string> out;
  std::istringstream in(log);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind(prefix, 0) == 0) out.push_back(line);
  }
  return out;
}

bool Has(const std::string& log, const std::string& line) {
  return log.find(line + "\n") != std::string::npos;
}

// 800 px: frame 80..720 × 5..462, font 8; legend-column box (160, 98)–(560, 392), plain box
// (160, 98)–(600, 415).
TEST(HotDrawLists, LegendOfRowsThreeToFiveLeavesTheTopTwoPlacesEmpty) {
  AppState s = HotSiState();
  test::Set(s, "HOT-WATER.k_Const_TsufFrom", "2");
  test::Set(s, "HOT-WATER.k_Const_TsufTo", "4");
  const std::string log = Draw("hot.kconst", s, 800);
  // Places run down from y0 = 98 in steps of round(640 / 26) = 25; strokes 16 long from
  // x1 + round(640 / 30) = 581.
  const std::vector<std::string> strokes = Lines(log, "line 581 ");
  const std::vector<std::string> expected = {"line 581 223 597 223 pen 0x000000 solid 2",
                                             "line 581 198 597 198 pen 0x000000 solid 2",
                                             "line 581 173 597 173 pen 0x000000 solid 2"};
  EXPECT_EQ(strokes, expected);
}

TEST(HotDrawLists, RoomLabelBelowItsLineLineAndLimitLabelsAbove) {
  AppState s = HotSiState();
  test::Set(s, "HOT-WATER.Tsurface_Tsuf", "1");
  const std::string log = Draw("hot.tsurf", s, 800);
  // Axis 10..90 over 317 px: 20 °C at 375, 80 °C at 138, 45 °C at 276. A label 12 px high
  // (8 pt) ends 16 px below its line or 4 px above it, written from the heading centre x 400.
  EXPECT_TRUE(Has(log, "line 160 375 600 375 pen 0x0000FF solid 2"));
  EXPECT_NE(log.find("text 400 379 \"M2 20.0°C\""), std::string::npos);
  EXPECT_TRUE(Has(log, "line 160 138 600 138 pen 0x0000FF solid 2"));
  EXPECT_NE(log.find("text 400 122 \"M3 80.0°C\""), std::string::npos);
  EXPECT_TRUE(Has(log, "line 160 276 600 276 pen 0x0000FF solid 2"));
  EXPECT_NE(log.find("text 400 260 \"M27 45.0°C\""), std::string::npos);
}

TEST(HotDrawLists, XAxisEndsAtTheEnteredMaximum) {
  AppState s = HotSiState();
  test::Set(s, "HOT-WATER.Tsurface_Thc", "37");  // ticks every 5 up to 35, axis to 37
  const std::string log = Draw("hot.tsurf", s, 800);
  // The last point sits on the right edge x1 = 600; tick 35 at 160 + round(35·440/37) = 576.
  EXPECT_NE(log.find("roundrect 596 "), std::string::npos);
  EXPECT_TRUE(Has(log, "line 576 98 576 415 pen 0xC0C0C0 dot 1"));
  EXPECT_EQ(log.find("\"40\""), std::string::npos);
}

TEST(HotDrawLists, SingleSizeIsCentred) {
  const std::string log = Draw("hot.tconst", HotSiState(), 800);
  // One column over 400 px: at 160 + 200.
  EXPECT_TRUE(Has(log, "line 360 98 360 392 pen 0xC0C0C0 dot 1"));
  EXPECT_NE(log.find("roundrect 356 "), std::string::npos);
}

TEST(HotDrawLists, OverallChartMarksHeadingAndResult) {
  AppState s = HotSiState();
  test::Set(s, "HOT-WATER.OvallCst_Thc", "6");
  const std::string log = Draw("hot.overall", s, 800);
  // 45 °C needs 5.18 mm (inside 0..6), 40 °C 7.20 mm (beyond): one blue mark, at
  // 160 + round(5.1787·440/6) = 540, stroke at 98 + 2·(317 div 12) = 150, 14 long.
  EXPECT_TRUE(Has(log, "line 540 98 540 415 pen 0xFF0000 solid 1"));
  EXPECT_TRUE(Has(log, "line 540 150 554 150 pen 0xFF0000 solid 1"));
  EXPECT_NE(log.find("\"45°C\""), std::string::npos);
  EXPECT_EQ(log.find("\"40°C\""), std::string::npos);
  EXPECT_NE(log.find("\"M41  3.000 "), std::string::npos);
  EXPECT_NE(log.find("M35  8 M36  x 200 M37 \""), std::string::npos);
  EXPECT_NE(log.find("\"M40   10 mm.(  3/8\\\")\""), std::string::npos);
}

TEST(HotDrawLists, OperatingTimeMovesLeftWhenItDoesNotFitBesideThePrice) {
  AppState s = HotSiState();
  s.lang.msg[35] = QString(60, 'x') + " ";
  const std::string log = Draw("hot.overall", s, 800);
  // Both texts are about 100 characters of 4 px, wider than the 312 px right of the centre:
  // the time goes to the third left row, bottom at yFirst + 3 × lineStep = 37 + 42 = 79,
  // text 12 px high; the price stays on the first row, bottom at 37 + 14 = 51.
  EXPECT_NE(log.find("text 96 67 \"" + std::string(60, 'x')), std::string::npos);
  EXPECT_NE(log.find("text 400 39 \"M41  3.000 ฿/kWhr\""), std::string::npos);
}

}  // namespace
}  // namespace qora
