// Water temperature along an insulated line and of standing water over time.
#pragma once

#include "engine/calc_context.h"
#include "engine/real.h"

namespace qora {

// Outer area of a length of pipe: ft² from inches and feet, m² from mm and metres;
// kNotFound for an unknown unit system.
Real PipeSurfaceArea(const CalcContext& ctx, Real radius, Real length);

// Zero (or negative) flow: the water takes the ambient temperature.
Real OutletTemperature(const CalcContext& ctx, Real leq, Real h, Real tAmbient, Real k, Real tInlet,
                       Real area, Real flow);

// Zero (or negative) inner radius: no water to keep warm or cold, the ambient temperature.
Real TemperatureAfterTime(const CalcContext& ctx, Real leq, Real h, Real tAmbient, Real k,
                          Real tStart, Real rOuter, Real rInner, Real hours);

}  // namespace qora
