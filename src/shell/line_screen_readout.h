// Where the read-out point of a line screen goes: the nearest plotted point and its label
// text come from the chart layer; this places the marker and the label on the screen.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include "charts/chart_data.h"
#include "charts/chart_layout.h"

namespace qora {

struct AppState;

// The marker is a 12-pixel circle; a point is read out within half its width.
inline constexpr int kMarkerSize = 12;

struct Readout {
  bool shown = false;
  QPoint point;  // picture pixels of the point found
  QString text;
};

// The read-out of the last chart for the mouse at `mouse` (picture pixels).
Readout FindReadout(const ChartData& data, const PixelTables& pixels, const ChartLayout& layout,
                    const AppState& state, QPoint mouse);

// Marker and label rectangles in the coordinates of the screen that holds the picture at
// `pictureOrigin`: the marker centred on the point, the label centred horizontally over
// it with its top 1.5 label heights above the point.
struct ReadoutPlacement {
  QRect marker;
  QRect label;
};
ReadoutPlacement PlaceReadout(QPoint point, QPoint pictureOrigin, QSize labelSize);

}  // namespace qora
