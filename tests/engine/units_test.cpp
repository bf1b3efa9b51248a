// Conversion between the three unit systems and the built-in unit vocabulary.
#include "engine/units.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "engine/standard_thickness.h"
#include "test_support.h"

namespace qora {
namespace {

TEST(ConvertUnits, EveryHandledCellOfTheTable) {
  const struct {
    int code, from, to;
    Real x, expected;
  } cases[] = {
      // temperature
      {kQTemperature, 1, 2, 212, 100},
      {kQTemperature, 2, 1, 100, 212},
      {kQTemperature, 1, 3, 32, 0},
      {kQTemperature, 3, 1, -40, -40},
      {kQTemperature, 2, 3, 25, 25},
      {kQTemperature, 3, 2, 25, 25},
      // conductivity
      {kQConductivity, 1, 2, 1, 0.144L},
      {kQConductivity, 2, 1, 0.144L, 1},
      {kQConductivity, 1, 3, 1, 0.124L},
      {kQConductivity, 3, 1, 0.124L, 1},
      {kQConductivity, 2, 3, 0.144L, 0.124L},
      {kQConductivity, 3, 2, 0.124L, 0.144L},
      // surface coefficient
      {kQSurfaceCoef, 1, 2, 1, 5.674L},
      {kQSurfaceCoef, 2, 1, 5.674L, 1},
      {kQSurfaceCoef, 1, 3, 1, 4.875L},
      {kQSurfaceCoef, 3, 1, 4.875L, 1},
      {kQSurfaceCoef, 2, 3, 5.674L, 4.875L},
      {kQSurfaceCoef, 3, 2, 4.875L, 5.674L},
      // thickness, humidity, wind, flow
      {kQThickness, 1, 2, 1, 25.4L},
      {kQThickness, 3, 1, 25.4L, 1},
      {kQThickness, 2, 3, 7, 7},
      {kQRelHumidity, 1, 2, 50, 50},
      {kQRelHumidity, 3, 1, 80, 80},
      {kQWindSpeed, 1, 2, 10, 16.09L},
      {kQWindSpeed, 2, 1, 16.09L, 10},
      {kQWindSpeed, 2, 3, 10, 10},
      {kQFlow, 1, 3, 1, 0.2271L},
      {kQFlow, 2, 1, 0.2271L, 1},
      {kQFlow, 3, 2, 4, 4},
      // heat per length
      {kQHeatPerLength, 1, 2, 1.039368L, 1},
      {kQHeatPerLength, 2, 1, 1, 1.039368L},
      {kQHeatPerLength, 1, 3, 1, 0.82677L},
      {kQHeatPerLength, 3, 1, 0.82677L, 1},
      {kQHeatPerLength, 2, 3, 1, 0.85931828136L},
      {kQHeatPerLength, 3, 2, 0.85931828136L, 1},
      // heat per area (3.152774 between the two metric systems)
      {kQHeatPerArea, 1, 2, 1, 3.152744L},
      {kQHeatPerArea, 2, 1, 3.152744L, 1},
      {kQHeatPerArea, 1, 3, 1, 2.711352L},
      {kQHeatPerArea, 3, 1, 2.711352L, 1},
      {kQHeatPerArea, 2, 3, 3.152774L, 2.711352L},
      {kQHeatPerArea, 3, 2, 2.711352L, 3.152774L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << "code " << c.code << " " << c.from << "->" << c.to);
    EXPECT_REAL_NEAR(ConvertUnits(c.code, c.from, c.to, c.x), c.expected, 1e-12L);
  }
}

TEST(ConvertUnits, EqualSystemsPassEveryCodeUnchanged) {
  for (int code : {0, 1, 2, 7, 10, 12, 13}) {
    for (int sys : {1, 2, 3, 0, 9}) EXPECT_EQ(ConvertUnits(code, sys, sys, 12.345L), 12.345L);
  }
}

TEST(ConvertUnits, UnhandledPairsGiveTheMarker) {
  for (int code : {0, 7, 10, 12, 13, -1}) {
    EXPECT_EQ(ConvertUnits(code, 1, 2, 5), kNotFound) << code;
  }
  EXPECT_EQ(ConvertUnits(kQTemperature, 0, 2, 5), kNotFound);
  EXPECT_EQ(ConvertUnits(kQTemperature, 2, 4, 5), kNotFound);
  EXPECT_EQ(ConvertUnits(kQRelHumidity, 1, 4, 5), kNotFound);
}

TEST(ConvertUnitsText, ThreeUnitPressesDriftTheSurfaceCoefficient) {
  const std::string kcal = ConvertUnitsText("9.0", kQSurfaceCoef, kSI, kMetricKcal);
  const std::string inchPound = ConvertUnitsText(kcal, kQSurfaceCoef, kMetricKcal, kInchPound);
  const std::string si = ConvertUnitsText(inchPound, kQSurfaceCoef, kInchPound, kSI);
  EXPECT_EQ(kcal, "7.733");
  EXPECT_EQ(inchPound, "1.586");
  EXPECT_EQ(si, "8.999");
}

TEST(ConvertUnitsText, ReadsPlainDecimalsOnly) {
  EXPECT_EQ(ConvertUnitsText("10", kQWindSpeed, kSI, kMetricKcal), "10.0");
  EXPECT_EQ(ConvertUnitsText("100", kQTemperature, kSI, kInchPound), "212.0");
  // Not a number (commas are not thousands separators here): read as 0.
  EXPECT_EQ(ConvertUnitsText("abc", kQSurfaceCoef, kSI, kInchPound), "0.0");
  EXPECT_EQ(ConvertUnitsText("1,5", kQTemperature, kSI, kInchPound), "32.0");
}

TEST(UnitVocabulary, BuiltInTextsAreUtf8) {
  EXPECT_EQ(kBuiltinUnitSystemNames[1], " SI Unit  ");
  EXPECT_EQ(kBuiltinQuantityNames[kQHeatPerArea - 1], "Q,Energy per Area");
  EXPECT_EQ(kBuiltinUnitLabels[0][kQTemperature - 1],
            "\xC2\xB0"
            "F");
  EXPECT_EQ(kBuiltinUnitLabels[1][kQSurfaceCoef - 1],
            "W/m\xC2\xB2.\xC2\xB0"
            "C");
  EXPECT_EQ(kBuiltinUnitLabels[2][kQResistance - 1],
            "hr.sq.m.\xC2\xB0"
            "C/kCal");
}

TEST(StandardThickness, LabelsPairMillimetresWithInchSizes) {
  const char* inches[] = {"1/8",   "1/4", "3/8",   "1/2",   "3/4",   "1", "1-1/4", "1-1/2",
                          "1-3/4", "2",   "2-1/4", "2-1/2", "2-3/4", "3", "4"};
  for (size_t i = 0; i < InsulThicknessMM.size(); ++i) {
    char expected[32];
    std::snprintf(expected, sizeof expected, "%3d mm.(%5s\")", InsulThicknessMM[i], inches[i]);
    EXPECT_EQ(InsulThicknessNames[i], expected);
  }
  EXPECT_EQ(InsulThicknessMM.front(), 3);
  EXPECT_EQ(InsulThicknessMM.back(), 100);
}

}  // namespace
}  // namespace qora
