// The values of the last drawn chart ("the last chart"): what an analysis' compute
// returns, with the texts it shows beside them, and what the read-out point, the printouts
// and the table preview read. Owned by the screen that drew last; never a global.
#pragma once

#include <array>
#include <string>

#include "charts/chart_wording.h"
#include "engine/real.h"

namespace qora {

// The sixteen analyses of the two line screens, in the order of their selector buttons,
// then the two charts of the R-value screen.
enum class AnalysisId {
  ChilledKConst,
  ChilledRHConst,
  ChilledTsurf,
  ChilledTline,
  ChilledTtime,
  ChilledEnergy,
  ChilledEnergyCost,
  ChilledOverall,
  HotKConst,
  HotTConst,
  HotTsurf,
  HotTline,
  HotTtime,
  HotHeatLoss,
  HotHeatLossCost,
  HotOverall,
  RValueKConst,  // R of each tube, one curve per nominal thickness, at one k
  RValueRConst,  // wall thickness each tube needs, one curve per R-value
};

// Rows of chartResults: ten list positions on the line screens, twelve nominal thicknesses
// on the R-value screen.
inline constexpr int kMaxCurves = 12;

struct AxisRange {
  Real lo = 0, hi = 0, step = 0;  // the limits used to draw and the tick step
};

struct ChartData {
  AnalysisId analysis = AnalysisId::ChilledKConst;
  int unitSystem = 1;

  // Multi-curve charts: [curve list position 1..12 at index 0..11][pipe-size or tube
  // position 1..40 at 0..39]; zero outside the selected ranges. The overall-cost charts keep their
  // condensation (chilled) or surface-temperature (hot) marks in column 1 (index 0).
  std::array<std::array<Real, 40>, kMaxCurves> chartResults{};
  // Points no thickness can reach (the surface limit on the wrong side of the room, a k so
  // large that no insulation reaches the limit, 100 % humidity, an empty list entry): left
  // out of the curve, "N/A" in tables, null in JSON. Their chartResults hold 0.
  std::array<std::array<bool, 40>, kMaxCurves> notAchievable{};
  int sizeFrom = 0, sizeTo = 0;    // 1-based positions of the pipe-size range (0: none)
  int curveFrom = 0, curveTo = 0;  // 1-based positions of the curve range (0: none)

  // Single-curve charts: 41 points, index 0 the start.
  std::array<Real, 41> curveX{}, curveY{}, curveE{};
  Real chartDewPoint = 0;

  // Overall-cost charts: the fifteen stocked thicknesses.
  std::array<Real, 15> stockEnergyCost{}, stockInsulationCost{}, stockTotalCost{};
  std::string economicThicknessName;  // UTF-8

  // R-value charts: per row the flat sheet's R (thickness / k) or the flat thickness
  // (R × k), and the k they were computed with (the tables print both).
  std::array<Real, kMaxCurves> rowValues{};
  Real k = 0;

  AxisRange xAxis, yAxis;

  // The texts of the chart, described from the same inputs as the values.
  ChartWording wording;
};

// Pixel positions of the plotted points of the last drawn chart, relative to the axes box
// (x from its left edge, y upward from its bottom edge), for the read-out point.
struct PixelTables {
  std::array<int, 40> columnX{};                        // multi-curve: x of each size
  std::array<std::array<int, 40>, kMaxCurves> cellY{};  // multi-curve: y of each result
  std::array<int, 41> pointX{}, pointY{};               // single-curve points
  // Overall cost: x of each stocked thickness and y of the three series; 10000 or more
  // marks a point outside the box (not visited by the read-out).
  std::array<int, 15> stockX{}, stockEnergyY{}, stockInsulationY{}, stockTotalY{};
};

}  // namespace qora
