// The pipe heat balance: surface temperature, heat per length and thickness for a surface
// limit, with the typed and with the calculated surface coefficient.
#include "engine/pipe_heat.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

#include "engine/line_temperature.h"
#include "engine/psychro.h"
#include "engine/surface.h"
#include "engine/thickness.h"
#include "engine/units.h"
#include "test_support.h"

namespace qora {
namespace {

constexpr Real kPi = std::numbers::pi_v<Real>;

CalcContext Calculated(int unitSystem, int emissivityChoice, const char* emissivity) {
  CalcContext ctx;
  ctx.unitSystem = unitSystem;
  ctx.factorBy = 2;
  ctx.surfaceShape = 0;
  ctx.emissivityChoice = emissivityChoice;
  (emissivityChoice == 1 ? ctx.emNoJacket : ctx.emJacket) = emissivity;
  ctx.wind = "0";
  return ctx;
}

// The surface coefficient by hand, SI, horizontal cylinder in still air:
//   hc = 11.58·(1/D)^0.2·(1/(tMean + 17.8))^0.181·|ts − ta|^0.266   D mm (≤ 600), t °C
//   hr = ε·σ·(Ta⁴ − Ts⁴)/(ta − ts), σ = 5.6697e-8 W/(m²·K⁴), T = t + 273.15 K
Real HandCoef(Real dMm, Real ts, Real ta, Real emissivity) {
  const Real d = std::min(dMm, Real{600});
  const Real hc = 11.58L * std::pow(1 / d, 0.2L) * std::pow(1 / ((ts + ta) / 2 + 17.8L), 0.181L) *
                  std::pow(std::fabs(ts - ta), 0.266L);
  const Real tA = ta + 273.15L, tS = ts + 273.15L;
  return hc + emissivity * 5.6697e-8L * (std::pow(tA, 4) - std::pow(tS, 4)) / (ta - ts);
}

// Closed-form surface temperature (SI) for a given h: (Leq'·h·ta + k·tl) / (Leq'·h + k).
Real HandSurface(Real dMm, Real t, Real h, Real ta, Real k, Real tl) {
  const Real r1 = dMm / 2, r2 = r1 + t;
  const Real lp = r2 * std::log(r2 / r1) / 1000;
  return (lp * h * ta + k * tl) / (lp * h + k);
}

// 1" steel line (33.4 mm) at 5 °C in a room at 30 °C, 90 % RH, jacket emissivity 0.1.
// k 0.0346 W/(m·K) is the fifth of the shipped chilled-water conductivities (SI).
// Hand calculation with the coefficient at the dew point 28.1753 °C, ε = 0.1:
//   bare 33.4 mm: hc 3.3572 + hr 0.6261 = 3.9833 W/(m²·K), Leq = 0.0346·23.175/(1.8247·3.9833)
//     = 110.33 mm, r2·ln(r2/16.7) = 110.33 → t = 57.37 mm (the old bare-diameter answer);
//   the fixed point t = 70.716 mm: D + 2t = 174.83 mm, hc 2.4110 + hr 0.6261 = 3.0371,
//     Leq = 144.70 mm = r2·ln(r2/16.7) with r2 = 87.416 mm.
// k 0.035 W/(m·K), the conductivity of the analyses' worked examples, gives 57.88 → 71.414 mm.
TEST(CondensationThicknessFor, CalculatedCoefficientAtTheInsulatedDiameter) {
  const CalcContext ctx = Calculated(kSI, 2, "0.1");
  const Real dew = DewPoint(ctx, 30, 90);
  EXPECT_REAL_NEAR(dew, 28.18L, 0.005L);
  const struct {
    Real k, bare, expected;
  } cases[] = {{0.0346L, 57.37L, 70.716L}, {0.035L, 57.88L, 71.414L}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.k));
    const PipeCase pipe{30, 5, c.k, 0, 33.4L};
    const std::optional<Real> t = CondensationThicknessFor(ctx, pipe, dew);
    ASSERT_TRUE(t.has_value());
    EXPECT_REAL_NEAR(*t, c.expected, 0.002L);
    const Real h = HandCoef(33.4L + 2 * *t, dew, 30, 0.1L);
    EXPECT_REAL_NEAR(HandSurface(33.4L, *t, h, 30, c.k, 5), dew, 0.01L);
    // What the coefficient at the bare diameter gave: 13 to 14 mm too thin.
    const Real old =
        CondensationThickness(ctx, 30, dew, 5, c.k, 16.7L, HandCoef(33.4L, dew, 30, 0.1L));
    EXPECT_REAL_NEAR(old, c.bare, 0.01L);
  }
}

// 2" steel line (60.3 mm) at 200 °C in a room at 25 °C, k 0.045 W/(m·K), emissivity 0.9.
// Hand calculation at 50 mm: D + 2t = 160.3 mm, Leq = 80.15·ln(80.15/30.15) = 78.364 mm;
// at Ts = 34.950 °C hc = 3.839 and hr = 5.687, h = 9.525 W/(m²·K), and
// (0.078364·9.525·25 + 0.045·200)/(0.078364·9.525 + 0.045) = 34.950 °C. The coefficient
// at the bare diameter and the mean of room and line (15.77) gave 31.15 °C.
TEST(SurfaceAt, HotLineBalanceWithTheCalculatedCoefficient) {
  const CalcContext ctx = Calculated(kSI, 1, "0.9");
  const PipeCase pipe{25, 200, 0.045L, 0, 60.3L};
  const struct {
    Real t, ts, h;
  } cases[] = {{10, 66.1103L, 12.7436L},
               {25, 44.4270L, 10.8206L},
               {50, 34.9501L, 9.5254L},
               {75, 31.5149L, 8.8598L},
               {100, 29.7709L, 8.4353L}};
  for (const auto& c : cases) {
    SCOPED_TRACE(static_cast<double>(c.t));
    const PipeSurface s = SurfaceAt(ctx, pipe, c.t);
    EXPECT_REAL_NEAR(s.temperature, c.ts, 0.0005L);
    EXPECT_REAL_NEAR(s.h, c.h, 0.0005L);
    const Real dOuter = 60.3L + 2 * c.t;
    const Real h = HandCoef(dOuter, s.temperature, 25, 0.9L);
    EXPECT_REAL_NEAR(HandSurface(60.3L, c.t, h, 25, 0.045L, 200), s.temperature, 1e-5L);
    // Heat lost per metre through the film, q = h·(Ts − Ta)·π·(D + 2t)/1000, worked back.
    const Real q = -HeatPerLength(ctx, pipe, c.t);
    EXPECT_REAL_NEAR(25 + q / (h * kPi * dOuter / 1000), s.temperature, 0.01L);
  }
}

// The bare line: surface at the line temperature, coefficient at the bare diameter,
// q = h·(ta − tl)·π·D/1000 = 20.6558·(25 − 200)·π·0.0603 = −684.77 W/m.
TEST(SurfaceAt, BareLineIsAtTheLineTemperature) {
  const CalcContext ctx = Calculated(kSI, 1, "0.9");
  const PipeCase pipe{25, 200, 0.045L, 0, 60.3L};
  const Real h = HandCoef(60.3L, 200, 25, 0.9L);
  EXPECT_REAL_NEAR(h, 20.6558L, 0.0001L);
  for (Real t : {Real{0}, Real{-3}}) {
    EXPECT_REAL_NEAR(SurfaceAt(ctx, pipe, t).temperature, 200, 1e-9L);
    EXPECT_REAL_NEAR(SurfaceAt(ctx, pipe, t).h, h, 1e-9L);
    EXPECT_REAL_NEAR(HeatPerLength(ctx, pipe, t), h * (25 - 200) * kPi * 0.0603L, 1e-9L);
  }
}

// The same cases in inch-pound and metric-kcal units agree within the rounding of the unit
// conversion factors; a Leq' taken in the wrong unit would be off by orders of magnitude.
TEST(PipeHeat, UnitSystemsAgree) {
  const CalcContext ip = Calculated(kInchPound, 1, "0.9");
  const PipeCase hot{77, 392, ConvertUnits(kQConductivity, kSI, kInchPound, 0.045L), 0,
                     60.3L / 25.4L};
  EXPECT_REAL_NEAR((SurfaceAt(ip, hot, 50 / 25.4L).temperature - 32) / 1.8L, 34.950L, 0.02L);
  for (int sys : {kInchPound, kMetricKcal}) {
    const CalcContext ctx = Calculated(sys, 2, "0.1");
    const Real mm = sys == kInchPound ? 25.4L : 1;
    const Real ta = ConvertUnits(kQTemperature, kSI, sys, 30);
    const PipeCase cold{ta, ConvertUnits(kQTemperature, kSI, sys, 5),
                        ConvertUnits(kQConductivity, kSI, sys, 0.0346L), 0, 33.4L / mm};
    const std::optional<Real> t = CondensationThicknessFor(ctx, cold, DewPoint(ctx, ta, 90));
    ASSERT_TRUE(t.has_value());
    EXPECT_REAL_NEAR(*t * mm, 70.716L, 0.2L);
  }
}

// With the typed coefficient every result is, bit for bit, what the analyses computed with
// SurfaceTemperature, HeatFlow, CondensationThickness and HotThickness.
TEST(PipeHeat, TypedCoefficientGivesTheClosedFormsExactly) {
  const struct {
    int sys;
    Real ambient, line, k, h, d, limit;
  } cases[] = {
      {kSI, 25, 10, 0.035L, 9, 60.3L, 21.31L},         {kSI, 25, 200, 0.045L, 8, 60.3L, 50},
      {kInchPound, 80, 40, 0.24L, 1.65L, 2.375L, 70},  {kInchPound, 75, 350, 0.3L, 1.5L, 4.5L, 120},
      {kMetricKcal, 30, 7, 0.03L, 8, 33.4L, 26.3L},    {kSI, 30, 5, 0.0346L, 11.5L, 1524, 28.18L},
      {kMetricKcal, 20, 95, 0.04L, 7.7L, 10.3L, 40.5L}};
  for (const auto& c : cases) {
    CalcContext ctx;
    ctx.unitSystem = c.sys;
    ctx.factorBy = 1;
    const PipeCase pipe{c.ambient, c.line, c.k, c.h, c.d};
    const Real r1 = c.d / 2;
    for (Real t : {Real{0}, c.d / 7, 2 * c.d}) {
      SCOPED_TRACE(testing::Message()
                   << static_cast<double>(c.line) << " " << static_cast<double>(t));
      const Real leq = -LogThicknessResidual(0, r1 + t, r1);
      EXPECT_EQ(SurfaceAt(ctx, pipe, t).temperature,
                SurfaceTemperature(ctx, leq, c.h, c.ambient, c.k, c.line));
      EXPECT_EQ(HeatPerLength(ctx, pipe, t),
                HeatFlow(ctx, leq, c.h, c.ambient, c.k, c.line, PipeSurfaceArea(ctx, r1 + t, 1)));
    }
    const std::optional<Real> t = c.line < c.ambient ? CondensationThicknessFor(ctx, pipe, c.limit)
                                                     : HotThicknessFor(ctx, pipe, c.limit);
    const Real expected = c.line < c.ambient
                              ? CondensationThickness(ctx, c.ambient, c.limit, c.line, c.k, r1, c.h)
                              : HotThickness(ctx, c.ambient, c.limit, c.line, c.k, c.d * 0.5L, c.h);
    ASSERT_TRUE(t.has_value());
    EXPECT_GT(expected, 0);
    EXPECT_EQ(*t, expected);
  }
}

// 0 where the bare pipe already meets the limit, nullopt where no thickness does, in both
// coefficient modes. Cold: room 30 °C, line 5 °C; hot: room 25 °C, line 200 °C.
TEST(PipeHeat, UnreachableLimitsAreNulloptAndBarePipesZero) {
  enum Expect { Zero, None, Thickness };
  const struct {
    bool cold;
    Real line, k, h, d, limit;
    Expect expect;
  } cases[] = {
      {true, 5, 0.0346L, 9, 33.4L, 5, Zero},           // line at the dew point
      {true, 5, 0.0346L, 9, 33.4L, 4.9L, Zero},        // line above it
      {true, 35, 0.0346L, 9, 33.4L, 30, Zero},         // line warmer than a saturated room
      {true, 5, 0.0346L, 9, 33.4L, 30, None},          // 100 % RH
      {true, 5, 0.0346L, 9, 33.4L, kNotFound, None},   // no dew point found
      {true, 5, 0.0346L, 9, 33.4L, 29.9L, Thickness},  // just below the room
      {true, 5, 0.0346L, 9, 0.02L, 29.99L, None},      // root beyond 10000·r1
      {true, 5, 0, 9, 33.4L, 20, None},                // no conductivity
      {true, 5, 0.0346L, 0, 33.4L, 20, None},          // typed h 0 (factorBy 1 only)
      {false, 200, 0.045L, 8, 60.3L, 200, Zero},       // limit at the line temperature
      {false, 200, 0.045L, 8, 60.3L, 250, Zero},       // limit above it
      {false, 200, 0.045L, 8, 60.3L, 25, None},        // limit at the room temperature
      {false, 200, 0.045L, 8, 60.3L, 20, None},        // limit below it
      {false, 24, 0.045L, 8, 60.3L, 20, None},         // line colder than the room, above the limit
      {false, 200, 0.045L, 8, 60.3L, 25.1L, Thickness},  // just above the room
      {false, 200, 0.045L, 8, 0.02L, 25.01L, None},      // root beyond 10000·r1
  };
  for (int factorBy : {1, 2}) {
    CalcContext ctx = Calculated(kSI, 1, "0.9");
    ctx.factorBy = factorBy;
    for (const auto& c : cases) {
      if (factorBy == 2 && c.h == 0) continue;
      SCOPED_TRACE(testing::Message() << factorBy << " " << static_cast<double>(c.limit) << " "
                                      << static_cast<double>(c.d));
      const PipeCase pipe{c.cold ? Real{30} : Real{25}, c.line, c.k, c.h, c.d};
      const std::optional<Real> t = c.cold ? CondensationThicknessFor(ctx, pipe, c.limit)
                                           : HotThicknessFor(ctx, pipe, c.limit);
      if (c.expect == None) {
        EXPECT_FALSE(t.has_value());
      } else {
        ASSERT_TRUE(t.has_value());
        EXPECT_EQ(*t == 0, c.expect == Zero) << static_cast<double>(*t);
        EXPECT_TRUE(std::isfinite(*t));
      }
    }
  }
}

// No heat flows between a room and a line equally warm, nor through a conductivity of 0 or
// from a pipe of no size: the surface is at the room temperature, and the calculated
// coefficient is its limit there, radiation alone: 4·ε·σ·Ta³ = 4·0.9·5.6697e-8·298.15³.
TEST(SurfaceAt, NoHeatWithoutATemperatureDifference) {
  const CalcContext ctx = Calculated(kSI, 1, "0.9");
  const Real hr = 4 * 0.9L * 5.6697e-8L * 298.15L * 298.15L * 298.15L;
  for (const PipeCase& pipe : {PipeCase{25, 25, 0.045L, 0, 60.3L}, PipeCase{25, 200, 0, 0, 60.3L},
                               PipeCase{25, 200, 0.045L, 0, 0}}) {
    for (Real t : {Real{0}, Real{50}}) {
      const PipeSurface s = SurfaceAt(ctx, pipe, t);
      EXPECT_EQ(s.temperature, 25);
      EXPECT_REAL_NEAR(s.h, hr, 1e-12L);
      EXPECT_EQ(HeatPerLength(ctx, pipe, t), 0);
    }
  }
}

// Nothing returns NaN or infinity, whatever the inputs.
TEST(PipeHeat, DegenerateInputsStayFinite) {
  const Real inf = INFINITY, nan = NAN, huge = 1e300L;
  const PipeCase cases[] = {
      {25, 200, 0.045L, 9, 0},      {25, 200, 0.045L, 9, -60},    {25, 200, 0, 0, 60.3L},
      {25, 25, 0.045L, 9, 60.3L},   {25, huge, 0.045L, 9, 60.3L}, {-huge, 200, 0.045L, 9, 60.3L},
      {25, 200, huge, 9, 60.3L},    {25, 200, 0.045L, 9, huge},   {25, 200, 0.045L, huge, 60.3L},
      {nan, 200, 0.045L, 9, 60.3L}, {25, inf, 0.045L, 9, 60.3L},  {25, 200, nan, 9, 60.3L},
      {25, 200, 0.045L, 9, -inf},   {25, 200, 0.045L, 9, 1e-30L}, {25, 5, 1e-30L, 9, 60.3L}};
  for (int sys : {0, int{kInchPound}, int{kSI}}) {
    for (int factorBy : {1, 2}) {
      CalcContext ctx = Calculated(sys, 1, "0.9");
      ctx.factorBy = factorBy;
      for (const PipeCase& pipe : cases) {
        for (Real t : {Real{0}, Real{50}, Real{-5}, huge, nan}) {
          SCOPED_TRACE(testing::Message()
                       << sys << " " << factorBy << " " << static_cast<double>(t));
          const PipeSurface s = SurfaceAt(ctx, pipe, t);
          EXPECT_TRUE(std::isfinite(s.h) && std::isfinite(s.temperature));
          EXPECT_TRUE(std::isfinite(HeatPerLength(ctx, pipe, t)));
          EXPECT_TRUE(std::isfinite(EquivalentThickness(pipe, t)));
          for (Real limit : {Real{20}, Real{100}, huge, nan}) {
            for (const std::optional<Real> r :
                 {CondensationThicknessFor(ctx, pipe, limit), HotThicknessFor(ctx, pipe, limit)}) {
              EXPECT_TRUE(!r || (std::isfinite(*r) && *r >= 0));
            }
          }
        }
      }
    }
  }
}

}  // namespace
}  // namespace qora
