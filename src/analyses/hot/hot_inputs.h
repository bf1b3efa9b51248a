// The inputs of the hot-water analyses as the screen's change handlers read and check them:
// the local conditions (Tdb, Top, ha), list positions of the panel combo boxes and typed
// numbers. The first failed check names the refusal; later checks keep it.
#pragma once

#include <QString>
#include <array>
#include <string>

#include "engine/calc_context.h"
#include "engine/real.h"

namespace qora {

struct AppState;

namespace hot {

class InputCheck {
 public:
  explicit InputCheck(const AppState& state);

  bool ok() const { return refusal_.empty(); }
  const std::string& refusal() const { return refusal_; }
  // Keeps `why` as the refusal unless `cond` holds (only the first failure counts).
  bool require(bool cond, const char* why);

  // Checks of every hot handler: Tdb and Top typed, ha > 0 unless calculated (FactorBy 2).
  void requireConditions();
  // Room below the line: the six analyses other than the two constant-value charts.
  void requireRoomBelowLine() { require(tdb < top, "tdb-not-below-top"); }

  QString text(const char* key) const;
  Real number(const char* key) const;  // a text key of the hot section, StrToValue
  int integer(const char* key) const;

  // 1-based row named by a combo-box key (position i -> row i + 1); 0 and the refusal
  // `why` when the position names no entry of the filled list.
  int pipeRow(const char* key, const char* why);
  int listRow(const std::array<QString, 10>& list, const char* key, const char* why);
  // The value of a box that takes a list entry or a typed value: the typed text when the
  // screen holds one, else the entry at the stored position (refusal `why` when none).
  Real listOrTyped(const std::array<QString, 10>& list, const char* key, const char* why);
  // Both ends of a range, From <= To; refusal `orderWhy` otherwise.
  bool range(int from, int to, const char* orderWhy);

  const std::array<QString, 10>& kList() const;
  const std::array<QString, 10>& tsurfList() const;
  QString pipeText(int row, int col) const;  // col 1 name, 2 outside, 3 inside diameter
  Real outsideDiameter(int row) const;
  Real insideDiameter(int row) const;

  const AppState& state;
  CalcContext ctx;
  int unit = 1;
  int pipeType = 1;
  Real tdb = 0, top = 0, ha = 0;

 private:
  std::string refusal_;
};

// Bare pipe's outside diameter must be a positive number to span a radius.
inline constexpr const char* kDiameterRefusal = "diameter-not-positive";

}  // namespace hot
}  // namespace qora
