// The eight analyses of the chilled-water screen, in the order of their selector buttons.
#pragma once

#include <vector>

#include "charts/analysis.h"

namespace qora {

const std::vector<AnalysisDef>& ChilledAnalyses();

}  // namespace qora
