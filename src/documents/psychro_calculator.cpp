#include "documents/psychro_calculator.h"

#include <optional>

#include "engine/number_text.h"
#include "engine/psychro.h"
#include "engine/units.h"

namespace qora {

namespace {

// A typed number: thousands separators removed, as StrToValue reads it, but text that is
// no number at all ("-", "1-2", empty) is no input rather than 0.
std::optional<Real> Typed(const QString& text) {
  QString t = text;
  t.remove(QLatin1Char(','));
  return ParseDecimal(t.toStdString());
}

QString Written(int decimals, Real value, const QString& unit) {
  return QString::fromStdString(ValueToStr(0, decimals, value)) + QLatin1Char(' ') + unit;
}

// The psychrometric routines return 99999 °F when the table has no answer, converted like a
// temperature (55537.2 in °C): a value above the table's top (200 °F) is that marker in
// any unit system.
bool IsTemperatureAnswer(const CalcContext& ctx, Real t) {
  const Real f = ConvertUnits(kQTemperature, ctx.unitSystem, kInchPound, t);
  return f < 1000 && f > -1000;
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
    const Real dp = DewPoint(ctx, *tdb, *rh);
    if (dp < kNotFound && IsTemperatureAnswer(ctx, dp))
      out.dewPoint = Written(1, dp, temperatureLabel);
  }
  return out;
}

}  // namespace qora
