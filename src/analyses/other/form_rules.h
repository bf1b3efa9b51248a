// The rules the three forms share: how an answer is written in each unit system, which
// list entry a stored position names, and the tank shape a stored value selects.
#pragma once

#include <QString>
#include <array>

#include "engine/calc_context.h"
#include "engine/real.h"

namespace qora {

class Settings;

// Duct and operating equipment: inch-pound 2 decimals, "0.00" at or below 0, "N/A" from
// 100 inches; SI and metric-kcal no decimals, "0" at or below 0, "N/A" from 1000 mm.
// A thickness that is not a number is "N/A".
QString FlatAnswerText(int unitSystem, Real thickness);
// Storage tank: the same, but "> 100" and "> 1000" at and above the limits.
QString TankAnswerText(int unitSystem, Real thickness);
// A heat gain with one decimal; "N/A" when it is not a number.
QString HeatGainText(Real heatGain);

// The entry a list position names in the list as its box shows it (empty entries
// skipped); empty text for a position that names none.
QString ListEntry(const std::array<QString, 10>& list, int position);

// [STORAGE] Shape: 1 cylinder, 2 sphere, any other value the box (0).
int TankShape(const Settings& settings);

// The engine's context for a form: the unit system and the surface-coefficient method, and
// the shape, wind and emissivity texts only when the coefficient is calculated (a typed
// one reads nothing else), so a form's compute stays a few microseconds.
CalcContext FormContext(const Settings& settings);

}  // namespace qora
