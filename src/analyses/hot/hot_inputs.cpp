#include "analyses/hot/hot_inputs.h"

#include "engine/number_text.h"
#include "model/app_state.h"

namespace qora::hot {

InputCheck::InputCheck(const AppState& s) : AnalysisInputs(s, kSecHot) {}

Real InputCheck::listOrTyped(const std::array<QString, 10>& list, KeyName key, const char* why) {
  const QString typed =
      state.settings.text(kSecHot, KeyName::runtime(std::string(key.view()) + kTypedKeySuffix));
  if (!typed.isEmpty()) return StrToValue(typed.toStdString());
  const int row = listRow(list, key, why);
  return row ? StrToValue(list[row - 1].toStdString()) : 0;
}

bool InputCheck::range(int from, int to, const char* orderWhy) {
  // An unnamed end has already refused; only the order is left to check.
  if (from == 0 || to == 0) return false;
  return require(from <= to, orderWhy);
}

const std::array<QString, 10>& InputCheck::kList() const {
  return state.params.kHot[unit - 1];
}

const std::array<QString, 10>& InputCheck::tsurfList() const {
  return state.params.tsurf[unit - 1];
}

Real InputCheck::outsideDiameter(int row) const {
  return StrToValue(pipeText(row, 2).toStdString());
}

Real InputCheck::insideDiameter(int row) const {
  return StrToValue(pipeText(row, 3).toStdString());
}

}  // namespace qora::hot
