// The psychrometric calculator of the appendix: the relative humidity from the room (dry
// bulb) temperature and the dew point, and the dew point from the room temperature and
// the relative humidity, as the texts of its two answers.
#pragma once

#include <QString>

#include "engine/calc_context.h"

namespace qora {

struct PsychroInputs {
  QString roomTemperature;  // as typed, in the active unit system
  QString dewPoint;
  QString relativeHumidity;  // percent
};

struct PsychroAnswers {
  QString relativeHumidity;  // "44 %" or "N/A"
  QString dewPoint;          // "21.3 °C" or "N/A"
};

inline const QString kNotAvailable = QStringLiteral("N/A");

// Each answer is "N/A" unless its two inputs are numbers and the saturation table holds
// the pair: the relative humidity with no decimals, the dew point with one, each followed
// by a blank and its unit label. A relative humidity outside 0 < RH <= 100 % has no dew
// point.
PsychroAnswers ComputePsychro(const CalcContext& ctx, const PsychroInputs& in,
                              const QString& percentLabel, const QString& temperatureLabel);

}  // namespace qora
