// Heat loss and its yearly cost over thickness, and the overall cost at the stocked
// thicknesses with the economic thickness.
#include <algorithm>

#include "analyses/hot/hot_compute.h"
#include "analyses/hot/hot_inputs.h"
#include "analyses/hot/hot_physics.h"
#include "charts/axis_rules.h"
#include "engine/economics.h"
#include "engine/number_text.h"
#include "engine/standard_thickness.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora::hot {

namespace {

enum class Curve { Loss, Cost };

struct LossInputs {
  int row = 0;
  Real k = 0, tmax = 0, d = 0;
  Real price = 0, hoursPerYear = 0;
};

// Size, k and largest thickness of the panel whose keys start with `prefix` ("Elos",
// "ElosCst", "OvallCst").
LossInputs ReadLossInputs(InputCheck& in, const std::string& prefix) {
  LossInputs li;
  in.requireConditions();
  in.requireRoomBelowLine();
  li.row = in.pipeRow(KeyName::runtime(prefix + "_PpSz"), "size-not-selected");
  const int kRow = in.listRow(in.kList(), KeyName::runtime(prefix + "_k"), "k-not-selected");
  li.k = kRow ? StrToValue(in.kList()[kRow - 1].toStdString()) : 0;
  in.require(li.k > 0, "k-not-positive");
  li.tmax = in.number(KeyName::runtime(prefix + "_Thc"));
  in.require(li.tmax > 0, "thickness-not-positive");
  li.d = li.row ? in.outsideDiameter(li.row) : 0;
  return li;
}

// Gas or oil with a zero energy content leave the price per kWh undefined.
void ReadPrice(InputCheck& in, LossInputs& li) {
  const auto price = EnergyUnitCost(in.ctx);
  in.require(price.has_value(), "price-undefined");
  li.price = price.value_or(0);
  li.hoursPerYear = OperatingHoursPerYear(in.ctx);
}

// The 41-point curve of loss (or its cost) over thickness 0 … tmax into curveX, curveE;
// returns the largest value (0 at least).
Real LossCurve(const InputCheck& in, const LossInputs& li, Curve curve, ChartData& data) {
  const Real step = li.tmax / 40;
  Real largest = 0;
  for (int i = 0; i <= 40; ++i) {
    const Real x = i * step;
    const Real q = HeatLossPerLength(in.ctx, Pipe(in, li.d, li.k), x);
    data.curveX[i] = x;
    data.curveE[i] =
        curve == Curve::Loss ? q : LossCostPerLength(in.unit, li.price, li.hoursPerYear, q);
    largest = std::max(largest, data.curveE[i]);
  }
  data.xAxis = ExactAxis(40 * step);
  data.yAxis = NiceAxis(0, 1.1L * largest);
  return largest;
}

ComputeResult ComputeLossChart(const AppState& state, Curve curve) {
  InputCheck in(state);
  LossInputs li = ReadLossInputs(in, curve == Curve::Loss ? "Elos" : "ElosCst");
  in.require(li.d > 0, kDiameterRefusal);
  if (curve == Curve::Cost) ReadPrice(in, li);
  if (!in.ok()) return Refused(in.refusal());

  ChartData data;
  data.analysis = curve == Curve::Loss ? AnalysisId::HotHeatLoss : AnalysisId::HotHeatLossCost;
  data.unitSystem = in.unit;
  data.sizeFrom = data.sizeTo = li.row;
  LossCurve(in, li, curve, data);
  return Finished(std::move(data));
}

}  // namespace

ComputeResult ComputeHeatLoss(const AppState& state) {
  return ComputeLossChart(state, Curve::Loss);
}

ComputeResult ComputeHeatLossCost(const AppState& state) {
  return ComputeLossChart(state, Curve::Cost);
}

ComputeResult ComputeOverall(const AppState& state) {
  InputCheck in(state);
  LossInputs li = ReadLossInputs(in, "OvallCst");
  const Real interest = in.number("OvallCst_Interest");
  in.require(interest > 0, "interest-not-positive");
  const Real years = in.number("OvallCst_Depre_Yr");
  in.require(years > 0, "years-not-positive");
  in.require(li.d > 0, kDiameterRefusal);
  ReadPrice(in, li);
  if (!in.ok()) return Refused(in.refusal());

  ChartData data;
  data.analysis = AnalysisId::HotOverall;
  data.unitSystem = in.unit;
  data.sizeFrom = data.sizeTo = li.row;
  LossCurve(in, li, Curve::Cost, data);

  // Column 1: the thickness that brings the surface down to each standard temperature.
  const auto& tsurf = in.tsurfList();
  for (int r = 0; r < 10; ++r) {
    if (tsurf[r].isEmpty()) continue;
    const Real ts = StrToValue(tsurf[r].toStdString());
    const std::optional<Real> t = HotThicknessFor(in.ctx, Pipe(in, li.d, li.k), ts);
    data.chartResults[r][0] = t.value_or(0);
    data.notAchievable[r][0] = !t;
  }

  // A pipe size without costs in the table costs 0: the total is then the energy alone.
  const auto& installed = state.costs.forPipeType(in.pipeType)[li.row - 1];
  Real cheapest = 0;
  for (int j = 0; j < 15; ++j) {
    data.stockInsulationCost[j] = AnnualCost(installed[j], years, interest);
    const Real t = ConvertUnits(kQThickness, kSI, in.unit, InsulThicknessMM[j]);
    const Real q = HeatLossPerLength(in.ctx, Pipe(in, li.d, li.k), t);
    data.stockEnergyCost[j] = LossCostPerLength(in.unit, li.price, li.hoursPerYear, q);
    // Each part rounded to 0.1 first, so that the table shows sums that add up.
    data.stockTotalCost[j] =
        RoundValue(1, data.stockEnergyCost[j]) + RoundValue(1, data.stockInsulationCost[j]);
    // Strictly smaller only: on equal totals the thinner thickness stays.
    if (j == 0 || data.stockTotalCost[j] < cheapest) {
      cheapest = data.stockTotalCost[j];
      data.economicThicknessName = InsulThicknessNames[j];
    }
  }
  return Finished(std::move(data));
}

}  // namespace qora::hot
