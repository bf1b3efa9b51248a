#include "analyses/chilled/chilled_inputs.h"

#include "engine/number_text.h"
#include "model/app_state.h"

namespace qora::chilled {

namespace {

Real Value(const QString& text) {
  return StrToValue(text.toStdString());
}

}  // namespace

Inputs::Inputs(const AppState& s) : AnalysisInputs(s, kSecChilled) {}

Real Inputs::positive(KeyName key, const char* why) {
  const Real v = number(key);
  require(v > 0, why);
  return v;
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

Real Inputs::requireDiameter(int row) {
  if (row < 1) return 0;
  const Real d = Value(pipeText(row, 2));
  require(d > 0, "diameter-not-positive");
  return d;
}

}  // namespace qora::chilled
