// The eight chilled-water analyses, one definition each, gathered by ChilledAnalyses().
#pragma once

#include "charts/analysis.h"

namespace qora::chilled {

AnalysisDef KConstAnalysis();
AnalysisDef RHConstAnalysis();
AnalysisDef TsurfAnalysis();
AnalysisDef TlineAnalysis();
AnalysisDef TtimeAnalysis();
AnalysisDef EnergyAnalysis();
AnalysisDef EnergyCostAnalysis();
AnalysisDef OverallAnalysis();

}  // namespace qora::chilled
