#include "charts/analysis.h"

namespace qora {

ComputeResult ComputeChart(const AnalysisDef& def, const AppState& state) {
  ComputeResult r = def.compute(state);
  if (r.drawn) r.data.spec = def.describe(r.data, state);
  return r;
}

}  // namespace qora
