// Shared pieces of the graph printouts: fonts, safe axis scales, label decimals, page-bound
// text and the two plot kinds (pipe-size graphs, single-pipe graphs).
#pragma once

#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

#include "charts/chart_data.h"
#include "print/graph_inputs.h"
#include "toolkit/colour.h"

namespace qora {

class Canvas;
struct AppState;

namespace printout {

inline constexpr double kLabelGap = 3;      // mm between an axis and its labels
inline constexpr double kMarkerRadius = 1;  // mm
inline constexpr double kCurvePen = 0.4;    // mm
inline constexpr double kFramePen = 0.8;    // mm
inline constexpr double kGridPen = 0.05;    // mm
inline constexpr double kPointSize = 14;    // pt of every text but the title

struct PlotRect {
  double L = 0, T = 0, R = 0, B = 0;
  double width() const { return R - L; }
  double height() const { return B - T; }
};

// One page's texts and settings of the chart being printed.
struct GraphContext {
  const ChartData& chart;
  const AppState& state;
  int unit = 1;  // unit system the chart's values are in
  bool hot = false;
  PanelTexts panel;
  double W = 280, H = 200;

  QString msg(int i) const;
  QString unitLabel(int code) const;
  QString font(int i) const;  // face i of the language by the font rule
};

// Axis limits and tick step from NiceScale, made safe: finite, hi > lo, a positive step
// and at most a few hundred ticks, whatever the data.
struct Scale {
  double lo = 0, hi = 1, step = 0.2;
};
Scale SafeNiceScale(double lo, double hi);
// Label decimals: at least `base`, more when the step needs them (at most 4).
int DecimalsFor(int base, double step);
QString Number(int decimals, double value);

// Text anchored as PrnText does, shifted back onto the page when it would run past an edge.
void PageText(Canvas& page, int hAlign, int vAlign, const QString& text, double x, double y);

// Polyline through the points that are numbers; a missing point breaks the line.
void Polyline(Canvas& page, const std::vector<std::optional<QPointF>>& points);

void SetAxesFont(Canvas& page, const GraphContext& g);
void SetLegendFont(Canvas& page, const GraphContext& g);
// Dotted grid line pen.
void SetGridPen(Canvas& page);

// Ticks lo, lo + step, ... while v <= hi + 0.00001 (counted, not accumulated).
std::vector<double> Ticks(const Scale& s, double start, double end);

void DrawSizeGraph(Canvas& page, const GraphContext& g, const PlotRect& plot);
void DrawPipeGraph(Canvas& page, const GraphContext& g, const PlotRect& plot);

}  // namespace printout
}  // namespace qora
