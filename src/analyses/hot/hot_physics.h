// What the hot-water analyses add to the engine's pipe physics: the pipe of a panel as
// a pipe case and the yearly cost of a heat loss.
#pragma once

#include "engine/pipe_heat.h"
#include "engine/real.h"

namespace qora::hot {

class InputCheck;

// The pipe of outside diameter d with insulation of conductivity k under the screen's
// local conditions.
PipeCase Pipe(const InputCheck& in, Real d, Real k);

// Heat lost per unit length (Btu/(h·ft), W/m or kcal/(h·m)) by the pipe insulated to
// thickness x: positive for a line above the room.
Real HeatLossPerLength(const CalcContext& ctx, const PipeCase& pipe, Real x);

// Yearly cost of a loss q per unit length: q in W/m times price per kWh times hours per
// year / 1000; per foot (× 0.3048) in the inch-pound system, per metre otherwise, 0 for an
// unknown system.
Real LossCostPerLength(int unitSystem, Real price, Real hoursPerYear, Real q);

}  // namespace qora::hot
