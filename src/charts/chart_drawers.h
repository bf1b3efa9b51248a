// The one renderer of the line-screen charts: the heading and the three chart shapes
// (thickness over a range of pipe sizes with one curve per list position, one curve of 41
// points, the overall-cost chart with its stocked-thickness series and thickness marks),
// drawn from a chart's values and its wording through a geometry. The screen draws with its
// pixel geometry, the printed page with its millimetre geometry; what the chart shows is
// decided once, here and in the conventions.
#pragma once

#include "charts/chart_conventions.h"
#include "charts/chart_data.h"
#include "charts/chart_geometry.h"

namespace qora {

class Canvas;
struct AppState;
struct LanguageTexts;

ChartKind KindOf(AnalysisId id);
// True for the analyses of the hot-water screen.
bool IsHotAnalysis(AnalysisId id);
// True for the two charts of the R-value screen.
bool IsRValueAnalysis(AnalysisId id);
// The axes-box mode of a chart on a screen: 1 for the grid charts (legend column), else 2.
int AxesModeOf(AnalysisId id);

// The heading and the chart in the axes box; the caller draws the background or page
// frame first. Returns the pixel tables of the read-out (offsets from the box, meaningful
// on a pixel geometry).
PixelTables DrawChart(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                      const ChartData& data);

// The chart as a screen shows it: the empty chart page (frame, watermark, corner logo),
// then the chart at the screen's pixel geometry.
PixelTables DrawScreenChart(Canvas& c, const ChartLayout& layout, const AppState& state,
                            const ChartData& data);

PixelTables DrawGridChart(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                          const ChartData& data);
PixelTables DrawCurveChart(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                           const ChartData& data);
PixelTables DrawOverallChart(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                             const ChartData& data);

// Stocked thickness n (0..14) in the thickness unit of the unit system.
Real StockThickness(int unitSystem, int n);

// Marks a stocked point outside the axes box in the pixel tables.
inline constexpr int kOutsideBox = 10000;

}  // namespace qora
