#include "charts/chart_conventions.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"
#include "model/language.h"
#include "toolkit/canvas.h"
#include "toolkit/draw.h"

namespace qora {

namespace {

// Pixel offsets are clamped far outside any picture, so a value far off the scale never
// overflows an int; the read-out treats 10000 and more as outside the box.
constexpr double kPixelLimit = 1.0e6;

int ClampedPixel(long double v) {
  if (!std::isfinite(static_cast<double>(v))) return static_cast<int>(kPixelLimit);
  return static_cast<int>(std::clamp(static_cast<double>(v), -kPixelLimit, kPixelLimit));
}

QString Number(int decimals, Real v) {
  return QString::fromStdString(ValueToStr(0, decimals, v));
}

}  // namespace

void SetChartFont(Canvas& c, const LanguageTexts& lang, int fontEntry, double size, Colour colour) {
  SetPicFont(c, lang.Font(fontEntry), size, kRegular, colour);
}

void DrawHeading(Canvas& c, const ChartLayout& layout, const LanguageTexts& lang,
                 const QString& title, const std::vector<HeadingItem>& items,
                 const QString& footer) {
  const HeadingAnchors a = HeadingLayout(layout);
  SetPicPen(c, kBlack, PenStyle::Solid, 2);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  SetChartFont(c, lang, 1, layout.ChartFontSize + 2, kBlue);
  PicText(c, 0, 2, title, a.xLeft, a.yFirst);
  SetChartFont(c, lang, 2, layout.ChartFontSize, kBlue);
  for (const HeadingItem& item : items) {
    PicText(c, 0, 2, item.text, item.column == 0 ? a.xLeft : a.xCentre,
            a.yFirst + item.row * a.lineStep);
  }
  PicText(c, 1, 2, footer, a.xCentre, layout.PlotBottom - a.lineStep);
}

int SizeColumnX(int j, int from, int to, int width) {
  if (to <= from) return RoundPixel(width / 2.0);
  return RoundPixel(static_cast<double>(j - from) * width / (to - from));
}

int GridPixelY(Real value, Real hi, int height) {
  if (!(hi > 0)) return 0;
  return ClampedPixel(std::trunc(value * height / hi));
}

int ScalePixel(Real value, Real lo, Real hi, int extent) {
  if (!(hi > lo)) return 0;
  return ClampedPixel(std::nearbyint(static_cast<double>((value - lo) * extent / (hi - lo))));
}

void DrawPipeSizeAxis(Canvas& c, const AxesRect& box, int fs, const LanguageTexts& lang, int from,
                      int to, const std::vector<QString>& sizeNames) {
  SetChartFont(c, lang, 2, fs, kBlack);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  const bool twoRows = to - from >= 11;
  for (int j = from; j <= to; ++j) {
    const int x = box.x0 + SizeColumnX(j, from, to, box.width());
    SetPicPen(c, kSilver, PenStyle::Dot, 1);
    PicLine(c, x, box.y0, x, box.y1, kSilver);
    const QString name =
        j >= 1 && j <= static_cast<int>(sizeNames.size()) ? sizeNames[j - 1] : QString();
    const int y = twoRows && j % 2 == 1 ? box.y1 + 3 * fs : box.y1 + fs;
    PicText(c, 1, 0, name, x, y);
  }
}

namespace {

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

}  // namespace

void DrawValueAxisY(Canvas& c, const AxesRect& box, int fs, const LanguageTexts& lang,
                    const AxisRange& axis, int decimals, bool truncate) {
  SetChartFont(c, lang, 2, fs, kBlack);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  decimals = TickDecimals(axis, decimals);
  for (Real v : Ticks(axis)) {
    const int dy = truncate ? GridPixelY(v - axis.lo, axis.hi - axis.lo, box.height())
                            : ScalePixel(v, axis.lo, axis.hi, box.height());
    const int y = box.y1 - dy;
    SetPicPen(c, kSilver, PenStyle::Dot, 1);
    PicLine(c, box.x0, y, box.x1, y, kSilver);
    PicText(c, 2, 1, Number(decimals, v), box.x0 - fs, y);
  }
}

void DrawValueAxisX(Canvas& c, const AxesRect& box, int fs, const LanguageTexts& lang,
                    const AxisRange& axis, int decimals) {
  SetChartFont(c, lang, 2, fs, kBlack);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  decimals = TickDecimals(axis, decimals);
  for (Real v : Ticks(axis)) {
    const int x = box.x0 + ScalePixel(v, axis.lo, axis.hi, box.width());
    SetPicPen(c, kSilver, PenStyle::Dot, 1);
    PicLine(c, x, box.y0, x, box.y1, kSilver);
    PicText(c, 1, 0, Number(decimals, v), x, box.y1 + fs);
  }
}

int UnitTitleYGrid(const AxesRect& box, int fs, const AxisRange& axis) {
  const std::vector<Real> ticks = Ticks(axis);
  const Real top = ticks.empty() ? axis.hi : ticks.back();
  return box.y1 - GridPixelY(top - axis.lo, axis.hi - axis.lo, box.height()) - 2 * fs;
}

int UnitTitleYCurve(const AxesRect& box, int fs) {
  return box.y0 - 2 * fs;
}

void DrawUnitTitle(Canvas& c, const AxesRect& box, int fs, const LanguageTexts& lang,
                   const QString& unit, int y) {
  SetChartFont(c, lang, 2, fs, kBlack);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  PicText(c, 2, 1, "(" + unit + ")", box.x0 - fs, y);
}

void DrawAxesOutline(Canvas& c, const AxesRect& box) {
  SetPicPen(c, kBlack, PenStyle::Solid, 3);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  PicRect(c, box.x0, box.y0, box.x1, box.y1, kBlack);
}

void DrawCurve(Canvas& c, const std::vector<PixelPoint>& points, Colour colour) {
  SetPicPen(c, colour, PenStyle::Solid, 2);
  for (size_t i = 1; i < points.size(); ++i) {
    PicLine(c, points[i - 1].x, points[i - 1].y, points[i].x, points[i].y, colour);
  }
}

void DrawMarkers(Canvas& c, const std::vector<PixelPoint>& points, int fs, Colour brush,
                 Colour pen) {
  SetPicPen(c, pen, PenStyle::Solid, 1);
  SetPicBrush(c, brush, BrushStyle::Solid);
  for (const PixelPoint& p : points) PicMarker(c, p.x, p.y, fs / 2);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
}

PixelPoint LegendPlace(const ChartLayout& l, const AxesRect& box, LegendDirection dir, int c) {
  const int x = box.x1 + RoundPixel(l.PlotWidth / 30.0);
  const int step = RoundPixel(l.PlotWidth / 26.0);
  return {x, dir == LegendDirection::Upward ? box.y1 - c * step : box.y0 + c * step};
}

void DrawLegendEntry(Canvas& c, const ChartLayout& l, const AxesRect& box,
                     const LanguageTexts& lang, LegendDirection dir, int position, PixelPoint last,
                     const QString& label) {
  const PixelPoint place = LegendPlace(l, box, dir, position);
  const int stroke = RoundPixel(l.PlotWidth / 40.0);
  SetPicPen(c, kBlack, PenStyle::Solid, 1);
  PicLine(c, last.x, last.y, place.x, place.y, kBlack);
  SetPicPen(c, kBlack, PenStyle::Solid, 2);
  PicLine(c, place.x, place.y, place.x + stroke, place.y, kBlack);
  SetChartFont(c, lang, 2, l.ChartFontSize, kBlack);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  PicText(c, 0, 1, label, place.x + stroke + l.ChartFontSize, place.y);
}

void DrawLegendHeading(Canvas& c, const ChartLayout& l, const AxesRect& box,
                       const LanguageTexts& lang, const QString& heading) {
  SetChartFont(c, lang, 2, l.ChartFontSize, kBlue);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  PicText(c, 0, 2, heading, box.x1 + RoundPixel(l.PlotWidth / 30.0), box.y0);
}

void DrawReferenceLine(Canvas& c, const AxesRect& box, int fs, const LanguageTexts& lang, int y,
                       int xLabel, const QString& label, LabelSide side) {
  if (y < box.y0 || y > box.y1) return;
  SetPicPen(c, kRed, PenStyle::Solid, 2);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  PicLine(c, box.x0, y, box.x1, y, kRed);
  SetChartFont(c, lang, 2, fs, kRed);
  PicText(c, 0, 2, label, xLabel, side == LabelSide::Above ? y - fs / 2 : y + 2 * fs);
}

void DrawThicknessMark(Canvas& c, const AxesRect& box, int fs, const LanguageTexts& lang, int x,
                       int r, const QString& label) {
  SetPicPen(c, kBlue, PenStyle::Solid, 1);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  PicLine(c, x, box.y0, x, box.y1, kBlue);
  const int y = box.y0 + r * (box.height() / 12);
  const int stroke = box.width() / 30;
  PicLine(c, x, y, x + stroke, y, kBlue);
  SetChartFont(c, lang, 2, fs, kBlue);
  PicText(c, 0, 1, label, x + stroke + fs, y);
}

}  // namespace qora
