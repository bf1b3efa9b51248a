// Surface temperature over thickness, water temperature along a line and of standing
// water over time: one curve of 41 points each.
#include <algorithm>

#include "analyses/hot/hot_compute.h"
#include "analyses/hot/hot_inputs.h"
#include "analyses/hot/hot_physics.h"
#include "charts/axis_rules.h"
#include "engine/line_temperature.h"
#include "engine/number_text.h"
#include "model/app_state.h"

namespace qora::hot {

namespace {

// The track bar of the time panel runs from 1 to 48 hours.
constexpr int kMaxHours = 48;

Real ListValue(InputCheck& in, const std::array<QString, 10>& list, KeyName key,
               const char* missing, const char* notPositive) {
  const int row = in.listRow(list, key, missing);
  const Real v = row ? StrToValue(list[row - 1].toStdString()) : 0;
  in.require(v > 0, notPositive);
  return v;
}

Real PositiveNumber(InputCheck& in, KeyName key, const char* why) {
  const Real v = in.number(key);
  in.require(v > 0, why);
  return v;
}

ChartData SingleCurve(AnalysisId id, const InputCheck& in, int sizeRow) {
  ChartData data;
  data.analysis = id;
  data.unitSystem = in.unit;
  data.sizeFrom = data.sizeTo = sizeRow;
  return data;
}

}  // namespace

ComputeResult ComputeTsurf(const AppState& state) {
  InputCheck in(state);
  in.requireConditions();
  in.requireRoomBelowLine();
  const int row = in.pipeRow("Tsurface_PpSz", "size-not-selected");
  ListValue(in, in.tsurfList(), "Tsurface_Tsuf", "tsurf-not-selected", "tsurf-not-positive");
  const Real k = ListValue(in, in.kList(), "Tsurface_k", "k-not-selected", "k-not-positive");
  const Real tmax = PositiveNumber(in, "Tsurface_Thc", "thickness-not-positive");
  const Real d = row ? in.outsideDiameter(row) : 0;
  in.require(d > 0, kDiameterRefusal);
  if (!in.ok()) return Refused(in.refusal());

  ChartData data = SingleCurve(AnalysisId::HotTsurf, in, row);
  const PipeCase pipe = Pipe(in, d, k);
  const Real step = tmax / 40;
  data.curveX[0] = 0;
  data.curveY[0] = in.top;  // the bare pipe
  for (int i = 1; i <= 40; ++i) {
    const Real x = i * step;
    data.curveX[i] = x;
    data.curveY[i] = SurfaceAt(in.ctx, pipe, x).temperature;
  }
  data.xAxis = ExactAxis(40 * step);
  data.yAxis = TemperatureAxis(in.tdb, in.top);
  return Finished(std::move(data));
}

ComputeResult ComputeTline(const AppState& state) {
  InputCheck in(state);
  in.requireConditions();
  in.requireRoomBelowLine();
  const int row = in.pipeRow("Tlen_PpSz", "size-not-selected");
  const Real length = PositiveNumber(in, "Tlen_Length", "length-not-positive");
  const Real k = ListValue(in, in.kList(), "Tlen_k", "k-not-selected", "k-not-positive");
  const Real t = PositiveNumber(in, "Tlen_Thc", "thickness-not-positive");
  const Real flow = PositiveNumber(in, "Tlen_Flow", "flow-not-positive");
  const Real d = row ? in.outsideDiameter(row) : 0;
  in.require(d > 0, kDiameterRefusal);
  if (!in.ok()) return Refused(in.refusal());

  ChartData data = SingleCurve(AnalysisId::HotTline, in, row);
  const PipeCase pipe = Pipe(in, d, k);
  const Real r2 = d * 0.5L + t;
  const Real leq = EquivalentThickness(pipe, t);
  const Real h = SurfaceAt(in.ctx, pipe, t).h;
  const Real step = length / 40;
  data.curveX[0] = 0;
  data.curveY[0] = in.top;  // the inlet
  for (int i = 1; i <= 40; ++i) {
    // Every point from the inlet over the whole length x, not from the previous point.
    const Real x = i * step;
    const Real area = PipeSurfaceArea(in.ctx, r2, x);
    data.curveX[i] = x;
    data.curveY[i] = OutletTemperature(in.ctx, leq, h, in.tdb, k, in.top, area, flow);
  }
  data.xAxis = ExactAxis(40 * step);
  data.yAxis = TemperatureAxis(in.tdb, in.top);
  return Finished(std::move(data));
}

ComputeResult ComputeTtime(const AppState& state) {
  InputCheck in(state);
  in.requireConditions();
  in.requireRoomBelowLine();
  const int row = in.pipeRow("Ttime_PpSz", "size-not-selected");
  const int hours = std::min(in.integer("TtimeHr"), kMaxHours);
  in.require(hours >= 1, "hours-not-positive");
  const Real k = ListValue(in, in.kList(), "Ttime_k", "k-not-selected", "k-not-positive");
  const Real t = PositiveNumber(in, "Ttime_Thc", "thickness-not-positive");
  const Real d = row ? in.outsideDiameter(row) : 0;
  const Real di = row ? in.insideDiameter(row) : 0;
  // Standing water needs a bore to stand in.
  in.require(d > 0 && di > 0, kDiameterRefusal);
  if (!in.ok()) return Refused(in.refusal());

  ChartData data = SingleCurve(AnalysisId::HotTtime, in, row);
  const PipeCase pipe = Pipe(in, d, k);
  const Real r2 = d * 0.5L + t;
  const Real leq = EquivalentThickness(pipe, t);
  const Real h = SurfaceAt(in.ctx, pipe, t).h;
  const Real step = Real(hours) / 40;
  for (int i = 0; i <= 40; ++i) {
    // Point 0 too is the engine's value at time 0 (which is Top).
    const Real time = i * step;
    data.curveX[i] = time;
    data.curveY[i] = TemperatureAfterTime(in.ctx, leq, h, in.tdb, k, in.top, r2, di * 0.5L, time);
  }
  data.xAxis = ExactAxis(40 * step);
  data.yAxis = TemperatureAxis(in.tdb, in.top);
  return Finished(std::move(data));
}

}  // namespace qora::hot
