// Condensation-control thickness over a range of pipe sizes: one curve per relative
// humidity at a fixed k, or one curve per k at a fixed relative humidity. The thickness is
// the exact solution of the cylinder equation at the dew point, not a stocked size.
#include "analyses/chilled/chilled_common.h"
#include "analyses/chilled/chilled_inputs.h"
#include "analyses/chilled/chilled_parts.h"
#include "charts/axis_rules.h"
#include "engine/number_text.h"
#include "engine/pipe_heat.h"
#include "engine/psychro.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora::chilled {

namespace {

Real Value(const QString& s) {
  return StrToValue(s.toStdString());
}

// Thickness in inches or mm that keeps the surface of a pipe of diameter D at the dew
// point: 0 when the line is not colder than the dew point, nothing when no thickness can
// (no dew point in the table, a saturated room, no root).
std::optional<Real> DewThickness(const Inputs& in, Real rh, Real k, Real d) {
  const std::optional<Real> tDew = DewPointIfFound(in.ctx, in.tdb, rh);
  if (!tDew || !(d > 0)) return std::nullopt;
  return CondensationThicknessFor(in.ctx, Pipe(in, d, k), *tDew);
}

// One cell of the grid: the thickness, or a point marked not achievable.
void SetCell(ChartData& data, int c, int j, std::optional<Real> t) {
  data.chartResults[c - 1][j - 1] = t.value_or(0);
  data.notAchievable[c - 1][j - 1] = !t.has_value();
}

struct Ranges {
  int sizeFrom = 0, sizeTo = 0, curveFrom = 0, curveTo = 0;
};

Ranges CheckRanges(Inputs& in, KeyName sizeFrom, KeyName sizeTo,
                   const std::array<QString, 10>& curves, KeyName curveFrom, KeyName curveTo,
                   const char* curveWhat) {
  Ranges r;
  r.sizeFrom = in.pipeRow(sizeFrom, "sizes-not-selected");
  r.sizeTo = in.pipeRow(sizeTo, "sizes-not-selected");
  in.require(r.sizeFrom <= r.sizeTo, "sizes-out-of-order");
  const std::string what = curveWhat;
  r.curveFrom = in.listRow(curves, curveFrom, what + "-not-selected");
  r.curveTo = in.listRow(curves, curveTo, what + "-not-selected");
  in.require(r.curveFrom <= r.curveTo, what + "-out-of-order");
  return r;
}

ComputeResult Finish(ComputeResult res, const Ranges& r) {
  ChartData& d = res.data;
  d.sizeFrom = r.sizeFrom;
  d.sizeTo = r.sizeTo;
  d.curveFrom = r.curveFrom;
  d.curveTo = r.curveTo;
  d.xAxis = {static_cast<Real>(r.sizeFrom), static_cast<Real>(r.sizeTo), 1};
  Real m = 0;
  for (int c = r.curveFrom; c <= r.curveTo; ++c) {
    for (int j = r.sizeFrom; j <= r.sizeTo; ++j) m = std::max(m, d.chartResults[c - 1][j - 1]);
  }
  d.yAxis = ValueAxis(&m, 1);
  if (std::string why = ChartRefusal(d); !why.empty()) return {false, why, {}};
  res.drawn = true;
  return res;
}

ComputeResult ComputeKConst(const AppState& state) {
  Inputs in(state);
  in.requireConditions();
  const Ranges r = CheckRanges(in, "k_Const_PpSzFrom", "k_Const_PpSzTo", in.rhList(),
                               "k_Const_RHFrom", "k_Const_RHTo", "rh");
  const int kRow = in.listRow(in.kList(), "k_Const_k", "k-not-selected");
  const Real k = in.positiveEntry(in.kList(), kRow, "k-not-positive");
  if (!in.ok()) return {false, in.refusal(), {}};

  ComputeResult res;
  res.data.analysis = AnalysisId::ChilledKConst;
  res.data.unitSystem = in.unit;
  for (int c = r.curveFrom; c <= r.curveTo; ++c) {
    // An empty entry inside the range has no curve: every point is not achievable.
    const bool empty = in.rhList()[c - 1].isEmpty();
    const Real rh = Value(in.rhList()[c - 1]);
    for (int j = r.sizeFrom; j <= r.sizeTo; ++j) {
      SetCell(res.data, c, j,
              empty ? std::nullopt : DewThickness(in, rh, k, Value(in.pipeText(j, 2))));
    }
  }
  return Finish(res, r);
}

ComputeResult ComputeRHConst(const AppState& state) {
  Inputs in(state);
  in.requireConditions();
  const Ranges r = CheckRanges(in, "RH_Const_PpSzFrom", "RH_Const_PpSzTo", in.kList(),
                               "RH_Const_kFrom", "RH_Const_kTo", "k");
  const int rhRow = in.listRow(in.rhList(), "RH_Const_RH", "rh-not-selected");
  const Real rh = in.positiveEntry(in.rhList(), rhRow, "rh-not-positive");
  if (!in.ok()) return {false, in.refusal(), {}};

  ComputeResult res;
  res.data.analysis = AnalysisId::ChilledRHConst;
  res.data.unitSystem = in.unit;
  for (int c = r.curveFrom; c <= r.curveTo; ++c) {
    // A blank or zero k in the range has no curve: every point is not achievable.
    const Real k = Value(in.kList()[c - 1]);
    for (int j = r.sizeFrom; j <= r.sizeTo; ++j) {
      SetCell(res.data, c, j,
              k > 0 ? DewThickness(in, rh, k, Value(in.pipeText(j, 2))) : std::nullopt);
    }
  }
  return Finish(res, r);
}

// Thickness over pipe sizes: title, the conditions both charts print, the size axis and
// the thickness axis.
ChartWording GridSpec(const HeadingTexts& t) {
  ChartWording wording;
  wording.title = t.msg(1);
  wording.footer = t.sizeFooter();
  // Three rows: on a printed page the plot of these charts starts under the third.
  wording.lines = {{1, 0, t.tdbLine()}, {1, 1, t.topLine()}, {3, 1, t.haLine()}};
  wording.direction = LegendDirection::Upward;
  wording.sizeNames = t.sizeNames();
  wording.yDecimals = t.unit == kInchPound ? 2 : 1;
  wording.yUnit = t.unitLabel(kQThickness);
  return wording;
}

ChartWording DescribeKConst(const ChartData& d, const AppState& state) {
  const HeadingTexts t{state, d.unitSystem};
  ChartWording wording = GridSpec(t);
  wording.lines.push_back({2, 1, t.kLine(t.kAt("k_Const_k"))});
  wording.legendHeading = state.lang.caption("ParamDlg.RHSheet");
  for (int c = 1; c <= 10; ++c)
    wording.curveLabels[c - 1] = state.params.rh[c - 1] + t.unitLabel(kQRelHumidity);
  return wording;
}

ChartWording DescribeRHConst(const ChartData& d, const AppState& state) {
  const HeadingTexts t{state, d.unitSystem};
  ChartWording wording = GridSpec(t);
  wording.lines.push_back({2, 0, t.rhLine(t.rhAt("RH_Const_RH"))});
  wording.lines.push_back(
      {2, 1, state.lang.QuantityName(kQConductivity) + " " + t.unitLabel(kQConductivity)});
  wording.legendHeading = state.lang.caption("ParamDlg.kSheet");
  for (int c = 1; c <= 10; ++c)
    wording.curveLabels[c - 1] = state.params.kChilled[d.unitSystem - 1][c - 1];
  return wording;
}

const PanelDesc kKConstPanel{
    "ChillkConstPanel",
    kSecChilled,
    {SizeField("k_Const_PpSzFrom", "ChillkConstPpSzFrComboBox", "ChillkConstPpSzLabel1"),
     SizeToField("k_Const_PpSzTo", "ChillkConstPpSzToComboBox", "ChillkConstPpSzLabel2"),
     {FieldKind::RhList, "k_Const_RHFrom", "ChillkConstRHFrComboBox", "ChillkConstRHLabel1",
      "RH (%) from"},
     {FieldKind::RhList, "k_Const_RHTo", "ChillkConstRHToComboBox", "ChillkConstRHLabel2", "to"},
     KField("k_Const_k", "ChillkConstkComboBox", "ChillkConstkLabel")}};

const PanelDesc kRHConstPanel{
    "ChillRHConstPanel",
    kSecChilled,
    {SizeField("RH_Const_PpSzFrom", "ChillRHConstPpSzFrComboBox", "ChillRHConstPpSzLabel1"),
     SizeToField("RH_Const_PpSzTo", "ChillRHConstPpSzToComboBox", "ChillRHConstPpSzLabel2"),
     {FieldKind::KChilledList, "RH_Const_kFrom", "ChillRHConstkFrComboBox", "ChillRHConstkLabel1",
      "k from"},
     KField("RH_Const_kTo", "ChillRHConstkToComboBox", "ChillRHConstkLabel2"),
     {FieldKind::RhList, "RH_Const_RH", "ChillRHConstRHComboBox", "ChillRHConstRHLabel",
      "RH (%)"}}};

}  // namespace

AnalysisDef KConstAnalysis() {
  return {AnalysisId::ChilledKConst, "chilled.kconst", &kKConstPanel, ComputeKConst,
          DescribeKConst};
}
AnalysisDef RHConstAnalysis() {
  return {AnalysisId::ChilledRHConst, "chilled.rhconst", &kRHConstPanel, ComputeRHConst,
          DescribeRHConst};
}

}  // namespace qora::chilled
