#include "analyses/hot/hot_inputs.h"

#include "engine/number_text.h"
#include "model/app_state.h"
#include "model/param_tables.h"

namespace qora::hot {

namespace {

int FilledCount(const std::array<QString, 10>& list) {
  int n = 0;
  for (const QString& s : list) n += s.isEmpty() ? 0 : 1;
  return n;
}

}  // namespace

InputCheck::InputCheck(const AppState& s)
    : state(s),
      ctx(s.settings.calcContext()),
      unit(s.settings.unitSystem()),
      pipeType(s.settings.pipeType()) {}

bool InputCheck::require(bool cond, const char* why) {
  if (ok() && !cond) refusal_ = why;
  return ok();
}

void InputCheck::requireConditions() {
  const QString tdbText = text("Tdb");
  const QString topText = text("Top");
  tdb = StrToValue(tdbText.toStdString());
  top = StrToValue(topText.toStdString());
  ha = number("Hair");
  require(!tdbText.isEmpty(), "tdb-empty");
  require(!topText.isEmpty(), "top-empty");
  require(ctx.factorBy == 2 || ha > 0, "ha-not-positive");
}

QString InputCheck::text(const char* key) const {
  return state.settings.text(kSecHot, key);
}

Real InputCheck::number(const char* key) const {
  return StrToValue(text(key).toStdString());
}

int InputCheck::integer(const char* key) const {
  return state.settings.integer(kSecHot, key);
}

int InputCheck::pipeRow(const char* key, const char* why) {
  const int pos = integer(key);
  // A combo box holds the non-empty names only: its position must be below their count.
  const int filled = static_cast<int>(PipeSizeNames(state.params, pipeType, unit).size());
  const bool named = pos >= 0 && pos < filled && !pipeText(pos + 1, 1).isEmpty();
  require(named, why);
  return named ? pos + 1 : 0;
}

int InputCheck::listRow(const std::array<QString, 10>& list, const char* key, const char* why) {
  const int pos = integer(key);
  const bool named = pos >= 0 && pos < FilledCount(list) && !list[pos].isEmpty();
  require(named, why);
  return named ? pos + 1 : 0;
}

Real InputCheck::listOrTyped(const std::array<QString, 10>& list, const char* key,
                             const char* why) {
  const QString typed = state.settings.text(kSecHot, std::string(key) + kTypedKeySuffix);
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

QString InputCheck::pipeText(int row, int col) const {
  return state.params.PipeSize(pipeType, unit, row, col);
}

Real InputCheck::outsideDiameter(int row) const {
  return StrToValue(pipeText(row, 2).toStdString());
}

Real InputCheck::insideDiameter(int row) const {
  return StrToValue(pipeText(row, 3).toStdString());
}

}  // namespace qora::hot
