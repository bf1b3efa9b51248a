#include "shell/unit_relabel.h"

#include "engine/units.h"
#include "model/settings.h"

namespace qora {

namespace {

void ConvertKey(Settings& s, const char* section, KeyName key, int code, int from, int to) {
  const std::string text = s.text(section, key).toStdString();
  s.setText(section, key, QString::fromStdString(ConvertUnitsText(text, code, from, to)));
}

}  // namespace

void ConvertUnitValues(Settings& settings, int oldSystem) {
  const int now = settings.unitSystem();
  if (oldSystem == now) return;
  ConvertKey(settings, kSecParams, "WINDspd", kQWindSpeed, oldSystem, now);
  ConvertKey(settings, kSecDuct, "Hair", kQSurfaceCoef, oldSystem, now);
  ConvertKey(settings, kSecStorage, "Hair", kQSurfaceCoef, oldSystem, now);
  ConvertKey(settings, kSecOperating, "Hair", kQSurfaceCoef, oldSystem, now);
}

int StepUnitSystem(Settings& settings) {
  const int old = settings.unitSystem();
  settings.setUnitSystem(old >= 3 ? 1 : old + 1);
  return old;
}

}  // namespace qora
