// Condensation-control thickness over a range of pipe sizes: one curve per relative
// humidity at a fixed k, or one curve per k at a fixed relative humidity. The thickness is
// the exact solution of the cylinder equation at the dew point, not a stocked size.
#include "analyses/chilled/chilled_common.h"
#include "analyses/chilled/chilled_inputs.h"
#include "analyses/chilled/chilled_parts.h"
#include "charts/chart_drawers.h"
#include "engine/number_text.h"
#include "engine/psychro.h"
#include "engine/surface.h"
#include "engine/thickness.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora::chilled {

namespace {

Real Value(const QString& s) {
  return StrToValue(s.toStdString());
}

// Thickness in inches or mm that keeps the surface of a pipe of diameter D at the dew
// point; 0 when there is no dew point or the line is not colder than it.
Real DewThickness(const Inputs& in, Real rh, Real k, Real d) {
  const Real tDew = DewPoint(in.ctx, in.tdb, rh);
  if (tDew == kNotFound) return 0;
  const Real h = SurfaceCoef(in.ctx, in.ha, d, tDew, in.tdb);
  return CondensationThickness(in.ctx, in.tdb, tDew, in.top, k, d / 2, h);
}

struct Ranges {
  int sizeFrom = 0, sizeTo = 0, curveFrom = 0, curveTo = 0;
};

Ranges CheckRanges(Inputs& in, const char* sizeFrom, const char* sizeTo,
                   const std::array<QString, 10>& curves, const char* curveFrom,
                   const char* curveTo, const char* curveWhat) {
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
    if (in.rhList()[c - 1].isEmpty()) continue;
    const Real rh = Value(in.rhList()[c - 1]);
    for (int j = r.sizeFrom; j <= r.sizeTo; ++j) {
      const Real d = Value(in.pipeText(j, 2));
      if (d > 0) res.data.chartResults[c - 1][j - 1] = DewThickness(in, rh, k, d);
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
    const Real k = Value(in.kList()[c - 1]);
    if (!(k > 0)) continue;  // a blank or zero k in the range draws its curve on the axis
    for (int j = r.sizeFrom; j <= r.sizeTo; ++j) {
      const Real d = Value(in.pipeText(j, 2));
      if (d > 0) res.data.chartResults[c - 1][j - 1] = DewThickness(in, rh, k, d);
    }
  }
  return Finish(res, r);
}

std::vector<HeadingItem> CommonItems(const HeadingTexts& t) {
  return {{1, 0, t.tdbLine()}, {1, 1, t.topLine()}, {4, 1, t.haLine()}};
}

PixelTables DrawGrid(const ChartData& d, const AppState& state, Canvas& canvas,
                     const ChartLayout& layout, std::vector<HeadingItem> items,
                     GridChartOptions options) {
  const HeadingTexts t{state, d.unitSystem};
  BeginChart(canvas, layout, state, t.msg(1), items, t.sizeFooter());
  options.direction = LegendDirection::Upward;
  options.sizeNames = t.sizeNames();
  options.yDecimals = d.unitSystem == kInchPound ? 2 : 1;
  options.yUnit = t.unitLabel(kQThickness);
  return DrawGridChart(canvas, layout, state.lang, d, options);
}

PixelTables DrawKConst(const ChartData& d, const AppState& state, Canvas& canvas,
                       const ChartLayout& layout) {
  const HeadingTexts t{state, d.unitSystem};
  const int kPos = state.settings.integer(kSecChilled, "k_Const_k");
  const QString k =
      kPos >= 0 && kPos < 10 ? state.params.kChilled[d.unitSystem - 1][kPos] : QString();
  auto items = CommonItems(t);
  items.push_back({2, 1, t.kLine(k)});
  GridChartOptions options;
  options.legendHeading = state.lang.caption("ParamDlg.RHSheet");
  for (int c = 1; c <= 10; ++c)
    options.curveLabels[c - 1] = state.params.rh[c - 1] + t.unitLabel(kQRelHumidity);
  return DrawGrid(d, state, canvas, layout, items, options);
}

PixelTables DrawRHConst(const ChartData& d, const AppState& state, Canvas& canvas,
                        const ChartLayout& layout) {
  const HeadingTexts t{state, d.unitSystem};
  const int rhPos = state.settings.integer(kSecChilled, "RH_Const_RH");
  const QString rh = rhPos >= 0 && rhPos < 10 ? state.params.rh[rhPos] : QString();
  auto items = CommonItems(t);
  items.push_back({2, 0, t.rhLine(rh)});
  items.push_back(
      {2, 1, state.lang.QuantityName(kQConductivity) + " " + t.unitLabel(kQConductivity)});
  GridChartOptions options;
  options.legendHeading = state.lang.caption("ParamDlg.kSheet");
  for (int c = 1; c <= 10; ++c)
    options.curveLabels[c - 1] = state.params.kChilled[d.unitSystem - 1][c - 1];
  return DrawGrid(d, state, canvas, layout, items, options);
}

}  // namespace

AnalysisDef KConstAnalysis() {
  return {AnalysisId::ChilledKConst, "chilled.kconst", ComputeKConst, DrawKConst};
}
AnalysisDef RHConstAnalysis() {
  return {AnalysisId::ChilledRHConst, "chilled.rhconst", ComputeRHConst, DrawRHConst};
}

}  // namespace qora::chilled
