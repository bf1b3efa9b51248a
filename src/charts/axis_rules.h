// The axis ranges of the line-screen charts and the rule of what a chart may show, written
// once for both screens: a thickness, length or time axis that ends at the entered maximum,
// round value axes, the temperature axis around the room and line temperatures.
#pragma once

#include <string>

#include "charts/chart_data.h"
#include "engine/real.h"

namespace qora {

// 0 … max exactly (the entered maximum), ticks every NiceScale(0, max) step.
AxisRange ExactAxis(Real max);
// lo … hi widened to round limits by NiceScale; limits that cannot be shown (see
// Drawable) are returned as they are, with step 0.
AxisRange NiceAxis(Real lo, Real hi);
// From just below the colder of the room and line temperatures to above the warmer:
// colder − 0.05·|warmer| … warmer + 0.1·|warmer|, widened by NiceScale.
AxisRange TemperatureAxis(Real ambient, Real line);
// 0 … 1.1 × the largest of the values (0 at least), rounded up by NiceScale.
AxisRange ValueAxis(const Real* values, int count);

// Values a chart can show: finite and within ±1e12 (beyond that neither tick labels nor
// round axis limits mean anything).
inline constexpr Real kLargestChartValue = 1e12L;
bool Drawable(Real v);
// Empty when every value and axis limit of the chart can be shown; else "not-finite" (a
// value that is not a number or infinite) or "value-too-large" (beyond ±1e12, or an axis
// without a tick step).
std::string ChartRefusal(const ChartData& data);

}  // namespace qora
