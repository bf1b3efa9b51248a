// Drawing of the eight hot-water analyses at screen geometry: the background, the heading
// lines of each chart, and the chart itself through the shared chart drawers. Each returns
// the pixel tables of the read-out point.
#pragma once

#include "charts/analysis.h"

namespace qora::hot {

PixelTables DrawKConst(const ChartData& d, const AppState& s, Canvas& c, const ChartLayout& l);
PixelTables DrawTConst(const ChartData& d, const AppState& s, Canvas& c, const ChartLayout& l);
PixelTables DrawTsurf(const ChartData& d, const AppState& s, Canvas& c, const ChartLayout& l);
PixelTables DrawTline(const ChartData& d, const AppState& s, Canvas& c, const ChartLayout& l);
PixelTables DrawTtime(const ChartData& d, const AppState& s, Canvas& c, const ChartLayout& l);
PixelTables DrawHeatLoss(const ChartData& d, const AppState& s, Canvas& c, const ChartLayout& l);
PixelTables DrawHeatLossCost(const ChartData& d, const AppState& s, Canvas& c,
                             const ChartLayout& l);
PixelTables DrawOverall(const ChartData& d, const AppState& s, Canvas& c, const ChartLayout& l);

}  // namespace qora::hot
