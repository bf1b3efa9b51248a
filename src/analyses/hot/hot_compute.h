// The computations of the eight hot-water analyses. Each validates its inputs as the
// screen's change handler does and returns the chart values, or the first refusal.
#pragma once

#include <string>

#include "charts/analysis.h"

namespace qora {

struct AppState;

namespace hot {

// Thickness against pipe size, one curve per surface temperature (constant k) or per k
// (constant surface temperature). Do not need the room below the line.
ComputeResult ComputeKConst(const AppState& state);
ComputeResult ComputeTConst(const AppState& state);
// Surface temperature over thickness, water temperature along a line and over time.
ComputeResult ComputeTsurf(const AppState& state);
ComputeResult ComputeTline(const AppState& state);
ComputeResult ComputeTtime(const AppState& state);
// Heat loss and its yearly cost per unit length over thickness.
ComputeResult ComputeHeatLoss(const AppState& state);
ComputeResult ComputeHeatLossCost(const AppState& state);
// Yearly energy + insulation cost at the fifteen stocked thicknesses, the economic
// thickness, and the thickness for each standard surface temperature in column 1.
ComputeResult ComputeOverall(const AppState& state);

}  // namespace hot
}  // namespace qora
