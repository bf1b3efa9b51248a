// The inputs of an analysis as the screen's change handlers read and check them: the local
// conditions (Tdb, Top, ha) and the panel's list positions and typed texts from one settings
// section ([CHILLED-WATER] or [HOT-WATER]), against the pipe sizes of the current pipe type and
// unit system. The first failed check names the refusal; later checks keep it.
#pragma once

#include <QString>
#include <array>
#include <string>

#include "engine/calc_context.h"
#include "engine/real.h"
#include "model/settings_keys.h"

namespace qora {

struct AppState;

class AnalysisInputs {
 public:
  // `section` names a settings section and must outlive the checker (kSecChilled, kSecHot).
  AnalysisInputs(const AppState& state, const char* section);

  bool ok() const { return refusal_.empty(); }
  const std::string& refusal() const { return refusal_; }
  // Keeps `why` as the refusal unless `cond` holds (only the first failure counts); returns
  // cond.
  bool require(bool cond, const std::string& why);

  // Every handler: Tdb and Top typed, ha > 0 unless it is calculated (FactorBy 2).
  void requireConditions();

  QString text(KeyName key) const;  // a text key of the section
  Real number(KeyName key) const;   // the same read with StrToValue
  int integer(KeyName key) const;

  // 1-based row selected by a combo key (position i names row i + 1); 0 with the refusal
  // `why` when the position names no entry of the filled list.
  int pipeRow(KeyName key, const char* why);
  int listRow(const std::array<QString, 10>& list, KeyName key, const std::string& why);
  // col 1 name, 2 outside, 3 inside diameter; empty for a row outside the 40 of the table.
  QString pipeText(int row, int col) const;

  const AppState& state;
  CalcContext ctx;
  int unit = 1;
  int pipeType = 1;
  Real tdb = 0, top = 0, ha = 0;

 private:
  const char* section_;
  std::string refusal_;
};

}  // namespace qora
