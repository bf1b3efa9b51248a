// The k line of the k-value dialog: the picture of k against mean temperature and the
// point dragged along it share these pixel rules, so the point runs exactly on the line
// the picture generator draws from the same kAtMeanTemperature.
#pragma once

#include "engine/real.h"

namespace qora::kline {

// Axis labels per unit system: mean temperatures Tstart + i · Tstep (i = 0..7) centred on
// their columns, k values kStart + j · kStep (j = 0..8) at rows y = 232 − 24 j.
struct Axes {
  Real tStart, tStep, kStart, kStep;
};
Axes AxesOf(int unitSystem);

inline constexpr int kPictureWidth = 520, kPictureHeight = 262;
inline constexpr int kMinX = 102, kMaxX = 432;  // the point's centre travels between these
inline constexpr int kPointSize = 16;
inline constexpr int kTLabelBottom = 254, kKLabelRight = 58;

// Column i's centre: x = 102 ↔ Tstart + Tstep / 2, x = 432 ↔ Tstart + 6 Tstep.
double ColumnX(int i);
double KRowY(int j);
// The mean temperature at a centre x (linear, not clamped) and back.
Real MeanTemperatureAt(int unitSystem, double x);
double XOfMeanTemperature(int unitSystem, Real t);
// The pixel row of a k value on the k axis.
double YOfK(int unitSystem, Real k);
// Centre x clamped to the line's ends.
int ClampX(int x);
// The point's centre on the line at centre x (clamped): k at that mean temperature.
double LineY(int unitSystem, int x);

}  // namespace qora::kline
