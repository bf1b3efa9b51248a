// What every analysis of a line screen provides: a pure compute that validates the inputs
// exactly as the screen's change handler does and returns the chart values or a refusal,
// and a draw that renders those values onto a Canvas at screen geometry and returns the
// pixel tables for the read-out point.
#pragma once

#include <string>
#include <vector>

#include "charts/chart_data.h"

namespace qora {

struct AppState;
class Canvas;
struct ChartLayout;

struct ComputeResult {
  bool drawn = false;
  std::string refusal;  // which check failed, when not drawn
  ChartData data;
};

using ComputeFn = ComputeResult (*)(const AppState& state);
using DrawFn = PixelTables (*)(const ChartData& data, const AppState& state, Canvas& canvas,
                               const ChartLayout& layout);

struct AnalysisDef {
  AnalysisId id;
  const char* cliName;  // "chilled.kconst", "hot.heatloss", ...
  ComputeFn compute;
  DrawFn draw;
};

}  // namespace qora
