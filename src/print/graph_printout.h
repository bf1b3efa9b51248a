// The printed page of a line-screen chart: the landscape frame, then the chart drawn by the
// same chart drawers as the screen, from the values and texts the screen computed, at the
// page's geometry in millimetres (landscape 280 × 200).
#pragma once

#include "charts/chart_data.h"
#include "charts/chart_geometry.h"

namespace qora {

class Canvas;
struct AppState;

// Where a chart of `kind` lies on a page of W × H millimetres: heading rows 10 mm apart
// from 23 mm, the plot rectangle of the page layout, 14-point texts.
ChartGeometry PageChartGeometry(double W, double H, ChartKind kind);

// Draws the whole page; with no chart (no analysis drawn yet) the page shows the frame
// only. Draws nothing outside the page and never a coordinate that is not a number.
void PrintAnalysisGraph(Canvas& page, const ChartData* chart, const AppState& state);

// The print buttons' renderers of the two screens: a chart of the other screen's family
// is not theirs, and their page then shows the frame only.
void PrintChilledGraph(Canvas& page, const ChartData* chart, const AppState& state);
void PrintHotGraph(Canvas& page, const ChartData* chart, const AppState& state);

}  // namespace qora
