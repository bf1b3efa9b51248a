// Dew point and relative humidity by linear interpolation in a table of the saturation
// pressure of water vapour. The table and its lookups work in °F and psia; the public
// routines convert temperatures from and to the active unit system.
#include "engine/psychro.h"

#include <array>

#include "engine/units.h"

namespace qora {

namespace {

constexpr int kFirstRowF = -20;  // °F of the first row; one row per whole degree
constexpr int kRows = 221;       // -20 °F ... 200 °F

// Saturation pressure of water vapour in psia at kFirstRowF + i °F: over ice below 32 °F,
// over liquid water from 32 °F up.
constexpr std::array<Real, kRows> kSatPressurePsia = {
    // -20 °F
    0.006182L, 0.006546L, 0.006929L, 0.007333L, 0.007758L, 0.008206L, 0.008677L, 0.009174L,
    0.009696L, 0.010246L,
    // -10 °F
    0.010824L, 0.011431L, 0.01207L, 0.012742L, 0.013448L, 0.014189L, 0.014968L, 0.015786L,
    0.016645L, 0.017546L,
    // 0 °F
    0.018492L, 0.019485L, 0.020526L, 0.021618L, 0.022762L, 0.023962L, 0.02522L, 0.026538L,
    0.027918L, 0.029364L,
    // 10 °F
    0.030879L, 0.032464L, 0.034124L, 0.03586L, 0.037677L, 0.039578L, 0.041566L, 0.043645L,
    0.045819L, 0.048091L,
    // 20 °F
    0.050465L, 0.052946L, 0.055537L, 0.058244L, 0.061071L, 0.064022L, 0.067103L, 0.070318L,
    0.073673L, 0.077173L,
    // 30 °F
    0.080824L, 0.084631L, 0.088611L, 0.092253L, 0.096026L, 0.099936L, 0.103986L, 0.108181L,
    0.112525L, 0.117023L,
    // 40 °F
    0.121678L, 0.126497L, 0.131483L, 0.136643L, 0.14198L, 0.147501L, 0.15321L, 0.159113L, 0.165216L,
    0.171525L,
    // 50 °F
    0.178044L, 0.184781L, 0.191742L, 0.198932L, 0.206358L, 0.214027L, 0.221946L, 0.230121L,
    0.238559L, 0.247268L,
    // 60 °F
    0.256255L, 0.265528L, 0.275093L, 0.28496L, 0.295135L, 0.305627L, 0.316445L, 0.327596L,
    0.339091L, 0.350936L,
    // 70 °F
    0.363142L, 0.375718L, 0.388673L, 0.402016L, 0.415758L, 0.429908L, 0.444477L, 0.459475L,
    0.474912L, 0.4908L,
    // 80 °F
    0.507149L, 0.523971L, 0.541276L, 0.559077L, 0.577385L, 0.596213L, 0.615572L, 0.635476L,
    0.655936L, 0.676966L,
    // 90 °F
    0.698579L, 0.720789L, 0.743609L, 0.767053L, 0.791135L, 0.81587L, 0.841272L, 0.867356L,
    0.894138L, 0.921632L,
    // 100 °F
    0.949854L, 0.978821L, 1.008548L, 1.039052L, 1.07035L, 1.102459L, 1.135395L, 1.169177L,
    1.203823L, 1.23935L,
    // 110 °F
    1.275776L, 1.313122L, 1.351405L, 1.390645L, 1.430861L, 1.472074L, 1.514303L, 1.557569L,
    1.601893L, 1.647297L,
    // 120 °F
    1.6938L, 1.741426L, 1.790196L, 1.840132L, 1.891258L, 1.943596L, 1.997169L, 2.052002L, 2.108119L,
    2.165543L,
    // 130 °F
    2.224299L, 2.284413L, 2.34591L, 2.408816L, 2.473156L, 2.538958L, 2.606247L, 2.675052L,
    2.745399L, 2.817317L,
    // 140 °F
    2.890833L, 2.965977L, 3.042777L, 3.121262L, 3.201463L, 3.283409L, 3.367131L, 3.45266L,
    3.540027L, 3.629264L,
    // 150 °F
    3.720402L, 3.813474L, 3.908513L, 4.005552L, 4.104625L, 4.205765L, 4.309007L, 4.414386L,
    4.521937L, 4.631695L,
    // 160 °F
    4.743697L, 4.857979L, 4.974578L, 5.09353L, 5.214875L, 5.338649L, 5.464892L, 5.593641L,
    5.724938L, 5.858821L,
    // 170 °F
    5.995331L, 6.134508L, 6.276393L, 6.421029L, 6.568456L, 6.718718L, 6.871856L, 7.027916L,
    7.186939L, 7.348971L,
    // 180 °F
    7.514056L, 7.682239L, 7.853566L, 8.028082L, 8.205835L, 8.38687L, 8.571236L, 8.75898L, 8.950151L,
    9.144797L,
    // 190 °F
    9.342967L, 9.544711L, 9.75008L, 9.959123L, 10.171893L, 10.38844L, 10.608816L, 10.833075L,
    11.061269L, 11.293452L,
    // 200 °F
    11.529677L};

Real RowTemperatureF(int i) {
  return static_cast<Real>(kFirstRowF + i);
}

}  // namespace

// Mode 'F' keys on the temperature column, mode 'P' on the pressure column; both rise
// with the row, so the first row whose key reaches the value bounds it from above and the
// result is interpolated linearly from the row before. The table ends are inside.
Real SatPressureLookup(char mode, Real value) {
  if (mode != 'F' && mode != 'P') return kNotFound;
  const bool byTemperature = mode == 'F';
  auto key = [&](int i) { return byTemperature ? RowTemperatureF(i) : kSatPressurePsia[i]; };
  auto out = [&](int i) { return byTemperature ? kSatPressurePsia[i] : RowTemperatureF(i); };
  // Written so that NaN fails the range test too.
  if (!(value >= key(0) && value <= key(kRows - 1))) return kNotFound;
  if (value == key(0)) return out(0);
  int i = 1;
  if (byTemperature) {
    // Whole-degree rows: the bounding row is found directly.
    i = static_cast<int>(value - kFirstRowF);
    if (RowTemperatureF(i) < value) ++i;
  } else {
    while (key(i) < value) ++i;
  }
  return out(i - 1) + (out(i) - out(i - 1)) * (value - key(i - 1)) / (key(i) - key(i - 1));
}

// pw = psat(tDryBulb) · rh / 100 [psia]; the dew point is the temperature whose saturation
// pressure is pw. A dry-bulb temperature outside -20…200 °F gives the marker (99999 °F,
// converted like a temperature) without reading the marker as a pressure: at a low
// humidity 99999 · rh / 100 would otherwise land inside the table and pose as a dew point.
Real DewPoint(const CalcContext& ctx, Real tDryBulb, Real rhPercent) {
  const int sys = ctx.unitSystem;
  const Real pSat = SatPressureLookup('F', ConvertUnits(kQTemperature, sys, kInchPound, tDryBulb));
  const Real tDewF = pSat == kNotFound ? kNotFound : SatPressureLookup('P', pSat * rhPercent / 100);
  return ConvertUnits(kQTemperature, kInchPound, sys, tDewF);
}

std::optional<Real> DewPointIfFound(const CalcContext& ctx, Real tDryBulb, Real rhPercent) {
  const int sys = ctx.unitSystem;
  const Real pSat = SatPressureLookup('F', ConvertUnits(kQTemperature, sys, kInchPound, tDryBulb));
  if (pSat == kNotFound) return std::nullopt;
  const Real tDewF = SatPressureLookup('P', pSat * rhPercent / 100);
  if (tDewF == kNotFound) return std::nullopt;
  return ConvertUnits(kQTemperature, kInchPound, sys, tDewF);
}

// rh = psat(tDewPoint) / psat(tDryBulb) · 100 [%]; the marker when either temperature is
// outside the table or the dew point lies above the dry-bulb temperature.
Real RelativeHumidity(const CalcContext& ctx, Real tDryBulb, Real tDewPoint) {
  const int sys = ctx.unitSystem;
  const Real pa = SatPressureLookup('F', ConvertUnits(kQTemperature, sys, kInchPound, tDryBulb));
  const Real pb = SatPressureLookup('F', ConvertUnits(kQTemperature, sys, kInchPound, tDewPoint));
  if (pa == kNotFound || pb == kNotFound || pa < pb) return kNotFound;
  return pb / pa * 100;
}

}  // namespace qora
