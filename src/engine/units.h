// The three unit systems: conversion of values between them and the built-in unit
// vocabulary (the language file may replace the texts; the model holds the live copy).
#pragma once

#include <array>
#include <string>
#include <string_view>

#include "engine/real.h"

namespace qora {

enum UnitSystemCode : int { kInchPound = 1, kSI = 2, kMetricKcal = 3 };

// Quantity codes 1..12.
enum QuantityCode : int {
  kQTemperature = 1,
  kQConductivity = 2,
  kQSurfaceCoef = 3,
  kQThickness = 4,
  kQRelHumidity = 5,
  kQWindSpeed = 6,
  kQLength = 7,
  kQFlow = 8,
  kQHeatPerLength = 9,
  kQTime = 10,
  kQHeatPerArea = 11,
  kQResistance = 12,
};

// Converts x of quantity `code` from system `from` to system `to`. Equal systems return
// x unchanged for every code. Codes whose conversion is the identity pass unchanged;
// an unhandled pair (codes 7, 10, 12 or outside 1..12, or systems outside 1..3 when the
// systems differ) gives kNotFound.
Real ConvertUnits(int code, int from, int to, Real x);

// Reads text with the plain decimal conversion (commas not removed), converts it, adds
// 0.0001, writes 3 decimals and trims trailing zeros: "9.0" SI->kcal gives "7.733".
// Text that is not a number reads as 0.
std::string ConvertUnitsText(std::string_view text, int code, int from, int to);

// A typed value of quantity `code` in another system, as the unit button converts it:
// like ConvertUnitsText, and pipe lengths (code 7: feet and metres, 0.3048 m/ft) and times
// (code 10: hours in every system) too. A text that is not a number is returned as it is
// (an empty field stays empty).
std::string ConvertTypedValue(std::string_view text, int code, int from, int to);

// Built-in English vocabulary (UTF-8; "°" and "²" as in the unit labels).
extern const std::array<std::string, 3> kBuiltinUnitSystemNames;             // index system-1
extern const std::array<std::string, 12> kBuiltinQuantityNames;              // index code-1
extern const std::array<std::array<std::string, 12>, 3> kBuiltinUnitLabels;  // [sys-1][code-1]

}  // namespace qora
