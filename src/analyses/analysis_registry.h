// Every analysis of the chart screens, found by id or by command-line name.
#pragma once

#include <string_view>
#include <vector>

#include "charts/analysis.h"

namespace qora {

// The chilled-water analyses, then the hot-water ones, then the R-value charts, each in
// selector order.
const std::vector<const AnalysisDef*>& AllAnalyses();
const AnalysisDef* FindAnalysis(AnalysisId id);
const AnalysisDef* FindAnalysis(std::string_view cliName);

}  // namespace qora
