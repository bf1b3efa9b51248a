// Insulation thickness for a required surface temperature (pipes by bisection on the
// equivalent thickness, flat surfaces in closed form), for a tank's allowed temperature
// change in a given time, and the tank geometry that feeds it.
#include "engine/thickness.h"

#include <cmath>
#include <numbers>

#include "engine/units.h"

namespace qora {

namespace {

// Halvings beyond which the bracket no longer shrinks in extended precision: the search
// stops there even if the bracket is still wider than the tolerance (a huge radius whose
// spacing of representable values exceeds 0.001).
constexpr int kMaxHalvings = 200;
constexpr Real kRadiusTolerance = 0.001L;  // inch or mm, the active length unit

bool IsMetric(int unitSystem) {
  return unitSystem == kSI || unitSystem == kMetricKcal;
}

// Leq = x = k·(ts − tl) / (h·(ta − ts))
//   k conductivity, h surface coefficient, ts surface, tl line, ta air temperature.
// k/h is in inches (inch-pound) or metres (metric, hence × 1000 for millimetres).
Real RequiredEquivalentThickness(int unitSystem, Real tAmbient, Real tSurface, Real tLine, Real k,
                                 Real h) {
  const Real x = (tSurface - tLine) * k / ((tAmbient - tSurface) * h);
  return IsMetric(unitSystem) ? x * 1000 : x;
}

// Thickness of insulation on a pipe of outer radius r1 whose equivalent thickness is x;
// 0 when the insulation is not needed or no radius in the bracket gives x.
Real CylinderThickness(const CalcContext& ctx, Real x, Real r1) {
  const Real t = SolveOuterRadius(ctx, x, r1) - r1;
  return t > 0 ? t : 0;
}

// The root of r·ln(r/r1) = x for x ≥ 0 by Newton's method, started right of the root at
// r1 + x (where (1+u)·ln(1+u) ≥ u): g is convex and rising there, so the steps fall
// monotonically onto the root.
Real EquivalentThicknessRoot(Real x, Real r1) {
  Real r = r1 + x;
  for (int i = 0; i < 100; ++i) {
    const Real ln = std::log(r / r1);
    const Real step = (r * ln - x) / (ln + 1);
    r -= step;
    if (!(std::fabs(step) > r * 1e-18L)) break;
  }
  return r;
}

}  // namespace

Real LogThicknessResidual(Real x, Real r, Real r1) {
  return x - r * std::log(r / r1);
}

// Bisection on f(r) = x − r·ln(r/r1), which is positive near r = 0 and falls as r grows.
// Bracket: inch-pound 0.00001 in … 1000·r1, metric 0.001 mm … 10000·r1, otherwise
// 0.00001 … 100·r1; the last midpoint once the bracket is narrower than 0.001 is the
// answer. An x or r1 that cannot be solved for (not finite, r1 ≤ 0) gives 0 like an empty
// bracket, so a NaN never turns into a thickness.
//
// Speed: for x ≥ 0, f(mid) < 0 exactly when mid lies above the root r* (f ≥ 0 below r1,
// where r·ln(r/r1) ≤ 0), so the root is found first with a few logarithms and the halvings
// compare against it; only a midpoint within rounding distance of r* evaluates f itself.
// The sequence of midpoints, and so the answer, is that of the plain bisection.
Real SolveOuterRadius(const CalcContext& ctx, Real x, Real r1) {
  if (!std::isfinite(x) || !std::isfinite(r1) || !(r1 > 0)) return 0;
  Real lo = 0.00001L;
  Real hi = 100 * r1;
  if (ctx.unitSystem == kInchPound) {
    hi = 1000 * r1;
  } else if (IsMetric(ctx.unitSystem)) {
    lo = 0.001L;
    hi = 10000 * r1;
  }
  if (LogThicknessResidual(x, lo, r1) * LogThicknessResidual(x, hi, r1) > 0) return 0;
  const bool byRoot = x >= 0;
  const Real root = byRoot ? EquivalentThicknessRoot(x, r1) : 0;
  const Real guard = (root + x) * 1e-12L;
  Real mid = lo;
  for (int i = 0; i < kMaxHalvings; ++i) {
    mid = (lo + hi) / 2;
    const bool negative =
        byRoot && std::fabs(mid - root) > guard ? mid > root : LogThicknessResidual(x, mid, r1) < 0;
    if (negative) {
      hi = mid;
    } else {
      lo = mid;  // a residual of exactly 0 moves the lower end
    }
    if (hi - lo < kRadiusTolerance) break;
  }
  return mid;
}

// Cold pipe: the surface must stay at tSurface (the dew point), above the line and below
// the air. A surface at or above the air needs no insulation.
Real CondensationThickness(const CalcContext& ctx, Real tAmbient, Real tSurface, Real tLine, Real k,
                           Real r1, Real h) {
  if (tSurface >= tAmbient) return 0;
  return CylinderThickness(
      ctx, RequiredEquivalentThickness(ctx.unitSystem, tAmbient, tSurface, tLine, k, h), r1);
}

// Hot pipe: the surface must stay at tSurface (a touch-safe limit), above the air. Both
// differences are then negative, so x is positive as for the cold pipe.
Real HotThickness(const CalcContext& ctx, Real tAmbient, Real tSurface, Real tLine, Real k, Real r1,
                  Real h) {
  if (tSurface <= tAmbient) return 0;
  return CylinderThickness(
      ctx, RequiredEquivalentThickness(ctx.unitSystem, tAmbient, tSurface, tLine, k, h), r1);
}

// Flat cold surface: the thickness is Leq itself. A thickness that cannot be had (h = 0
// gives no finite answer) is 0, as an unsolvable pipe is.
Real FlatThickness(const CalcContext& ctx, Real tAmbient, Real tSurface, Real tLine, Real k,
                   Real h) {
  if (tSurface >= tAmbient) return 0;
  const Real t = RequiredEquivalentThickness(ctx.unitSystem, tAmbient, tSurface, tLine, k, h);
  return std::isfinite(t) && t > 0 ? t : 0;
}

// Well-mixed water of volume V behind the insulated area A drifts exponentially toward the
// room temperature ta; it must go from tStart to no further than tEnd in `hours`:
//   L = ln((tStart − ta) / (tEnd − ta))
//   inch-pound: t = k · (hours·A / (ρ·V·cp·L) − 1/h)
//     ρ 62.26 lb/ft³, cp 1.0 Btu/(lb·°F), V ft³, A ft², k Btu·in/(h·ft²·°F) -> t in inches
//   SI:         t = 1000 · k · (3.6·hours·A / (ρ·V·cp·L) − 1/h)
//     ρ 1000 kg/m³, cp 4.186 kJ/(kg·K), 3.6 = 3600 s/h / 1000 J/kJ, V m³, A m² -> t in mm
//   metric-kcal: t = 1000 · k · (hours·A / (ρ·V·cp·L) − 1/h)
//     ρ 1000 kg/m³, cp 1.0 kcal/(kg·°C) -> t in mm
// Not achievable (std::nullopt, shown as "N/A"): tEnd equal to or beyond the room
// temperature or on the other side of it from tStart (the logarithm of zero or of a
// negative number), no change allowed at all (L = 0), and any input that leaves no finite
// answer (no water, h = 0). A thickness of 0 or less is returned as it is: the bare tank
// already keeps within tEnd.
std::optional<Real> TankThickness(const CalcContext& ctx, Real area, Real volume, Real tAmbient,
                                  Real tStart, Real tEnd, Real k, Real h, Real hours) {
  const Real ratio = (tStart - tAmbient) / (tEnd - tAmbient);
  if (!std::isfinite(ratio) || !(ratio > 0) || ratio == 1) return std::nullopt;
  const Real l = std::log(ratio);
  Real t = 0;
  switch (ctx.unitSystem) {
    case kInchPound:
      t = k * (hours * area / (62.26L * volume * 1.0L * l) - 1 / h);
      break;
    case kSI:
      t = 1000 * k * (3.6L * hours * area / (1000 * volume * 4.186L * l) - 1 / h);
      break;
    case kMetricKcal:
      t = 1000 * k * (hours * area / (1000 * volume * 1.0L * l) - 1 / h);
      break;
    default:
      return std::nullopt;
  }
  if (!std::isfinite(t)) return std::nullopt;
  return t;
}

// Lengths in the tank screen's length unit; areas and volumes in its square and cube.
Real BoxArea(Real a, Real b, Real c) {
  return 2 * (a * b + b * c + a * c);
}
Real BoxVolume(Real a, Real b, Real c) {
  return a * b * c;
}
// Side and both ends of a closed cylinder of diameter d.
Real CylinderArea(Real d, Real height) {
  return std::numbers::pi_v<Real> * d * (d / 2 + height);
}
Real CylinderVolume(Real d, Real height) {
  return std::numbers::pi_v<Real> / 4 * d * d * height;
}
Real SphereArea(Real d) {
  return std::numbers::pi_v<Real> * d * d;
}
Real SphereVolume(Real d) {
  return std::numbers::pi_v<Real> * d * d * d / 6;
}

}  // namespace qora
