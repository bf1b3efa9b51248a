#include "analyses/hot/hot_analyses.h"

#include "analyses/hot/hot_compute.h"
#include "analyses/hot/hot_describe.h"

namespace qora {

const std::vector<AnalysisDef>& HotAnalyses() {
  using namespace hot;
  static const std::vector<AnalysisDef> list = {
      {AnalysisId::HotKConst, "hot.kconst", &Panel(1), ComputeKConst, DescribeKConst},
      {AnalysisId::HotTConst, "hot.tconst", &Panel(2), ComputeTConst, DescribeTConst},
      {AnalysisId::HotTsurf, "hot.tsurf", &Panel(3), ComputeTsurf, DescribeTsurf},
      {AnalysisId::HotTline, "hot.tline", &Panel(4), ComputeTline, DescribeTline},
      {AnalysisId::HotTtime, "hot.ttime", &Panel(5), ComputeTtime, DescribeTtime},
      {AnalysisId::HotHeatLoss, "hot.heatloss", &Panel(6), ComputeHeatLoss, DescribeHeatLoss},
      {AnalysisId::HotHeatLossCost, "hot.heatlosscost", &Panel(7), ComputeHeatLossCost,
       DescribeHeatLossCost},
      {AnalysisId::HotOverall, "hot.overall", &Panel(8), ComputeOverall, DescribeOverall},
  };
  return list;
}

}  // namespace qora
