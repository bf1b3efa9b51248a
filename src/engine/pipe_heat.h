// The heat balance of one insulated pipe in its room, written once for every pipe analysis:
// surface temperature and heat flow at a given insulation thickness, and the thickness that
// holds the outer surface at a given temperature. With the calculated surface coefficient
// (ctx.factorBy == 2) the coefficient is taken at the real outer surface: the insulated
// diameter D + 2t and the surface temperature the balance settles at.
//
// Units are those of the active system: temperatures °F or °C; diameter, thickness and
// equivalent thickness in inches or mm; k in Btu·in/(h·ft²·°F), W/(m·K) or kcal/(h·m·°C);
// h in Btu/(h·ft²·°F), W/(m²·K) or kcal/(h·m²·°C).
#pragma once

#include <optional>

#include "engine/calc_context.h"
#include "engine/real.h"

namespace qora {

// One insulated pipe in its room: the inputs every pipe analysis computes with. Named
// fields, so that a swapped argument cannot compile.
struct PipeCase {
  Real ambient = 0;   // room (air) temperature, active unit system
  Real line = 0;      // line (water) temperature
  Real k = 0;         // insulation conductivity
  Real hTyped = 0;    // typed surface coefficient, used when ctx.factorBy == 1
  Real diameter = 0;  // bare pipe's outside diameter (inch or mm)
};

// Equivalent thickness Leq = r2·ln(r2/r1) of insulation `thickness` on the pipe (r1 = D/2,
// r2 = r1 + t), inch or mm. 0 for no insulation (t ≤ 0) and for a pipe without a
// diameter (D ≤ 0), whose Leq would be infinite.
Real EquivalentThickness(const PipeCase& pipe, Real thickness);

struct PipeSurface {
  Real h = 0;            // surface coefficient at the outer surface
  Real temperature = 0;  // outer surface temperature
};

// Steady state at insulation thickness t (t = 0, or less: the bare pipe, whose surface is at
// the line temperature).
//   factorBy 1 (and any value but 2): h = SurfaceCoef (the typed value; 0 for an unknown
//     mode) and the closed form SurfaceTemperature, exactly as that routine gives it.
//   factorBy 2: the root Ts of k·(Tline − Ts)/Leq' = h(Ts, D + 2t)·(Ts − Tamb), within 1e-6
//     of a degree, and h at that root (Leq' in inch, or m from mm).
// No heat flows, and the surface is at the room temperature, when the room and the line are
// equally warm, when k ≤ 0 (factorBy 2) or when there is no pipe (D ≤ 0); h is then the
// coefficient at no temperature difference (radiation alone, 4·ε·σ·Ta³). Inputs that are
// not finite, or a balance too large to evaluate, give h = 0 and the room temperature (0 if
// that is not finite); an unknown unit system gives h = 0 and the temperature 0, the 0
// SurfaceTemperature gives.
PipeSurface SurfaceAt(const CalcContext& ctx, const PipeCase& pipe, Real thickness);

// Heat flowing from the room into one foot (inch-pound) or one metre of line, in Btu/(h·ft),
// W/m or kcal/(h·m): positive for a cold line, negative for a hot one. HeatFlow over the
// outer area of that length with the coefficient SurfaceAt gives. 0 where SurfaceAt says no
// heat flows or a result would not be finite; 99999 (kNotFound) for an unknown unit system,
// as HeatFlow gives.
Real HeatPerLength(const CalcContext& ctx, const PipeCase& pipe, Real thickness);

// Thickness (inch or mm) that holds the outer surface of a cold line at tSurface (the dew
// point), and of a hot line at tSurface (a touch limit), within the pipe solver's 0.001.
// factorBy 1: CondensationThickness / HotThickness with the typed h, exactly as they give
// it; factorBy 2: the thickness whose own outer diameter D + 2t gives, through
// h(tSurface, D + 2t), that same thickness back.
//
// Cold line (CondensationThicknessFor), rules in this order:
//   0        the bare pipe already meets the limit: line at or above tSurface;
//   nullopt  tSurface at or above the room temperature (100 % RH, the dew-point marker
//            99999), where no thickness brings the surface up to tSurface;
//   nullopt  no root in the solver's bracket, k ≤ 0, h ≤ 0, inputs not finite, an unknown
//            unit system, or a result that is not finite;
//   the thickness otherwise (0 when the root lies within 0.001 of the bare radius).
// Hot line (HotThicknessFor) mirrors it: 0 for a line at or below tSurface; nullopt for a
// tSurface at or below the room temperature (the surface of a line hotter than tSurface
// stays warmer than the room, so no thickness brings it down to tSurface), and for the
// same failures.
std::optional<Real> CondensationThicknessFor(const CalcContext& ctx, const PipeCase& pipe,
                                             Real tSurface);
std::optional<Real> HotThicknessFor(const CalcContext& ctx, const PipeCase& pipe, Real tSurface);

}  // namespace qora
