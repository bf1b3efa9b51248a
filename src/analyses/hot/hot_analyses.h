// The eight analyses of the hot-water screen, in the order of their selector buttons.
#pragma once

#include <vector>

#include "charts/analysis.h"

namespace qora {

const std::vector<AnalysisDef>& HotAnalyses();

}  // namespace qora
