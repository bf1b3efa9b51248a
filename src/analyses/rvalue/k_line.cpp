#include "analyses/rvalue/k_line.h"

#include <algorithm>

#include "engine/calc_context.h"
#include "engine/surface.h"
#include "engine/units.h"

namespace qora::kline {

Axes AxesOf(int unitSystem) {
  if (unitSystem == kInchPound) return {-80, 40, 0.195L, 0.015L};
  if (unitSystem == kMetricKcal) return {-60, 20, 0.0241L, 0.0018L};
  return {-60, 20, 0.028L, 0.002L};
}

// 5.5 temperature steps span 330 pixels.
constexpr double kColumnPitch = (kMaxX - kMinX) / 5.5;

double ColumnX(int i) {
  return kMinX + (i - 0.5) * kColumnPitch;
}

double KRowY(int j) {
  return 232 - 24.0 * j;
}

Real MeanTemperatureAt(int unitSystem, double x) {
  const Axes a = AxesOf(unitSystem);
  return a.tStart + a.tStep / 2 + Real(x - kMinX) / kColumnPitch * a.tStep;
}

double XOfMeanTemperature(int unitSystem, Real t) {
  const Axes a = AxesOf(unitSystem);
  return kMinX + double((t - a.tStart - a.tStep / 2) / a.tStep) * kColumnPitch;
}

double YOfK(int unitSystem, Real k) {
  const Axes a = AxesOf(unitSystem);
  return KRowY(0) - 24.0 * double((k - a.kStart) / a.kStep);
}

int ClampX(int x) {
  return std::clamp(x, kMinX, kMaxX);
}

double LineY(int unitSystem, int x) {
  CalcContext ctx;
  ctx.unitSystem = unitSystem;
  return YOfK(unitSystem, kAtMeanTemperature(ctx, MeanTemperatureAt(unitSystem, ClampX(x))));
}

}  // namespace qora::kline
