// The values of the R-value charts from the insulation-size tables. Lengths are in the
// thickness unit (in. or mm); R comes out in hr.sqft.°F/Btu (in / (Btu·in/hr·sqft·°F)) or,
// with millimetres divided by 1000, in m²·°C/W or m²·h·°C/kcal.
#include <algorithm>
#include <cmath>

#include "analyses/rvalue/rvalue_analyses.h"
#include "analyses/rvalue/rvalue_parts.h"
#include "charts/axis_rules.h"
#include "engine/number_text.h"
#include "engine/thickness.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora::rvalue {

namespace {

Real Number(const QString& text) {
  return StrToValue(text.toStdString());
}

// Millimetres per metre in the metric systems; inch-pound lengths stay in inches.
Real LengthScale(int unit) {
  return unit == kInchPound ? 1 : 1000;
}

struct Range {
  int from = 0, to = 0;  // 1-based rows, 0 when refused
};

// The rows the From and To positions name in a list of `filled` entries: a position that
// names no entry, or From after To, is refused.
Range RowRange(const AppState& s, const char* fromKey, const char* toKey, int filled,
               const char* missing, const char* order, std::string& refusal) {
  const int from = s.settings.integer(kSecRValue, KeyName::runtime(fromKey));
  const int to = s.settings.integer(kSecRValue, KeyName::runtime(toKey));
  const auto named = [&](int pos) { return pos >= 0 && pos < filled; };
  if (!refusal.empty()) return {};
  if (!named(from) || !named(to)) {
    refusal = missing;
    return {};
  }
  if (from > to) {
    refusal = order;
    return {};
  }
  return {from + 1, to + 1};
}

enum class Chart { RAtK, ThicknessAtR };

ComputeResult Compute(const AppState& s, Chart chart) {
  const bool rAtK = chart == Chart::RAtK;
  const int u = s.settings.unitSystem();
  if (u < kInchPound || u > kMetricKcal) return Refused("unit-system");
  const RValueTables t(s, u);
  KInput k = CurrentK(s);
  std::string refusal = k.refusal;
  const Range tubes =
      RowRange(s, "IDFrom", "IDTo", t.filledTubes(), "tube-not-selected", "tube-order", refusal);
  const Range rows = rAtK ? RowRange(s, "ThFrom", "ThTo", t.filledSheets(),
                                     "thickness-not-selected", "thickness-order", refusal)
                          : RowRange(s, "RvalueFrom", "RvalueTo", t.filledRValues(),
                                     "rvalue-not-selected", "rvalue-order", refusal);
  if (!refusal.empty()) return Refused(refusal);

  ChartData d;
  d.analysis = rAtK ? AnalysisId::RValueKConst : AnalysisId::RValueRConst;
  d.unitSystem = u;
  d.k = k.k;
  d.sizeFrom = tubes.from;
  d.sizeTo = tubes.to;
  d.curveFrom = rows.from;
  d.curveTo = rows.to;
  const Real scale = LengthScale(u);
  const CalcContext ctx = s.settings.calcContext();

  // The flat sheet of each row: R = t / k, or t = R · k.
  const int rowCount = rAtK ? 12 : 10;
  for (int r = 1; r <= rowCount; ++r) {
    if (rAtK && !t.sheetLabel(r).isEmpty()) {
      d.rowValues[r - 1] = Number(t.sheetValue(r)) / k.k / scale;
    } else if (!rAtK && !t.rValueLabel(r).isEmpty()) {
      d.rowValues[r - 1] = Number(t.rValueValue(r)) * k.k * scale;
    }
  }

  Real largest = 0;
  for (int r = rows.from; r <= rows.to; ++r) {
    const bool rowNamed = rAtK ? !t.sheetLabel(r).isEmpty() : !t.rValueLabel(r).isEmpty();
    for (int c = tubes.from; c <= tubes.to; ++c) {
      if (!rowNamed || t.tubeLabel(c).isEmpty()) continue;  // no entry: stays 0
      const Real r1 = Number(t.tubeInside(c)) * 0.5L;
      Real value = 0;
      if (rAtK) {
        // R = r2 · ln(r2 / r1) / k: the wall's resistance referred to its outer surface.
        // A wall of no thickness (an empty entry) or no bore has none.
        const Real r2 = r1 + Number(t.actualThickness(r, c));
        if (r1 > 0 && r2 > r1) value = r2 * std::log(r2 / r1) / k.k / scale;
      } else {
        // The outer radius whose r2 · ln(r2 / r1) equals the flat thickness R · k.
        const Real x = Number(t.rValueValue(r)) * k.k * scale;
        const Real r2 = r1 > 0 ? SolveOuterRadius(ctx, x, r1) : 0;
        if (r2 > r1) value = r2 - r1;
        d.notAchievable[r - 1][c - 1] = r1 > 0 && x > 0 && !(r2 > r1);
      }
      d.chartResults[r - 1][c - 1] = value;
      largest = std::max(largest, value);
    }
  }
  d.xAxis = {Real(tubes.from), Real(tubes.to), 1};
  // A chart of zeros only (no tube of the range has a wall) still gets a round axis.
  d.yAxis = NiceAxis(0, largest > 0 ? 1.1L * largest : 1);
  return Finished(std::move(d));
}

}  // namespace

ComputeResult ComputeRAtK(const AppState& state) {
  return Compute(state, Chart::RAtK);
}

ComputeResult ComputeThicknessAtR(const AppState& state) {
  return Compute(state, Chart::ThicknessAtR);
}

}  // namespace qora::rvalue
