// Physics and scaling shared by the hot-water analyses: equivalent thickness, the heat a
// hot line loses per unit length, its yearly cost, and the axis ranges of the charts.
#pragma once

#include "charts/chart_data.h"
#include "engine/calc_context.h"
#include "engine/real.h"

namespace qora::hot {

// Leq = r2·ln(r2 / r1), in the thickness unit (inch or mm); 0 at r2 = r1.
Real EquivalentThickness(Real r2, Real r1);

// Heat lost per unit length (Btu/(h·ft), W/m or kcal/(h·m)) by a line of outside diameter
// d insulated to thickness x: the surface coefficient is taken at the line temperature,
// then once more at the surface temperature it gives. Positive for a line above the room.
Real HeatLossPerLength(const CalcContext& ctx, Real ha, Real d, Real tdb, Real top, Real k, Real x);

// Yearly cost of a loss q per unit length: q in W/m times price per kWh times hours per
// year / 1000; per foot (× 0.3048) in the inch-pound system, per metre otherwise, 0 for an
// unknown system.
Real LossCostPerLength(int unitSystem, Real price, Real hoursPerYear, Real q);

// 0 … max exactly (the entered maximum), ticks every NiceScale(0, max) step.
AxisRange ExactAxis(Real max);
// lo … hi widened to round limits by NiceScale; limits that are not Drawable are returned
// as they are, with step 0 (the chart is then refused).
AxisRange NiceAxis(Real lo, Real hi);
// The temperature charts' vertical range: Tdb − 0.05·Top … 1.1·Top, widened to contain
// both temperatures when Top is below zero.
AxisRange TemperatureAxis(Real tdb, Real top);

// Values a chart can show: finite and within ±1e12 (beyond that neither tick labels nor
// round axis limits mean anything).
inline constexpr Real kLargestChartValue = 1e12L;
bool Drawable(Real v);
// False when any value or axis limit of the chart is NaN or infinite (AllFinite), or not
// Drawable (AllDrawable).
bool AllFinite(const ChartData& data);
bool AllDrawable(const ChartData& data);

}  // namespace qora::hot
