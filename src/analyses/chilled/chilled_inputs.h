// The inputs of the chilled-water analyses as the screen's change handlers read and check
// them: the local conditions (Tdb, Top, ha) and the panel's list positions and typed texts
// from the [CHILLED-WATER] settings, the lists of the current pipe type and unit system.
// The first failed check names the refusal; later checks keep it.
#pragma once

#include <QString>
#include <array>
#include <string>

#include "engine/calc_context.h"
#include "engine/real.h"

namespace qora {

struct AppState;

namespace chilled {

class Inputs {
 public:
  explicit Inputs(const AppState& state);

  bool ok() const { return refusal_.empty(); }
  const std::string& refusal() const { return refusal_; }
  // Keeps `why` as the refusal unless `cond` holds; returns cond.
  bool require(bool cond, const std::string& why);

  // Every handler: Tdb and Top typed, ha > 0 unless it is calculated (FactorBy 2).
  void requireConditions();
  void requireTdbAboveTop() { require(tdb > top, "tdb-not-above-top"); }

  QString text(const char* key) const;  // a text key of the chilled section
  Real number(const char* key) const;   // the same read with StrToValue
  int integer(const char* key) const;
  // A typed number that must be greater than 0.
  Real positive(const char* key, const char* why);

  // 1-based row selected by a combo key (position i names row i + 1); 0 with the refusal
  // `why` when the position names no entry of the filled list.
  int pipeRow(const char* key, const char* why);
  int listRow(const std::array<QString, 10>& list, const char* key, const std::string& why);
  // The value of a list row that must be greater than 0.
  Real positiveEntry(const std::array<QString, 10>& list, int row, const char* why);

  const std::array<QString, 10>& kList() const;
  const std::array<QString, 10>& rhList() const;
  QString pipeText(int row, int col) const;  // col 1 name, 2 outside, 3 inside diameter
  // Outside diameter of a single chosen size; refuses when it spans no radius.
  Real requireDiameter(int row);

  const AppState& state;
  CalcContext ctx;
  int unit = 1;
  int pipeType = 1;
  Real tdb = 0, top = 0, ha = 0;

 private:
  std::string refusal_;
};

}  // namespace chilled
}  // namespace qora
