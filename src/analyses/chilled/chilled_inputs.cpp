#include "analyses/chilled/chilled_inputs.h"

#include "engine/number_text.h"
#include "model/app_state.h"

namespace qora::chilled {

namespace {

Real Value(const QString& text) {
  return StrToValue(text.toStdString());
}

int FilledCount(const std::array<QString, 10>& list) {
  int n = 0;
  for (const QString& s : list) n += s.isEmpty() ? 0 : 1;
  return n;
}

}  // namespace

Inputs::Inputs(const AppState& s)
    : state(s),
      ctx(s.settings.calcContext()),
      unit(s.settings.unitSystem()),
      pipeType(s.settings.pipeType()) {}

bool Inputs::require(bool cond, const std::string& why) {
  if (!cond && refusal_.empty()) refusal_ = why;
  return cond;
}

void Inputs::requireConditions() {
  require(!text("Tdb").isEmpty(), "tdb-empty");
  require(!text("Top").isEmpty(), "top-empty");
  tdb = number("Tdb");
  top = number("Top");
  ha = number("Hair");
  if (state.settings.factorBy() != 2) require(ha > 0, "ha-not-positive");
}

QString Inputs::text(const char* key) const {
  return state.settings.text(kSecChilled, key);
}

Real Inputs::number(const char* key) const {
  return Value(text(key));
}

int Inputs::integer(const char* key) const {
  return state.settings.integer(kSecChilled, key);
}

Real Inputs::positive(const char* key, const char* why) {
  const Real v = number(key);
  require(v > 0, why);
  return v;
}

int Inputs::pipeRow(const char* key, const char* why) {
  const int pos = integer(key);
  const int filled = static_cast<int>(PipeSizeNames(state.params, pipeType, unit).size());
  const bool named = pos >= 0 && pos < filled && !pipeText(pos + 1, 1).isEmpty();
  return require(named, why) ? pos + 1 : 0;
}

int Inputs::listRow(const std::array<QString, 10>& list, const char* key, const std::string& why) {
  const int pos = integer(key);
  const bool named = pos >= 0 && pos < FilledCount(list) && !list[pos].isEmpty();
  return require(named, why) ? pos + 1 : 0;
}

Real Inputs::positiveEntry(const std::array<QString, 10>& list, int row, const char* why) {
  if (row < 1 || row > 10) return 0;
  const Real v = Value(list[row - 1]);
  require(v > 0, why);
  return v;
}

const std::array<QString, 10>& Inputs::kList() const {
  return state.params.kChilled[unit - 1];
}

const std::array<QString, 10>& Inputs::rhList() const {
  return state.params.rh;
}

QString Inputs::pipeText(int row, int col) const {
  if (row < 1 || row > 40) return {};
  return state.params.PipeSize(pipeType, unit, row, col);
}

Real Inputs::requireDiameter(int row) {
  if (row < 1) return 0;
  const Real d = Value(pipeText(row, 2));
  require(d > 0, "diameter-not-positive");
  return d;
}

}  // namespace qora::chilled
