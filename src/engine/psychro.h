// Dew point and relative humidity from the built-in saturation-pressure table.
#pragma once

#include <optional>

#include "engine/calc_context.h"
#include "engine/real.h"

namespace qora {

// mode 'F': temperature °F -> saturation pressure psia; mode 'P': the reverse.
// Outside the table: kNotFound.
Real SatPressureLookup(char mode, Real value);

// Temperatures in the active unit system, rh in percent. Outside the table the marker
// 99999 °F comes back converted like any temperature (55537.2 in °C).
Real DewPoint(const CalcContext& ctx, Real tDryBulb, Real rhPercent);
// The same, or nothing when the table has no answer: what a chart shows, since the
// converted marker cannot be told from a temperature.
std::optional<Real> DewPointIfFound(const CalcContext& ctx, Real tDryBulb, Real rhPercent);
Real RelativeHumidity(const CalcContext& ctx, Real tDryBulb, Real tDewPoint);

}  // namespace qora
