#include "shell/unit_relabel.h"

#include "engine/units.h"
#include "model/settings.h"

namespace qora {

void ConvertUnitValues(Settings& settings, int oldSystem) {
  const int now = settings.unitSystem();
  if (oldSystem == now) return;
  for (const SettingKey& k : SettingKeys()) {
    if (k.quantity == 0) continue;
    const KeyName key = KeyName::runtime(k.key);
    const std::string text = settings.text(k.section, key).toStdString();
    // The surface coefficients keep the conversion they have always had (three decimals
    // after a small nudge upward), the other values the typed-value conversion.
    const std::string converted = k.quantity == kQSurfaceCoef && !text.empty()
                                      ? ConvertUnitsText(text, kQSurfaceCoef, oldSystem, now)
                                      : ConvertTypedValue(text, k.quantity, oldSystem, now);
    settings.setText(k.section, key, QString::fromStdString(converted));
  }
}

int StepUnitSystem(Settings& settings) {
  const int old = settings.unitSystem();
  settings.setUnitSystem(old >= 3 ? 1 : old + 1);
  return old;
}

}  // namespace qora
