#include "charts/chart_drawers.h"

#include <cmath>
#include <utility>
#include <vector>

#include "charts/chart_background.h"
#include "engine/standard_thickness.h"
#include "engine/units.h"
#include "model/app_state.h"
#include "model/language.h"
#include "toolkit/canvas.h"
#include "toolkit/colour.h"
#include "toolkit/draw.h"

namespace qora {

namespace {

bool Finite(Real v) {
  return std::isfinite(static_cast<double>(v));
}

int Pixel(double offset) {
  return static_cast<int>(std::lround(offset));
}

using Points = std::vector<std::optional<ChartPoint>>;

std::optional<ChartPoint> LastPoint(const Points& pts) {
  for (auto it = pts.rbegin(); it != pts.rend(); ++it) {
    if (*it) return *it;
  }
  return std::nullopt;
}

// The x and y axes of the single-curve and overall charts, the unit title above the box,
// the outline.
void DrawCurveAxes(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                   const ChartData& d) {
  DrawValueAxisX(c, g, lang, d.xAxis, d.wording.xDecimals);
  const double top = DrawValueAxisY(c, g, lang, d.yAxis, d.wording.yDecimals, false);
  DrawUnitTitle(c, g, lang, d.wording.yUnit, top);
  DrawAxesOutline(c, g);
}

double XOffset(const ChartGeometry& g, const ChartData& d, Real x) {
  return ScaleOffset(g, x, d.xAxis.lo, d.xAxis.hi, g.plot.width());
}
double YOffset(const ChartGeometry& g, const ChartData& d, Real y) {
  return ScaleOffset(g, y, d.yAxis.lo, d.yAxis.hi, g.plot.height());
}

// A stocked series' label beside its last point inside the box: to the right of it, or
// ending left of it and above it where it would run past the box (and into the corner
// logo); moved down past the labels placed before it.
void SeriesLabel(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang, LabelBands& placed,
                 const Points& pts, const QString& text, Colour colour) {
  const auto last = LastPoint(pts);
  if (!last || text.isEmpty()) return;
  TextStyle style = g.seriesText;
  style.colour = colour;
  SetTextStyle(c, lang, style);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  const QSizeF size = c.textSize(text);
  const bool fits = last->x + size.width() <= g.plot.x1;
  const double left = fits ? last->x : last->x - g.seriesGap - size.width();
  const double top =
      fits ? last->y - size.height() / 2 : last->y - 1.5 * g.seriesGap - size.height();
  const auto band = ClearBand(placed, {top, top + size.height()}, false);
  placed.push_back(band);
  PicText(c, HAlign::Left, VAlign::Top, text, left, band.first);
}

}  // namespace

ChartKind KindOf(AnalysisId id) {
  switch (id) {
    case AnalysisId::ChilledKConst:
    case AnalysisId::ChilledRHConst:
    case AnalysisId::HotKConst:
    case AnalysisId::HotTConst:
    case AnalysisId::RValueKConst:
    case AnalysisId::RValueRConst:
      return ChartKind::Grid;
    case AnalysisId::ChilledOverall:
    case AnalysisId::HotOverall:
      return ChartKind::Overall;
    default:
      return ChartKind::Curve;
  }
}

int AxesModeOf(AnalysisId id) {
  return KindOf(id) == ChartKind::Grid ? 1 : 2;
}

bool IsHotAnalysis(AnalysisId id) {
  return static_cast<int>(id) >= static_cast<int>(AnalysisId::HotKConst) &&
         static_cast<int>(id) <= static_cast<int>(AnalysisId::HotOverall);
}

bool IsRValueAnalysis(AnalysisId id) {
  return id == AnalysisId::RValueKConst || id == AnalysisId::RValueRConst;
}

Real StockThickness(int unitSystem, int n) {
  return ConvertUnits(kQThickness, kSI, unitSystem, InsulThicknessMM[n]);
}

PixelTables DrawChart(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                      const ChartData& data) {
  DrawHeading(c, g, lang, data.wording);
  switch (KindOf(data.analysis)) {
    case ChartKind::Grid:
      return DrawGridChart(c, g, lang, data);
    case ChartKind::Curve:
      return DrawCurveChart(c, g, lang, data);
    case ChartKind::Overall:
      return DrawOverallChart(c, g, lang, data);
  }
  return {};
}

PixelTables DrawScreenChart(Canvas& c, const ChartLayout& layout, const AppState& state,
                            const ChartData& data) {
  DrawChartBackground(c, layout, BrandPicturesFor(state));
  return DrawChart(c, ScreenChartGeometry(layout, data.analysis), state.lang, data);
}

PixelTables DrawGridChart(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                          const ChartData& d) {
  PixelTables px;
  const ChartWording& wording = d.wording;
  DrawPipeSizeAxis(c, g, lang, d.sizeFrom, d.sizeTo, wording.sizeNames);
  const double top = DrawValueAxisY(c, g, lang, d.yAxis, wording.yDecimals, true);
  DrawUnitTitle(c, g, lang, wording.yUnit, top);
  DrawAxesOutline(c, g);
  DrawLegendHeading(c, g, lang, wording.legendHeading);

  std::array<double, 40> columns{};
  for (int j = d.sizeFrom; j <= d.sizeTo && j >= 1 && j <= 40; ++j) {
    columns[j - 1] = ColumnOffset(g, j, d.sizeFrom, d.sizeTo);
    px.columnX[j - 1] = Pixel(columns[j - 1]);
  }
  // The last curve first, so the first one of the range lies on top.
  for (int r = d.curveTo; r >= d.curveFrom && r >= 1; --r) {
    if (r > kMaxCurves) continue;
    Points points;
    for (int j = d.sizeFrom; j <= d.sizeTo && j >= 1 && j <= 40; ++j) {
      const Real v = d.chartResults[r - 1][j - 1];
      if (!Finite(v) || d.notAchievable[r - 1][j - 1]) {
        px.cellY[r - 1][j - 1] = kOutsideBox;
        points.push_back(std::nullopt);
        continue;
      }
      const double dy = GridOffset(g, v, d.yAxis.lo, d.yAxis.hi);
      px.cellY[r - 1][j - 1] = Pixel(dy);
      points.push_back(ChartPoint{g.plot.x0 + columns[j - 1], g.plot.y1 - dy});
    }
    const auto last = LastPoint(points);
    if (!last) {
      // No size of the range reaches this curve's limit: its legend place says so.
      if (!wording.curveLabels[r - 1].isEmpty()) {
        DrawLegendEntry(c, g, lang, wording.direction, r, std::nullopt,
                        wording.curveLabels[r - 1] + " N/A");
      }
      continue;
    }
    DrawCurve(c, g, points);
    DrawLegendEntry(c, g, lang, wording.direction, r, last, wording.curveLabels[r - 1]);
    DrawMarkers(c, g, points, PaletteColor(r));
  }
  return px;
}

PixelTables DrawCurveChart(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                           const ChartData& d) {
  PixelTables px;
  DrawCurveAxes(c, g, lang, d);
  DrawReferenceLines(c, g, lang, d.wording.references, d.yAxis);

  const auto& values = d.wording.plotE ? d.curveE : d.curveY;
  Points points;
  for (int i = 0; i < 41; ++i) {
    if (!Finite(d.curveX[i]) || !Finite(values[i])) {
      px.pointX[i] = px.pointY[i] = kOutsideBox;
      points.push_back(std::nullopt);
      continue;
    }
    const double dx = XOffset(g, d, d.curveX[i]), dy = YOffset(g, d, values[i]);
    px.pointX[i] = Pixel(dx);
    px.pointY[i] = Pixel(dy);
    points.push_back(ChartPoint{g.plot.x0 + dx, g.plot.y1 - dy});
  }
  DrawCurve(c, g, points);
  DrawMarkers(c, g, points, kAqua);
  return px;
}

PixelTables DrawOverallChart(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                             const ChartData& d) {
  PixelTables px;
  const ChartWording& wording = d.wording;
  DrawCurveAxes(c, g, lang, d);

  // The marks' lines go under the curves, their labels over them.
  std::vector<std::pair<int, double>> marks;
  for (int r = 1; r <= 10; ++r) {
    const Real t = d.chartResults[r - 1][0];
    if (wording.markLabels[r - 1].isEmpty() || d.notAchievable[r - 1][0] || !(t > d.xAxis.lo) ||
        !(t < d.xAxis.hi)) {
      continue;
    }
    marks.emplace_back(r, g.plot.x0 + XOffset(g, d, t));
    DrawThicknessMark(c, g, marks.back().second, r);
  }

  Points curve;
  for (int i = 0; i < 41; ++i) {
    if (!Finite(d.curveX[i]) || !Finite(d.curveE[i])) {
      px.pointX[i] = px.pointY[i] = kOutsideBox;
      curve.push_back(std::nullopt);
      continue;
    }
    const double dx = XOffset(g, d, d.curveX[i]), dy = YOffset(g, d, d.curveE[i]);
    px.pointX[i] = Pixel(dx);
    px.pointY[i] = Pixel(dy);
    curve.push_back(ChartPoint{g.plot.x0 + dx, g.plot.y1 - dy});
  }
  DrawCurve(c, g, curve);

  // The stocked points inside the box; the others are left out of the series.
  auto inside = [&](double dx, double dy) {
    return dx >= 0 && dx <= g.plot.width() + 1e-9 && dy >= 0 && dy <= g.plot.height() + 1e-9;
  };
  auto series = [&](const std::array<Real, 15>& values, std::array<int, 15>& ys) {
    Points pts;
    for (int n = 0; n < 15; ++n) {
      const Real x = StockThickness(d.unitSystem, n);
      const double dx = XOffset(g, d, x);
      const double dy = Finite(values[n]) ? YOffset(g, d, values[n]) : -1;
      if (!Finite(values[n]) || !inside(dx, dy)) {
        ys[n] = kOutsideBox;
        pts.push_back(std::nullopt);
        continue;
      }
      ys[n] = Pixel(dy);
      pts.push_back(ChartPoint{g.plot.x0 + dx, g.plot.y1 - dy});
    }
    return pts;
  };
  for (int n = 0; n < 15; ++n) {
    const double dx = XOffset(g, d, StockThickness(d.unitSystem, n));
    px.stockX[n] = dx >= 0 && dx <= g.plot.width() + 1e-9 ? Pixel(dx) : kOutsideBox;
  }
  const Points energy = series(d.stockEnergyCost, px.stockEnergyY);
  const Points insulation = series(d.stockInsulationCost, px.stockInsulationY);
  const Points total = series(d.stockTotalCost, px.stockTotalY);
  DrawMarkers(c, g, energy, kAqua);
  DrawCurve(c, g, insulation, kRed);
  DrawMarkers(c, g, insulation, kYellow, kRed);
  DrawCurve(c, g, total, kBlack);
  DrawMarkers(c, g, total, kWhite, kBlack);

  // The result line first (inside the box it claims its band), then the series labels:
  // the total usually ends highest, so it is labelled first.
  SetTextStyle(c, lang, g.resultText);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  LabelBands placed;
  const double resultHeight = c.textHeight(wording.resultText);
  if (g.resultInside) {
    placed.push_back({g.resultY, g.resultY + resultHeight});
    PicText(c, HAlign::Left, VAlign::Top, wording.resultText, g.resultX, g.resultY);
  } else {
    PicText(c, HAlign::Left, VAlign::Bottom, wording.resultText, g.resultX, g.resultY);
  }
  SeriesLabel(c, g, lang, placed, total, wording.totalLabel, kBlack);
  SeriesLabel(c, g, lang, placed, insulation, wording.insulationLabel, kRed);
  for (const auto& [r, x] : marks) DrawThicknessMarkLabel(c, g, lang, x, r, wording.markLabels[r - 1]);
  return px;
}

}  // namespace qora
