#include "charts/analysis_inputs.h"

#include "engine/number_text.h"
#include "model/app_state.h"
#include "model/param_tables.h"

namespace qora {

namespace {

// A combo box holds the non-empty entries only: its position must be below their count.
int FilledCount(const std::array<QString, 10>& list) {
  int n = 0;
  for (const QString& s : list) n += s.isEmpty() ? 0 : 1;
  return n;
}

}  // namespace

AnalysisInputs::AnalysisInputs(const AppState& s, const char* section)
    : state(s),
      ctx(s.settings.calcContext()),
      unit(s.settings.unitSystem()),
      pipeType(s.settings.pipeType()),
      section_(section) {}

bool AnalysisInputs::require(bool cond, const std::string& why) {
  if (!cond && refusal_.empty()) refusal_ = why;
  return cond;
}

void AnalysisInputs::requireConditions() {
  require(!text("Tdb").isEmpty(), "tdb-empty");
  require(!text("Top").isEmpty(), "top-empty");
  tdb = number("Tdb");
  top = number("Top");
  ha = number("Hair");
  require(ctx.factorBy == 2 || ha > 0, "ha-not-positive");
}

QString AnalysisInputs::text(KeyName key) const {
  return state.settings.text(section_, key);
}

Real AnalysisInputs::number(KeyName key) const {
  return StrToValue(text(key).toStdString());
}

int AnalysisInputs::integer(KeyName key) const {
  return state.settings.integer(section_, key);
}

int AnalysisInputs::pipeRow(KeyName key, const char* why) {
  const int pos = integer(key);
  const int filled = static_cast<int>(PipeSizeNames(state.params, pipeType, unit).size());
  const bool named = pos >= 0 && pos < filled && !pipeText(pos + 1, 1).isEmpty();
  return require(named, why) ? pos + 1 : 0;
}

int AnalysisInputs::listRow(const std::array<QString, 10>& list, KeyName key,
                            const std::string& why) {
  const int pos = integer(key);
  const bool named = pos >= 0 && pos < FilledCount(list) && !list[pos].isEmpty();
  return require(named, why) ? pos + 1 : 0;
}

QString AnalysisInputs::pipeText(int row, int col) const {
  if (row < 1 || row > 40) return {};
  return state.params.PipeSize(pipeType, unit, row, col);
}

}  // namespace qora
