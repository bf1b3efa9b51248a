#include "charts/axis_rules.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

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

std::string ChartRefusal(const ChartData& d) {
  // One pass over every value of the chart and of its axes.
  bool finite = true, drawable = true;
  const auto check = [&](const auto& values) {
    for (const Real v : values) {
      const Real a = std::fabs(v);
      finite = finite && a <= std::numeric_limits<Real>::max();  // false for NaN too
      drawable = drawable && a <= kLargestChartValue;
    }
  };
  for (const auto& row : d.chartResults) check(row);
  check(d.curveX);
  check(d.curveY);
  check(d.curveE);
  check(d.stockEnergyCost);
  check(d.stockInsulationCost);
  check(d.stockTotalCost);
  check(d.rowValues);
  check(std::array<Real, 8>{d.k, d.chartDewPoint, d.xAxis.lo, d.xAxis.hi, d.xAxis.step, d.yAxis.lo,
                            d.yAxis.hi, d.yAxis.step});
  if (!finite) return "not-finite";
  // A step of 0 is what NiceAxis and ExactAxis give for limits they cannot round.
  if (!drawable || !(d.xAxis.step > 0) || !(d.yAxis.step > 0)) return "value-too-large";
  return {};
}

}  // namespace qora
