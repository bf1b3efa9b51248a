#include "toolkit/nice_scale.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iomanip>
#include <locale>
#include <sstream>
#include <string>
#include <utility>

namespace qora {

namespace {

// Steps are one tenth of the first threshold the range does not exceed.
struct Rung {
  Real upTo, step;
};
constexpr Rung kLadder[] = {
    {0.001L, 0.0001L}, {0.002L, 0.0002L}, {0.005L, 0.0005L}, {0.01L, 0.001L}, {0.02L, 0.002L},
    {0.05L, 0.005L},   {0.1L, 0.01L},     {0.2L, 0.02L},     {0.5L, 0.05L},   {1.0L, 0.1L},
    {2.0L, 0.2L},      {5.0L, 0.5L},      {10.0L, 1.0L},     {20.0L, 2.0L},   {50.0L, 5.0L},
    {100.0L, 10.0L},   {200.0L, 20.0L},   {500.0L, 50.0L},   {1e3L, 100.0L},  {2e3L, 200.0L},
    {5e3L, 500.0L},    {1e4L, 1e3L},      {2e4L, 2e3L},      {5e4L, 5e3L},    {1e5L, 1e4L},
    {2e5L, 2e4L},      {5e5L, 5e4L},      {1e6L, 1e5L},      {2e6L, 2e5L},    {5e6L, 5e5L}};
constexpr Real kLargestStep = 1e6L;

Real StepFor(Real range) {
  for (const Rung& r : kLadder) {
    if (range <= r.upTo) return r.step;
  }
  return kLargestStep;
}

// 1-based character position, in the 15-wide "%15.5f" text of the centre (point at 10),
// from which digits are zeroed.
int CutPosition(Real range) {
  if (range < 0.001L) return 15;
  if (range < 0.01L) return 14;
  if (range < 0.1L) return 13;
  if (range < 1.0L) return 12;
  if (range < 10.0L) return 11;
  if (range < 100.0L) return 9;
  if (range < 1e3L) return 8;
  if (range < 1e4L) return 7;
  if (range < 1e5L) return 6;
  if (range < 1e6L) return 5;
  if (range < 1e7L) return 4;
  return 3;
}

// Writes the centre as fixed-point text and zeroes every digit from the cut on, which
// truncates it toward zero to a round value. Positions are counted from the point so a
// centre too large for 15 characters is cut at the same decimal place.
Real RoundCentre(Real centre, int cut) {
  // The C++ streams in the classic locale: the text must not depend on the desktop's
  // language (strtold would stop at a '.' under a decimal-comma LC_NUMERIC).
  std::ostringstream out;
  out.imbue(std::locale::classic());
  out << std::fixed << std::setprecision(5) << std::setw(15) << centre;
  std::string text = out.str();
  const auto point = static_cast<long>(text.find('.'));
  for (long i = std::max(0L, point + (cut - 10)); i < static_cast<long>(text.size()); ++i) {
    char& ch = text[static_cast<size_t>(i)];
    if (ch >= '0' && ch <= '9') ch = '0';
  }
  std::istringstream in(text);
  in.imbue(std::locale::classic());
  Real value = 0;
  in >> value;
  return value + 0.0L;  // + 0 turns -0 into 0
}

}  // namespace

Real NiceScale(Real& lo, Real& hi) {
  // Limits that are not numbers get the axis of an empty chart instead of NaN labels.
  if (!std::isfinite(lo) || !std::isfinite(hi)) {
    lo = 0;
    hi = 1;
  }
  // Limits given the wrong way round would give an axis of no width (a division by zero
  // for whoever maps values onto it); beyond 1e12 a step of 0.0001 no longer changes a
  // limit. Neither occurs with real chart data.
  if (lo > hi) std::swap(lo, hi);
  constexpr Real kLargest = 1e12L;
  lo = std::clamp(lo, -kLargest, kLargest);
  hi = std::clamp(hi, -kLargest, kLargest);
  const Real range = hi - lo;
  const Real step = StepFor(range);
  const Real centre = RoundCentre((lo + hi) / 2, CutPosition(range));
  constexpr Real kEps = 0.00001L;

  // Counted steps from the centre rather than repeated subtraction: same limits, without
  // drift and without a long loop for a huge range. The comparisons are strict, so a limit
  // landing exactly on lo + eps (hi + eps) stops there.
  // The counts are exact to a step or two; the few corrections below settle the strict
  // comparisons (and are bounded, since at huge counts n - 1 == n in floating point).
  Real down = std::max(0.0L, std::ceil((centre - (lo + kEps)) / step));
  for (int i = 0; i < 4 && down > 0 && centre - (down - 1) * step <= lo + kEps; ++i) --down;
  for (int i = 0; i < 4 && centre - down * step > lo + kEps; ++i) ++down;
  Real up = std::max(0.0L, std::ceil((hi + kEps - centre) / step));
  for (int i = 0; i < 4 && up > 0 && centre + (up - 1) * step >= hi + kEps; ++i) --up;
  for (int i = 0; i < 4 && centre + up * step < hi + kEps; ++i) ++up;

  lo = centre - down * step;
  hi = centre + up * step;
  return step;
}

}  // namespace qora
