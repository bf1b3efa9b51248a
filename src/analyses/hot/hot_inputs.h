// The inputs of the hot-water analyses: the common checks of AnalysisInputs on the
// [HOT-WATER] settings, plus the k and surface-temperature lists, boxes that take a list
// entry or a typed value, range order and the diameters of a size row.
#pragma once

#include <QString>
#include <array>

#include "charts/analysis_inputs.h"
#include "engine/real.h"

namespace qora::hot {

class InputCheck : public AnalysisInputs {
 public:
  explicit InputCheck(const AppState& state);

  // Keeps `why` as the refusal unless `cond` holds; unlike the common check it returns
  // whether no check has failed yet, which is what the range check hands on.
  bool require(bool cond, const char* why) {
    AnalysisInputs::require(cond, why);
    return ok();
  }

  // Room below the line: the six analyses other than the two constant-value charts.
  void requireRoomBelowLine() { require(tdb < top, "tdb-not-below-top"); }

  // The value of a box that takes a list entry or a typed value: the typed text when the
  // screen holds one, else the entry at the stored position (refusal `why` when none).
  Real listOrTyped(const std::array<QString, 10>& list, KeyName key, const char* why);
  // Both ends of a range, From <= To; refusal `orderWhy` otherwise.
  bool range(int from, int to, const char* orderWhy);

  const std::array<QString, 10>& kList() const;
  const std::array<QString, 10>& tsurfList() const;
  Real outsideDiameter(int row) const;
  Real insideDiameter(int row) const;
};

// Bare pipe's outside diameter must be a positive number to span a radius.
inline constexpr const char* kDiameterRefusal = "diameter-not-positive";

}  // namespace qora::hot
