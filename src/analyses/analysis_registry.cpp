#include "analyses/analysis_registry.h"

#include "analyses/chilled/chilled_analyses.h"
#include "analyses/hot/hot_analyses.h"
#include "analyses/rvalue/rvalue_analyses.h"

namespace qora {

const std::vector<const AnalysisDef*>& AllAnalyses() {
  static const std::vector<const AnalysisDef*> all = [] {
    std::vector<const AnalysisDef*> list;
    for (const auto* family : {&ChilledAnalyses(), &HotAnalyses(), &RValueAnalyses()}) {
      for (const AnalysisDef& def : *family) list.push_back(&def);
    }
    return list;
  }();
  return all;
}

const AnalysisDef* FindAnalysis(AnalysisId id) {
  for (const AnalysisDef* def : AllAnalyses()) {
    if (def->id == id) return def;
  }
  return nullptr;
}

const AnalysisDef* FindAnalysis(std::string_view cliName) {
  for (const AnalysisDef* def : AllAnalyses()) {
    if (cliName == def->cliName) return def;
  }
  return nullptr;
}

}  // namespace qora
