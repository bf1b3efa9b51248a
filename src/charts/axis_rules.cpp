#include "charts/axis_rules.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "toolkit/nice_scale.h"

namespace qora {

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

AxisRange TemperatureAxis(Real ambient, Real line) {
  const Real warm = std::max(ambient, line), cold = std::min(ambient, line);
  const Real m = std::fabs(warm);
  return NiceAxis(cold - 0.05L * m, warm + 0.1L * m);
}

AxisRange ValueAxis(const Real* values, int count) {
  Real m = 0;
  for (int i = 0; i < count; ++i) {
    if (values[i] > m) m = values[i];
  }
  AxisRange a = NiceAxis(0, 1.1L * m);
  a.lo = 0;  // the axis starts at 0 whatever the rounded centre gave
  return a;
}

bool Drawable(Real v) {
  return std::isfinite(v) && std::fabs(v) <= kLargestChartValue;
}

namespace {

// Every value of the chart and of its axes passes `test`.
template <typename Test>
bool EveryValue(const ChartData& d, Test test) {
  const auto all = [&test](const auto& values) {
    return std::all_of(values.begin(), values.end(), test);
  };
  for (const auto& row : d.chartResults)
    if (!all(row)) return false;
  const std::array<Real, 7> singles = {d.chartDewPoint, d.xAxis.lo, d.xAxis.hi,  d.xAxis.step,
                                       d.yAxis.lo,      d.yAxis.hi, d.yAxis.step};
  return all(d.curveX) && all(d.curveY) && all(d.curveE) && all(d.stockEnergyCost) &&
         all(d.stockInsulationCost) && all(d.stockTotalCost) && all(singles);
}

}  // namespace

std::string ChartRefusal(const ChartData& d) {
  if (!EveryValue(d, [](Real v) { return std::isfinite(v); })) return "not-finite";
  // A step of 0 is what NiceAxis and ExactAxis give for limits they cannot round.
  if (!EveryValue(d, Drawable) || !(d.xAxis.step > 0) || !(d.yAxis.step > 0)) {
    return "value-too-large";
  }
  return {};
}

}  // namespace qora
