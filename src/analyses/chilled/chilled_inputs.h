// The inputs of the chilled-water analyses: the common checks of AnalysisInputs on the
// [CHILLED-WATER] settings, plus the k and relative-humidity lists, the typed and listed
// values that must be positive and the diameter of the chosen size.
#pragma once

#include <QString>
#include <array>

#include "charts/analysis_inputs.h"
#include "engine/real.h"

namespace qora::chilled {

class Inputs : public AnalysisInputs {
 public:
  explicit Inputs(const AppState& state);

  void requireTdbAboveTop() { require(tdb > top, "tdb-not-above-top"); }

  // A typed number that must be greater than 0.
  Real positive(KeyName key, const char* why);
  // The value of a list row that must be greater than 0.
  Real positiveEntry(const std::array<QString, 10>& list, int row, const char* why);

  const std::array<QString, 10>& kList() const;
  const std::array<QString, 10>& rhList() const;
  // Outside diameter of a single chosen size; refuses when it spans no radius.
  Real requireDiameter(int row);
};

}  // namespace qora::chilled
