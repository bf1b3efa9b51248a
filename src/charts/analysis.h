// An analysis of a chart screen, described once: its id and command-line name, the input
// panel it reads (section and keys), its compute, which validates the inputs exactly as
// the screen's change handler does and returns the chart values or a refusal, and its
// describe, which gives the texts the chart shows (heading, units, legend, reference
// lines, marks) from the same state. The screens, the printouts, the tables and the
// command-line tool all read this description.
#pragma once

#include <string>
#include <vector>

#include "charts/chart_data.h"
#include "charts/panel_desc.h"

namespace qora {

struct AppState;

struct ComputeResult {
  bool drawn = false;
  std::string refusal;  // which check failed, when not drawn
  ChartData data;
};

using ComputeFn = ComputeResult (*)(const AppState& state);
using DescribeFn = ChartWording (*)(const ChartData& data, const AppState& state);

struct AnalysisDef {
  AnalysisId id;
  const char* cliName;  // "chilled.kconst", "hot.heatloss", ...
  const PanelDesc* panel;
  ComputeFn compute;
  DescribeFn describe;
};

// Computes the analysis and, when it is drawn, describes its texts from the same state:
// the one way every caller gets a chart.
ComputeResult ComputeChart(const AnalysisDef& def, const AppState& state);

// What a compute returns: a refusal by name, or the chart values, refused after all when
// a value or axis cannot be shown (ChartRefusal).
ComputeResult Refused(std::string why);
ComputeResult Finished(ChartData data);

}  // namespace qora
