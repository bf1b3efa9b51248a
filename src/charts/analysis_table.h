// The table of a line-screen chart: the same title and heading lines as its printout and
// the quantities the chart plots, read from the chart the screen drew last (nothing is
// recomputed). Pipe-size charts give one row per size and one column per list position
// (a position keeps its column whatever range is chosen); one-pipe charts give one row
// per point; the overall-cost charts give the stocked thicknesses and the thickness marks.
#pragma once

#include "charts/chart_data.h"
#include "charts/data_table.h"

namespace qora {

struct AppState;

// Decimals of thicknesses and of the abscissa of one-pipe tables: 2 in inch-pound units,
// 1 otherwise. Temperatures and energies take 1, money 2.
int TableThicknessDecimals(int unitSystem);

DataTable AnalysisTable(const ChartData& chart, const AppState& state);

}  // namespace qora
