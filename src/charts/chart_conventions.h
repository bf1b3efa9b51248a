// The drawing conventions every chart shares: heading lines, the categorical pipe-size axis,
// numeric axes with round ticks, the unit title, the box outline, curves, markers, legend
// entries, reference lines and thickness marks. Analyses state what they plot and on which
// ranges; how it looks is decided here once.
#pragma once

#include <QString>
#include <vector>

#include "charts/chart_data.h"
#include "charts/chart_layout.h"
#include "toolkit/colour.h"

namespace qora {

class Canvas;
struct LanguageTexts;

struct PixelPoint {
  int x = 0, y = 0;  // picture pixels
};

// --- texts ---
// Chart texts use the language's font entry 2 at the chart font size (the title entry 1 at
// two points more).
void SetChartFont(Canvas& c, const LanguageTexts& lang, int fontEntry, double size, Colour colour);

struct HeadingItem {
  int row = 1;     // condition lines 1.. below the title
  int column = 0;  // 0 at xLeft (ambient conditions), 1 at xCentre (operating conditions)
  QString text;
};
// Title, condition lines and the footer (the horizontal-axis caption) in blue.
void DrawHeading(Canvas& c, const ChartLayout& layout, const LanguageTexts& lang,
                 const QString& title, const std::vector<HeadingItem>& items,
                 const QString& footer);

// --- value to pixel (offsets inside the box: x from its left, y up from its bottom) ---
// Pipe-size column of size j (1-based) in the range from..to; a single size (from = to) is
// placed in the middle of the axis.
int SizeColumnX(int j, int from, int to, int width);
// Multi-curve thickness charts: truncated toward zero, axis from 0 to hi.
int GridPixelY(Real value, Real hi, int height);
// Single-curve charts: rounded, axis lo..hi. A degenerate axis maps to 0.
int ScalePixel(Real value, Real lo, Real hi, int extent);

// --- axes ---
// Size names below the axis (one row for up to 11 sizes, else alternating between two
// rows) and a dotted silver grid line per size.
void DrawPipeSizeAxis(Canvas& c, const AxesRect& box, int fontSize, const LanguageTexts& lang,
                      int from, int to, const std::vector<QString>& sizeNames);
// Ticks from lo in steps of step while below hi + 0.00001: dotted grid line and label
// (ValueToStr with `decimals`, more when the step needs them to tell ticks apart).
// truncate: pixel rule of the multi-curve charts.
void DrawValueAxisY(Canvas& c, const AxesRect& box, int fontSize, const LanguageTexts& lang,
                    const AxisRange& axis, int decimals, bool truncate);
void DrawValueAxisX(Canvas& c, const AxesRect& box, int fontSize, const LanguageTexts& lang,
                    const AxisRange& axis, int decimals);
// "(" + unit + ")" right-aligned, vertically centred at (x0 - fontSize, y).
void DrawUnitTitle(Canvas& c, const AxesRect& box, int fontSize, const LanguageTexts& lang,
                   const QString& unit, int y);
// The y of the unit title: above the highest tick of a multi-curve chart, above the box of
// a single-curve chart.
int UnitTitleYGrid(const AxesRect& box, int fontSize, const AxisRange& axis);
int UnitTitleYCurve(const AxesRect& box, int fontSize);
void DrawAxesOutline(Canvas& c, const AxesRect& box);

// --- curves ---
// Black polyline of width 2.
void DrawCurve(Canvas& c, const std::vector<PixelPoint>& points, Colour colour = kBlack);
// Filled circles of radius fontSize div 2 (pen width 1).
void DrawMarkers(Canvas& c, const std::vector<PixelPoint>& points, int fontSize, Colour brush,
                 Colour pen = kBlack);

// --- legend (multi-curve charts) ---
// Chilled charts stack the legend places upward from the bottom of the box, hot charts
// downward from its top.
enum class LegendDirection { Upward, Downward };
// Place of list position c (1..10): a chart of positions 3 to 5 leaves places 1 and 2 empty.
PixelPoint LegendPlace(const ChartLayout& layout, const AxesRect& box, LegendDirection dir, int c);
// Leader line from the curve's last point to its place, a stroke to the right, the label.
void DrawLegendEntry(Canvas& c, const ChartLayout& layout, const AxesRect& box,
                     const LanguageTexts& lang, LegendDirection dir, int position,
                     PixelPoint lastPoint, const QString& label);
void DrawLegendHeading(Canvas& c, const ChartLayout& layout, const AxesRect& box,
                       const LanguageTexts& lang, const QString& heading);

// --- reference lines (single-curve charts) ---
enum class LabelSide { Above, Below };
// Red line of width 2 across the box at picture row y, its label left-aligned at xLabel
// above (bottom fontSize/2 above the line) or below (bottom 2·fontSize below it). A line
// outside the box is not drawn.
void DrawReferenceLine(Canvas& c, const AxesRect& box, int fontSize, const LanguageTexts& lang,
                       int y, int xLabel, const QString& label, LabelSide side);

// --- thickness marks (overall-cost charts) ---
// Blue vertical line at picture column x across the box; at height y0 + r·(height div 12)
// a stroke of width div 30 to the right and the label after it, vertically centred.
void DrawThicknessMark(Canvas& c, const AxesRect& box, int fontSize, const LanguageTexts& lang,
                       int x, int r, const QString& label);

}  // namespace qora
