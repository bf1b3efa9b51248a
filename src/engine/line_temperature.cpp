// Lumped models of the water in an insulated pipe: flowing water drifting toward the air
// temperature along the line, standing water drifting toward it over time. Both use the
// overall coefficient U = k·h / (Leq'·h + k) referred to the insulation's outer surface.
#include "engine/line_temperature.h"

#include <cmath>
#include <numbers>

#include "engine/units.h"

namespace qora {

// A = 2π · r · L: r in inches and L in feet (/12 -> ft²), or r in mm and L in metres
// (/1000 -> m²).
Real PipeSurfaceArea(const CalcContext& ctx, Real radius, Real length) {
  const Real circumferenceTimesLength = 2 * std::numbers::pi_v<Real> * radius * length;
  switch (ctx.unitSystem) {
    case kInchPound:
      return circumferenceTimesLength / 12;
    case kSI:
    case kMetricKcal:
      return circumferenceTimesLength / 1000;
    default:
      return kNotFound;
  }
}

// tOut = tIn + (ta − tIn) · (1 − e^(−x)),  x = U·A / (ṁ·cp)
//   inch-pound: ṁ = flow / 448.8 · 62.26 lb/s (flow in US gal/min, 448.8 gal/min per
//     ft³/s, ρ 62.26 lb/ft³), cp 1.0 Btu/(lb·°F), ṁ·3600 in lb/h to match U in
//     Btu/(h·ft²·°F); Leq in inches.
//   SI: ṁ = flow · 1000 / 3600 kg/s (flow in m³/h, ρ 1000 kg/m³), cp 4186 J/(kg·K);
//     Leq in mm (× 0.001 -> m).
//   metric-kcal: ṁ = flow · 1000 kg/h, cp 1.0 kcal/(kg·°C); Leq in mm.
// A is the outer area of the insulated length. No flow: the water stands long enough to
// take the air temperature. An input that leaves no finite answer (no conductance at
// all) keeps the inlet temperature.
Real OutletTemperature(const CalcContext& ctx, Real leq, Real h, Real tAmbient, Real k, Real tInlet,
                       Real area, Real flow) {
  if (ctx.unitSystem < kInchPound || ctx.unitSystem > kMetricKcal) return kNotFound;
  if (!(flow > 0)) return tAmbient;
  Real x = 0;
  switch (ctx.unitSystem) {
    case kInchPound: {
      const Real massFlow = flow / 448.8L * 62.26L;  // lb/s
      x = area * k * h / (massFlow * 1.0L * (leq * h + k) * 3600);
      break;
    }
    case kSI: {
      const Real massFlow = flow * 1000 / 3600;  // kg/s
      x = area * k * h / (massFlow * 4186 * (0.001L * leq * h + k));
      break;
    }
    case kMetricKcal: {
      const Real massFlow = flow * 1000;  // kg/h
      x = area * k * h / (massFlow * 1.0L * (0.001L * leq * h + k));
      break;
    }
    default:
      return kNotFound;
  }
  const Real t = tInlet + (tAmbient - tInlet) * (1 - std::exp(-x));
  return std::isfinite(t) ? t : tInlet;
}

// t = ta + (tStart − ta) · e^(−x),  x = f · hours · rO · k·h / (rI² · ρ · cp · (Leq'·h + k))
//   Heat leaving per unit length U·2π·rO against the heat capacity π·rI²·ρ·cp of the water
//   in the bore (pipe wall and insulation hold none). rO insulation's outer radius, rI
//   pipe's inner radius.
//   inch-pound: radii in inches, f = 24 (2 · 12 in/ft), ρ 62.26 lb/ft³, cp 1.0 Btu/(lb·°F)
//   SI: radii in mm, f = 7 200 000 (2 · 1000 mm/m · 3600 s/h), ρ 1000 kg/m³,
//     cp 4186 J/(kg·K), Leq' = Leq/1000 m
//   metric-kcal: radii in mm, f = 2000 (2 · 1000 mm/m), ρ 1000 kg/m³, cp 1.0 kcal/(kg·°C)
// No bore (rI ≤ 0): there is no water to keep, the answer is the air temperature. An
// input that leaves no finite answer keeps the starting temperature.
Real TemperatureAfterTime(const CalcContext& ctx, Real leq, Real h, Real tAmbient, Real k,
                          Real tStart, Real rOuter, Real rInner, Real hours) {
  Real f = 0;
  Real rho = 0;
  Real cp = 0;
  Real leqPrime = leq / 1000;
  switch (ctx.unitSystem) {
    case kInchPound:
      f = 24;
      rho = 62.26L;
      cp = 1.0L;
      leqPrime = leq;
      break;
    case kSI:
      f = 7200000;
      rho = 1000;
      cp = 4186;
      break;
    case kMetricKcal:
      f = 2000;
      rho = 1000;
      cp = 1.0L;
      break;
    default:
      return kNotFound;
  }
  if (!(rInner > 0)) return tAmbient;
  const Real x = f * hours * rOuter * k * h / (rInner * rInner * rho * cp * (leqPrime * h + k));
  const Real t = tAmbient + (tStart - tAmbient) * std::exp(-x);
  return std::isfinite(t) ? t : tStart;
}

}  // namespace qora
