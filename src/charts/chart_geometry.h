// Where a chart's parts lie and how large they are on one surface. The chart drawers draw
// every chart through one of these, so the screen picture (pixels, positions rounded to
// whole pixels) and the printed page (millimetres at the device's own resolution) come
// from the same drawing code and differ only in these numbers.
#pragma once

#include "charts/chart_data.h"
#include "charts/chart_layout.h"
#include "toolkit/colour.h"

namespace qora {

enum class ChartKind { Grid, Curve, Overall };

// A font of the language's face list (entry) at a size in points, in a colour.
struct TextStyle {
  int fontEntry = 2;
  double size = 10;
  Colour colour = kBlack;
};

struct Box {
  double x0 = 0, y0 = 0, x1 = 0, y1 = 0;  // top-left and bottom-right corners
  double width() const { return x1 - x0; }
  double height() const { return y1 - y0; }
};

struct ChartGeometry {
  bool pixels = true;  // positions are whole pixels, halves rounded to even
  Box plot;            // the axes box

  // Heading: the title at (xLeft, titleY), condition line row r at titleY + r · rowStep
  // (column 0 at xLeft, 1 at xRight), all bottom-aligned; the footer centred at
  // (footerX, footerY).
  double xLeft = 0, xRight = 0, titleY = 0, rowStep = 0, footerX = 0, footerY = 0;
  TextStyle title, line, footer;

  // Axes: tick labels labelGap from the axis; the second row of pipe-size names
  // secondRowGap below it; the unit title labelGap left of the axis, unitRaise above the
  // highest tick (unitAtTopTick) or above the box, vertically centred or bottom-aligned;
  // with unitOverAxis it starts at the axis instead of ending left of it.
  TextStyle axisText;
  double labelGap = 0, secondRowGap = 0, unitRaise = 0;
  bool unitAtTopTick = true;
  bool unitBottomAligned = false;
  bool unitOverAxis = false;
  Colour gridColour = kSilver;
  double gridPen = 1, framePen = 3, curvePen = 2, markerPen = 1, markerRadius = 4;

  // Legend of the grid charts: place c at legendX, legendStep · c from the box's bottom
  // (upward) or top (downward) edge; a stroke legendStroke long, the label legendGap after
  // it; leader lines leaderPen wide.
  TextStyle legendText, legendHeading;
  double legendX = 0, legendStep = 0, legendStroke = 0, legendGap = 0, leaderPen = 1;

  // Reference lines: labels start at referenceX, bottom referenceGap above the line or
  // top referenceGap below it.
  TextStyle referenceText;
  double referencePen = 2, referenceX = 0, referenceGap = 0;

  // Overall cost: thickness mark r at r/12 of the box height, a stroke 1/30 of its width,
  // the label markGap after it; the economic thickness left-aligned at resultX, its top
  // at resultY inside the box (resultInside) or its bottom at resultY below it; a stocked
  // series' label seriesGap beside its last point.
  TextStyle markText, resultText, seriesText;
  double markPen = 1, markGap = 0, seriesGap = 2;
  bool resultInside = true;
  double resultX = 0, resultY = 0;

  // A position on the surface: the nearest whole pixel on a screen, the value on paper.
  double snap(double v) const;
  // An offset along a value axis of the grid charts: truncated toward zero on a screen.
  double snapDown(double v) const;
};

// The geometry of a chart of `kind` on a screen picture laid out by `layout`.
ChartGeometry ScreenChartGeometry(const ChartLayout& layout, ChartKind kind);
// The same for one analysis: the R-value charts space the legend places of their twelve
// nominal thicknesses more closely (a 29th of the plot width instead of a 26th).
ChartGeometry ScreenChartGeometry(const ChartLayout& layout, AnalysisId analysis);

}  // namespace qora
