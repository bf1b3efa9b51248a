// The three temperature charts of one insulated pipe: the surface temperature over the
// insulation thickness, the water temperature along the line and of standing water over
// time. Each is one curve of 41 points between red reference lines at Tdb and Top.
#include <algorithm>

#include "analyses/chilled/chilled_common.h"
#include "analyses/chilled/chilled_inputs.h"
#include "analyses/chilled/chilled_parts.h"
#include "charts/chart_drawers.h"
#include "engine/line_temperature.h"
#include "engine/number_text.h"
#include "engine/psychro.h"
#include "engine/surface.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora::chilled {

namespace {

// The track bar runs from 1 to 48 hours; a stored position beyond it shows as 48.
constexpr int kMaxHours = 48;

ComputeResult Done(ChartData d) {
  if (std::string why = ChartRefusal(d); !why.empty()) return {false, why, {}};
  return {true, {}, std::move(d)};
}

ComputeResult ComputeTsurf(const AppState& state) {
  Inputs in(state);
  in.requireConditions();
  in.requireTdbAboveTop();
  const int row = in.pipeRow("Tsurface_PpSz", "size-not-selected");
  const int rhRow = in.listRow(in.rhList(), "Tsurface_RH", "rh-not-selected");
  const Real rh = in.positiveEntry(in.rhList(), rhRow, "rh-not-positive");
  const int kRow = in.listRow(in.kList(), "Tsurface_k", "k-not-selected");
  const Real k = in.positiveEntry(in.kList(), kRow, "k-not-positive");
  const Real tMax = in.positive("Tsurface_Thc", "thickness-not-positive");
  const Real d = in.requireDiameter(row);
  if (!in.ok()) return {false, in.refusal(), {}};
  const Real tDew = DewPoint(in.ctx, in.tdb, rh);
  if (tDew == kNotFound) return {false, "dew-point-not-found", {}};

  ChartData c;
  c.analysis = AnalysisId::ChilledTsurf;
  c.unitSystem = in.unit;
  c.chartDewPoint = tDew;
  const Real r1 = d / 2;
  const Real h = SurfaceCoef(in.ctx, in.ha, d, tDew, in.tdb);  // once, at the dew point
  const Real step = tMax / 40;
  c.curveX[0] = 0;
  c.curveY[0] = in.top;
  Real t = 0;
  for (int n = 1; n <= 40; ++n) {
    t += step;
    const Real leq = EquivalentThickness(r1, r1 + t);
    c.curveX[n] = t;
    c.curveY[n] = SurfaceTemperature(in.ctx, leq, h, in.tdb, k, in.top);
  }
  c.xAxis = ExactAxis(tMax);
  c.yAxis = TemperatureAxis(in.tdb, in.top);
  return Done(c);
}

// The coefficient at the insulated surface and the equivalent thickness of the line and
// time charts.
struct LineCoefs {
  Real leq = 0, h = 0, r2 = 0;
};
LineCoefs Coefs(const Inputs& in, Real d, Real thickness, Real k) {
  LineCoefs c;
  c.r2 = d / 2 + thickness;
  c.leq = EquivalentThickness(d / 2, c.r2);
  c.h = RefinedCoef(in.ctx, in.ha, d, c.leq, in.tdb, k, in.top);
  return c;
}

ComputeResult ComputeTline(const AppState& state) {
  Inputs in(state);
  in.requireConditions();
  in.requireTdbAboveTop();
  const int row = in.pipeRow("Tlen_PpSz", "size-not-selected");
  const int kRow = in.listRow(in.kList(), "Tlen_k", "k-not-selected");
  const Real k = in.positiveEntry(in.kList(), kRow, "k-not-positive");
  const Real thickness = in.positive("Tlen_Thc", "thickness-not-positive");
  const Real length = in.positive("Tlen_Length", "length-not-positive");
  const Real flow = in.positive("Tlen_Flow", "flow-not-positive");
  const Real d = in.requireDiameter(row);
  if (!in.ok()) return {false, in.refusal(), {}};

  ChartData c;
  c.analysis = AnalysisId::ChilledTline;
  c.unitSystem = in.unit;
  const LineCoefs lc = Coefs(in, d, thickness, k);
  const Real step = length / 40;
  c.curveX[0] = 0;
  c.curveY[0] = in.top;
  Real x = 0;
  for (int n = 1; n <= 40; ++n) {
    // Every point from the inlet, over the insulated length x.
    x += step;
    const Real area = PipeSurfaceArea(in.ctx, lc.r2, x);
    c.curveX[n] = x;
    c.curveY[n] = OutletTemperature(in.ctx, lc.leq, lc.h, in.tdb, k, in.top, area, flow);
  }
  c.xAxis = ExactAxis(length);
  c.yAxis = TemperatureAxis(in.tdb, in.top);
  return Done(c);
}

ComputeResult ComputeTtime(const AppState& state) {
  Inputs in(state);
  in.requireConditions();
  in.requireTdbAboveTop();
  const int row = in.pipeRow("Ttime_PpSz", "size-not-selected");
  const int hours = std::min(in.integer("TtimeHr"), kMaxHours);
  in.require(hours >= 1, "hours-not-positive");
  const int kRow = in.listRow(in.kList(), "Ttime_k", "k-not-selected");
  const Real k = in.positiveEntry(in.kList(), kRow, "k-not-positive");
  const Real thickness = in.positive("Ttime_Thc", "thickness-not-positive");
  const Real d = in.requireDiameter(row);
  if (!in.ok()) return {false, in.refusal(), {}};

  ChartData c;
  c.analysis = AnalysisId::ChilledTtime;
  c.unitSystem = in.unit;
  const LineCoefs lc = Coefs(in, d, thickness, k);
  const Real rInner = StrToValue(in.pipeText(row, 3).toStdString()) / 2;
  const Real step = static_cast<Real>(hours) / 40;
  Real t = 0;
  for (int n = 0; n <= 40; ++n) {
    c.curveX[n] = t;
    c.curveY[n] = TemperatureAfterTime(in.ctx, lc.leq, lc.h, in.tdb, k, in.top, lc.r2, rInner, t);
    t += step;
  }
  c.xAxis = ExactAxis(hours);
  c.yAxis = TemperatureAxis(in.tdb, in.top);
  return Done(c);
}

// --- drawing ---

QString ListText(const std::array<QString, 10>& list, int pos) {
  return pos >= 0 && pos < 10 ? list[pos] : QString();
}

Real Setting(const AppState& s, const char* key) {
  return StrToValue(s.settings.text(kSecChilled, key).toStdString());
}

std::vector<ReferenceLine> TdbTopLines(const HeadingTexts& t, const AppState& s) {
  return {{Setting(s, "Tdb"), t.temperatureLabel(2, Setting(s, "Tdb")), LabelSide::Above},
          {Setting(s, "Top"), t.temperatureLabel(3, Setting(s, "Top")), LabelSide::Below}};
}

CurveChartOptions TemperatureSpec(const HeadingTexts& t, const AppState& s, int xDecimals) {
  CurveChartOptions options;
  options.xDecimals = xDecimals;
  options.yDecimals = 1;
  options.yUnit = t.unitLabel(kQTemperature);
  options.references = TdbTopLines(t, s);
  return options;
}

QString KText(const AppState& s, int unit, const char* key) {
  return ListText(s.params.kChilled[unit - 1], s.settings.integer(kSecChilled, key));
}

PixelTables DrawTsurf(const ChartData& d, const AppState& s, Canvas& canvas,
                      const ChartLayout& layout) {
  const HeadingTexts t{s, d.unitSystem};
  const QString rh = ListText(s.params.rh, s.settings.integer(kSecChilled, "Tsurface_RH"));
  BeginChart(canvas, layout, s, t.msg(7),
             {{1, 0, t.pipeLine(s.settings.integer(kSecChilled, "Tsurface_PpSz") + 1)},
              {2, 0, t.tdbLine()},
              {2, 1, t.topLine()},
              {3, 0, t.rhLine(rh)},
              {3, 1, t.kLine(KText(s, d.unitSystem, "Tsurface_k"))},
              {4, 1, t.haLine()}},
             t.axisFooter(6, kQThickness));
  CurveChartOptions options = TemperatureSpec(t, s, d.unitSystem == kInchPound ? 1 : 0);
  options.references.insert(
      options.references.begin() + 1,
      {d.chartDewPoint, t.temperatureLabel(15, d.chartDewPoint), LabelSide::Below});
  return DrawCurveChart(canvas, layout, s.lang, d, options);
}

PixelTables DrawTline(const ChartData& d, const AppState& s, Canvas& canvas,
                      const ChartLayout& layout) {
  const HeadingTexts t{s, d.unitSystem};
  BeginChart(canvas, layout, s, t.msg(11),
             {{1, 0, t.pipeLine(s.settings.integer(kSecChilled, "Tlen_PpSz") + 1)},
              {1, 1, t.msg(12) + t.setting("Tlen_Flow") + t.unitLabel(kQFlow)},
              {2, 0, t.tdbLine()},
              {2, 1, t.topLine()},
              {3, 0, t.thicknessLine("Tlen_Thc")},
              {3, 1, t.kLine(KText(s, d.unitSystem, "Tlen_k"))},
              {4, 1, t.haLine()}},
             t.axisFooter(14, kQLength));
  return DrawCurveChart(canvas, layout, s.lang, d, TemperatureSpec(t, s, 0));
}

PixelTables DrawTtime(const ChartData& d, const AppState& s, Canvas& canvas,
                      const ChartLayout& layout) {
  const HeadingTexts t{s, d.unitSystem};
  BeginChart(canvas, layout, s, t.msg(16),
             {{1, 0, t.pipeLine(s.settings.integer(kSecChilled, "Ttime_PpSz") + 1)},
              {2, 0, t.tdbLine()},
              {2, 1, t.topLine()},
              {3, 0, t.thicknessLine("Ttime_Thc")},
              {3, 1, t.kLine(KText(s, d.unitSystem, "Ttime_k"))},
              {4, 1, t.haLine()}},
             t.axisFooter(18, kQTime));
  return DrawCurveChart(canvas, layout, s.lang, d, TemperatureSpec(t, s, 1));
}

}  // namespace

AnalysisDef TsurfAnalysis() {
  return {AnalysisId::ChilledTsurf, "chilled.tsurf", ComputeTsurf, DrawTsurf};
}
AnalysisDef TlineAnalysis() {
  return {AnalysisId::ChilledTline, "chilled.tline", ComputeTline, DrawTline};
}
AnalysisDef TtimeAnalysis() {
  return {AnalysisId::ChilledTtime, "chilled.ttime", ComputeTtime, DrawTtime};
}

}  // namespace qora::chilled
