#include "analyses/other/form_rules.h"

#include <cmath>

#include "engine/number_text.h"
#include "engine/units.h"
#include "model/settings.h"

namespace qora {

namespace {

// The largest thickness a form writes as a number: 100 in. or 1000 mm.
Real Limit(int unitSystem) {
  return unitSystem == kInchPound ? 100 : 1000;
}

int Decimals(int unitSystem) {
  return unitSystem == kInchPound ? 2 : 0;
}

QString AnswerText(int unitSystem, Real t, const QString& aboveLimit) {
  if (std::isnan(t)) return QStringLiteral("N/A");
  if (t <= 0) return unitSystem == kInchPound ? QStringLiteral("0.00") : QStringLiteral("0");
  if (t >= Limit(unitSystem)) return aboveLimit;
  return QString::fromStdString(ValueToStr(0, Decimals(unitSystem), t));
}

}  // namespace

QString FlatAnswerText(int unitSystem, Real thickness) {
  return AnswerText(unitSystem, thickness, QStringLiteral("N/A"));
}

QString TankAnswerText(int unitSystem, Real thickness) {
  return AnswerText(unitSystem, thickness,
                    unitSystem == kInchPound ? QStringLiteral("> 100") : QStringLiteral("> 1000"));
}

QString HeatGainText(Real heatGain) {
  if (!std::isfinite(heatGain)) return QStringLiteral("N/A");
  return QString::fromStdString(ValueToStr(0, 1, heatGain));
}

QString ListEntry(const std::array<QString, 10>& list, int position) {
  if (position < 0) return {};
  int n = 0;
  for (const QString& entry : list) {
    if (entry.isEmpty()) continue;
    if (n++ == position) return entry;
  }
  return {};
}

CalcContext FormContext(const Settings& settings) {
  if (settings.factorBy() == 2) return settings.calcContext();
  CalcContext ctx;
  ctx.unitSystem = settings.unitSystem();
  ctx.factorBy = 1;
  return ctx;
}

int TankShape(const Settings& settings) {
  const int shape = settings.integer(kSecStorage, "Shape");
  return shape == 1 || shape == 2 ? shape : 0;
}

}  // namespace qora
