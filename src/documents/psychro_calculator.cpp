#include "documents/psychro_calculator.h"

#include <optional>

#include "engine/number_text.h"
#include "engine/psychro.h"

namespace qora {

namespace {

// A typed number read as StrToValue reads it (a comma groups thousands or is the decimal
// point), but text that is no number at all ("-", "1-2", empty) is no input rather than 0.
std::optional<Real> Typed(const QString& text) {
  return ParseTyped(text.toStdString());
}

QString Written(int decimals, Real value, const QString& unit) {
  return QString::fromStdString(ValueToStr(0, decimals, value)) + QLatin1Char(' ') + unit;
}

}  // namespace

PsychroAnswers ComputePsychro(const CalcContext& ctx, const PsychroInputs& in,
                              const QString& percentLabel, const QString& temperatureLabel) {
  PsychroAnswers out{kNotAvailable, kNotAvailable};
  const std::optional<Real> tdb = Typed(in.roomTemperature);
  if (!tdb) return out;
  if (const std::optional<Real> tdp = Typed(in.dewPoint)) {
    const Real rh = RelativeHumidity(ctx, *tdb, *tdp);
    if (rh < kNotFound) out.relativeHumidity = Written(0, rh, percentLabel);
  }
  if (const std::optional<Real> rh = Typed(in.relativeHumidity); rh && *rh > 0 && *rh <= 100) {
    if (const std::optional<Real> dp = DewPointIfFound(ctx, *tdb, *rh))
      out.dewPoint = Written(1, *dp, temperatureLabel);
  }
  return out;
}

}  // namespace qora
