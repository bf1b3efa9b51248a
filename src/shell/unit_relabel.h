// The values that follow a change of unit system: every typed physical value of the
// settings (temperatures, thicknesses, lengths, flows, surface coefficients, typed k,
// the wind speed) is converted with its quantity's conversion, so the physical problem
// stays the same. List positions keep their places and costs keep their numbers.
#pragma once

namespace qora {

class Settings;

// Converts every typed physical value from `oldSystem` to the current unit system
// (nothing changes when they are equal; an empty or non-numeric text stays as it is).
void ConvertUnitValues(Settings& settings, int oldSystem);
// The unit button: 1 -> 2 -> 3 -> 1. Returns the previous system.
int StepUnitSystem(Settings& settings);

}  // namespace qora
