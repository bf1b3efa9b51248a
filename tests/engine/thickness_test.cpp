// Thickness solvers for pipes, flat surfaces and tanks, and tank geometry.
#include "engine/thickness.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "engine/psychro.h"
#include "engine/units.h"
#include "test_support.h"

namespace qora {
namespace {

CalcContext InSystem(int unitSystem) {
  CalcContext ctx;
  ctx.unitSystem = unitSystem;
  return ctx;
}

TEST(SolveOuterRadius, ZeroEquivalentThicknessIsThePipeItself) {
  for (int sys : {kInchPound, kSI, kMetricKcal}) {
    EXPECT_REAL_NEAR(SolveOuterRadius(InSystem(sys), 0, 1), 1, 0.001L);
  }
}

TEST(SolveOuterRadius, RootBeyondTheBracketOrUnsolvableGivesZero) {
  // SI bracket ends at 10000·r1: Leq(10000 mm) = 10000·ln(10000) ≈ 92103 mm.
  EXPECT_EQ(SolveOuterRadius(InSystem(kSI), 1e6L, 1), 0);
  // Inch-pound bracket ends at 1000·r1: Leq = 1000·ln(1000) ≈ 6908 in.
  EXPECT_EQ(SolveOuterRadius(InSystem(kInchPound), 7000, 1), 0);
  EXPECT_GT(SolveOuterRadius(InSystem(kInchPound), 6800, 1), 0);
  EXPECT_EQ(SolveOuterRadius(InSystem(kSI), NAN, 30), 0);
  EXPECT_EQ(SolveOuterRadius(InSystem(kSI), INFINITY, 30), 0);
  EXPECT_EQ(SolveOuterRadius(InSystem(kSI), 10, 0), 0);
  EXPECT_EQ(SolveOuterRadius(InSystem(kSI), 10, -30), 0);
}

// The bisection as described, evaluating the residual at every midpoint.
Real PlainBisection(Real lo, Real hi, Real x, Real r1) {
  if ((x - lo * std::log(lo / r1)) * (x - hi * std::log(hi / r1)) > 0) return 0;
  Real mid = lo;
  do {
    mid = (lo + hi) / 2;
    if (x - mid * std::log(mid / r1) < 0) {
      hi = mid;
    } else {
      lo = mid;
    }
  } while (hi - lo >= 0.001L);
  return mid;
}

TEST(SolveOuterRadius, SameMidpointAsThePlainBisection) {
  for (Real r1 : {0.2L, 1.0L, 5.3125L, 30.15L, 304.8L, 762.0L}) {
    for (Real x : {0.0L, 0.0004L, 0.5L, 1.0L, 11.907L, 16.0L, 123.456L, 999.0L, 5000.0L}) {
      SCOPED_TRACE(testing::Message() << static_cast<double>(r1) << " " << static_cast<double>(x));
      EXPECT_EQ(SolveOuterRadius(InSystem(kSI), x, r1), PlainBisection(0.001L, 10000 * r1, x, r1));
      EXPECT_EQ(SolveOuterRadius(InSystem(kInchPound), x, r1),
                PlainBisection(0.00001L, 1000 * r1, x, r1));
      EXPECT_EQ(SolveOuterRadius(InSystem(0), x, r1), PlainBisection(0.00001L, 100 * r1, x, r1));
    }
  }
  // A slightly negative x (two roots below r1) takes the plain path.
  EXPECT_EQ(SolveOuterRadius(InSystem(kSI), -0.000001L, 30.15L),
            PlainBisection(0.001L, 301500, -0.000001L, 30.15L));
}

TEST(SolveOuterRadius, HugeRadiusStillEnds) {
  // The spacing of representable radii near 1e25 is far above the 0.001 tolerance.
  const Real r = SolveOuterRadius(InSystem(kSI), 1e24L, 1e25L);
  EXPECT_GT(r, 1e25L);
  EXPECT_TRUE(std::isfinite(r));
}

TEST(CondensationThickness, WorkedExample603mm) {
  // 25 °C, 80 % (dew point 21.3072 °C), line 10 °C, k 0.035, h 9, 60.3 mm pipe:
  // x = 11.907 mm, r2 = 40.465 mm, 10.315 mm of insulation.
  const CalcContext si = InSystem(kSI);
  const Real dew = DewPoint(si, 25, 80);
  EXPECT_REAL_NEAR(CondensationThickness(si, 25, dew, 10, 0.035L, 30.15L, 9), 10.315L, 0.002L);
}

TEST(CondensationThickness, SameCaseInEveryUnitSystem) {
  const Real dew = DewPoint(InSystem(kSI), 25, 80);
  const Real si = CondensationThickness(InSystem(kSI), 25, dew, 10, 0.035L, 30.15L, 9);
  // Inch-pound: the bisection tolerance is 0.001 in (0.0254 mm).
  const Real ip = CondensationThickness(InSystem(kInchPound), 77, dew * 1.8L + 32, 50,
                                        0.035L / 0.144L, 30.15L / 25.4L, 9 / 5.674L);
  EXPECT_REAL_NEAR(ip * 25.4L, si, 0.03L);
  // Metric-kcal: the rounded k and h factors differ by 0.2 %, so does x.
  const Real kcal = CondensationThickness(InSystem(kMetricKcal), 25, dew, 10,
                                          0.035L * 0.124L / 0.144L, 30.15L, 9 * 4.875L / 5.674L);
  EXPECT_REAL_NEAR(kcal, si, 0.03L);
}

TEST(CylinderThickness, WrongSideOrNoInsulationNeededGivesZero) {
  const CalcContext si = InSystem(kSI);
  const struct {
    Real tAmbient, tSurface, tLine, h;
  } cold[] = {
      {25, 25, 10, 9},  // surface at the air (100 % RH)
      {25, 26, 10, 9},  // surface above the air
      {25, 20, 22, 9},  // line warmer than the required surface
      {25, 20, 20, 0},  // no surface film: 0/0
      {25, 20, 10, 0},  // no surface film: infinite x
  };
  for (const auto& c : cold) {
    EXPECT_EQ(CondensationThickness(si, c.tAmbient, c.tSurface, c.tLine, 0.035L, 30.15L, c.h), 0)
        << c.tSurface << " " << c.tLine << " " << c.h;
  }
  EXPECT_EQ(CondensationThickness(si, 25, 20, 10, 0.035L, 1, 1e-9L), 0);  // root past bracket
  EXPECT_EQ(HotThickness(si, 25, 25, 100, 0.04L, 30.15L, 10), 0);
  EXPECT_EQ(HotThickness(si, 25, 20, 100, 0.04L, 30.15L, 10), 0);
  EXPECT_EQ(HotThickness(si, 25, 40, 30, 0.04L, 30.15L, 10), 0);  // line cooler than the limit
}

TEST(HotThickness, TouchSafeSurface) {
  // x = (40 − 100)·0.04 / ((25 − 40)·10) · 1000 = 16 mm; r·ln(r/30.15) = 16 at r = 43.539.
  EXPECT_REAL_NEAR(HotThickness(InSystem(kSI), 25, 40, 100, 0.04L, 30.15L, 10), 13.389L, 0.002L);
}

TEST(FlatThickness, ClosedForm) {
  const CalcContext si = InSystem(kSI);
  EXPECT_REAL_NEAR(FlatThickness(si, 25, 20, 10, 0.04L, 9), 8.889L, 0.0005L);
  EXPECT_REAL_NEAR(FlatThickness(InSystem(kMetricKcal), 25, 20, 10, 0.04L, 9), 8.889L, 0.0005L);
  // Inch-pound: k/h already in inches.
  EXPECT_REAL_NEAR(FlatThickness(InSystem(kInchPound), 77, 68, 50, 0.25L, 1.6L),
                   0.25L * 18 / (9 * 1.6L), 1e-15L);
  EXPECT_EQ(FlatThickness(si, 25, 25, 10, 0.04L, 9), 0);
  EXPECT_EQ(FlatThickness(si, 25, 20, 22, 0.04L, 9), 0);
  EXPECT_EQ(FlatThickness(si, 25, 20, 10, 0.04L, 0), 0);
  EXPECT_EQ(FlatThickness(si, 25, 20, 20, 0.04L, 0), 0);
}

TEST(TankThickness, EachUnitSystemByHand) {
  // SI: A 10 m², V 5 m³, room 30 °C, 5 -> 10 °C in 24 h, k 0.035, h 9:
  // 1000·0.035·(3.6·24·10 / (1000·5·4.186·ln 1.25) − 1/9)
  auto si = TankThickness(InSystem(kSI), 10, 5, 30, 5, 10, 0.035L, 9, 24);
  ASSERT_TRUE(si.has_value());
  EXPECT_REAL_NEAR(*si, 2.58594L, 0.00001L);
  // Inch-pound: A 100 ft², V 50 ft³, room 86 °F, 41 -> 50 °F, k 0.25, h 1.6.
  auto ip = TankThickness(InSystem(kInchPound), 100, 50, 86, 41, 50, 0.25L, 1.6L, 24);
  ASSERT_TRUE(ip.has_value());
  EXPECT_REAL_NEAR(*ip, 0.707499L, 0.000001L);
  // Metric-kcal: as SI with k 0.03, h 8 and cp 1 kcal/(kg·°C) per hour.
  auto kcal = TankThickness(InSystem(kMetricKcal), 10, 5, 30, 5, 10, 0.03L, 8, 24);
  ASSERT_TRUE(kcal.has_value());
  EXPECT_REAL_NEAR(*kcal, 2.703245L, 0.000001L);
  // Hot water cooling toward the room works the same way.
  auto hot = TankThickness(InSystem(kSI), 10, 5, 20, 60, 55, 0.04L, 9, 24);
  ASSERT_TRUE(hot.has_value());
  EXPECT_GT(*hot, 0);
}

TEST(TankThickness, BareTankAlreadyEnoughIsZeroOrLess) {
  auto t = TankThickness(InSystem(kSI), 10, 5, 30, 5, 10, 0.035L, 9, 0.1L);
  ASSERT_TRUE(t.has_value());
  EXPECT_LT(*t, 0);
}

TEST(TankThickness, NotAchievableIsNulloptNeverNaN) {
  const CalcContext si = InSystem(kSI);
  const struct {
    const char* why;
    Real volume, tStart, tEnd, h;
  } cases[] = {
      {"end at room temperature", 5, 5, 30, 9},
      {"end beyond room temperature", 5, 5, 35, 9},
      {"start at room temperature", 5, 30, 10, 9},
      {"no change allowed", 5, 5, 5, 9},
      {"no water", 0, 5, 10, 9},
      {"no surface film", 5, 5, 10, 0},
  };
  for (const auto& c : cases) {
    EXPECT_FALSE(TankThickness(si, 10, c.volume, 30, c.tStart, c.tEnd, 0.035L, c.h, 24)) << c.why;
  }
  EXPECT_FALSE(TankThickness(InSystem(4), 10, 5, 30, 5, 10, 0.035L, 9, 24));
}

TEST(TankGeometry, AreasAndVolumes) {
  constexpr Real pi = std::numbers::pi_v<Real>;
  EXPECT_REAL_NEAR(CylinderArea(2, 3), 25.1327L, 0.0001L);  // π·2·(1 + 3), both ends included
  EXPECT_REAL_NEAR(CylinderVolume(2, 3), 3 * pi, 1e-15L);
  EXPECT_EQ(BoxArea(1, 2, 3), 22);
  EXPECT_EQ(BoxVolume(1, 2, 3), 6);
  EXPECT_REAL_NEAR(SphereArea(2), 4 * pi, 1e-15L);
  EXPECT_REAL_NEAR(SphereVolume(2), 4 * pi / 3, 1e-15L);
}

}  // namespace
}  // namespace qora
