// Pipe-size graphs: one curve per series (relative humidity, k or surface-temperature
// limit) over the chosen range of pipe sizes, legend at the right of the plot.
#include <algorithm>
#include <cmath>

#include "model/app_state.h"
#include "print/graph_parts.h"
#include "toolkit/canvas.h"
#include "toolkit/draw.h"

namespace qora::printout {

namespace {

constexpr double kLegendRowStep = 0.034;  // × W per list position
constexpr double kLegendGap = 0.03;       // × W from the plot's right edge
constexpr double kLegendStub = 0.025;     // × W

QString LegendHeading(const GraphContext& g) {
  const bool kConst =
      g.chart.analysis == AnalysisId::ChilledKConst || g.chart.analysis == AnalysisId::HotKConst;
  if (g.hot) {
    return g.state.lang.caption(kConst ? QStringLiteral("ParamDlg.TsufSheet")
                                       : QStringLiteral("ParamDlg.kSheet"));
  }
  return g.state.lang.caption(kConst ? QStringLiteral("ParamDlg.RHSheet")
                                     : QStringLiteral("ParamDlg.kSheet"));
}

QString SeriesLabel(const GraphContext& g, int s) {
  switch (g.chart.analysis) {
    case AnalysisId::ChilledKConst:
      return RhText(g.state, s) + g.unitLabel(5);
    case AnalysisId::ChilledRHConst:
      return KText(g.state, false, g.unit, s);
    case AnalysisId::HotKConst:
      return TsurfText(g.state, g.unit, s) + g.unitLabel(1);
    default:
      return KText(g.state, true, g.unit, s);
  }
}

bool InRange(int from, int to, int limit) {
  return from >= 1 && from <= to && to <= limit;
}

}  // namespace

void DrawSizeGraph(Canvas& page, const GraphContext& g, const PlotRect& plot) {
  const ChartData& c = g.chart;
  const double PW = plot.width(), PH = plot.height();
  // Ranges the compute refused never reach here; a range that names no size or series
  // draws the empty plot.
  const bool sizes = InRange(c.sizeFrom, c.sizeTo, 40);
  const bool series = sizes && InRange(c.curveFrom, c.curveTo, 10);
  const int n = sizes ? c.sizeTo - c.sizeFrom : 0;

  // x of size row i from the plot's left edge; a single size stands in the middle.
  auto x = [&](int i) { return n > 0 ? (i - c.sizeFrom) * PW / n : PW / 2; };
  auto value = [&](int s, int i) {
    const double v = static_cast<double>(c.chartResults[s - 1][i - 1]);
    return std::isfinite(v) ? std::optional<double>(v) : std::nullopt;
  };

  double ymax = 0;
  if (series) {
    for (int s = c.curveFrom; s <= c.curveTo; ++s) {
      for (int i = c.sizeFrom; i <= c.sizeTo; ++i) ymax = std::max(ymax, value(s, i).value_or(0));
    }
  }
  // An all-zero grid keeps NiceScale's smallest axis above 0, so the scale never divides by 0.
  const Scale ys = SafeNiceScale(0, 1.1 * ymax);
  const double hi = ys.hi;
  const double yscale = PH / hi;
  // Offsets up from the bottom, whole millimetres, kept inside the plot.
  auto yOffset = [&](double v) { return std::clamp(std::nearbyint(v * yscale), 0.0, PH); };

  // --- axes ---
  SetAxesFont(page, g);
  SetPrnBrush(page, kWhite, BrushStyle::Clear);
  SetGridPen(page);
  if (sizes) {
    for (int i = c.sizeFrom; i <= c.sizeTo; ++i) {
      const double xi = plot.L + x(i);
      const double row = n >= 11 && i % 2 == 1 ? 9 : 3;
      PageText(page, 1, 0, PipeSizeName(g.state, g.unit, i), xi, plot.B + row);
      PrnLine(page, xi, plot.T, xi, plot.B);
    }
  }
  const int decimals = DecimalsFor(g.unit == 1 ? 2 : 1, ys.step);
  for (double v : Ticks(ys, 0, hi)) {
    const double y = plot.B - v * yscale;
    PageText(page, 2, 1, Number(decimals, v), plot.L - kLabelGap, y);
    PrnLine(page, plot.L, y, plot.R, y);
  }
  PageText(page, 2, 2, "(" + g.unitLabel(4) + ")", plot.L - kLabelGap, plot.T - kLabelGap);
  SetPrnPen(page, kBlack, PenStyle::Solid, kFramePen);
  PrnRect(page, plot.L, plot.T, plot.R, plot.B);
  const double legendX = plot.R + kLegendGap * g.W;
  SetLegendFont(page, g);
  // Hung just below the plot's top edge rather than standing on it: standing, it would
  // run into the heading's right-column line at 53 mm. Row 10, the highest, stays clear.
  PageText(page, 0, 0, LegendHeading(g), legendX, plot.T + 1);

  // --- curves, from the last series to the first ---
  if (!series) return;
  for (int s = c.curveTo; s >= c.curveFrom; --s) {
    SetPrnPen(page, kBlack, PenStyle::Solid, kCurvePen);
    SetPrnBrush(page, kWhite, BrushStyle::Clear);
    std::vector<std::optional<QPointF>> points;
    for (int i = c.sizeFrom; i <= c.sizeTo; ++i) {
      const auto v = value(s, i);
      points.push_back(v ? std::optional<QPointF>(QPointF(plot.L + x(i), plot.B - yOffset(*v)))
                         : std::nullopt);
    }
    Polyline(page, points);
    // The legend row belongs to the list position, so a series keeps its row whatever
    // range is shown.
    const double rowY = plot.B - kLegendRowStep * g.W * s;
    if (points.back()) PrnLine(page, points.back()->x(), points.back()->y(), legendX, rowY);
    const double stubEnd = legendX + kLegendStub * g.W;
    PrnLine(page, legendX, rowY, stubEnd, rowY);
    PageText(page, 0, 1, SeriesLabel(g, s), stubEnd + kLabelGap, rowY);
    SetPrnBrush(page, PaletteColor(s), BrushStyle::Solid);
    for (const auto& p : points) {
      if (p) PrnMarker(page, p->x(), p->y(), kMarkerRadius);
    }
  }
  SetPrnBrush(page, kWhite, BrushStyle::Clear);
}

}  // namespace qora::printout
