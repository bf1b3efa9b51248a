#include "analyses/chilled/chilled_common.h"

#include <algorithm>
#include <cmath>

#include "charts/chart_background.h"
#include "engine/line_temperature.h"
#include "engine/surface.h"
#include "engine/thickness.h"
#include "engine/units.h"
#include "model/app_state.h"
#include "toolkit/nice_scale.h"

namespace qora::chilled {

Real EquivalentThickness(Real r1, Real r2) {
  return -LogThicknessResidual(0, r2, r1);
}

Real RefinedCoef(const CalcContext& ctx, Real ha, Real d, Real leq, Real tdb, Real k, Real top) {
  const Real h0 = SurfaceCoef(ctx, ha, d, top, tdb);
  const Real ts = SurfaceTemperature(ctx, leq, h0, tdb, k, top);
  return SurfaceCoef(ctx, ha, d, ts, tdb);
}

Real HeatGainPerLength(const CalcContext& ctx, Real ha, Real d, Real t, Real tdb, Real k,
                       Real top) {
  const Real r1 = d / 2;
  const Real r2 = r1 + t;
  const Real leq = EquivalentThickness(r1, r2);
  const Real h = RefinedCoef(ctx, ha, d, leq, tdb, k, top);
  const Real area = PipeSurfaceArea(ctx, r2, 1);
  return HeatFlow(ctx, leq, h, tdb, k, top, area);
}

Real ChillerPower(Real heatGain, Real kWTR) {
  return heatGain * kWTR * 0.284L;
}

Real EnergyCostPerLength(int unitSystem, Real heatGain, Real kWTR, Real price, Real hours) {
  // Power in W/m, price per kWh: price · hours · W / 1000 per metre, × 0.3048 per foot.
  const Real p = ConvertUnits(kQHeatPerLength, unitSystem, kSI, ChillerPower(heatGain, kWTR));
  if (unitSystem == kInchPound) return price * hours * p * 0.3048L / 1000;
  return price * hours * p / 1000;
}

AxisRange ExactAxis(Real max) {
  Real lo = 0, hi = max;
  const Real step = NiceScale(lo, hi);
  return {0, max, step};
}

AxisRange NiceAxis(Real lo, Real hi) {
  const Real step = NiceScale(lo, hi);
  return {lo, hi, step};
}

AxisRange TemperatureAxis(Real tdb, Real top) {
  const Real m = std::fabs(tdb);
  return NiceAxis(top - 0.05L * m, tdb + 0.1L * m);
}

AxisRange ValueAxis(const Real* values, int count) {
  Real m = 0;
  for (int i = 0; i < count; ++i) {
    if (values[i] > m) m = values[i];
  }
  AxisRange a = NiceAxis(0, 1.1L * m);
  a.lo = 0;  // the axis starts at 0 whatever the rounded centre gave
  return a;
}

namespace {

// 0: every value shown; 1: some value is not finite; 2: some value is too large.
int Worst(Real v) {
  if (!std::isfinite(static_cast<double>(v))) return 1;
  return std::fabs(v) > kLargestChartValue ? 2 : 0;
}

template <typename T>
int WorstOf(const T& values) {
  int w = 0;
  for (Real v : values) {
    const int x = Worst(v);
    if (x == 1) return 1;
    w = std::max(w, x);
  }
  return w;
}

}  // namespace

std::string ChartRefusal(const ChartData& d) {
  int w = 0;
  for (const auto& row : d.chartResults) w = std::max(w, WorstOf(row) == 1 ? 3 : WorstOf(row));
  const std::array<Real, 7> singles = {d.chartDewPoint, d.xAxis.lo, d.xAxis.hi,  d.xAxis.step,
                                       d.yAxis.lo,      d.yAxis.hi, d.yAxis.step};
  for (int x :
       {WorstOf(d.curveX), WorstOf(d.curveY), WorstOf(d.curveE), WorstOf(singles),
        WorstOf(d.stockEnergyCost), WorstOf(d.stockInsulationCost), WorstOf(d.stockTotalCost)}) {
    w = std::max(w, x == 1 ? 3 : x);
  }
  if (w == 3) return "not-finite";
  if (w == 2) return "value-too-large";
  return {};
}

HeadingTexts::HeadingTexts(const AppState& state, int unit)
    : AnalysisTexts(state, unit, kSecChilled) {}

QString HeadingTexts::rhLine(const QString& rh) const {
  return state.lang.QuantityName(kQRelHumidity) + " " + rh + unitLabel(kQRelHumidity);
}

QString HeadingTexts::haLine() const {
  return typedHaLine("ChillLocalDlg.haLabel");
}

void BeginChart(Canvas& canvas, const ChartLayout& layout, const AppState& state,
                const QString& title, const std::vector<HeadingItem>& items,
                const QString& footer) {
  DrawChartBackground(canvas, layout, BrandPicturesFor(state));
  DrawHeading(canvas, layout, state.lang, title, items, footer);
}

}  // namespace qora::chilled
