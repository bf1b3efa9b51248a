// Dew point and relative humidity from the saturation-pressure table.
#include "engine/psychro.h"

#include <gtest/gtest.h>

#include "engine/units.h"
#include "test_support.h"

namespace qora {
namespace {

CalcContext InSystem(int unitSystem) {
  CalcContext ctx;
  ctx.unitSystem = unitSystem;
  return ctx;
}

TEST(SatPressureLookup, TableEndsRangeAndInterpolation) {
  const struct {
    char mode;
    Real value, expected;
  } cases[] = {
      {'F', -20, 0.006182L},   // first row: its own value
      {'F', 200, 11.529677L},  // last row is inside
      {'F', 200.5L, kNotFound}, {'F', -20.5L, kNotFound},
      {'F', 32.5L, 0.090432L},  // between the over-water rows of 32 and 33 °F
      {'F', 31.5L, 0.086621L},  // between the ice row of 31 and the water row of 32 °F
      {'F', 77, 0.459475L},     {'P', 0.006182L, -20},
      {'P', 0.088611L, 32},     {'P', 0.090432L, 32.5L},
      {'P', 11.529677L, 200},   {'P', 0.006L, kNotFound},
      {'P', 12, kNotFound},     {'X', 50, kNotFound},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.mode << " " << static_cast<double>(c.value));
    EXPECT_REAL_NEAR(SatPressureLookup(c.mode, c.value), c.expected, 1e-12L);
  }
}

TEST(DewPoint, WorkedExamplesInSI) {
  const struct {
    Real tDryBulb, rh, expected;
  } cases[] = {{25, 50, 13.86L}, {25, 80, 21.31L}, {30, 70, 23.93L}};
  for (const auto& c : cases) {
    EXPECT_REAL_NEAR(DewPoint(InSystem(kSI), c.tDryBulb, c.rh), c.expected, 0.005L);
  }
}

TEST(DewPoint, SaturatedAirIsItsOwnDewPoint) {
  for (Real t : {-20.0L, 0.0L, 31.5L, 77.0L, 150.25L, 200.0L}) {
    EXPECT_REAL_NEAR(DewPoint(InSystem(kInchPound), t, 100), t, 1e-12L);
  }
  EXPECT_REAL_NEAR(DewPoint(InSystem(kSI), 25, 100), 25, 1e-12L);
}

TEST(DewPoint, SameAirInEverySystem) {
  const Real si = DewPoint(InSystem(kSI), 25, 80);
  EXPECT_REAL_NEAR(DewPoint(InSystem(kMetricKcal), 25, 80), si, 1e-12L);
  EXPECT_REAL_NEAR(DewPoint(InSystem(kInchPound), 77, 80), si * 1.8L + 32, 1e-12L);
}

TEST(DewPoint, OutsideTheTableGivesTheConvertedMarker) {
  // 212 °F is above the table: 99999 °F, in °C (99999 − 32) · 5/9.
  EXPECT_REAL_NEAR(DewPoint(InSystem(kSI), 100, 50), 55537.222222L, 1e-5L);
  EXPECT_EQ(DewPoint(InSystem(kInchPound), 250, 50), kNotFound);
  // At a low humidity the marker must not be read as a vapour pressure (99999 · 0.01 %
  // would be 9.9999 psia, a dew point near 193 °F).
  EXPECT_EQ(DewPoint(InSystem(kInchPound), 250, 0.01L), kNotFound);
  // A vapour pressure below the table.
  EXPECT_EQ(DewPoint(InSystem(kInchPound), -10, 1), kNotFound);
  EXPECT_EQ(DewPoint(InSystem(kInchPound), 70, -5), kNotFound);
}

TEST(RelativeHumidity, ExamplesAndRefusals) {
  EXPECT_REAL_NEAR(RelativeHumidity(InSystem(kSI), 25, 12), 44.27L, 0.005L);
  EXPECT_REAL_NEAR(RelativeHumidity(InSystem(kInchPound), 77, 53.6L), 44.27L, 0.005L);
  for (Real t : {-4.0L, 10.0L, 25.0L, 60.0L}) {
    EXPECT_REAL_NEAR(RelativeHumidity(InSystem(kSI), t, t), 100, 1e-12L);
  }
  EXPECT_EQ(RelativeHumidity(InSystem(kSI), 20, 21), kNotFound);   // dew point above air
  EXPECT_EQ(RelativeHumidity(InSystem(kSI), 100, 20), kNotFound);  // air above the table
  EXPECT_EQ(RelativeHumidity(InSystem(kSI), 20, -40), kNotFound);  // dew point below it
}

TEST(Psychrometrics, DewPointAndHumidityAreInverse) {
  for (Real rh : {20.0L, 44.27L, 65.0L, 95.0L}) {
    const Real td = DewPoint(InSystem(kSI), 28, rh);
    EXPECT_REAL_NEAR(RelativeHumidity(InSystem(kSI), 28, td), rh, 1e-9L);
  }
}

}  // namespace
}  // namespace qora
