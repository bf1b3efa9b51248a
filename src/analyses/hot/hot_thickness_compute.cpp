// Constant k and constant surface temperature: the thickness at which the insulated pipe's
// surface reaches a given temperature, for a range of pipe sizes.
#include <algorithm>

#include "analyses/hot/hot_compute.h"
#include "analyses/hot/hot_inputs.h"
#include "analyses/hot/hot_physics.h"
#include "charts/axis_rules.h"
#include "engine/number_text.h"
#include "model/app_state.h"

namespace qora::hot {

namespace {

enum class Rows { SurfaceTemperatures, Conductivities };

Real Value(const QString& text) {
  return StrToValue(text.toStdString());
}

ComputeResult ComputeThicknessChart(const AppState& state, Rows rows) {
  const bool byTsurf = rows == Rows::SurfaceTemperatures;
  InputCheck in(state);
  in.requireConditions();
  const int sizeFrom = in.pipeRow(
      byTsurf ? KeyName("k_Const_PpSzFrom") : KeyName("T_Const_PpSzFrom"), "size-not-selected");
  const int sizeTo = in.pipeRow(byTsurf ? KeyName("k_Const_PpSzTo") : KeyName("T_Const_PpSzTo"),
                                "size-not-selected");
  in.range(sizeFrom, sizeTo, "size-order");

  const auto& rowList = byTsurf ? in.tsurfList() : in.kList();
  const char* rowMissing = byTsurf ? "tsurf-not-selected" : "k-not-selected";
  const int rowFrom = in.listRow(
      rowList, byTsurf ? KeyName("k_Const_TsufFrom") : KeyName("T_Const_kFrom"), rowMissing);
  const int rowTo =
      in.listRow(rowList, byTsurf ? KeyName("k_Const_TsufTo") : KeyName("T_Const_kTo"), rowMissing);
  in.range(rowFrom, rowTo, byTsurf ? "tsurf-order" : "k-order");

  Real constant = 0;
  if (byTsurf) {
    constant = in.listOrTyped(in.kList(), "k_Const_k", "k-not-selected");
    in.require(constant > 0, "k-not-positive");
  } else {
    constant = in.listOrTyped(in.tsurfList(), "T_Const_Tsuf", "tsurf-not-selected");
    in.require(constant > 0, "tsurf-not-positive");
  }
  if (!in.ok()) return Refused(in.refusal());

  ChartData data;
  data.analysis = byTsurf ? AnalysisId::HotKConst : AnalysisId::HotTConst;
  data.unitSystem = in.unit;
  data.sizeFrom = sizeFrom;
  data.sizeTo = sizeTo;
  data.curveFrom = rowFrom;
  data.curveTo = rowTo;

  Real largest = 0;
  for (int r = rowFrom; r <= rowTo; ++r) {
    // An empty entry inside the range is a gap in the list, not a value: no curve, every
    // point not achievable.
    const bool empty = rowList[r - 1].isEmpty();
    const Real rowValue = Value(rowList[r - 1]);
    const Real tsurf = byTsurf ? rowValue : constant;
    const Real k = byTsurf ? constant : rowValue;
    for (int c = sizeFrom; c <= sizeTo; ++c) {
      // A size row without a diameter spans no radius.
      const Real d = in.outsideDiameter(c);
      const std::optional<Real> t =
          empty || !(d > 0) ? std::nullopt : HotThicknessFor(in.ctx, Pipe(in, d, k), tsurf);
      data.chartResults[r - 1][c - 1] = t.value_or(0);
      data.notAchievable[r - 1][c - 1] = !t;
      largest = std::max(largest, t.value_or(0));
    }
  }
  data.xAxis = {Real(sizeFrom), Real(sizeTo), 1};
  data.yAxis = NiceAxis(0, 1.1L * largest);
  return Finished(std::move(data));
}

}  // namespace

ComputeResult ComputeKConst(const AppState& state) {
  return ComputeThicknessChart(state, Rows::SurfaceTemperatures);
}

ComputeResult ComputeTConst(const AppState& state) {
  return ComputeThicknessChart(state, Rows::Conductivities);
}

}  // namespace qora::hot
