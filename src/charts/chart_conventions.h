// The drawing conventions every chart shares, on any surface: heading lines, the
// categorical pipe-size axis, numeric axes with round ticks, the unit title, the box
// outline, curves, markers, legend entries, reference lines and thickness marks. Where and
// how large each part is comes from a ChartGeometry (screen pixels or page millimetres);
// analyses only state what they plot.
#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "charts/chart_data.h"
#include "charts/chart_geometry.h"

namespace qora {

class Canvas;
struct LanguageTexts;

struct ChartPoint {
  double x = 0, y = 0;  // surface units
};

// --- texts ---
void SetTextStyle(Canvas& c, const LanguageTexts& lang, const TextStyle& style);
// Title, condition lines and footer of the chart's wording.
void DrawHeading(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                 const ChartWording& wording);

// --- value to offset (from the box: x from its left edge, y up from its bottom edge) ---
// Pipe-size column of size j (1-based) in the range from..to; a single size (from = to)
// is placed in the middle of the axis.
double ColumnOffset(const ChartGeometry& g, int j, int from, int to);
// Grid charts: the axis from lo to hi, truncated toward zero on a screen.
double GridOffset(const ChartGeometry& g, Real value, Real lo, Real hi);
// Single-curve charts: value over lo..hi of `extent`, rounded on a screen. A degenerate
// axis maps to 0; a value far off the axis is clamped (never an overflow).
double ScaleOffset(const ChartGeometry& g, Real value, Real lo, Real hi, double extent);

// The same offsets as screen pixels, for the read-out tables.
int SizeColumnX(int j, int from, int to, int width);
int GridPixelY(Real value, Real hi, int height);
int ScalePixel(Real value, Real lo, Real hi, int extent);

// --- axes ---
// Size names below the axis (one row for up to 11 sizes, else alternating between two
// rows) and a dotted grid line per size.
void DrawPipeSizeAxis(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang, int from,
                      int to, const std::vector<QString>& sizeNames);
// Ticks from lo in steps of step while below hi + 0.00001: dotted grid line and label
// (with `decimals`, more when the step needs them to tell ticks apart). grid: the offset
// rule of the grid charts. Returns the offset of the highest tick.
double DrawValueAxisY(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                      const AxisRange& axis, int decimals, bool grid);
void DrawValueAxisX(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                    const AxisRange& axis, int decimals);
// "(" + unit + ")" right-aligned left of the axis, above the highest tick (at offset
// topTick) or above the box, as the geometry says.
void DrawUnitTitle(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                   const QString& unit, double topTick);
void DrawAxesOutline(Canvas& c, const ChartGeometry& g);

// --- curves ---
// A polyline; a missing point (a value that is not a number) breaks it.
void DrawCurve(Canvas& c, const ChartGeometry& g, const std::vector<std::optional<ChartPoint>>& pts,
               Colour colour = kBlack);
void DrawMarkers(Canvas& c, const ChartGeometry& g,
                 const std::vector<std::optional<ChartPoint>>& pts, Colour brush,
                 Colour pen = kBlack);

// --- legend (grid charts) ---
// Place of list position p (1..10): a chart of positions 3 to 5 leaves places 1 and 2
// empty.
ChartPoint LegendPlace(const ChartGeometry& g, LegendDirection dir, int p);
// Leader line from the curve's last point (when it has one) to its place, a stroke to the
// right, the label.
void DrawLegendEntry(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                     LegendDirection dir, int position, std::optional<ChartPoint> lastPoint,
                     const QString& label);
void DrawLegendHeading(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                       const QString& heading);

// --- labels that must not cover each other ---
// Vertical extents (top, bottom) of the labels placed so far.
using LabelBands = std::vector<std::pair<double, double>>;
// The band moved away from where it was asked for (up when `up`, else down) past every
// placed band it would cover.
std::pair<double, double> ClearBand(const LabelBands& placed, std::pair<double, double> band,
                                    bool up);

// --- reference lines (single-curve charts) ---
// Red lines across the box at each reference's value on the y axis; each label beside its
// line on its side, moved clear of the labels placed before it and kept inside the box
// (on the other side when its own side would leave it). A value off the axis draws
// nothing.
void DrawReferenceLines(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                        const std::vector<ReferenceLine>& refs, const AxisRange& yAxis);

// --- thickness marks (overall-cost charts) ---
// Blue vertical line at x across the box; at r/12 of its height a stroke to the right.
void DrawThicknessMark(Canvas& c, const ChartGeometry& g, double x, int r);
// The mark's label after its stroke, vertically centred, on a white ground so that it
// stays legible over the curves drawn before it.
void DrawThicknessMarkLabel(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                            double x, int r, const QString& label);

}  // namespace qora
