// The heat balance of one insulated pipe: surface temperature and heat flow at a thickness,
// and the thickness for a required surface temperature, with the surface coefficient typed
// in or calculated at the insulated outer surface.
#include "engine/pipe_heat.h"

#include <algorithm>
#include <cmath>

#include "engine/line_temperature.h"
#include "engine/number_text.h"
#include "engine/surface.h"
#include "engine/thickness.h"
#include "engine/units.h"

namespace qora {

namespace {

// The surface temperature is found to within this many °C or °F (either is at least as
// fine as 1e-6 K).
constexpr Real kSurfaceTolerance = 1e-6L;
// Steps of the surface-temperature search. It normally ends after 4 to 8; past this count
// (only for magnitudes where 1e-6 of a degree is below the resolution of the numbers) the
// last point is taken.
constexpr int kMaxSurfaceSteps = 200;
// Rounds of the thickness fixed point. Each round moves at most a fifth of the way the
// previous one did, and the solver's answers lie on a finite grid, so it stops after about
// ten; past this count the case is unsolved.
constexpr int kMaxThicknessRounds = 100;
constexpr Real kStefanBoltzmann = 5.6697e-8L;  // σ, W/(m²·K⁴)
constexpr Real kKelvinOffset = 273.15L;        // K at 0 °C

bool KnownSystem(int unitSystem) {
  return unitSystem == kInchPound || unitSystem == kSI || unitSystem == kMetricKcal;
}

// Leq' of the overall coefficient: inches stay inches (k carries inches), millimetres become
// metres (k and h carry metres).
Real LeqPrime(int unitSystem, Real leq) {
  return unitSystem == kInchPound ? leq : leq / 1000;
}

bool FiniteCase(const CalcContext& ctx, const PipeCase& p) {
  return std::isfinite(p.ambient) && std::isfinite(p.line) && std::isfinite(p.k) &&
         std::isfinite(p.diameter) && (ctx.factorBy != 1 || std::isfinite(p.hTyped));
}

// The emissivity SurfaceCoef reads: the text the context's choice names, 0 for no choice.
Real Emissivity(const CalcContext& ctx) {
  switch (ctx.emissivityChoice) {
    case 1:
      return StrToValue(ctx.emNoJacket);
    case 2:
      return StrToValue(ctx.emJacket);
    case 3:
      return StrToValue(ctx.emCustom);
    default:
      return 0;
  }
}

// The calculated coefficient of a surface at the air temperature, the limit of SurfaceCoef
// as the difference vanishes (SurfaceCoef itself gives the marker 99999 there): convection
// goes with |t1 − t2|^0.266 to 0, radiation ε·σ·(Ta⁴ − Ts⁴)/(ta − ts) to
//   hr = 4·ε·σ·Ta³
// ε emissivity, σ = 5.6697e-8 W/(m²·K⁴), Ta air temperature in K; hr in W/(m²·K),
// converted to the active system.
Real CoefWithoutDifference(const CalcContext& ctx, Real tAmbient) {
  const Real ta = ConvertUnits(kQTemperature, ctx.unitSystem, kSI, tAmbient) + kKelvinOffset;
  const Real hr = 4 * Emissivity(ctx) * kStefanBoltzmann * ta * ta * ta;
  return ConvertUnits(kQSurfaceCoef, kSI, ctx.unitSystem, hr);
}

// The surface coefficient of an outer surface of diameter dOuter at temperature ts.
Real CoefAt(const CalcContext& ctx, const PipeCase& p, Real dOuter, Real ts) {
  if (ctx.factorBy == 2 && ts == p.ambient) return CoefWithoutDifference(ctx, p.ambient);
  return SurfaceCoef(ctx, p.hTyped, dOuter, ts, p.ambient);
}

// Where the thickness solvers' limit lies: a cold surface must stay at or above it, a hot
// one at or below it.
enum class Side { Cold, Hot };

PipeSurface Unevaluable(const PipeCase& p) {
  return {0, std::isfinite(p.ambient) ? p.ambient : 0};
}

PipeSurface NoHeat(const CalcContext& ctx, const PipeCase& p) {
  return {ctx.factorBy == 2 ? CoefWithoutDifference(ctx, p.ambient)
                            : SurfaceCoef(ctx, p.hTyped, 0, p.ambient, p.ambient),
          p.ambient};
}

// The balance with the calculated coefficient at insulated diameter dOuter, Leq' lp > 0,
// k > 0 and the line warmer or colder than the room. In terms of the fraction
//   u = (Ts − Tamb) / (Tline − Tamb)   (0 at the room, 1 at the line temperature)
// the film and the insulation carry the same heat when u = G(u) = k / (k + Leq'·h(u)):
// G(u) is the closed-form surface temperature with the coefficient taken at u, and
// G(u) − u has the sign of k·(Tline − Ts)/Leq' − h·(Ts − Tamb), positive below the root and
// negative above it. The search starts from the closed form with h at the line temperature,
// then takes secant steps on G(u) − u (nearly a straight line, as h varies slowly with Ts)
// inside a bracket that every evaluation narrows, bisecting whenever a step would leave
// it. It stops when |G(u) − u| is below half the tolerance or the bracket is narrower than
// the tolerance. |u − root| = |G(u) − u| / (1 − G'), and G does not rise by as much as a
// half per unit of u (h does not fall markedly as the surface moves away from the room), so
// u is then within the tolerance of the root.
PipeSurface CalculatedBalance(const CalcContext& ctx, const PipeCase& p, Real dOuter, Real lp) {
  const Real span = p.line - p.ambient;
  const Real tolerance = kSurfaceTolerance / std::fabs(span);
  const auto surface = [&](Real u) { return p.ambient + u * span; };
  Real lo = 0, hi = 1;
  Real u = 1;
  Real h = CoefAt(ctx, p, dOuter, p.line);
  Real previousU = 0, previousGap = 0;
  for (int step = 0; step < kMaxSurfaceSteps; ++step) {
    const Real gap = p.k / (p.k + lp * h) - u;
    if (gap > 0) {
      lo = u;
    } else if (gap < 0) {
      hi = u;
    } else {
      break;
    }
    if (std::fabs(gap) <= tolerance / 2 || hi - lo <= tolerance) break;
    Real next = u + gap;  // the closed form itself, for the first step
    if (step > 0 && gap != previousGap) next = u - gap * (u - previousU) / (gap - previousGap);
    if (!(next > lo && next < hi)) next = lo + (hi - lo) / 2;
    if (next == u) break;
    previousU = u;
    previousGap = gap;
    u = next;
    h = CoefAt(ctx, p, dOuter, surface(u));
  }
  return {h, surface(u)};
}

// Leq = k·(ts − tl) / (h·(ta − ts)), as CondensationThickness and HotThickness form it:
// k/h in inches (inch-pound) or metres (metric, × 1000 for millimetres).
Real RequiredEquivalentThickness(const CalcContext& ctx, const PipeCase& p, Real tSurface, Real h) {
  const Real x = (tSurface - p.line) * p.k / ((p.ambient - tSurface) * h);
  return ctx.unitSystem == kInchPound ? x : x * 1000;
}

// The pipe solver's thickness for coefficient h, the limit lying strictly between the line
// and the room. The solver gives 0 both for an answer within 0.001 of the bare radius and
// for an empty bracket; the second is told apart here and is no answer.
std::optional<Real> SolverThickness(const CalcContext& ctx, const PipeCase& p, Real tSurface,
                                    Real h, Side side) {
  if (!(h > 0)) return std::nullopt;
  const Real r1 = p.diameter * 0.5L;
  const Real t = side == Side::Cold
                     ? CondensationThickness(ctx, p.ambient, tSurface, p.line, p.k, r1, h)
                     : HotThickness(ctx, p.ambient, tSurface, p.line, p.k, r1, h);
  if (!std::isfinite(t)) return std::nullopt;
  if (t > 0) return t;
  const Real x = RequiredEquivalentThickness(ctx, p, tSurface, h);
  if (SolveOuterRadius(ctx, x, r1) == 0) return std::nullopt;
  return Real{0};
}

// Typed coefficient: one solve. Calculated coefficient: the fixed point
//   t(n+1) = thickness for h(tSurface, D + 2·t(n)),   t(0) from h at the bare diameter.
// h falls as the diameter grows (convection goes with D^-0.2 up to 600 mm; radiation does
// not depend on D), so each round gives a thickness at least as large as the last: the
// rounds climb to the fixed point, each step at most about a fifth of the one before, and stop
// when a round returns exactly the thickness it started from.
std::optional<Real> ThicknessFor(const CalcContext& ctx, const PipeCase& p, Real tSurface,
                                 Side side) {
  if (!FiniteCase(ctx, p) || !std::isfinite(tSurface) || !KnownSystem(ctx.unitSystem)) {
    return std::nullopt;
  }
  const bool cold = side == Side::Cold;
  if (cold ? p.line >= tSurface : p.line <= tSurface) return Real{0};
  if (cold ? tSurface >= p.ambient : tSurface <= p.ambient) return std::nullopt;
  if (!(p.k > 0)) return std::nullopt;
  std::optional<Real> t =
      SolverThickness(ctx, p, tSurface, CoefAt(ctx, p, p.diameter, tSurface), side);
  if (ctx.factorBy != 2 || !t) return t;
  Real before = -1;
  for (int round = 0; round < kMaxThicknessRounds; ++round) {
    const Real h = CoefAt(ctx, p, p.diameter + 2 * *t, tSurface);
    const std::optional<Real> next = SolverThickness(ctx, p, tSurface, h, side);
    if (!next) return std::nullopt;
    if (*next == *t) return next;
    // Rounding in h can, in principle, make two neighbouring answers alternate: take the
    // thicker, which holds the limit.
    if (*next == before) return std::max(*next, *t);
    before = *t;
    t = next;
  }
  return std::nullopt;
}

}  // namespace

Real EquivalentThickness(const PipeCase& pipe, Real thickness) {
  if (!(thickness > 0) || !(pipe.diameter > 0)) return 0;
  const Real r1 = pipe.diameter * 0.5L;
  const Real r2 = r1 + thickness;
  return r2 * std::log(r2 / r1);
}

PipeSurface SurfaceAt(const CalcContext& ctx, const PipeCase& pipe, Real thickness) {
  if (!FiniteCase(ctx, pipe)) return Unevaluable(pipe);
  if (!KnownSystem(ctx.unitSystem)) return {0, 0};
  if (!(pipe.diameter > 0)) return NoHeat(ctx, pipe);
  const Real t = thickness > 0 ? thickness : 0;
  const Real leq = EquivalentThickness(pipe, t);
  PipeSurface s;
  if (ctx.factorBy != 2) {
    s.h = SurfaceCoef(ctx, pipe.hTyped, pipe.diameter, pipe.line, pipe.ambient);
    s.temperature = SurfaceTemperature(ctx, leq, s.h, pipe.ambient, pipe.k, pipe.line);
  } else if (pipe.line == pipe.ambient || !(pipe.k > 0)) {
    return NoHeat(ctx, pipe);
  } else {
    const Real lp = LeqPrime(ctx.unitSystem, leq);
    const Real dOuter = pipe.diameter + 2 * t;
    s = lp > 0 ? CalculatedBalance(ctx, pipe, dOuter, lp)
               : PipeSurface{CoefAt(ctx, pipe, dOuter, pipe.line), pipe.line};
  }
  if (!std::isfinite(s.h) || !std::isfinite(s.temperature)) return Unevaluable(pipe);
  return s;
}

Real HeatPerLength(const CalcContext& ctx, const PipeCase& pipe, Real thickness) {
  if (!FiniteCase(ctx, pipe)) return 0;
  if (!KnownSystem(ctx.unitSystem)) return kNotFound;
  if (!(pipe.diameter > 0)) return 0;
  if (ctx.factorBy == 2 && !(pipe.k > 0)) return 0;
  const Real t = thickness > 0 ? thickness : 0;
  const Real h = ctx.factorBy == 2
                     ? SurfaceAt(ctx, pipe, t).h
                     : SurfaceCoef(ctx, pipe.hTyped, pipe.diameter, pipe.line, pipe.ambient);
  const Real r2 = pipe.diameter * 0.5L + t;
  const Real q = HeatFlow(ctx, EquivalentThickness(pipe, t), h, pipe.ambient, pipe.k, pipe.line,
                          PipeSurfaceArea(ctx, r2, 1));
  return std::isfinite(q) ? q : 0;
}

std::optional<Real> CondensationThicknessFor(const CalcContext& ctx, const PipeCase& pipe,
                                             Real tSurface) {
  return ThicknessFor(ctx, pipe, tSurface, Side::Cold);
}

std::optional<Real> HotThicknessFor(const CalcContext& ctx, const PipeCase& pipe, Real tSurface) {
  return ThicknessFor(ctx, pipe, tSurface, Side::Hot);
}

}  // namespace qora
