#include "analyses/hot/hot_physics.h"

#include "analyses/hot/hot_inputs.h"
#include "engine/units.h"

namespace qora::hot {

PipeCase Pipe(const InputCheck& in, Real d, Real k) {
  return {in.tdb, in.top, k, in.ha, d};
}

Real HeatLossPerLength(const CalcContext& ctx, const PipeCase& pipe, Real x) {
  // The engine counts heat flowing into the line; a hot line loses it.
  return -HeatPerLength(ctx, pipe, x);
}

Real LossCostPerLength(int unitSystem, Real price, Real hoursPerYear, Real q) {
  const Real wattsPerMetre = ConvertUnits(kQHeatPerLength, unitSystem, kSI, q);
  switch (unitSystem) {
    case kInchPound:
      return price * hoursPerYear * wattsPerMetre * 0.3048L / 1000;
    case kSI:
    case kMetricKcal:
      return price * hoursPerYear * wattsPerMetre / 1000;
    default:
      return 0;
  }
}

}  // namespace qora::hot
