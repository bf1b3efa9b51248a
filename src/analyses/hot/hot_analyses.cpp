#include "analyses/hot/hot_analyses.h"

#include "analyses/hot/hot_compute.h"
#include "analyses/hot/hot_draw.h"

namespace qora {

const std::vector<AnalysisDef>& HotAnalyses() {
  static const std::vector<AnalysisDef> list = {
      {AnalysisId::HotKConst, "hot.kconst", hot::ComputeKConst, hot::DrawKConst},
      {AnalysisId::HotTConst, "hot.tconst", hot::ComputeTConst, hot::DrawTConst},
      {AnalysisId::HotTsurf, "hot.tsurf", hot::ComputeTsurf, hot::DrawTsurf},
      {AnalysisId::HotTline, "hot.tline", hot::ComputeTline, hot::DrawTline},
      {AnalysisId::HotTtime, "hot.ttime", hot::ComputeTtime, hot::DrawTtime},
      {AnalysisId::HotHeatLoss, "hot.heatloss", hot::ComputeHeatLoss, hot::DrawHeatLoss},
      {AnalysisId::HotHeatLossCost, "hot.heatlosscost", hot::ComputeHeatLossCost,
       hot::DrawHeatLossCost},
      {AnalysisId::HotOverall, "hot.overall", hot::ComputeOverall, hot::DrawOverall},
  };
  return list;
}

}  // namespace qora
