// What the eight hot-water charts show besides their values: headings, units, legends,
// reference lines and marks. What differs from the chilled-water twins is stated here: the
// legend places run downward from the top of the plot, the room-temperature label sits
// below its line and the line and limit labels above theirs, the overall-cost chart marks
// the thickness of each standard surface temperature.
#pragma once

#include "charts/analysis.h"

namespace qora::hot {

ChartWording DescribeKConst(const ChartData& d, const AppState& s);
ChartWording DescribeTConst(const ChartData& d, const AppState& s);
ChartWording DescribeTsurf(const ChartData& d, const AppState& s);
ChartWording DescribeTline(const ChartData& d, const AppState& s);
ChartWording DescribeTtime(const ChartData& d, const AppState& s);
ChartWording DescribeHeatLoss(const ChartData& d, const AppState& s);
ChartWording DescribeHeatLossCost(const ChartData& d, const AppState& s);
ChartWording DescribeOverall(const ChartData& d, const AppState& s);

// The input panels, in selector order.
const PanelDesc& Panel(int selector);

}  // namespace qora::hot
