#include "analyses/hot/hot_analyses.h"

namespace qora {

const std::vector<AnalysisDef>& HotAnalyses() {
  static const std::vector<AnalysisDef> list = {};
  return list;
}

}  // namespace qora
