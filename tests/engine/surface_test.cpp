// Surface coefficient, surface temperature, heat flow and conductivity at a mean
// temperature.
#include "engine/surface.h"

#include <gtest/gtest.h>

#include <cmath>

#include "engine/psychro.h"
#include "engine/units.h"
#include "test_support.h"

namespace qora {
namespace {

// The chilled-water example: SI, calculated coefficient, horizontal cylinder, still air,
// no jacket (emissivity 0.95).
CalcContext CalculatedSI() {
  CalcContext ctx;
  ctx.unitSystem = kSI;
  ctx.factorBy = 2;
  ctx.surfaceShape = 0;
  ctx.emissivityChoice = 1;
  ctx.wind = "0";
  ctx.emNoJacket = "0.95";
  return ctx;
}

TEST(SurfaceCoef, TypedValueIsTakenAsItIs) {
  CalcContext ctx = CalculatedSI();
  ctx.factorBy = 1;
  ctx.wind = "25";
  EXPECT_EQ(SurfaceCoef(ctx, 7.25L, 60.3L, 21.31L, 25), 7.25L);
  EXPECT_EQ(SurfaceCoef(ctx, 7.25L, 99999, 90, 25), 7.25L);
  ctx.factorBy = 0;
  EXPECT_EQ(SurfaceCoef(ctx, 7.25L, 60.3L, 21.31L, 25), 0);
}

TEST(SurfaceCoef, WorkedExampleAtTheDewPoint) {
  const CalcContext ctx = CalculatedSI();
  const Real tSurface = DewPoint(ctx, 25, 80);  // 21.3072 °C, unrounded
  const Real tMean = (tSurface + 25) / 2;
  EXPECT_REAL_NEAR(ConvectionCoef(11.58L, 60.3L, tMean, tSurface, 25, 0), 3.688L, 0.0005L);
  EXPECT_REAL_NEAR(RadiationCoef(0.95L, 25, tSurface), 5.605L, 0.0005L);
  EXPECT_REAL_NEAR(SurfaceCoef(ctx, 0, 60.3L, tSurface, 25), 9.292L, 0.001L);
  // At the rounded 21.31 °C the correlation itself gives 3.6868.
  EXPECT_REAL_NEAR(ConvectionCoef(11.58L, 60.3L, (21.31L + 25) / 2, 21.31L, 25, 0), 3.6868L,
                   0.00005L);
  // A wind of 10 km/h multiplies convection by √(1 + 7.935).
  EXPECT_REAL_NEAR(ConvectionCoef(11.58L, 60.3L, tMean, tSurface, 25, 10), 11.02L, 0.005L);
}

TEST(SurfaceCoef, WindAndEmissivityTextsAreReadWhenUsed) {
  CalcContext ctx = CalculatedSI();
  const Real hc = ConvectionCoef(11.58L, 60.3L, 23, 21, 25, 0);
  ctx.emissivityChoice = 0;  // no emissivity: convection only
  EXPECT_REAL_NEAR(SurfaceCoef(ctx, 0, 60.3L, 21, 25), hc, 1e-15L);
  ctx.emissivityChoice = 1;
  ctx.emNoJacket = "";  // empty field reads as 0
  EXPECT_REAL_NEAR(SurfaceCoef(ctx, 0, 60.3L, 21, 25), hc, 1e-15L);
  ctx.emissivityChoice = 2;
  ctx.emJacket = "0.05";
  EXPECT_REAL_NEAR(SurfaceCoef(ctx, 0, 60.3L, 21, 25), hc + RadiationCoef(0.05L, 25, 21), 1e-15L);
  ctx.emissivityChoice = 0;
  ctx.wind = "1,5";  // a decimal comma: 1.5 km/h
  EXPECT_REAL_NEAR(SurfaceCoef(ctx, 0, 60.3L, 21, 25), hc * std::sqrt(1 + 0.7935L * 1.5L), 1e-12L);
  ctx.wind = "1,000";  // a grouped number: 1000 km/h
  EXPECT_REAL_NEAR(SurfaceCoef(ctx, 0, 60.3L, 21, 25), hc * std::sqrt(1 + 793.5L), 1e-9L);
}

TEST(SurfaceCoef, ShapeCoefficientScalesConvection) {
  const Real expected[] = {11.58L, 14.08L, 15.89L, 20.4L, 10.15L, 10.15L, 20.4L};
  CalcContext ctx = CalculatedSI();
  ctx.emissivityChoice = 0;
  const Real perUnitC = ConvectionCoef(1, 99999, 20, 15, 25, 0);
  for (int shape = 0; shape <= 6; ++shape) {
    ctx.surfaceShape = shape;
    EXPECT_REAL_NEAR(SurfaceCoef(ctx, 0, 99999, 15, 25), expected[shape] * perUnitC, 1e-15L)
        << shape;
  }
  // An unknown shape has no convection part; radiation remains.
  ctx.emissivityChoice = 1;
  ctx.surfaceShape = 7;
  EXPECT_REAL_NEAR(SurfaceCoef(ctx, 0, 99999, 15, 25), RadiationCoef(0.95L, 25, 15), 1e-15L);
}

TEST(ConvectionCoef, DiameterLimitedTo600mm) {
  // 11.58 · 600^-0.2 · 37.8^-0.181 · 10^0.266 by hand
  EXPECT_REAL_NEAR(ConvectionCoef(11.58L, 600, 20, 15, 25, 0), 3.0800L, 0.0001L);
  EXPECT_EQ(ConvectionCoef(11.58L, 1000, 20, 15, 25, 0),
            ConvectionCoef(11.58L, 600, 20, 15, 25, 0));
  EXPECT_EQ(ConvectionCoef(11.58L, 99999, 20, 15, 25, 0),
            ConvectionCoef(11.58L, 600, 20, 15, 25, 0));
  EXPECT_GT(ConvectionCoef(11.58L, 599, 20, 15, 25, 0), ConvectionCoef(11.58L, 600, 20, 15, 25, 0));
}

TEST(ConvectionCoef, OutsideTheCorrelationIsZeroNeverNaN) {
  EXPECT_EQ(ConvectionCoef(11.58L, 0, 20, 15, 25, 0), 0);
  EXPECT_EQ(ConvectionCoef(11.58L, -5, 20, 15, 25, 0), 0);
  EXPECT_EQ(ConvectionCoef(11.58L, 60, -17.8L, -20, -15.6L, 0), 0);  // mean at 0 °F
  EXPECT_EQ(ConvectionCoef(11.58L, 60, -30, -25, -35, 0), 0);
  // A negative wind counts as still air.
  EXPECT_EQ(ConvectionCoef(11.58L, 60, 20, 15, 25, -5), ConvectionCoef(11.58L, 60, 20, 15, 25, 0));
}

TEST(RadiationCoef, PositiveEitherWayAndMarkerAtEqualTemperatures) {
  EXPECT_EQ(RadiationCoef(0.9L, 25, 25), kNotFound);
  const Real cold = RadiationCoef(0.9L, 25, 15);
  const Real hot = RadiationCoef(0.9L, 25, 35);
  EXPECT_GT(cold, 0);
  EXPECT_GT(hot, cold);  // a hotter surface radiates more per kelvin
  // Cold and hot line with the same difference: only the mean term and radiation differ.
  CalcContext ctx = CalculatedSI();
  const Real hCold = SurfaceCoef(ctx, 0, 100, 15, 25);
  const Real hHot = SurfaceCoef(ctx, 0, 100, 35, 25);
  EXPECT_GT(hCold, 0);
  EXPECT_GT(hHot, 0);
  EXPECT_REAL_NEAR(hCold - RadiationCoef(0.95L, 25, 15), ConvectionCoef(11.58L, 100, 20, 15, 25, 0),
                   1e-15L);
}

TEST(SurfaceCoef, SameCaseInEveryUnitSystem) {
  CalcContext si = CalculatedSI();
  si.wind = "10";
  const Real hSI = SurfaceCoef(si, 0, 60.3L, 21.3L, 25);

  CalcContext ip = si;
  ip.unitSystem = kInchPound;
  ip.wind = "6.215040397762585";  // 10 km/h in mph at 1.609
  const Real hIP = SurfaceCoef(ip, 0, 60.3L / 25.4L, 21.3L * 1.8L + 32, 77);
  EXPECT_REAL_NEAR(hIP * 5.674L, hSI, 1e-9L);

  CalcContext kcal = si;
  kcal.unitSystem = kMetricKcal;
  EXPECT_REAL_NEAR(SurfaceCoef(kcal, 0, 60.3L, 21.3L, 25) / 4.875L * 5.674L, hSI, 1e-9L);
}

TEST(SurfaceTemperature, BalanceOfFilmAndInsulation) {
  CalcContext ctx;
  ctx.unitSystem = kSI;
  // Leq 20 mm, h 9, k 0.04: (0.18·25 + 0.04·5) / 0.22
  EXPECT_REAL_NEAR(SurfaceTemperature(ctx, 20, 9, 25, 0.04L, 5), 21.363636L, 1e-6L);
  EXPECT_REAL_NEAR(SurfaceTemperature(ctx, 20, 9, 25, 0, 5), 25, 1e-15L);  // perfect insulation
  EXPECT_EQ(SurfaceTemperature(ctx, 0, 9, 25, 0.04L, 5), 5);               // bare pipe
  EXPECT_EQ(SurfaceTemperature(ctx, 0, 9, 25, 0, 5), 25);                  // no conductance at all
  // Inch-pound: Leq in inches, not divided by 1000.
  ctx.unitSystem = kInchPound;
  EXPECT_REAL_NEAR(SurfaceTemperature(ctx, 1, 1.6L, 77, 0.25L, 41),
                   (1.6L * 77 + 0.25L * 41) / 1.85L, 1e-12L);
  ctx.unitSystem = 4;
  EXPECT_EQ(SurfaceTemperature(ctx, 20, 9, 25, 0.04L, 5), 0);
}

TEST(HeatFlow, SignFollowsTheWarmerSide) {
  CalcContext ctx;
  ctx.unitSystem = kSI;
  // U = 0.04·9 / (0.02·9 + 0.04) = 1.636364 W/(m²·K), 20 K over 1 m²
  EXPECT_REAL_NEAR(HeatFlow(ctx, 20, 9, 25, 0.04L, 5, 1), 32.727273L, 1e-6L);
  EXPECT_REAL_NEAR(HeatFlow(ctx, 20, 9, 25, 0.04L, 45, 2), -65.454545L, 1e-6L);
  EXPECT_EQ(HeatFlow(ctx, 0, 9, 25, 0, 5, 1), 0);
  ctx.unitSystem = 0;
  EXPECT_EQ(HeatFlow(ctx, 20, 9, 25, 0.04L, 5, 1), kNotFound);
}

TEST(KAtMeanTemperature, LinearInCelsius) {
  CalcContext ctx;
  ctx.unitSystem = kSI;
  EXPECT_REAL_NEAR(kAtMeanTemperature(ctx, 0), 0.0354L, 1e-15L);
  EXPECT_REAL_NEAR(kAtMeanTemperature(ctx, 24), 0.03804L, 1e-15L);
  ctx.unitSystem = kInchPound;  // 75.2 °F = 24 °C, k in Btu·in/(h·ft²·°F)
  EXPECT_REAL_NEAR(kAtMeanTemperature(ctx, 75.2L), 0.03804L / 0.144L, 1e-12L);
  ctx.unitSystem = kMetricKcal;
  EXPECT_REAL_NEAR(kAtMeanTemperature(ctx, 24), 0.03804L * 0.124L / 0.144L, 1e-12L);
}

}  // namespace
}  // namespace qora
