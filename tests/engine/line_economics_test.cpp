// Temperature along a line and over time, operating hours, energy price and capital
// recovery.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/economics.h"
#include "engine/line_temperature.h"
#include "engine/units.h"
#include "test_support.h"

namespace qora {
namespace {

CalcContext InSystem(int unitSystem) {
  CalcContext ctx;
  ctx.unitSystem = unitSystem;
  return ctx;
}

TEST(PipeSurfaceArea, OuterAreaOfALength) {
  EXPECT_REAL_NEAR(PipeSurfaceArea(InSystem(kInchPound), 6, 1), std::numbers::pi_v<Real>, 1e-15L);
  EXPECT_REAL_NEAR(PipeSurfaceArea(InSystem(kSI), 100, 1), 0.6283L, 0.00005L);
  EXPECT_REAL_NEAR(PipeSurfaceArea(InSystem(kMetricKcal), 100, 1), 0.6283L, 0.00005L);
  EXPECT_EQ(PipeSurfaceArea(InSystem(0), 100, 1), kNotFound);
}

TEST(OutletTemperature, ExponentialApproachToAmbient) {
  const CalcContext si = InSystem(kSI);
  // Leq 20 mm, h 9, k 0.04 (U = 1.636364), 1 m³/h (0.27778 kg/s), cp 4186:
  // 5 + 20·(1 − e^(−A·U/(ṁ·cp)))
  EXPECT_REAL_NEAR(OutletTemperature(si, 20, 9, 25, 0.04L, 5, 10, 1), 5.279486L, 1e-6L);
  EXPECT_REAL_NEAR(OutletTemperature(si, 20, 9, 25, 0.04L, 5, 500, 1), 15.104421L, 1e-6L);
  EXPECT_EQ(OutletTemperature(si, 20, 9, 25, 0.04L, 5, 0, 1), 5);  // no area
  EXPECT_EQ(OutletTemperature(si, 20, 9, 25, 0, 5, 10, 1), 5);     // perfect insulation
  const Real far = OutletTemperature(si, 20, 9, 25, 0.04L, 5, 1e5L, 1);
  EXPECT_LE(far, 25);
  EXPECT_GT(far, 24.999L);
  // metric-kcal: ṁ in kg/h, cp 1 kcal/(kg·°C): the same x with the SI U·3600/4186
  const CalcContext kcal = InSystem(kMetricKcal);
  EXPECT_REAL_NEAR(
      OutletTemperature(kcal, 20, 9 * 3600 / 4186.0L, 25, 0.04L * 3600 / 4186.0L, 5, 10, 1),
      5.279486L, 1e-6L);
}

TEST(OutletTemperature, NoFlowTakesTheAmbientTemperature) {
  const CalcContext si = InSystem(kSI);
  EXPECT_EQ(OutletTemperature(si, 20, 9, 25, 0.04L, 5, 10, 0), 25);
  EXPECT_EQ(OutletTemperature(si, 20, 9, 25, 0.04L, 5, 10, -2), 25);
  EXPECT_EQ(OutletTemperature(si, 0, 9, 25, 0, 5, 10, 1), 5);  // no conductance: 0/0
  EXPECT_EQ(OutletTemperature(InSystem(7), 20, 9, 25, 0.04L, 5, 10, 1), kNotFound);
}

TEST(OutletTemperature, SameLineInInchPound) {
  // The SI case over 500 m² in inch-pound units: ft², GPM, Btu. The rounded flow factor
  // and ρ = 62.26 lb/ft³ make the mass flow 0.25 % lower.
  const Real inIp = OutletTemperature(InSystem(kInchPound), 20 / 25.4L, 9 / 5.674L, 77,
                                      0.04L / 0.144L, 41, 500 * 10.7639L, 1 / 0.2271L);
  EXPECT_REAL_NEAR((inIp - 32) / 1.8L, 15.104421L, 0.05L);
}

TEST(TemperatureAfterTime, StandingWater) {
  const CalcContext si = InSystem(kSI);
  // Leq 20 mm, h 9, k 0.04, rO 50 mm, rI 26 mm, 2 h:
  // x = 7.2e6·2·50·0.36 / (26²·1000·4186·0.22) = 0.41636
  EXPECT_REAL_NEAR(TemperatureAfterTime(si, 20, 9, 25, 0.04L, 5, 50, 26, 2), 11.811111L, 1e-6L);
  EXPECT_EQ(TemperatureAfterTime(si, 20, 9, 25, 0.04L, 5, 50, 26, 0), 5);
  EXPECT_EQ(TemperatureAfterTime(si, 20, 9, 25, 0, 5, 50, 26, 2), 5);
  EXPECT_EQ(TemperatureAfterTime(si, 20, 9, 25, 0.04L, 5, 50, 0, 2), 25);  // no bore
  EXPECT_EQ(TemperatureAfterTime(si, 20, 9, 25, 0.04L, 5, 50, -1, 2), 25);
  EXPECT_EQ(TemperatureAfterTime(si, 0, 9, 25, 0, 5, 50, 26, 2), 5);  // 0/0
  EXPECT_EQ(TemperatureAfterTime(InSystem(0), 20, 9, 25, 0.04L, 5, 50, 26, 2), kNotFound);
  // Inch-pound: f = 24, ρ 62.26, cp 1; the same water in inches and °F within the
  // rounding of the factors and of ρ·cp.
  const Real ip = TemperatureAfterTime(InSystem(kInchPound), 20 / 25.4L, 9 / 5.674L, 77,
                                       0.04L / 0.144L, 41, 50 / 25.4L, 26 / 25.4L, 2);
  EXPECT_REAL_NEAR((ip - 32) / 1.8L, 11.811111L, 0.05L);
}

TEST(Economics, DefaultsOfTheParameters) {
  CalcContext ctx;
  EXPECT_EQ(OperatingHoursPerYear(ctx), 1600);
  ctx.daysPerYear = "1,000";
  EXPECT_EQ(OperatingHoursPerYear(ctx), 8000);
  const struct {
    int source;
    Real price;
  } prices[] = {{1, 3.0L}, {2, 11.0L / 6.0L}, {3, 10.0L / 7.0L}, {4, 2.0L}, {0, 0}, {5, 0}};
  for (const auto& p : prices) {
    ctx.energySource = p.source;
    const auto price = EnergyUnitCost(ctx);
    ASSERT_TRUE(price.has_value()) << p.source;
    EXPECT_REAL_NEAR(*price, p.price, 1e-15L) << p.source;
  }
}

TEST(Economics, ZeroEnergyContentLeavesThePriceUndefined) {
  CalcContext ctx;
  ctx.energySource = 2;
  ctx.gasEnergy = "0";
  EXPECT_FALSE(EnergyUnitCost(ctx).has_value());
  ctx.gasEnergy = "abc";  // reads as 0
  EXPECT_FALSE(EnergyUnitCost(ctx).has_value());
  ctx.energySource = 3;
  ctx.oilEnergy = "";
  EXPECT_FALSE(EnergyUnitCost(ctx).has_value());
  ctx.energySource = 1;  // the other sources do not look at the contents
  EXPECT_TRUE(EnergyUnitCost(ctx).has_value());
}

TEST(AnnualCost, CapitalRecoveryAndItsLimits) {
  const struct {
    Real capital, years, rate, expected, tol;
  } cases[] = {
      {1000, 3, 8, 388.03L, 0.005L},
      {1000, 2.5L, 8, 457.0767L, 0.0001L},  // fractional years
      {1000, 0, 8, 0, 0},
      {1000, -1, 8, 0, 0},
      {1000, 3, 0, 1000 / 3.0L, 1e-12L},      // the limit at 0 %
      {1000, 3, 1e-30L, 1000 / 3.0L, 1e-9L},  // a rate too small to change 1 + i
      {1000, 3, 1e-6L, 1000 / 3.0L, 0.001L},
      {1000, 1e6L, 8, 80, 1e-9L},  // endless repayment: interest only
      {1000, 3, -100, 0, 0},
      {1000, 2.5L, -150, 0, 0},
  };
  for (const auto& c : cases) {
    const Real cost = AnnualCost(c.capital, c.years, c.rate);
    EXPECT_TRUE(std::isfinite(cost));
    EXPECT_REAL_NEAR(cost, c.expected, c.tol)
        << c.years << " years at " << static_cast<double>(c.rate) << " %";
  }
}

}  // namespace
}  // namespace qora
