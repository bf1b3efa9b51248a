#include "analyses/hot/hot_heading.h"

#include "engine/economics.h"
#include "engine/number_text.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora::hot {

QString HotTexts::msg(int i) const {
  return state.lang.MsgText(i);
}

QString HotTexts::unitLabel(int code) const {
  return state.lang.UnitLabel(unit, code);
}

QString HotTexts::setting(const char* key) const {
  return state.settings.text(kSecHot, key);
}

QString HotTexts::listEntry(const std::array<QString, 10>& list, const char* key) const {
  // A value typed into a list-or-typed box is what the heading shows, as typed.
  const QString typed = state.settings.text(kSecHot, std::string(key) + kTypedKeySuffix);
  if (!typed.isEmpty()) return typed;
  const int pos = state.settings.integer(kSecHot, key);
  return pos >= 0 && pos < 10 ? list[pos] : QString();
}

const std::array<QString, 10>& HotTexts::kList() const {
  return state.params.kHot[unit - 1];
}

const std::array<QString, 10>& HotTexts::tsurfList() const {
  return state.params.tsurf[unit - 1];
}

QString HotTexts::tdbLine() const {
  return msg(2) + setting("Tdb") + unitLabel(kQTemperature);
}

QString HotTexts::topLine() const {
  return msg(3) + setting("Top") + unitLabel(kQTemperature);
}

QString HotTexts::kLine(const QString& k) const {
  return state.lang.QuantityName(kQConductivity) + " " + k + " " + unitLabel(kQConductivity);
}

QString HotTexts::haLine() const {
  // A calculated coefficient is not the (hidden) typed one: name the method instead, as the
  // local-conditions dialog does in the field's place.
  if (state.settings.factorBy() == 2) {
    return state.lang.caption("HotLocalDlg.haLabel") + " " + "BY ASTM C680";
  }
  return state.lang.caption("HotLocalDlg.haLabel") + " " + setting("Hair") + " " +
         unitLabel(kQSurfaceCoef);
}

QString HotTexts::pipeLine(const char* sizeKey) const {
  const int pos = state.settings.integer(kSecHot, sizeKey);
  const QString name = pos >= 0 && pos < 40
                           ? state.params.PipeSize(state.settings.pipeType(), unit, pos + 1, 1)
                           : QString();
  return msg(4) + name + "(" + unitLabel(kQThickness) + ")";
}

QString HotTexts::thicknessLine(const char* key) const {
  return msg(6) + setting(key) + unitLabel(kQThickness);
}

QString HotTexts::flowLine() const {
  return msg(12) + setting("Tlen_Flow") + unitLabel(kQFlow);
}

QString HotTexts::priceLine() const {
  // Drawn charts have a defined price (an undefined one is refused).
  const Real price = EnergyUnitCost(state.settings.calcContext()).value_or(0);
  return msg(41) + " " + QString::fromStdString(ValueToStr(0, 3, price)) + " " +
         state.settings.text(kSecParams, "currency") + "/kWhr";
}

QString HotTexts::hoursLine() const {
  return msg(35) + " " + state.settings.text(kSecParams, "HourofDay") + " " + msg(36) + " x " +
         state.settings.text(kSecParams, "DayofYear") + " " + msg(37);
}

QString HotTexts::sizeFooter() const {
  return msg(4) + "(" + state.lang.UnitSystemName(unit) + ")";
}

QString HotTexts::axisFooter(int msgIndex, int unitCode) const {
  return msg(msgIndex) + "(" + unitLabel(unitCode) + ")";
}

QString HotTexts::costUnit() const {
  return state.settings.text(kSecParams, "currency") + "/" + unitLabel(kQLength) + msg(21);
}

std::vector<QString> HotTexts::sizeNames() const {
  std::vector<QString> names;
  for (int row = 1; row <= 40; ++row)
    names.push_back(state.params.PipeSize(state.settings.pipeType(), unit, row, 1));
  return names;
}

QString HotTexts::temperatureLabel(int msgIndex, Real value) const {
  return msg(msgIndex) + QString::fromStdString(ValueToStr(0, unit == kInchPound ? 0 : 1, value)) +
         unitLabel(kQTemperature);
}

}  // namespace qora::hot
