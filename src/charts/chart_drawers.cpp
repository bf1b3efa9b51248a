#include "charts/chart_drawers.h"

#include <cstdlib>
#include <optional>

#include "engine/standard_thickness.h"
#include "engine/units.h"
#include "model/language.h"
#include "toolkit/canvas.h"
#include "toolkit/colour.h"
#include "toolkit/draw.h"

namespace qora {

ChartKind KindOf(AnalysisId id) {
  switch (id) {
    case AnalysisId::ChilledKConst:
    case AnalysisId::ChilledRHConst:
    case AnalysisId::HotKConst:
    case AnalysisId::HotTConst:
      return ChartKind::Grid;
    case AnalysisId::ChilledOverall:
    case AnalysisId::HotOverall:
      return ChartKind::Overall;
    default:
      return ChartKind::Curve;
  }
}

bool PlotsCurveE(AnalysisId id) {
  switch (id) {
    case AnalysisId::ChilledEnergy:
    case AnalysisId::ChilledEnergyCost:
    case AnalysisId::ChilledOverall:
    case AnalysisId::HotHeatLoss:
    case AnalysisId::HotHeatLossCost:
    case AnalysisId::HotOverall:
      return true;
    default:
      return false;
  }
}

int AxesModeOf(AnalysisId id) {
  return KindOf(id) == ChartKind::Grid ? 1 : 2;
}

Real StockThickness(int unitSystem, int n) {
  return ConvertUnits(kQThickness, kSI, unitSystem, InsulThicknessMM[n]);
}

PixelTables DrawGridChart(Canvas& c, const ChartLayout& l, const LanguageTexts& lang,
                          const ChartData& d, const GridChartOptions& options) {
  PixelTables px;
  const AxesRect box = *AxesBox(l, 1);
  const int fs = l.ChartFontSize;
  DrawPipeSizeAxis(c, box, fs, lang, d.sizeFrom, d.sizeTo, options.sizeNames);
  DrawValueAxisY(c, box, fs, lang, d.yAxis, options.yDecimals, true);
  DrawUnitTitle(c, box, fs, lang, options.yUnit, UnitTitleYGrid(box, fs, d.yAxis));
  DrawAxesOutline(c, box);
  DrawLegendHeading(c, l, box, lang, options.legendHeading);

  for (int j = d.sizeFrom; j <= d.sizeTo && j >= 1 && j <= 40; ++j) {
    px.columnX[j - 1] = SizeColumnX(j, d.sizeFrom, d.sizeTo, box.width());
  }
  // The last curve first, so the first one of the range lies on top.
  for (int r = d.curveTo; r >= d.curveFrom && r >= 1; --r) {
    if (r > 10) continue;
    std::vector<PixelPoint> points;
    for (int j = d.sizeFrom; j <= d.sizeTo && j >= 1 && j <= 40; ++j) {
      const int dy = GridPixelY(d.chartResults[r - 1][j - 1] - d.yAxis.lo, d.yAxis.hi - d.yAxis.lo,
                                box.height());
      px.cellY[r - 1][j - 1] = dy;
      points.push_back({box.x0 + px.columnX[j - 1], box.y1 - dy});
    }
    if (points.empty()) continue;
    DrawCurve(c, points);
    DrawLegendEntry(c, l, box, lang, options.direction, r, points.back(),
                    options.curveLabels[r - 1]);
    DrawMarkers(c, points, fs, PaletteColor(r));
  }
  return px;
}

namespace {

void DrawCurveAxes(Canvas& c, const AxesRect& box, int fs, const LanguageTexts& lang,
                   const ChartData& d, int xDecimals, int yDecimals, const QString& yUnit) {
  DrawValueAxisX(c, box, fs, lang, d.xAxis, xDecimals);
  DrawValueAxisY(c, box, fs, lang, d.yAxis, yDecimals, false);
  DrawUnitTitle(c, box, fs, lang, yUnit, UnitTitleYCurve(box, fs));
  DrawAxesOutline(c, box);
}

}  // namespace

PixelTables DrawCurveChart(Canvas& c, const ChartLayout& l, const LanguageTexts& lang,
                           const ChartData& d, const CurveChartOptions& options) {
  PixelTables px;
  const AxesRect box = *AxesBox(l, 2);
  const int fs = l.ChartFontSize;
  DrawCurveAxes(c, box, fs, lang, d, options.xDecimals, options.yDecimals, options.yUnit);

  const int xLabel = HeadingLayout(l).xCentre;
  for (const ReferenceLine& ref : options.references) {
    const int y = box.y1 - ScalePixel(ref.value, d.yAxis.lo, d.yAxis.hi, box.height());
    DrawReferenceLine(c, box, fs, lang, y, xLabel, ref.label, ref.side);
  }

  const auto& values = options.plotE ? d.curveE : d.curveY;
  std::vector<PixelPoint> points;
  for (int i = 0; i < 41; ++i) {
    px.pointX[i] = ScalePixel(d.curveX[i], d.xAxis.lo, d.xAxis.hi, box.width());
    px.pointY[i] = ScalePixel(values[i], d.yAxis.lo, d.yAxis.hi, box.height());
    points.push_back({box.x0 + px.pointX[i], box.y1 - px.pointY[i]});
  }
  DrawCurve(c, points);
  DrawMarkers(c, points, fs, kAqua);
  return px;
}

namespace {

bool Inside(int dx, int dy, const AxesRect& box) {
  return dx >= 0 && dx <= box.width() && dy >= 0 && dy <= box.height();
}

// One stocked series: segments between consecutive points inside the box, the label at the
// last point inside, markers at the points inside.
// Returns where the label was written (its anchor), or nothing when no point is inside.
std::optional<PixelPoint> DrawStockSeries(Canvas& c, const AxesRect& box, int fs,
                                          const LanguageTexts& lang, const std::array<int, 15>& xs,
                                          const std::array<int, 15>& ys, Colour lineColour,
                                          Colour markerBrush, Colour markerPen,
                                          const QString& label, std::optional<PixelPoint> avoid) {
  std::vector<PixelPoint> inside;
  SetPicPen(c, lineColour, PenStyle::Solid, 2);
  for (int n = 0; n < 15; ++n) {
    if (xs[n] >= kOutsideBox || ys[n] >= kOutsideBox) continue;
    const PixelPoint p{box.x0 + xs[n], box.y1 - ys[n]};
    if (n > 0 && xs[n - 1] < kOutsideBox && ys[n - 1] < kOutsideBox) {
      PicLine(c, box.x0 + xs[n - 1], box.y1 - ys[n - 1], p.x, p.y, lineColour);
    }
    inside.push_back(p);
  }
  std::optional<PixelPoint> written;
  if (!label.isEmpty() && !inside.empty()) {
    // At the series' end, unless that end lies in the band of the result line at the top
    // of the box or beside the other series' label: then at the last point clear of both.
    auto clear = [&](const PixelPoint& p) {
      return p.y >= box.y0 + 3 * fs && (!avoid || std::abs(p.y - avoid->y) >= 2 * fs);
    };
    PixelPoint at = inside.back();
    for (auto it = inside.rbegin(); it != inside.rend(); ++it) {
      if (clear(*it)) {
        at = *it;
        break;
      }
    }
    SetChartFont(c, lang, 2, fs, lineColour);
    SetPicBrush(c, kWhite, BrushStyle::Clear);
    PicText(c, 0, 1, label, at.x, at.y);
    written = at;
  }
  DrawMarkers(c, inside, fs, markerBrush, markerPen);
  return written;
}

}  // namespace

PixelTables DrawOverallChart(Canvas& c, const ChartLayout& l, const LanguageTexts& lang,
                             const ChartData& d, const OverallChartOptions& options) {
  PixelTables px;
  const AxesRect box = *AxesBox(l, 2);
  const int fs = l.ChartFontSize;
  DrawCurveAxes(c, box, fs, lang, d, options.xDecimals, options.yDecimals, options.yUnit);

  for (int r = 1; r <= 10; ++r) {
    const Real t = d.chartResults[r - 1][0];
    if (options.markLabels[r - 1].isEmpty() || !(t > d.xAxis.lo) || !(t < d.xAxis.hi)) continue;
    const int x = box.x0 + ScalePixel(t, d.xAxis.lo, d.xAxis.hi, box.width());
    DrawThicknessMark(c, box, fs, lang, x, r, options.markLabels[r - 1]);
  }

  std::vector<PixelPoint> curve;
  for (int i = 0; i < 41; ++i) {
    px.pointX[i] = ScalePixel(d.curveX[i], d.xAxis.lo, d.xAxis.hi, box.width());
    px.pointY[i] = ScalePixel(d.curveE[i], d.yAxis.lo, d.yAxis.hi, box.height());
    curve.push_back({box.x0 + px.pointX[i], box.y1 - px.pointY[i]});
  }
  DrawCurve(c, curve);

  auto stockY = [&](Real v, int x) {
    const int y = ScalePixel(v, d.yAxis.lo, d.yAxis.hi, box.height());
    return Inside(x, y, box) ? y : kOutsideBox;
  };
  for (int n = 0; n < 15; ++n) {
    const int x = ScalePixel(StockThickness(d.unitSystem, n), d.xAxis.lo, d.xAxis.hi, box.width());
    const bool xInside = x >= 0 && x <= box.width();
    px.stockX[n] = xInside ? x : kOutsideBox;
    px.stockEnergyY[n] = xInside ? stockY(d.stockEnergyCost[n], x) : kOutsideBox;
    px.stockInsulationY[n] = xInside ? stockY(d.stockInsulationCost[n], x) : kOutsideBox;
    px.stockTotalY[n] = xInside ? stockY(d.stockTotalCost[n], x) : kOutsideBox;
  }
  std::vector<PixelPoint> energyMarks;
  for (int n = 0; n < 15; ++n) {
    if (px.stockX[n] < kOutsideBox && px.stockEnergyY[n] < kOutsideBox) {
      energyMarks.push_back({box.x0 + px.stockX[n], box.y1 - px.stockEnergyY[n]});
    }
  }
  DrawMarkers(c, energyMarks, fs, kAqua);
  const auto insulationLabelAt =
      DrawStockSeries(c, box, fs, lang, px.stockX, px.stockInsulationY, kRed, kYellow, kRed,
                      options.insulationLabel, std::nullopt);
  DrawStockSeries(c, box, fs, lang, px.stockX, px.stockTotalY, kBlack, kWhite, kBlack,
                  options.totalLabel, insulationLabelAt);

  SetChartFont(c, lang, 2, fs, kBlue);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  PicText(c, 0, 0, options.resultText, box.x0 + box.width() / 2, box.y0 + fs);
  return px;
}

}  // namespace qora
