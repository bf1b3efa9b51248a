#include "analyses/chilled/chilled_analyses.h"

#include "analyses/chilled/chilled_parts.h"

namespace qora {

const std::vector<AnalysisDef>& ChilledAnalyses() {
  static const std::vector<AnalysisDef> list = {
      chilled::KConstAnalysis(),     chilled::RHConstAnalysis(), chilled::TsurfAnalysis(),
      chilled::TlineAnalysis(),      chilled::TtimeAnalysis(),   chilled::EnergyAnalysis(),
      chilled::EnergyCostAnalysis(), chilled::OverallAnalysis(),
  };
  return list;
}

}  // namespace qora
