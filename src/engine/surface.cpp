// The outer surface coefficient (typed in, or convection plus radiation after ASTM C680),
// the steady surface temperature and heat flow of an insulated surface, and the
// conductivity of the insulation at its mean temperature.
#include "engine/surface.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/number_text.h"
#include "engine/units.h"

namespace qora {

namespace {

// Shape coefficient C of the convection correlation, SI form, by SurfaceShape.
constexpr std::array<Real, 7> kShapeCoef = {
    11.58L,  // 0 horizontal cylinder
    14.08L,  // 1 long vertical cylinder
    15.89L,  // 2 vertical flat surface
    20.4L,   // 3 horizontal flat, heat flowing upward (warm surface facing up)
    10.15L,  // 4 horizontal flat, heat flowing downward (warm surface facing down)
    10.15L,  // 5 horizontal flat, heat flowing downward (cold surface facing up)
    20.4L,   // 6 horizontal flat, heat flowing upward (cold surface facing down)
};

constexpr Real kMaxConvectionDiameterMm = 600;  // larger pipes and flat walls count as 600 mm
constexpr Real kStefanBoltzmann = 5.6697e-8L;   // σ, W/(m²·K⁴)
constexpr Real kKelvinOffset = 273.15L;         // K at 0 °C

// Leq' of the overall coefficient: inches stay inches (k carries inches), millimetres
// become metres (k and h carry metres). 0 for an unknown system, flagged by `known`.
Real LeqPrime(int unitSystem, Real leq, bool& known) {
  known = unitSystem >= 1 && unitSystem <= 3;
  return unitSystem == kInchPound ? leq : leq / 1000;
}

}  // namespace

// An unknown shape has no coefficient: no convection part.
Real ShapeCoef(int surfaceShape) {
  if (surfaceShape < 0 || surfaceShape >= static_cast<int>(kShapeCoef.size())) return 0;
  return kShapeCoef[static_cast<size_t>(surfaceShape)];
}

// h = hc + hr in W/(m²·K), evaluated in SI from the context's shape, wind and emissivity
// texts (read now, as the user left them) and converted to the active system.
Real SurfaceCoef(const CalcContext& ctx, Real hGiven, Real diameter, Real tSurface, Real tAmbient) {
  if (ctx.factorBy == 1) return hGiven;
  if (ctx.factorBy != 2) return 0;
  const int sys = ctx.unitSystem;
  const Real dMm = ConvertUnits(kQThickness, sys, kSI, diameter);
  const Real tSurfC = ConvertUnits(kQTemperature, sys, kSI, tSurface);
  const Real tAmbC = ConvertUnits(kQTemperature, sys, kSI, tAmbient);
  const Real tMeanC = (tSurfC + tAmbC) / 2;
  const Real windKmh = ConvertUnits(kQWindSpeed, sys, kSI, StrToValue(ctx.wind));
  Real emissivity = 0;
  switch (ctx.emissivityChoice) {
    case 1:
      emissivity = StrToValue(ctx.emNoJacket);
      break;
    case 2:
      emissivity = StrToValue(ctx.emJacket);
      break;
    case 3:
      emissivity = StrToValue(ctx.emCustom);
      break;
    default:
      break;
  }
  const Real h = ConvectionCoef(ShapeCoef(ctx.surfaceShape), dMm, tMeanC, tSurfC, tAmbC, windKmh) +
                 RadiationCoef(emissivity, tAmbC, tSurfC);
  return ConvertUnits(kQSurfaceCoef, kSI, sys, h);
}

// hc = C · (1/D)^0.2 · (1/(tMean + 17.8))^0.181 · |t1 − t2|^0.266 · √(1 + 0.7935·V)
//   C shape coefficient (SI), D diameter [mm] limited to 600, tMean mean film temperature
//   [°C] (tMean + 17.8 is the mean in °F divided by 1.8), t1, t2 surface and air [°C],
//   V wind speed [km/h], 0.7935 in h/km; the exponents are pure numbers; hc in W/(m²·K).
// Outside the correlation's domain the result is 0 rather than NaN or infinity: a
// diameter of 0 or less, a mean temperature at or below -17.8 °C (0 °F). A negative wind
// speed counts as still air.
Real ConvectionCoef(Real c, Real diameterMm, Real tMeanC, Real t1C, Real t2C, Real windKmh) {
  const Real d = std::min(diameterMm, kMaxConvectionDiameterMm);
  const Real meanBase = tMeanC + 17.8L;
  if (!(d > 0) || !(meanBase > 0)) return 0;
  const Real wind = std::max(windKmh, Real{0});
  // The three powers as one exponential of a sum of logarithms: the same value to the last
  // digits, at a fraction of the cost of three general powers in extended precision.
  const Real powers = std::exp(-0.2L * std::log(d) - 0.181L * std::log(meanBase) +
                               0.266L * std::log(std::fabs(t1C - t2C)));
  return c * powers * std::sqrt(1 + 0.7935L * wind);
}

// hr = ε · σ · (Ta⁴ − Ts⁴) / (ta − ts)
//   ε emissivity, σ = 5.6697e-8 W/(m²·K⁴), Ta, Ts air and surface in K, ta, ts in °C;
//   hr in W/(m²·K), positive whichever side is warmer. Equal temperatures: the marker.
Real RadiationCoef(Real emissivity, Real tAmbientC, Real tSurfaceC) {
  if (tAmbientC == tSurfaceC) return kNotFound;
  const Real ta = tAmbientC + kKelvinOffset;
  const Real ts = tSurfaceC + kKelvinOffset;
  return emissivity * kStefanBoltzmann * (ta * ta * ta * ta - ts * ts * ts * ts) /
         (tAmbientC - tSurfaceC);
}

// Heat through the insulation equals heat through the surface film:
//   k · (ts − tl) / Leq' = h · (ta − ts)  =>  ts = (Leq'·h·ta + k·tl) / (Leq'·h + k)
// k conductivity, h surface coefficient, Leq' equivalent thickness (inch, or m from mm).
// With no conductance at all (Leq'·h + k = 0, e.g. k = 0 on a bare pipe) no heat flows
// and the surface stays at the ambient temperature, as for k = 0 alone.
Real SurfaceTemperature(const CalcContext& ctx, Real leq, Real h, Real tAmbient, Real k,
                        Real tLine) {
  bool known = false;
  const Real lp = LeqPrime(ctx.unitSystem, leq, known);
  if (!known) return 0;
  const Real denom = lp * h + k;
  if (denom == 0) return tAmbient;
  return (lp * h * tAmbient + k * tLine) / denom;
}

// q = (ta − tl) · A · U,  U = k·h / (Leq'·h + k)
// A area (ft², m²), U overall coefficient referred to the outer surface; q in Btu/h, W
// or kcal/h, positive when heat flows from the air into the line. No conductance: 0.
Real HeatFlow(const CalcContext& ctx, Real leq, Real h, Real tAmbient, Real k, Real tLine,
              Real area) {
  bool known = false;
  const Real lp = LeqPrime(ctx.unitSystem, leq, known);
  if (!known) return kNotFound;
  const Real denom = lp * h + k;
  if (denom == 0) return 0;
  return (tAmbient - tLine) * area * (k * h / denom);
}

// k = 0.00011 · tMean + 0.0354  (tMean in °C, k in W/(m·K)), in the active system.
Real kAtMeanTemperature(const CalcContext& ctx, Real tMean) {
  const Real tMeanC = ConvertUnits(kQTemperature, ctx.unitSystem, kSI, tMean);
  return ConvertUnits(kQConductivity, kSI, ctx.unitSystem, 0.00011L * tMeanC + 0.0354L);
}

}  // namespace qora
