#include "analyses/hot/hot_physics.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/line_temperature.h"
#include "engine/surface.h"
#include "engine/thickness.h"
#include "engine/units.h"
#include "toolkit/nice_scale.h"

namespace qora::hot {

Real EquivalentThickness(Real r2, Real r1) {
  return -LogThicknessResidual(0, r2, r1);
}

Real HeatLossPerLength(const CalcContext& ctx, Real ha, Real d, Real tdb, Real top, Real k,
                       Real x) {
  const Real r2 = d * 0.5L + x;
  const Real leq = EquivalentThickness(r2, d * 0.5L);
  const Real h0 = SurfaceCoef(ctx, ha, d, top, tdb);
  const Real ts = SurfaceTemperature(ctx, leq, h0, tdb, k, top);
  const Real h = SurfaceCoef(ctx, ha, d, ts, tdb);
  const Real area = PipeSurfaceArea(ctx, r2, 1);  // one foot or one metre of line
  // HeatFlow counts heat flowing into the line; a hot line loses it.
  return -HeatFlow(ctx, leq, h, tdb, k, top, area);
}

Real LossCostPerLength(int unitSystem, Real price, Real hoursPerYear, Real q) {
  const Real wattsPerMetre = ConvertUnits(kQHeatPerLength, unitSystem, kSI, q);
  switch (unitSystem) {
    case kInchPound:
      return price * hoursPerYear * wattsPerMetre * 0.3048L / 1000;
    case kSI:
    case kMetricKcal:
      return price * hoursPerYear * wattsPerMetre / 1000;
    default:
      return 0;
  }
}

AxisRange ExactAxis(Real max) {
  if (!Drawable(max)) return {0, max, 0};
  Real lo = 0, hi = max;
  const Real step = NiceScale(lo, hi);
  return {0, max, step};
}

AxisRange NiceAxis(Real lo, Real hi) {
  if (!Drawable(lo) || !Drawable(hi)) return {lo, hi, 0};
  const Real step = NiceScale(lo, hi);
  return {lo, hi, step};
}

AxisRange TemperatureAxis(Real tdb, Real top) {
  // For Top >= 0 these are the plain limits; below zero 1.1·Top would lie under Top.
  return NiceAxis(std::min(tdb - 0.05L * top, tdb), std::max(1.1L * top, top));
}

bool Drawable(Real v) {
  return std::isfinite(v) && std::fabs(v) <= kLargestChartValue;
}

namespace {

bool IsFinite(Real v) {
  return std::isfinite(v);
}

// Every value of the chart and of its axes passes `test`.
template <typename Test>
bool EveryValue(const ChartData& d, Test test) {
  const auto all = [&test](const auto& values) {
    return std::all_of(values.begin(), values.end(), test);
  };
  for (const auto& row : d.chartResults)
    if (!all(row)) return false;
  const std::array<Real, 6> axes = {d.xAxis.lo, d.xAxis.hi, d.xAxis.step,
                                    d.yAxis.lo, d.yAxis.hi, d.yAxis.step};
  return all(d.curveX) && all(d.curveY) && all(d.curveE) && all(d.stockEnergyCost) &&
         all(d.stockInsulationCost) && all(d.stockTotalCost) && all(axes);
}

}  // namespace

bool AllFinite(const ChartData& d) {
  return EveryValue(d, IsFinite);
}

bool AllDrawable(const ChartData& d) {
  // A step of 0 is what NiceAxis and ExactAxis give for limits they cannot round.
  return EveryValue(d, Drawable) && d.xAxis.step > 0 && d.yAxis.step > 0;
}

}  // namespace qora::hot
