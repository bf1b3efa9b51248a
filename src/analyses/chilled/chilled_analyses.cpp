#include "analyses/chilled/chilled_analyses.h"

namespace qora {

const std::vector<AnalysisDef>& ChilledAnalyses() {
  static const std::vector<AnalysisDef> list = {};
  return list;
}

}  // namespace qora
