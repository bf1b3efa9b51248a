// The values that follow a change of unit system: the wind speed and the surface
// coefficients typed into the duct, storage and operating screens (the two line dialogs
// convert their own). Every other typed number keeps its digits.
#pragma once

namespace qora {

class Settings;

// Converts the wind speed and the duct, storage and operating ha texts from `oldSystem` to
// the current unit system (nothing changes when they are equal).
void ConvertUnitValues(Settings& settings, int oldSystem);
// The unit button: 1 -> 2 -> 3 -> 1. Returns the previous system.
int StepUnitSystem(Settings& settings);

}  // namespace qora
