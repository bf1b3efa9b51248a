// Helpers of the analysis tests of both line screens: a program state with small, fixed
// tables (independent of the shipped data files), settings by "SECTION.Key", the draw list
// of an analysis at a screen width, and lookup of an analysis by name.
#pragma once

#include <string>
#include <vector>

#include "charts/analysis.h"
#include "model/app_state.h"

namespace qora::test {

// Unit system `unit`, iron pipe, FactorBy 1. Pipe sizes (rows 1..14 of every unit system):
// DN15 .. DN300 with their outside and inside diameters in mm (SI and metric-kcal) and the
// same pipes in inches (inch-pound, names 1/2 .. 12). RH list 50, 55, .. 95. Chilled k
// list rows 0.030, 0.035, 0.040 W/(m·K) and their inch-pound and kcal equivalents; hot k
// and surface-temperature lists likewise. Installed costs of row c: 10·c + 5·n for the
// stocked thickness n = 1..15. Message texts "M<i> " and the built-in captions and units.
AppState FixedState(int unit);

// Sets a key as the command-line tool's --set does: "SECTION.Key", text or integer.
void Set(AppState& state, const std::string& name, const std::string& value);

const AnalysisDef& FindAnalysis(const std::vector<AnalysisDef>& list, const std::string& cli);

// Computes and, when drawn, draws on a FixedMetricsCanvas of the chart area of a screen of
// that width (height 3/4 of it); the log, or "refused: <why>".
std::string DrawList(const AnalysisDef& def, const AppState& state, int screenWidth);

}  // namespace qora::test
