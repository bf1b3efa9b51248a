// Shared helpers of the printing tests: a program folder with brand pictures of known
// proportions, a language with readable texts, and a parser for recorded draw lists.
#pragma once

#include <QString>
#include <string>
#include <vector>

#include "charts/chart_data.h"
#include "model/app_state.h"
#include "test_support.h"

namespace qora::test {

// Writes the six brand pictures into home/QDTgraph as SVG rectangles whose natural sizes
// tell them apart: first brand 500x100, 20x100, 400x100; second brand 250x50, 10x50,
// 200x50. Solid colours (first brand green, second brand magenta) for probing renders.
void WriteBrandPictures(const TempHome& home);

// Program state with fixed language texts (every message a readable English text), one
// font face for every role, copper pipe sizes, RH, k and surface-temperature lists in SI.
AppState MakePrintState(const QString& appDir, int unitSystem = 2);

// One recorded primitive: its kind, the numbers that follow it, the quoted text (for
// text lines) and the whole line.
struct Prim {
  std::string kind;
  std::vector<double> nums;
  std::string text;
  std::string line;
};
std::vector<Prim> ParseLog(const std::string& log);
std::vector<Prim> OfKind(const std::vector<Prim>& prims, const std::string& kind);
// The first text primitive with exactly this text whose log line contains `with` (a
// colour, say); nullptr when absent.
const Prim* FindText(const std::vector<Prim>& prims, const std::string& text,
                     const std::string& with = "");

// Fixed chart values for each analysis: the multi-curve grid 2 + s + 0.5 i (series s,
// size i) over sizes 1..5 and series 1..5; single curves over 0..40 mm; with the axes and
// the texts the analysis gives them under `state`.
ChartData SampleChart(AnalysisId id, const AppState& state);

}  // namespace qora::test
