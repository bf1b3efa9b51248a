// Outer surface coefficient, surface temperature, heat flow and conductivity at a mean
// temperature. Values are in the active unit system of the context unless named SI.
#pragma once

#include "engine/calc_context.h"
#include "engine/real.h"

namespace qora {

// The shape coefficient C of the convection correlation (SI), indexed by SurfaceShape 0..6.
Real ShapeCoef(int surfaceShape);

// factorBy 1: hGiven; factorBy 2: ConvectionCoef + RadiationCoef from the context's shape,
// wind and emissivity texts; any other factorBy: 0. diameter is the bare pipe's outside
// diameter (99999 for a flat wall).
Real SurfaceCoef(const CalcContext& ctx, Real hGiven, Real diameter, Real tSurface, Real tAmbient);

// Heilman correlation (SI): hc in W/(m²·K), diameter in mm limited to 600.
Real ConvectionCoef(Real c, Real diameterMm, Real tMeanC, Real t1C, Real t2C, Real windKmh);

// hr in W/(m²·K); kNotFound when the temperatures are equal.
Real RadiationCoef(Real emissivity, Real tAmbientC, Real tSurfaceC);

// tSurface = (Leq'·h·tAmbient + k·tLine) / (Leq'·h + k); 0 for an unknown unit system.
Real SurfaceTemperature(const CalcContext& ctx, Real leq, Real h, Real tAmbient, Real k,
                        Real tLine);

// q = (tAmbient - tLine)·area·U; kNotFound for an unknown unit system.
Real HeatFlow(const CalcContext& ctx, Real leq, Real h, Real tAmbient, Real k, Real tLine,
              Real area);

// k = 0.00011·tMean[°C] + 0.0354 W/(m·K), in the active system.
Real kAtMeanTemperature(const CalcContext& ctx, Real tMean);

}  // namespace qora
