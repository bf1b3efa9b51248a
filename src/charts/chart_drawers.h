// The three chart shapes of the line screens, drawn once for both screens: thickness over
// a range of pipe sizes with one curve per list position (grid charts), one curve of 41
// points over an axis that ends at the entered maximum (curve charts), and the overall-cost
// chart (an energy-cost curve with the stocked-thickness series and thickness marks).
// The callers draw the background and the heading; these draw the axes box and what is in
// it, and return the pixel tables of the read-out.
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "charts/chart_conventions.h"
#include "charts/chart_data.h"
#include "charts/chart_layout.h"

namespace qora {

class Canvas;
struct LanguageTexts;

enum class ChartKind { Grid, Curve, Overall };
ChartKind KindOf(AnalysisId id);
// Single-curve charts of energy or cost plot curveE; the temperature charts plot curveY.
bool PlotsCurveE(AnalysisId id);
// The axes-box mode of an analysis: 1 for the grid charts (legend column), else 2.
int AxesModeOf(AnalysisId id);

struct GridChartOptions {
  LegendDirection direction = LegendDirection::Upward;
  QString legendHeading;
  std::array<QString, 10> curveLabels;  // by list position 1..10
  std::vector<QString> sizeNames;       // by pipe-size position 1..40
  int yDecimals = 1;
  QString yUnit;
};
PixelTables DrawGridChart(Canvas& c, const ChartLayout& layout, const LanguageTexts& lang,
                          const ChartData& data, const GridChartOptions& options);

struct ReferenceLine {
  Real value = 0;
  QString label;
  LabelSide side = LabelSide::Above;
};
struct CurveChartOptions {
  bool plotE = false;  // plot curveE (energy, cost) instead of curveY (temperatures)
  int xDecimals = 0;
  int yDecimals = 1;
  QString yUnit;
  std::vector<ReferenceLine> references;
};
PixelTables DrawCurveChart(Canvas& c, const ChartLayout& layout, const LanguageTexts& lang,
                           const ChartData& data, const CurveChartOptions& options);

struct OverallChartOptions {
  int xDecimals = 0;
  int yDecimals = 1;
  QString yUnit;
  std::array<QString, 10> markLabels;  // by chartResults row; empty: no mark
  QString insulationLabel, totalLabel, resultText;
};
PixelTables DrawOverallChart(Canvas& c, const ChartLayout& layout, const LanguageTexts& lang,
                             const ChartData& data, const OverallChartOptions& options);

// Stocked thickness n (0..14) in the thickness unit of the unit system.
Real StockThickness(int unitSystem, int n);

// Marks a stocked point outside the axes box in the pixel tables.
inline constexpr int kOutsideBox = 10000;

}  // namespace qora
