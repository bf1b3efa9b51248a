// Operating hours, energy price and capital recovery.
#pragma once

#include <optional>

#include "engine/calc_context.h"
#include "engine/real.h"

namespace qora {

Real OperatingHoursPerYear(const CalcContext& ctx);

// Price of one unit of energy for the context's energy source; 0 for a source outside
// 1..4. std::nullopt when the price is undefined (gas or oil with a zero energy content):
// the cost analyses refuse to draw then.
std::optional<Real> EnergyUnitCost(const CalcContext& ctx);

// capital·i·f/(f−1), f = (1+i)^years; 0 for years <= 0; capital/years at a 0 % rate.
Real AnnualCost(Real capital, Real years, Real ratePercent);

}  // namespace qora
