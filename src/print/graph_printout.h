// The printed page of a line-screen chart: the landscape frame, then the heading, plot,
// legend or reference lines of the analysis that drew the chart, from its stored values
// and the panel texts as typed. Millimetres of the landscape page (280 × 200).
#pragma once

#include "charts/chart_data.h"

namespace qora {

class Canvas;
struct AppState;

// Draws the whole page; with no chart (no analysis drawn yet) the page shows the frame
// only. Draws nothing outside the page and never a coordinate that is not a number.
void PrintAnalysisGraph(Canvas& page, const ChartData* chart, const AppState& state);

// The print buttons' renderers of the two screens: a chart of the other screen's family
// is not theirs, and their page then shows the frame only.
void PrintChilledGraph(Canvas& page, const ChartData* chart, const AppState& state);
void PrintHotGraph(Canvas& page, const ChartData* chart, const AppState& state);

}  // namespace qora
