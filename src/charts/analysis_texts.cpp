#include "charts/analysis_texts.h"

#include "engine/economics.h"
#include "engine/number_text.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora {

AnalysisTexts::AnalysisTexts(const AppState& s, int u, const char* section)
    : state(s), unit(u), section_(section) {}

QString AnalysisTexts::msg(int i) const {
  return state.lang.MsgText(i);
}

QString AnalysisTexts::unitLabel(int code) const {
  return state.lang.UnitLabel(unit, code);
}

QString AnalysisTexts::setting(KeyName key) const {
  return state.settings.text(section_, key);
}

int AnalysisTexts::position(KeyName key) const {
  return state.settings.integer(section_, key);
}

QString AnalysisTexts::listAt(const std::array<QString, 10>& list, KeyName key) const {
  const std::string typedKey = std::string(key.view()) + kTypedKeySuffix;
  if (FindSettingKey(section_, typedKey)) {
    const QString typed = state.settings.text(section_, KeyName::runtime(typedKey));
    if (!typed.isEmpty()) return typed;
  }
  const int pos = position(key);
  return pos >= 0 && pos < 10 ? list[pos] : QString();
}

QString AnalysisTexts::tdbLine() const {
  return msg(2) + setting("Tdb") + unitLabel(kQTemperature);
}

QString AnalysisTexts::topLine() const {
  return msg(3) + setting("Top") + unitLabel(kQTemperature);
}

QString AnalysisTexts::kLine(const QString& k) const {
  return state.lang.QuantityName(kQConductivity) + " " + k + " " + unitLabel(kQConductivity);
}

QString AnalysisTexts::haLineUnder(const char* captionKey) const {
  if (state.settings.factorBy() == 2) return state.lang.caption(captionKey) + " BY ASTM C680";
  return state.lang.caption(captionKey) + " " + setting("Hair") + " " + unitLabel(kQSurfaceCoef);
}

QString AnalysisTexts::sizeName(int row) const {
  const int pipeType = state.settings.pipeType();
  return row >= 1 && row <= 40 ? state.params.PipeSize(pipeType, unit, row, 1) : QString();
}

std::vector<QString> AnalysisTexts::sizeNames() const {
  std::vector<QString> names;
  for (int row = 1; row <= 40; ++row) names.push_back(sizeName(row));
  return names;
}

QString AnalysisTexts::pipeLine(int row) const {
  return msg(4) + sizeName(row) + "(" + unitLabel(kQThickness) + ")";
}

QString AnalysisTexts::thicknessLine(KeyName key) const {
  return msg(6) + setting(key) + unitLabel(kQThickness);
}

QString AnalysisTexts::priceLine() const {
  // Drawn charts have a defined price (an undefined one is refused).
  const Real price = EnergyUnitCost(state.settings.calcContext()).value_or(0);
  return msg(41) + " " + QString::fromStdString(ValueToStr(0, 3, price)) + " " +
         state.settings.text(kSecParams, "currency") + "/kWhr";
}

QString AnalysisTexts::hoursLine() const {
  return msg(35) + " " + state.settings.text(kSecParams, "HourofDay") + " " + msg(36) + " x " +
         state.settings.text(kSecParams, "DayofYear") + " " + msg(37);
}

QString AnalysisTexts::sizeFooter() const {
  return msg(4) + "(" + state.lang.UnitSystemName(unit) + ")";
}

QString AnalysisTexts::axisFooter(int msgIndex, int unitCode) const {
  return msg(msgIndex) + "(" + unitLabel(unitCode) + ")";
}

QString AnalysisTexts::costUnit() const {
  return state.settings.text(kSecParams, "currency") + "/" + unitLabel(kQLength) + msg(21);
}

QString AnalysisTexts::temperatureLabel(int msgIndex, Real value) const {
  return msg(msgIndex) + QString::fromStdString(ValueToStr(0, unit == kInchPound ? 0 : 1, value)) +
         unitLabel(kQTemperature);
}

}  // namespace qora
