#include "charts/analysis.h"

#include "charts/axis_rules.h"

namespace qora {

ComputeResult ComputeChart(const AnalysisDef& def, const AppState& state) {
  ComputeResult r = def.compute(state);
  if (r.drawn) r.data.wording = def.describe(r.data, state);
  return r;
}

ComputeResult Refused(std::string why) {
  ComputeResult result;
  result.refusal = std::move(why);
  return result;
}

ComputeResult Finished(ChartData data) {
  if (std::string why = ChartRefusal(data); !why.empty()) return Refused(why);
  ComputeResult result;
  result.drawn = true;
  result.data = std::move(data);
  return result;
}

}  // namespace qora
