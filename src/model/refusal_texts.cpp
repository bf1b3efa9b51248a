#include "model/refusal_texts.h"

#include <map>

#include "model/app_state.h"
#include "model/language.h"

namespace qora {

QString BuiltinRefusalText(const std::string& refusal) {
  static const std::map<std::string, const char*> texts = {
      {"tdb-empty", "Room temperature is empty"},
      {"top-empty", "Line temperature is empty"},
      {"ha-not-positive", "The surface coefficient must be greater than 0"},
      {"tdb-not-above-top", "The line must be colder than the room"},
      {"tdb-not-below-top", "The line must be hotter than the room"},
      {"size-not-selected", "Choose a pipe size"},
      {"sizes-not-selected", "Choose the pipe sizes"},
      {"size-order", "The first pipe size must not come after the last"},
      {"sizes-out-of-order", "The first pipe size must not come after the last"},
      {"rh-not-selected", "Choose a relative humidity"},
      {"rh-out-of-order", "The first relative humidity must not come after the last"},
      {"rh-not-positive", "The relative humidity must be greater than 0"},
      {"k-not-selected", "Choose a k value"},
      {"k-order", "The first k value must not come after the last"},
      {"k-out-of-order", "The first k value must not come after the last"},
      {"k-not-positive", "k must be greater than 0"},
      {"tsurf-not-selected", "Choose a surface temperature"},
      {"tsurf-order", "The first surface temperature must not come after the last"},
      {"tsurf-not-positive", "The surface temperature must be greater than 0"},
      {"thickness-not-positive", "The thickness must be greater than 0"},
      {"length-not-positive", "The pipe length must be greater than 0"},
      {"flow-not-positive", "The flow must be greater than 0"},
      {"hours-not-positive", "The time must be at least one hour"},
      {"interest-not-positive", "The interest rate must be greater than 0"},
      {"years-not-positive", "The years must be greater than 0"},
      {"price-undefined", "The energy price is undefined (an energy content of 0)"},
      {"diameter-not-positive", "The pipe's outside diameter must be greater than 0"},
      {"dew-point-not-found", "There is no dew point for this room temperature and humidity"},
      {"tmean-empty", "The mean temperature is empty"},
      {"k-too-large", "k is larger than the insulation can have"},
      {"tube-not-selected", "Choose the tube sizes"},
      {"tube-order", "The first tube size must not come after the last"},
      {"thickness-not-selected", "Choose the nominal thicknesses"},
      {"thickness-order", "The first nominal thickness must not come after the last"},
      {"rvalue-not-selected", "Choose the R values"},
      {"rvalue-order", "The first R value must not come after the last"},
      {"unit-system", "The unit system is not known"},
      {"not-finite", "These inputs give no finite result"},
      {"value-too-large", "These inputs give values too large to chart"},
  };
  const auto it = texts.find(refusal);
  return it != texts.end() ? QString::fromUtf8(it->second)
                           : QStringLiteral("These inputs cannot be charted");
}

QString RefusalText(const AppState& state, const std::string& refusal) {
  int decodeAs = 1;
  const QString path =
      LanguageFileOrEnglish(state.appDir, state.settings.langIndex(), "mnu.qdt", &decodeAs);
  const QString prefix = QString::fromStdString(refusal) + QLatin1Char('=');
  for (const QString& line : ReadSection(path, QStringLiteral("@REFUSALS"), decodeAs)) {
    if (line.startsWith(prefix) && line.size() > prefix.size()) return line.mid(prefix.size());
  }
  return BuiltinRefusalText(refusal);
}

}  // namespace qora
