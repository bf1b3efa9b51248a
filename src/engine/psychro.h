// Dew point and relative humidity from the built-in saturation-pressure table.
#pragma once

#include "engine/calc_context.h"
#include "engine/real.h"

namespace qora {

// mode 'F': temperature °F -> saturation pressure psia; mode 'P': the reverse.
// Outside the table: kNotFound.
Real SatPressureLookup(char mode, Real value);

// Temperatures in the active unit system, rh in percent.
Real DewPoint(const CalcContext& ctx, Real tDryBulb, Real rhPercent);
Real RelativeHumidity(const CalcContext& ctx, Real tDryBulb, Real tDewPoint);

}  // namespace qora
