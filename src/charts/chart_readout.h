// The read-out point: the plotted point of the last chart nearest to the mouse, and the
// label text the screen shows beside it.
#pragma once

#include <QString>

#include "charts/chart_data.h"
#include "charts/chart_layout.h"

namespace qora {

struct AppState;

// Points farther than this (pixels) are never found; the screen shows a point found within
// kReadoutShowDistance and hides the read-out otherwise.
inline constexpr int kReadoutSearchDistance = 10;
inline constexpr int kReadoutShowDistance = 6;

struct ReadoutHit {
  bool found = false;
  int distance = kReadoutSearchDistance;  // round(sqrt(dx² + dy²))
  int x = 0, y = 0;                       // the point in picture pixels
  // Grid charts: curve list position (1..12) and pipe-size or tube position (1..40).
  // Curve charts: index 0..40. Overall cost: series 0 energy, 1 insulation, 2 total, and
  // the stocked thickness index 0..14.
  int curve = 0, index = 0, series = 0;
};

// Visits the points of the chart in a fixed order (grid: curve by curve, size by size;
// curve: 0..40; overall: the stocked points of the energy, insulation and total series,
// skipping points outside the box); a point strictly nearer than the best so far wins, so
// among equally near points the first visited stays.
ReadoutHit NearestPoint(const ChartData& data, const PixelTables& pixels, const AxesRect& box,
                        int mouseX, int mouseY);

inline bool ReadoutShown(const ReadoutHit& hit) {
  return hit.found && hit.distance <= kReadoutShowDistance;
}

// The label of a found point, in the units of the chart's unit system.
QString ReadoutText(const ChartData& data, const AppState& state, const ReadoutHit& hit);

}  // namespace qora
