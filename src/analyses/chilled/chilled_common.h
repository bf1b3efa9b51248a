// What the chilled-water analyses share: the physics of one insulated pipe per unit
// length, the axis rules, the finiteness guard and the heading texts.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "charts/analysis_texts.h"
#include "charts/chart_conventions.h"
#include "charts/chart_data.h"
#include "engine/calc_context.h"
#include "engine/real.h"

namespace qora {

struct AppState;
class Canvas;
struct ChartLayout;

namespace chilled {

// Equivalent thickness Leq = r2·ln(r2 / r1) of a cylinder layer (radii in inches or mm).
Real EquivalentThickness(Real r1, Real r2);

// Surface coefficient refined once: taken at the line temperature, then at the surface
// temperature that coefficient gives (diameter of the bare pipe).
Real RefinedCoef(const CalcContext& ctx, Real ha, Real diameter, Real leq, Real tdb, Real k,
                 Real top);

// Heat gained per unit length (Btu/(h·ft) or W/m, kcal/(h·m)) by a pipe of outside diameter
// D under insulation of thickness t.
Real HeatGainPerLength(const CalcContext& ctx, Real ha, Real diameter, Real t, Real tdb, Real k,
                       Real top);

// Chiller power per length: heat gain × kW per ton of refrigeration × 0.284 tons per kW.
Real ChillerPower(Real heatGain, Real kWTR);

// Yearly energy cost per foot (inch-pound) or per metre of the chiller power, with the
// price per kWh and the operating hours per year.
Real EnergyCostPerLength(int unitSystem, Real heatGain, Real kWTR, Real price, Real hours);

// The x axis of a single-curve chart: 0 to exactly the entered maximum, ticks from
// NiceScale(0, max).
AxisRange ExactAxis(Real max);
// NiceScale of lo..hi.
AxisRange NiceAxis(Real lo, Real hi);
// Temperature axis from just below Top to above Tdb (Top − 0.05·Tdb .. 1.1·Tdb for a
// positive Tdb; with a negative Tdb the same margins are taken of its magnitude so both
// temperatures stay inside).
AxisRange TemperatureAxis(Real tdb, Real top);
// 0 .. 1.1 × the largest of the values, rounded up by NiceScale.
AxisRange ValueAxis(const Real* values, int count);

// No chart may show a value that is not a number or infinite ("not-finite"), nor one too
// large for tick labels and pixel positions (beyond ±1e12, "value-too-large"); empty when
// every value can be shown.
std::string ChartRefusal(const ChartData& data);
inline constexpr Real kLargestChartValue = 1e12L;

// Heading texts of the chilled-water charts: the shared ones plus the relative humidity and
// the surface coefficient under the chilled local-conditions caption.
struct HeadingTexts : AnalysisTexts {
  HeadingTexts(const AppState& state, int unit);
  QString rhLine(const QString& rh) const;
  QString haLine() const;
};

// Background, then the heading; returns nothing drawn yet in the axes box.
void BeginChart(Canvas& canvas, const ChartLayout& layout, const AppState& state,
                const QString& title, const std::vector<HeadingItem>& items, const QString& footer);

}  // namespace chilled
}  // namespace qora
