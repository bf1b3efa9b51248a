#include "charts/chart_conventions.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"
#include "model/language.h"
#include "toolkit/canvas.h"
#include "toolkit/draw.h"

namespace qora {

namespace {

// Offsets are clamped far outside any picture or page, so a value far off the scale never
// overflows; the read-out treats 10000 and more as outside the box.
constexpr double kOffsetLimit = 1.0e6;

double Clamped(long double v) {
  if (!std::isfinite(static_cast<double>(v))) return kOffsetLimit;
  return std::clamp(static_cast<double>(v), -kOffsetLimit, kOffsetLimit);
}

QString Number(int decimals, Real v) {
  return QString::fromStdString(ValueToStr(0, decimals, v));
}

// Tick values lo, lo + step, ... while below hi + 0.00001; counted, not accumulated, so
// a long axis does not drift. A step that would give a runaway number of ticks is ignored.
std::vector<Real> Ticks(const AxisRange& axis) {
  std::vector<Real> ticks;
  if (!(axis.step > 0) || !std::isfinite(static_cast<double>(axis.hi - axis.lo))) return ticks;
  if ((axis.hi - axis.lo) / axis.step > 1000) return ticks;
  for (int i = 0;; ++i) {
    Real v = axis.lo + i * axis.step;
    if (!(v < axis.hi + 0.00001L)) break;
    if (std::fabs(v) < axis.step * 1e-9L) v = 0;  // no "-0.0" from rounding residue
    ticks.push_back(v);
  }
  return ticks;
}

// At least the decimals that tell neighbouring ticks apart: a 2 mm thickness axis in steps
// of 0.2 is not labelled 0, 0, 0, 1, ...
int TickDecimals(const AxisRange& axis, int decimals) {
  int d = std::max(decimals, 0);
  while (d < 4) {
    const long double scaled = axis.step * std::pow(10.0L, d);
    if (std::fabs(scaled - std::nearbyint(scaled)) < 1e-6L * std::max(1.0L, scaled)) break;
    ++d;
  }
  return d;
}

void GridPen(Canvas& c, const ChartGeometry& g) {
  SetPicPen(c, g.gridColour, PenStyle::Dot, g.gridPen);
}

}  // namespace

void SetTextStyle(Canvas& c, const LanguageTexts& lang, const TextStyle& style) {
  SetPicFont(c, lang.Font(style.fontEntry), style.size, kRegular, style.colour);
}

void DrawHeading(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                 const ChartWording& wording) {
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  SetTextStyle(c, lang, g.title);
  PicText(c, HAlign::Left, VAlign::Bottom, wording.title, g.xLeft, g.titleY);
  SetTextStyle(c, lang, g.line);
  for (const HeadingLine& line : wording.lines) {
    PicText(c, HAlign::Left, VAlign::Bottom, line.text, line.column == 0 ? g.xLeft : g.xRight,
            g.titleY + line.row * g.rowStep);
  }
  SetTextStyle(c, lang, g.footer);
  PicText(c, HAlign::Centre, VAlign::Bottom, wording.footer, g.footerX, g.footerY);
}

double ColumnOffset(const ChartGeometry& g, int j, int from, int to) {
  const double w = g.plot.width();
  if (to <= from) return g.snap(w / 2);
  return g.snap(static_cast<double>(j - from) * w / (to - from));
}

double GridOffset(const ChartGeometry& g, Real value, Real lo, Real hi) {
  if (!(hi - lo > 0)) return 0;
  return g.snapDown(Clamped((value - lo) * static_cast<Real>(g.plot.height()) / (hi - lo)));
}

double ScaleOffset(const ChartGeometry& g, Real value, Real lo, Real hi, double extent) {
  if (!(hi > lo)) return 0;
  return g.snap(Clamped((value - lo) * static_cast<Real>(extent) / (hi - lo)));
}

int SizeColumnX(int j, int from, int to, int width) {
  ChartGeometry g;
  g.plot = {0, 0, double(width), 0};
  return static_cast<int>(ColumnOffset(g, j, from, to));
}

int GridPixelY(Real value, Real hi, int height) {
  ChartGeometry g;
  g.plot = {0, 0, 0, double(height)};
  return static_cast<int>(GridOffset(g, value, 0, hi));
}

int ScalePixel(Real value, Real lo, Real hi, int extent) {
  const ChartGeometry g;
  return static_cast<int>(ScaleOffset(g, value, lo, hi, extent));
}

void DrawPipeSizeAxis(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang, int from,
                      int to, const std::vector<QString>& sizeNames) {
  SetTextStyle(c, lang, g.axisText);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  const bool twoRows = to - from >= 11;
  // A name that would run into the last one written on its row is left out (long tube
  // names on a narrow chart); the grid line and the read-out still name the column.
  const double space = c.textSize(QStringLiteral(" ")).width();
  double rowEnd[2] = {-1e300, -1e300};
  for (int j = from; j <= to; ++j) {
    const double x = g.plot.x0 + ColumnOffset(g, j, from, to);
    GridPen(c, g);
    PicLine(c, x, g.plot.y0, x, g.plot.y1, g.gridColour);
    const QString name =
        j >= 1 && j <= static_cast<int>(sizeNames.size()) ? sizeNames[j - 1] : QString();
    const int row = twoRows && j % 2 == 1 ? 1 : 0;
    const double half = c.textSize(name).width() / 2;
    if (!name.isEmpty()) {
      if (x - half < rowEnd[row] + space) continue;
      rowEnd[row] = x + half;
    }
    PicText(c, HAlign::Centre, VAlign::Top, name, x, g.plot.y1 + (row ? g.secondRowGap : g.labelGap));
  }
}

double DrawValueAxisY(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                      const AxisRange& axis, int decimals, bool grid) {
  SetTextStyle(c, lang, g.axisText);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  decimals = TickDecimals(axis, decimals);
  auto offset = [&](Real v) {
    return grid ? GridOffset(g, v, axis.lo, axis.hi)
                : ScaleOffset(g, v, axis.lo, axis.hi, g.plot.height());
  };
  const std::vector<Real> ticks = Ticks(axis);
  for (Real v : ticks) {
    const double y = g.plot.y1 - offset(v);
    GridPen(c, g);
    PicLine(c, g.plot.x0, y, g.plot.x1, y, g.gridColour);
    PicText(c, HAlign::Right, VAlign::Middle, Number(decimals, v), g.plot.x0 - g.labelGap, y);
  }
  return offset(ticks.empty() ? axis.hi : ticks.back());
}

void DrawValueAxisX(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                    const AxisRange& axis, int decimals) {
  SetTextStyle(c, lang, g.axisText);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  decimals = TickDecimals(axis, decimals);
  for (Real v : Ticks(axis)) {
    const double x = g.plot.x0 + ScaleOffset(g, v, axis.lo, axis.hi, g.plot.width());
    GridPen(c, g);
    PicLine(c, x, g.plot.y0, x, g.plot.y1, g.gridColour);
    PicText(c, HAlign::Centre, VAlign::Top, Number(decimals, v), x, g.plot.y1 + g.labelGap);
  }
}

void DrawUnitTitle(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                   const QString& unit, double topTick) {
  SetTextStyle(c, lang, g.axisText);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  const double y = (g.unitAtTopTick ? g.plot.y1 - topTick : g.plot.y0) - g.unitRaise;
  PicText(c, g.unitOverAxis ? HAlign::Left : HAlign::Right,
          g.unitBottomAligned ? VAlign::Bottom : VAlign::Middle, "(" + unit + ")",
          g.unitOverAxis ? g.plot.x0 : g.plot.x0 - g.labelGap, y);
}

void DrawAxesOutline(Canvas& c, const ChartGeometry& g) {
  SetPicPen(c, kBlack, PenStyle::Solid, g.framePen);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  PicRect(c, g.plot.x0, g.plot.y0, g.plot.x1, g.plot.y1, kBlack);
}

void DrawCurve(Canvas& c, const ChartGeometry& g, const std::vector<std::optional<ChartPoint>>& pts,
               Colour colour) {
  SetPicPen(c, colour, PenStyle::Solid, g.curvePen);
  for (size_t i = 1; i < pts.size(); ++i) {
    if (pts[i - 1] && pts[i])
      PicLine(c, pts[i - 1]->x, pts[i - 1]->y, pts[i]->x, pts[i]->y, colour);
  }
}

void DrawMarkers(Canvas& c, const ChartGeometry& g,
                 const std::vector<std::optional<ChartPoint>>& pts, Colour brush, Colour pen) {
  SetPicPen(c, pen, PenStyle::Solid, g.markerPen);
  SetPicBrush(c, brush, BrushStyle::Solid);
  for (const auto& p : pts) {
    if (p) PicMarker(c, p->x, p->y, g.markerRadius);
  }
  SetPicBrush(c, kWhite, BrushStyle::Clear);
}

ChartPoint LegendPlace(const ChartGeometry& g, LegendDirection dir, int p) {
  return {g.legendX, dir == LegendDirection::Upward ? g.plot.y1 - p * g.legendStep
                                                    : g.plot.y0 + p * g.legendStep};
}

void DrawLegendEntry(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                     LegendDirection dir, int position, std::optional<ChartPoint> last,
                     const QString& label) {
  const ChartPoint place = LegendPlace(g, dir, position);
  if (last) {
    SetPicPen(c, kBlack, PenStyle::Solid, g.leaderPen);
    PicLine(c, last->x, last->y, place.x, place.y, kBlack);
  }
  SetPicPen(c, kBlack, PenStyle::Solid, g.curvePen);
  PicLine(c, place.x, place.y, place.x + g.legendStroke, place.y, kBlack);
  SetTextStyle(c, lang, g.legendText);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  PicText(c, HAlign::Left, VAlign::Middle, label, place.x + g.legendStroke + g.legendGap, place.y);
}

void DrawLegendHeading(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                       const QString& heading) {
  SetTextStyle(c, lang, g.legendHeading);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  PicText(c, HAlign::Left, VAlign::Bottom, heading, g.legendX, g.plot.y0);
}

std::pair<double, double> ClearBand(const LabelBands& placed, std::pair<double, double> band,
                                    bool up) {
  for (std::size_t pass = 0; pass <= placed.size(); ++pass) {
    const auto hit = std::find_if(placed.begin(), placed.end(), [&](const auto& b) {
      return band.first < b.second - 1e-9 && b.first < band.second - 1e-9;
    });
    if (hit == placed.end()) break;
    const double shift = up ? hit->first - band.second : hit->second - band.first;
    band.first += shift;
    band.second += shift;
  }
  return band;
}

void DrawReferenceLines(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                        const std::vector<ReferenceLine>& refs, const AxisRange& yAxis) {
  SetTextStyle(c, lang, g.referenceText);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  LabelBands placed;
  for (const ReferenceLine& ref : refs) {
    if (!std::isfinite(static_cast<double>(ref.value)) || ref.value < yAxis.lo ||
        ref.value > yAxis.hi) {
      continue;
    }
    const double y = g.plot.y1 - ScaleOffset(g, ref.value, yAxis.lo, yAxis.hi, g.plot.height());
    SetPicPen(c, kRed, PenStyle::Solid, g.referencePen);
    PicLine(c, g.plot.x0, y, g.plot.x1, y, kRed);
    const double h = c.textHeight(ref.label);
    auto place = [&](bool up) {
      return ClearBand(placed,
                       up ? std::make_pair(y - g.referenceGap - h, y - g.referenceGap)
                          : std::make_pair(y + g.referenceGap, y + g.referenceGap + h),
                       up);
    };
    const bool above = ref.side == LabelSide::Above;
    auto band = place(above);
    // A line close to the box's edge keeps its label inside, on the other side.
    if (band.first < g.plot.y0 || band.second > g.plot.y1) {
      const auto other = place(!above);
      if (other.first >= g.plot.y0 && other.second <= g.plot.y1) band = other;
    }
    placed.push_back(band);
    PicText(c, HAlign::Left, VAlign::Top, ref.label, g.referenceX, band.first);
  }
}

namespace {

double MarkY(const ChartGeometry& g, int r) {
  return g.plot.y0 + r * g.snapDown(g.plot.height() / 12);
}

double MarkStroke(const ChartGeometry& g) {
  return g.snapDown(g.plot.width() / 30);
}

}  // namespace

void DrawThicknessMark(Canvas& c, const ChartGeometry& g, double x, int r) {
  SetPicPen(c, kBlue, PenStyle::Solid, g.markPen);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  PicLine(c, x, g.plot.y0, x, g.plot.y1, kBlue);
  const double y = MarkY(g, r);
  PicLine(c, x, y, x + MarkStroke(g), y, kBlue);
}

void DrawThicknessMarkLabel(Canvas& c, const ChartGeometry& g, const LanguageTexts& lang,
                            double x, int r, const QString& label) {
  SetTextStyle(c, lang, g.markText);
  SetPicBrush(c, kWhite, BrushStyle::Solid);
  PicText(c, HAlign::Left, VAlign::Middle, label, x + MarkStroke(g) + g.markGap, MarkY(g, r));
  SetPicBrush(c, kWhite, BrushStyle::Clear);
}

}  // namespace qora
