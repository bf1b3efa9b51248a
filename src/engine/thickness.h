// Insulation thickness for a required surface temperature (pipes, flat surfaces) and for
// a tank's allowed temperature change; tank geometry.
#pragma once

#include <optional>

#include "engine/calc_context.h"
#include "engine/real.h"

namespace qora {

// x - r·ln(r / r1)
Real LogThicknessResidual(Real x, Real r, Real r1);

// The outer radius whose equivalent thickness r·ln(r/r1) is x, by bisection; 0 when the
// bracket holds no root.
Real SolveOuterRadius(const CalcContext& ctx, Real x, Real r1);

Real CondensationThickness(const CalcContext& ctx, Real tAmbient, Real tSurface, Real tLine, Real k,
                           Real r1, Real h);
Real HotThickness(const CalcContext& ctx, Real tAmbient, Real tSurface, Real tLine, Real k, Real r1,
                  Real h);
// The temperatures in the order of the cylinder solvers: air, surface, line.
Real FlatThickness(const CalcContext& ctx, Real tAmbient, Real tSurface, Real tLine, Real k,
                   Real h);

// std::nullopt when the end temperature is not achievable (equal to or beyond the room
// temperature, so the logarithm is undefined) or the unit system is unknown.
std::optional<Real> TankThickness(const CalcContext& ctx, Real area, Real volume, Real tAmbient,
                                  Real tStart, Real tEnd, Real k, Real h, Real hours);

Real BoxArea(Real a, Real b, Real c);
Real BoxVolume(Real a, Real b, Real c);
Real CylinderArea(Real d, Real height);
Real CylinderVolume(Real d, Real height);
Real SphereArea(Real d);
Real SphereVolume(Real d);

}  // namespace qora
