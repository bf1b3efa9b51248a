// Draw lists of the eight chilled-water charts for fixed inputs at 800 and 1024 pixels,
// compared with committed references (regenerate with QORA_UPDATE_REFERENCES=1 after a
// deliberate change, and look at the difference before committing it).
#include <gtest/gtest.h>

#include "analyses/chilled/chilled_analyses.h"
#include "analysis_test_support.h"
#include "test_support.h"

namespace qora::test {
namespace {

// SI, 30 °C room, 7 °C line; sizes DN25..DN150 (positions 2..10), RH 60..85 %, a thick
// enough insulation that every overall-cost series shows.
AppState DrawState() {
  AppState s = FixedState(2);
  const std::pair<const char*, const char*> texts[] = {
      {"Tdb", "30.0"},           {"Top", "7.0"},          {"Hair", "9.0"},
      {"Tsurface_Thc", "50"},    {"Tlen_Thc", "25"},      {"Tlen_Length", "200"},
      {"Tlen_Flow", "2.5"},      {"Ttime_Thc", "25"},     {"EInsTh_Thc", "60"},
      {"ECsInsTh_Thc", "60"},    {"OvallCst_Thc", "100"}, {"OvallCst_Interest", "8.0"},
      {"OvallCst_Depre_Yr", "3"}};
  for (const auto& [k, v] : texts) s.settings.setText(kSecChilled, KeyName::runtime(k), v);
  const std::pair<const char*, int> positions[] = {
      {"k_Const_PpSzFrom", 2}, {"k_Const_PpSzTo", 10}, {"k_Const_RHFrom", 2},
      {"k_Const_RHTo", 7},     {"k_Const_k", 1},       {"RH_Const_PpSzFrom", 0},
      {"RH_Const_PpSzTo", 13}, {"RH_Const_kFrom", 0},  {"RH_Const_kTo", 2},
      {"RH_Const_RH", 6},      {"Tsurface_PpSz", 5},   {"Tsurface_RH", 6},
      {"Tsurface_k", 1},       {"Tlen_PpSz", 5},       {"Tlen_k", 1},
      {"Ttime_PpSz", 5},       {"TtimeHr", 12},        {"Ttime_k", 1},
      {"EInsTh_PpSz", 7},      {"EInsTh_k", 1},        {"ECsInsTh_PpSz", 7},
      {"ECsInsTh_k", 1},       {"OvallCst_PpSz", 7},   {"OvallCst_k", 1}};
  for (const auto& [k, v] : positions) s.settings.setInteger(kSecChilled, KeyName::runtime(k), v);
  s.settings.setText(kSecParams, "currency", "$");
  return s;
}

TEST(ChilledDrawLists, EveryChartMatchesItsReferenceAt800And1024) {
  const AppState s = DrawState();
  for (const AnalysisDef& def : ChilledAnalyses()) {
    for (int width : {800, 1024}) {
      const std::string log = DrawList(def, s, width);
      const std::string name = std::string(def.cliName).substr(8);  // after "chilled."
      EXPECT_TRUE(MatchesReference(
          log, "analyses/data/chilled_" + name + "_" + std::to_string(width) + ".txt"));
      // The frame and the chart font of the width: 8 points at 800, 10 at 1024.
      const std::string frame =
          width == 800 ? "rect 80 5 720 462 pen 0x000000 solid 2" : "rect 102 5 921 590 ";
      EXPECT_NE(log.find(frame), std::string::npos) << def.cliName << " " << width;
      const std::string font = width == 800 ? "\" 8 regular" : "\" 10 regular";
      EXPECT_NE(log.find(font), std::string::npos) << def.cliName << " " << width;
    }
  }
}

TEST(ChilledDrawLists, RhConstantLegendUsesListPositionsAndTwoLabelRows) {
  AppState s = DrawState();
  // k positions 2..3 (0-based 1..2): legend places 2 and 3, the lowest place left empty.
  s.settings.setInteger(kSecChilled, "RH_Const_kFrom", 1);
  const std::string log = DrawList(FindAnalysis(ChilledAnalyses(), "chilled.rhconst"), s, 800);
  // At 800: places at y 392 − 25·c; labels start 581 + 16 + 8 = 605.
  EXPECT_NE(log.find("\"0.035\""), std::string::npos);
  EXPECT_NE(log.find("line 581 342 597 342"), std::string::npos) << log;  // place 2
  EXPECT_NE(log.find("line 581 317 597 317"), std::string::npos);         // place 3
  EXPECT_EQ(log.find("line 581 367 597 367"), std::string::npos);         // place 1 empty
  // 14 sizes (positions 1..14): names alternate between y1 + 8 and y1 + 24.
  EXPECT_NE(log.find(" 416 \"DN15\""), std::string::npos);
  EXPECT_NE(log.find(" 400 \"DN20\""), std::string::npos);
  EXPECT_NE(log.find(" 416 \"DN25\""), std::string::npos);
}

}  // namespace
}  // namespace qora::test
