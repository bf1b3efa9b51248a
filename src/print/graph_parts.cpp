#include "print/graph_parts.h"

#include <algorithm>
#include <cmath>

#include "engine/number_text.h"
#include "model/app_state.h"
#include "toolkit/canvas.h"
#include "toolkit/draw.h"
#include "toolkit/nice_scale.h"

namespace qora::printout {

namespace {

constexpr double kPageEdge = 2;  // mm kept free at the sheet's edges by shifted texts
constexpr int kMaxTicks = 400;

bool Valid(const Scale& s) {
  return std::isfinite(s.lo) && std::isfinite(s.hi) && std::isfinite(s.step) && s.hi > s.lo &&
         s.step > 0 && (s.hi - s.lo) / s.step <= kMaxTicks;
}

Scale Nice(double lo, double hi) {
  Real l = lo, h = hi;
  const Real step = NiceScale(l, h);
  return {static_cast<double>(l), static_cast<double>(h), static_cast<double>(step)};
}

}  // namespace

QString GraphContext::msg(int i) const {
  return state.lang.MsgText(i);
}
QString GraphContext::unitLabel(int code) const {
  return state.lang.UnitLabel(unit, code);
}
QString GraphContext::font(int i) const {
  return state.lang.Font(i);
}

Scale SafeNiceScale(double lo, double hi) {
  if (!std::isfinite(lo)) lo = 0;
  if (!std::isfinite(hi)) hi = lo + 1;
  if (hi < lo) std::swap(lo, hi);
  Scale s = Nice(lo, hi);
  if (Valid(s)) return s;
  // A range too wide for the ladder of round steps: ten equal steps.
  s = {lo, hi > lo ? hi : lo + 1, 0};
  s.step = (s.hi - s.lo) / 10;
  return Valid(s) ? s : Scale{};
}

int DecimalsFor(int base, double step) {
  int d = std::max(0, base);
  double scaled = step * std::pow(10.0, d);
  while (d < 4 && std::fabs(scaled - std::nearbyint(scaled)) > 1e-6 * std::max(1.0, scaled)) {
    ++d;
    scaled *= 10;
  }
  return d;
}

QString Number(int decimals, double value) {
  return QString::fromStdString(ValueToStr(0, decimals, static_cast<Real>(value)));
}

void PageText(Canvas& page, int hAlign, int vAlign, const QString& text, double x, double y) {
  const double W = page.size().width();
  const double H = page.size().height();
  const QSizeF sz = page.textSize(text);
  double left = hAlign == 1 ? x - sz.width() / 2 : hAlign == 2 ? x - sz.width() : x;
  double top = vAlign == 1 ? y - sz.height() / 2 : vAlign == 2 ? y - sz.height() : y;
  left = std::clamp(left, kPageEdge, std::max(kPageEdge, W - kPageEdge - sz.width()));
  top = std::clamp(top, kPageEdge, std::max(kPageEdge, H - kPageEdge - sz.height()));
  if (!std::isfinite(left) || !std::isfinite(top)) return;
  PrnText(page, 0, 0, text, left, top);
}

void Polyline(Canvas& page, const std::vector<std::optional<QPointF>>& points) {
  for (std::size_t i = 1; i < points.size(); ++i) {
    if (points[i - 1] && points[i]) {
      PrnLine(page, points[i - 1]->x(), points[i - 1]->y(), points[i]->x(), points[i]->y());
    }
  }
}

void SetAxesFont(Canvas& page, const GraphContext& g) {
  SetPrnFont(page, g.font(6), kPointSize, kBlue, kRegular);
}

void SetLegendFont(Canvas& page, const GraphContext& g) {
  SetPrnFont(page, g.font(7), kPointSize, kBlue, kRegular);
}

void SetGridPen(Canvas& page) {
  SetPrnPen(page, kBlack, PenStyle::Dot, kGridPen);
}

std::vector<double> Ticks(const Scale& s, double start, double end) {
  std::vector<double> ticks;
  if (!(s.step > 0) || !std::isfinite(start) || !std::isfinite(end)) return ticks;
  for (int k = 0; k <= kMaxTicks; ++k) {
    const double v = start + k * s.step;
    if (!(v <= end + 0.00001)) break;
    ticks.push_back(v);
  }
  return ticks;
}

}  // namespace qora::printout
