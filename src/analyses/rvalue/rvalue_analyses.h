// The two charts of the R-value screen, described like the line-screen analyses: the R of
// every standard insulation tube at one k (one curve per nominal thickness), and the wall
// thickness each tube needs for an R-value (one curve per R-value). The k comes from the
// R-value dialog: typed, or from a mean temperature as the dialog shows it.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "charts/analysis.h"
#include "engine/real.h"

namespace qora {

// R at constant k, then thickness at constant R (the order of the dialog's buttons).
const std::vector<AnalysisDef>& RValueAnalyses();

namespace rvalue {

// The largest k the dialog accepts typed: 40 in inch-pound, 250 in the metric systems.
Real LargestTypedK(int unitSystem);

// k at the typed mean temperature with 4 decimals, as the dialog shows it (an empty mean
// temperature reads as 0 degrees).
QString MeanTemperatureKText(const AppState& state);

// The k the charts use and why it is refused (empty when valid): with the mean-temperature
// choice the number the dialog shows ("tmean-empty" while the temperature is empty,
// "k-not-positive" when it rounds to 0 or less), else the typed k ("k-not-positive",
// "k-too-large").
struct KInput {
  Real k = 0;
  std::string refusal;
};
KInput CurrentK(const AppState& state);

}  // namespace rvalue
}  // namespace qora
