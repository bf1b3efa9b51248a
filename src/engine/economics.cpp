// Operating hours, the price of one unit of energy and the capital recovery of an
// insulation investment, from the economic texts of the parameters.
#include "engine/economics.h"

#include <cmath>

#include "engine/number_text.h"

namespace qora {

Real OperatingHoursPerYear(const CalcContext& ctx) {
  return StrToValue(ctx.daysPerYear) * StrToValue(ctx.hoursPerDay);
}

// Gas and oil are priced per delivered unit; dividing by the energy that unit delivers
// gives the price per unit of energy. A zero energy content leaves the price undefined,
// which the cost analyses must see rather than an infinite price.
std::optional<Real> EnergyUnitCost(const CalcContext& ctx) {
  auto perEnergy = [](const std::string& cost, const std::string& energy) -> std::optional<Real> {
    const Real content = StrToValue(energy);
    if (content == 0) return std::nullopt;
    const Real price = StrToValue(cost) / content;
    if (!std::isfinite(price)) return std::nullopt;
    return price;
  };
  switch (ctx.energySource) {
    case 1:
      return StrToValue(ctx.elecCost);
    case 2:
      return perEnergy(ctx.gasCost, ctx.gasEnergy);
    case 3:
      return perEnergy(ctx.oilCost, ctx.oilEnergy);
    case 4:
      return StrToValue(ctx.otherCost);
    default:
      return Real{0};
  }
}

// Capital recovery: the equal yearly payment that repays `capital` with interest over
// `years` (fractional years allowed):
//   A = P · i · f / (f − 1),  f = (1 + i)^n,  i = rate / 100, n years
// Limits instead of a division by zero or NaN: i → 0 gives P / n (also when i is too small
// to change 1 + i); n → ∞ gives P · i; a rate at or below −100 % recovers nothing (0).
Real AnnualCost(Real capital, Real years, Real ratePercent) {
  if (!(years > 0)) return 0;
  const Real i = ratePercent / 100;
  if (!(i > -1)) return 0;
  // f and f − 1 through log1p/expm1, so a small rate keeps its digits.
  const Real growth = years * std::log1p(i);
  const Real f = std::exp(growth);
  const Real fMinus1 = std::expm1(growth);
  if (fMinus1 == 0) return capital / years;
  if (std::isinf(f)) return capital * i;
  return capital * i * f / fMinus1;
}

}  // namespace qora
