// The three temperature charts of one insulated pipe: the surface temperature over the
// insulation thickness, the water temperature along the line and of standing water over
// time. Each is one curve of 41 points between red reference lines at Tdb and Top.
#include <algorithm>

#include "analyses/chilled/chilled_common.h"
#include "analyses/chilled/chilled_inputs.h"
#include "analyses/chilled/chilled_parts.h"
#include "charts/axis_rules.h"
#include "engine/line_temperature.h"
#include "engine/number_text.h"
#include "engine/pipe_heat.h"
#include "engine/psychro.h"
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
  const std::optional<Real> dew = DewPointIfFound(in.ctx, in.tdb, rh);
  if (!dew) return {false, "dew-point-not-found", {}};
  const Real tDew = *dew;

  ChartData c;
  c.analysis = AnalysisId::ChilledTsurf;
  c.unitSystem = in.unit;
  c.chartDewPoint = tDew;
  const PipeCase pipe = Pipe(in, d, k);
  const Real step = tMax / 40;
  c.curveX[0] = 0;
  c.curveY[0] = in.top;
  Real t = 0;
  for (int n = 1; n <= 40; ++n) {
    t += step;
    c.curveX[n] = t;
    c.curveY[n] = SurfaceAt(in.ctx, pipe, t).temperature;
  }
  c.xAxis = ExactAxis(tMax);
  c.yAxis = TemperatureAxis(in.tdb, in.top);
  return Done(c);
}

// The coefficient at the insulated surface (at the line temperature of the inlet) and the
// equivalent thickness of the line and time charts.
struct LineCoefs {
  Real leq = 0, h = 0, r2 = 0;
};
LineCoefs Coefs(const Inputs& in, Real d, Real thickness, Real k) {
  const PipeCase pipe = Pipe(in, d, k);
  LineCoefs c;
  c.r2 = d / 2 + thickness;
  c.leq = EquivalentThickness(pipe, thickness);
  c.h = SurfaceAt(in.ctx, pipe, thickness).h;
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

// --- description ---

// The room line above the curve, the line temperature below it.
std::vector<ReferenceLine> TdbTopLines(const HeadingTexts& t) {
  const Real tdb = StrToValue(t.setting("Tdb").toStdString());
  const Real top = StrToValue(t.setting("Top").toStdString());
  return {{tdb, t.temperatureLabel(2, tdb), LabelSide::Above},
          {top, t.temperatureLabel(3, top), LabelSide::Below}};
}

ChartWording TemperatureSpec(const HeadingTexts& t, ChartWording wording, int xDecimals, int xUnit) {
  wording.xDecimals = xDecimals;
  wording.xUnit = t.unitLabel(xUnit);
  wording.yDecimals = 1;
  wording.yUnit = t.unitLabel(kQTemperature);
  wording.references = TdbTopLines(t);
  return wording;
}

ChartWording DescribeTsurf(const ChartData& d, const AppState& s) {
  const HeadingTexts t{s, d.unitSystem};
  ChartWording wording = t.pipeSpec(7, t.axisFooter(6, kQThickness), "Tsurface_PpSz", "Tsurface_k");
  wording.lines.push_back({3, 0, t.rhLine(t.rhAt("Tsurface_RH"))});
  wording = TemperatureSpec(t, wording, d.unitSystem == kInchPound ? 1 : 0, kQThickness);
  wording.references.insert(
      wording.references.begin() + 1,
      {d.chartDewPoint, t.temperatureLabel(15, d.chartDewPoint), LabelSide::Below});
  return wording;
}

ChartWording DescribeTline(const ChartData& d, const AppState& s) {
  const HeadingTexts t{s, d.unitSystem};
  ChartWording wording = t.pipeSpec(11, t.axisFooter(14, kQLength), "Tlen_PpSz", "Tlen_k");
  wording.lines.push_back({1, 1, t.msg(12) + t.setting("Tlen_Flow") + t.unitLabel(kQFlow)});
  // The left column has room for three rows under the unit title: the length shares the
  // thickness' row.
  wording.lines.push_back({3, 0,
                        t.thicknessLine("Tlen_Thc") + "  " + t.msg(14) + t.setting("Tlen_Length") +
                            t.unitLabel(kQLength)});
  return TemperatureSpec(t, wording, 0, kQLength);
}

ChartWording DescribeTtime(const ChartData& d, const AppState& s) {
  const HeadingTexts t{s, d.unitSystem};
  ChartWording wording = t.pipeSpec(16, t.axisFooter(18, kQTime), "Ttime_PpSz", "Ttime_k");
  wording.lines.push_back({3, 0,
                        t.thicknessLine("Ttime_Thc") + "  " + t.msg(18) +
                            QString::number(std::min(t.position("TtimeHr"), kMaxHours)) +
                            t.unitLabel(kQTime)});
  return TemperatureSpec(t, wording, 1, kQTime);
}

const PanelDesc kTsurfPanel{
    "ChillTsufPanel",
    kSecChilled,
    {SizeField("Tsurface_PpSz", "ChillTsufPpSzComboBox", "ChillTsufPpSzLabel"),
     {FieldKind::RhList, "Tsurface_RH", "ChillTsufRHComboBox", "ChillTsufRHLabel", "RH (%)"},
     KField("Tsurface_k", "ChillTsufkComboBox", "ChillTsufkLabel"),
     ThicknessField("Tsurface_Thc", "ChillTsufThEdit", "ChillTsufThLabel", "Max. thickness")}};

const PanelDesc kTlinePanel{"ChillTlnPanel",
                            kSecChilled,
                            {SizeField("Tlen_PpSz", "ChillTlnPpSzComboBox", "ChillTlnPpSzLabel"),
                             KField("Tlen_k", "ChillTlnkComboBox", "ChillTlnkLabel"),
                             ThicknessField("Tlen_Thc", "ChillTlnThEdit", "ChillTlnThLabel"),
                             {FieldKind::Number, "Tlen_Length", "ChillTlnLenEdit",
                              "ChillTlnLenLabel", "Length", CaptionKind::Role, kQLength},
                             {FieldKind::Number, "Tlen_Flow", "ChillTlnFlowEdit",
                              "ChillTlnFlowLabel", "Flow", CaptionKind::Role, kQFlow}}};

const PanelDesc kTtimePanel{
    "ChillTtimePanel",
    kSecChilled,
    {SizeField("Ttime_PpSz", "ChillTtimePpSzComboBox", "ChillTtimePpSzLabel"),
     KField("Ttime_k", "ChillTtimekComboBox", "ChillTtimekLabel"),
     ThicknessField("Ttime_Thc", "ChillTtimeThEdit", "ChillTtimeThLabel"),
     {FieldKind::Hours, "TtimeHr", "ChillTtimehrTrackBar", "ChillTtimeTimeLabel", "Time"}}};

}  // namespace

AnalysisDef TsurfAnalysis() {
  return {AnalysisId::ChilledTsurf, "chilled.tsurf", &kTsurfPanel, ComputeTsurf, DescribeTsurf};
}
AnalysisDef TlineAnalysis() {
  return {AnalysisId::ChilledTline, "chilled.tline", &kTlinePanel, ComputeTline, DescribeTline};
}
AnalysisDef TtimeAnalysis() {
  return {AnalysisId::ChilledTtime, "chilled.ttime", &kTtimePanel, ComputeTtime, DescribeTtime};
}

}  // namespace qora::chilled
