// Single-pipe graphs: one curve of 41 points over thickness, length or time, with the
// temperature reference lines, or (overall cost) the energy-cost curve, the insulation and
// total costs at the stocked thicknesses and the condensation or surface-temperature marks.
#include <algorithm>
#include <cmath>

#include "engine/standard_thickness.h"
#include "engine/units.h"
#include "model/app_state.h"
#include "print/graph_parts.h"
#include "toolkit/canvas.h"
#include "toolkit/draw.h"

namespace qora::printout {

namespace {

enum class Ordinate { Temperature, Energy, Cost };

Ordinate OrdinateOf(AnalysisId id) {
  switch (static_cast<int>(id) % 8) {
    case 2:
    case 3:
    case 4:
      return Ordinate::Temperature;
    case 5:
      return Ordinate::Energy;
    default:
      return Ordinate::Cost;
  }
}

bool IsOverall(AnalysisId id) {
  return id == AnalysisId::ChilledOverall || id == AnalysisId::HotOverall;
}

// mm below the plot: clear of the thickness labels (B + 3 … B + 9) and above the axis
// caption (bottom at H − 5).
constexpr double kResultLineDrop = 16;

bool Finite(Real v) {
  return std::isfinite(static_cast<double>(v));
}

// The plotted scale of one page.
struct Axes {
  PlotRect plot;
  double xmax = 1, xscale = 1;
  Scale ys;
  double yscale = 1;
  double px(double v) const { return plot.L + v * xscale; }
  double py(double v) const { return plot.B - (v - ys.lo) * yscale; }
  bool inside(double x, double y) const {
    return x >= 0 && x <= xmax + 1e-9 && y >= ys.lo - 1e-9 && y <= ys.hi + 1e-9;
  }
};

// The abscissa runs over the chart's own 41 points (the typed range is what produced
// them), so every point lies on the axis even when the panel text changed since.
double AbscissaEnd(const ChartData& c) {
  const double end = static_cast<double>(c.curveX[40]);
  return std::isfinite(end) && end > 0 ? end : 1;
}

const std::array<Real, 41>& OrdinateValues(const ChartData& c, Ordinate o) {
  return o == Ordinate::Temperature ? c.curveY : c.curveE;
}

Scale OrdinateScale(const GraphContext& g, Ordinate o) {
  const auto& values = OrdinateValues(g.chart, o);
  double vmin = 0, vmax = 0;
  bool any = false;
  for (Real v : values) {
    if (!Finite(v)) continue;
    vmin = any ? std::min(vmin, double(v)) : double(v);
    vmax = any ? std::max(vmax, double(v)) : double(v);
    any = true;
  }
  if (o == Ordinate::Temperature) {
    // lo = the colder temperature less 5 % of the warmer, hi = 110 % of the warmer: the
    // chilled rule (Top − 0.05 Tdb … 1.1 Tdb), mirrored for hot lines, where the line is
    // the warmer, and kept around both temperatures when they fall below zero.
    const double t1 = g.panel.tdbValue, t2 = g.panel.topValue;
    const double warm = std::max(t1, t2), cold = std::min(t1, t2);
    double lo = cold - 0.05 * std::fabs(warm);
    double hi = warm + 0.1 * std::fabs(warm);
    if (any) lo = std::min(lo, vmin), hi = std::max(hi, vmax);
    return SafeNiceScale(lo, hi);
  }
  return SafeNiceScale(std::min(0.0, 1.1 * vmin), 1.1 * std::max(0.0, vmax));
}

QString OrdinateUnit(const GraphContext& g, Ordinate o) {
  switch (o) {
    case Ordinate::Temperature:
      return g.unitLabel(1);
    case Ordinate::Energy:
      return g.unitLabel(9);
    case Ordinate::Cost:
      return g.panel.currency + "/" + g.unitLabel(7) + g.msg(21);
  }
  return {};
}

int AbscissaBaseDecimals(const GraphContext& g) {
  const int kind = static_cast<int>(g.chart.analysis) % 8;
  if (kind == 4) return 1;  // hours
  return g.unit == 1 ? 1 : 0;
}

void DrawAxes(Canvas& page, const GraphContext& g, const Axes& a, Ordinate o) {
  const PlotRect& p = a.plot;
  SetAxesFont(page, g);
  SetPrnBrush(page, kWhite, BrushStyle::Clear);
  SetGridPen(page);
  const Scale xs = SafeNiceScale(0, a.xmax);
  const int xDecimals = DecimalsFor(AbscissaBaseDecimals(g), xs.step);
  for (double v : Ticks(xs, 0, a.xmax)) {
    const double x = a.px(v);
    PageText(page, 1, 0, Number(xDecimals, v), x, p.B + kLabelGap);
    PrnLine(page, x, p.T, x, p.B);
  }
  const int yDecimals = DecimalsFor(1, a.ys.step);
  for (double v : Ticks(a.ys, a.ys.lo, a.ys.hi)) {
    const double y = a.py(v);
    PageText(page, 2, 1, Number(yDecimals, v), p.L - kLabelGap, y);
    PrnLine(page, p.L, y, p.R, y);
  }
  PageText(page, 2, 2, "(" + OrdinateUnit(g, o) + ")", p.L - kLabelGap, p.T - kLabelGap);
  SetPrnPen(page, kBlack, PenStyle::Solid, kFramePen);
  PrnRect(page, p.L, p.T, p.R, p.B);
}

// Vertical extents (top, bottom) of the reference labels placed so far on the page.
using LabelBands = std::vector<std::pair<double, double>>;

// The band moved away from its line (down when below it, up when above) past every placed
// label it would cover.
std::pair<double, double> ClearBand(const LabelBands& placed, std::pair<double, double> band,
                                    bool above) {
  for (std::size_t pass = 0; pass <= placed.size(); ++pass) {
    const auto hit = std::find_if(placed.begin(), placed.end(), [&](const auto& b) {
      return band.first < b.second - 1e-9 && b.first < band.second - 1e-9;
    });
    if (hit == placed.end()) break;
    const double shift = above ? hit->first - band.second : hit->second - band.first;
    band.first += shift;
    band.second += shift;
  }
  return band;
}

// A red line across the plot at temperature t with its label above or below it; a
// temperature off the axis draws nothing. The labels share one column, so a label that
// would cover one placed before it (the dew point close to the line temperature, say)
// moves further from its line.
void ReferenceLine(Canvas& page, const GraphContext& g, const Axes& a, LabelBands& placed, double t,
                   int msg, bool above) {
  if (!std::isfinite(t) || t < a.ys.lo || t > a.ys.hi) return;
  const double y = a.py(t);
  SetPrnPen(page, kRed, PenStyle::Solid, kCurvePen);
  PrnLine(page, a.plot.L, y, a.plot.R, y);
  const QString text = g.msg(msg) + Number(g.unit == 1 ? 0 : 1, t) + g.unitLabel(1);
  const double h = page.textSize(text).height();
  auto place = [&](bool up) {
    return ClearBand(placed,
                     up ? std::make_pair(y - 1 - h, y - 1) : std::make_pair(y + 1, y + 1 + h), up);
  };
  auto band = place(above);
  // A line close to the plot's edge keeps its label inside the plot, on the other side.
  if (band.first < a.plot.T || band.second > a.plot.B) {
    const auto other = place(!above);
    if (other.first >= a.plot.T && other.second <= a.plot.B) band = other;
  }
  placed.push_back(band);
  PageText(page, 0, 0, text, g.W / 2, band.first);
}

void DrawReferenceLines(Canvas& page, const GraphContext& g, const Axes& a) {
  SetPrnFont(page, g.font(9), kPointSize, kRed, kRegular);
  SetPrnBrush(page, kWhite, BrushStyle::Clear);
  const double tdb = g.panel.tdbValue, top = g.panel.topValue;
  const int kind = static_cast<int>(g.chart.analysis) % 8;
  LabelBands placed;
  if (!g.hot) {
    ReferenceLine(page, g, a, placed, tdb, 2, true);
    if (kind == 2) ReferenceLine(page, g, a, placed, double(g.chart.chartDewPoint), 15, false);
    ReferenceLine(page, g, a, placed, top, 3, false);
    return;
  }
  // Hot lines: the room below the line, so its label goes under it and the others above.
  ReferenceLine(page, g, a, placed, tdb, 2, false);
  if (kind == 2) ReferenceLine(page, g, a, placed, g.panel.tsurfValue, 27, true);
  ReferenceLine(page, g, a, placed, top, 3, true);
}

std::vector<std::optional<QPointF>> CurvePoints(const Axes& a, const std::array<Real, 41>& xs,
                                                const std::array<Real, 41>& ys) {
  std::vector<std::optional<QPointF>> points;
  for (std::size_t i = 0; i < xs.size(); ++i) {
    const double x = double(xs[i]), y = double(ys[i]);
    if (Finite(xs[i]) && Finite(ys[i]) && a.inside(x, y)) {
      points.emplace_back(QPointF(a.px(x), a.py(y)));
    } else {
      points.emplace_back(std::nullopt);
    }
  }
  return points;
}

void Markers(Canvas& page, const std::vector<std::optional<QPointF>>& points, Colour brush,
             Colour pen) {
  SetPrnPen(page, pen, PenStyle::Solid, kCurvePen);
  SetPrnBrush(page, brush, BrushStyle::Solid);
  for (const auto& p : points) {
    if (p) PrnMarker(page, p->x(), p->y(), kMarkerRadius);
  }
  SetPrnBrush(page, kWhite, BrushStyle::Clear);
}

// The stocked thicknesses in the chart's length unit.
std::array<double, 15> StockThicknesses(int unit) {
  std::array<double, 15> t{};
  for (std::size_t n = 0; n < 15; ++n) {
    t[n] = double(ConvertUnits(kQThickness, kSI, unit, InsulThicknessMM[n]));
  }
  return t;
}

std::vector<std::optional<QPointF>> StockPoints(const Axes& a, const std::array<double, 15>& xs,
                                                const std::array<Real, 15>& ys) {
  std::vector<std::optional<QPointF>> points;
  for (std::size_t n = 0; n < 15; ++n) {
    const double y = double(ys[n]);
    if (std::isfinite(xs[n]) && Finite(ys[n]) && a.inside(xs[n], y)) {
      points.emplace_back(QPointF(a.px(xs[n]), a.py(y)));
    } else {
      points.emplace_back(std::nullopt);
    }
  }
  return points;
}

// A series label at its last point inside the plot: to the right of it, or ending left of
// it and above it when it would run past the plot's right edge (where the logo stands).
// A label that would cover one placed before it moves down past it.
void SeriesLabel(Canvas& page, const Axes& a, LabelBands& placed,
                 const std::vector<std::optional<QPointF>>& points, const QString& text) {
  const auto last =
      std::find_if(points.rbegin(), points.rend(), [](const auto& p) { return p.has_value(); });
  if (last == points.rend()) return;
  const QPointF p = **last;
  const QSizeF size = page.textSize(text);
  const bool fits = p.x() + size.width() <= a.plot.R;
  const double left = fits ? p.x() : p.x() - 1 - size.width();
  const double top = fits ? p.y() - size.height() / 2 : p.y() - 1.5 - size.height();
  const auto band = ClearBand(placed, {top, top + size.height()}, false);
  placed.push_back(band);
  PageText(page, 0, 0, text, left, band.first);
}

void DrawMarks(Canvas& page, const GraphContext& g, const Axes& a) {
  SetPrnPen(page, kBlue, PenStyle::Solid, 0.2);
  SetPrnBrush(page, kWhite, BrushStyle::Clear);
  SetPrnFont(page, g.font(7), 12, kBlue, kRegular);
  const double stroke = a.plot.width() / 30;
  const double rowStep = a.plot.height() / 12;
  for (int r = 1; r <= 10; ++r) {
    const QString value = g.hot ? TsurfText(g.state, g.unit, r) : RhText(g.state, r);
    const double t = double(g.chart.chartResults[r - 1][0]);
    // 0 is what the engine gives when no insulation is needed or no dew point exists:
    // a mark on the axis itself would say nothing.
    if (value.isEmpty() || !std::isfinite(t) || !(t > 0) || !(t < a.xmax)) continue;
    const double x = a.px(t);
    const double y = a.plot.T + (r + 1) * rowStep;
    PrnLine(page, x, a.plot.T, x, a.plot.B);
    PrnLine(page, x, y, x + stroke, y);
    PageText(page, 0, 1, value + (g.hot ? g.unitLabel(1) : g.unitLabel(5)), x + stroke + 1.5, y);
  }
}

void DrawOverall(Canvas& page, const GraphContext& g, const Axes& a) {
  const ChartData& c = g.chart;
  DrawMarks(page, g, a);
  const auto stockX = StockThicknesses(g.unit);

  SetPrnPen(page, kBlack, PenStyle::Solid, kCurvePen);
  Polyline(page, CurvePoints(a, c.curveX, c.curveE));
  const auto energy = StockPoints(a, stockX, c.stockEnergyCost);
  Markers(page, energy, kAqua, kBlack);

  const auto insulation = StockPoints(a, stockX, c.stockInsulationCost);
  SetPrnPen(page, kRed, PenStyle::Solid, kCurvePen);
  Polyline(page, insulation);
  Markers(page, insulation, kYellow, kRed);

  const auto total = StockPoints(a, stockX, c.stockTotalCost);
  SetPrnPen(page, kBlack, PenStyle::Solid, kCurvePen);
  Polyline(page, total);
  Markers(page, total, kWhite, kBlack);

  // The total usually ends highest, so it is labelled first and the insulation label
  // steps down when the two ends are close.
  LabelBands placed;
  SetPrnFont(page, g.font(7), kPointSize, kBlack, kRegular);
  SeriesLabel(page, a, placed, total, "  " + g.msg(39));
  SetPrnFont(page, g.font(7), kPointSize, kRed, kRegular);
  SeriesLabel(page, a, placed, insulation, "  " + g.msg(38));
  // The result stands under the thickness labels, left of the axis caption, where no
  // curve, mark, series label or heading line can reach it.
  SetPrnFont(page, g.font(9), kPointSize, kBlue, kRegular);
  PageText(page, 0, 2, g.msg(40) + " " + QString::fromStdString(c.economicThicknessName), a.plot.L,
           a.plot.B + kResultLineDrop);
}

}  // namespace

void DrawPipeGraph(Canvas& page, const GraphContext& g, const PlotRect& plot) {
  const Ordinate o = OrdinateOf(g.chart.analysis);
  Axes a;
  a.plot = plot;
  a.xmax = AbscissaEnd(g.chart);
  a.xscale = plot.width() / a.xmax;
  a.ys = OrdinateScale(g, o);
  a.yscale = plot.height() / (a.ys.hi - a.ys.lo);
  DrawAxes(page, g, a, o);
  if (IsOverall(g.chart.analysis)) {
    DrawOverall(page, g, a);
    return;
  }
  if (o == Ordinate::Temperature) DrawReferenceLines(page, g, a);
  const auto points = CurvePoints(a, g.chart.curveX, OrdinateValues(g.chart, o));
  SetPrnPen(page, kBlack, PenStyle::Solid, kCurvePen);
  Polyline(page, points);
  Markers(page, points, kAqua, kBlack);
}

}  // namespace qora::printout
