// The energy charts of one pipe size over the insulation thickness: the chiller power per
// unit length needed to remove the heat gain, its yearly cost, and the overall cost that
// weighs the energy cost against the annualised cost of the stocked insulation.
#include <cmath>

#include "analyses/chilled/chilled_common.h"
#include "analyses/chilled/chilled_inputs.h"
#include "analyses/chilled/chilled_parts.h"
#include "charts/axis_rules.h"
#include "charts/chart_drawers.h"
#include "engine/economics.h"
#include "engine/number_text.h"
#include "engine/pipe_heat.h"
#include "engine/psychro.h"
#include "engine/standard_thickness.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora::chilled {

namespace {

enum class EnergyValue { Power, Cost };

struct EnergyInputs {
  Real d = 0, k = 0, tMax = 0, kWTR = 0, price = 0, hours = 0;
  int row = 0;
};

// The checks of the energy and cost handlers (size, k, largest thickness) on the keys of
// one panel; the cost charts also need a defined energy price.
EnergyInputs CheckEnergy(Inputs& in, KeyName sizeKey, KeyName kKey, KeyName thKey,
                         bool needsPrice) {
  EnergyInputs e;
  in.requireConditions();
  in.requireTdbAboveTop();
  e.row = in.pipeRow(sizeKey, "size-not-selected");
  const int kRow = in.listRow(in.kList(), kKey, "k-not-selected");
  e.k = in.positiveEntry(in.kList(), kRow, "k-not-positive");
  e.tMax = in.positive(thKey, "thickness-not-positive");
  e.d = in.requireDiameter(e.row);
  e.kWTR = StrToValue(in.state.settings.text(kSecParams, "kWTR").toStdString());
  if (needsPrice) {
    const std::optional<Real> price = EnergyUnitCost(in.ctx);
    in.require(price.has_value(), "price-undefined");
    e.price = price.value_or(0);
    e.hours = OperatingHoursPerYear(in.ctx);
  }
  return e;
}

Real PointValue(const Inputs& in, const EnergyInputs& e, EnergyValue what, Real t) {
  const Real q = HeatPerLength(in.ctx, Pipe(in, e.d, e.k), t);
  return what == EnergyValue::Power ? ChillerPower(q, e.kWTR)
                                    : EnergyCostPerLength(in.unit, q, e.kWTR, e.price, e.hours);
}

// 41 points from 0 to tMax (the thickness accumulated step by step).
void FillCurve(ChartData& c, const Inputs& in, const EnergyInputs& e, EnergyValue what) {
  const Real step = e.tMax / 40;
  Real t = 0;
  for (int n = 0; n <= 40; ++n) {
    c.curveX[n] = t;
    c.curveE[n] = PointValue(in, e, what, t);
    t += step;
  }
  c.xAxis = ExactAxis(e.tMax);
  c.yAxis = ValueAxis(c.curveE.data(), 41);
}

ComputeResult Done(ChartData c) {
  if (std::string why = ChartRefusal(c); !why.empty()) return {false, why, {}};
  return {true, {}, std::move(c)};
}

ComputeResult ComputeEnergy(const AppState& state) {
  Inputs in(state);
  const EnergyInputs e = CheckEnergy(in, "EInsTh_PpSz", "EInsTh_k", "EInsTh_Thc", false);
  if (!in.ok()) return {false, in.refusal(), {}};
  ChartData c;
  c.analysis = AnalysisId::ChilledEnergy;
  c.unitSystem = in.unit;
  FillCurve(c, in, e, EnergyValue::Power);
  return Done(c);
}

ComputeResult ComputeEnergyCost(const AppState& state) {
  Inputs in(state);
  const EnergyInputs e = CheckEnergy(in, "ECsInsTh_PpSz", "ECsInsTh_k", "ECsInsTh_Thc", true);
  if (!in.ok()) return {false, in.refusal(), {}};
  ChartData c;
  c.analysis = AnalysisId::ChilledEnergyCost;
  c.unitSystem = in.unit;
  FillCurve(c, in, e, EnergyValue::Cost);
  return Done(c);
}

ComputeResult ComputeOverall(const AppState& state) {
  Inputs in(state);
  EnergyInputs e = CheckEnergy(in, "OvallCst_PpSz", "OvallCst_k", "OvallCst_Thc", false);
  const Real rate = in.positive("OvallCst_Interest", "interest-not-positive");
  const Real years = in.positive("OvallCst_Depre_Yr", "years-not-positive");
  const std::optional<Real> price = EnergyUnitCost(in.ctx);
  in.require(price.has_value(), "price-undefined");
  if (!in.ok()) return {false, in.refusal(), {}};
  e.price = *price;
  e.hours = OperatingHoursPerYear(in.ctx);

  ChartData c;
  c.analysis = AnalysisId::ChilledOverall;
  c.unitSystem = in.unit;
  FillCurve(c, in, e, EnergyValue::Cost);

  // Condensation marks: the thickness against condensation at every relative humidity.
  for (int i = 1; i <= 10; ++i) {
    const QString rhText = in.rhList()[i - 1];
    if (rhText.isEmpty()) continue;
    const std::optional<Real> tDew =
        DewPointIfFound(in.ctx, in.tdb, StrToValue(rhText.toStdString()));
    const std::optional<Real> t =
        tDew ? CondensationThicknessFor(in.ctx, Pipe(in, e.d, e.k), *tDew) : std::nullopt;
    c.chartResults[i - 1][0] = t.value_or(0);
    c.notAchievable[i - 1][0] = !t;
  }

  const auto& costs = state.costs.forPipeType(in.pipeType)[e.row - 1];
  Real best = 0;
  for (int n = 0; n < 15; ++n) {
    c.stockInsulationCost[n] = AnnualCost(costs[n], years, rate);
    c.stockEnergyCost[n] = PointValue(in, e, EnergyValue::Cost, StockThickness(in.unit, n));
    // Each part rounded to 0.1 first, so the totals a table shows add up.
    c.stockTotalCost[n] =
        RoundValue(1, c.stockEnergyCost[n]) + RoundValue(1, c.stockInsulationCost[n]);
    // Strictly smaller only: of two equal totals the thinner thickness is named.
    if (n == 0 || c.stockTotalCost[n] < best) {
      best = c.stockTotalCost[n];
      c.economicThicknessName = InsulThicknessNames[n];
    }
  }
  return Done(c);
}

// --- description ---

ChartWording EnergySpec(const HeadingTexts& t, int title, const char* prefix, const QString& yUnit) {
  const std::string p(prefix);
  ChartWording wording = t.pipeSpec(title, t.axisFooter(6, kQThickness), KeyName::runtime(p + "_PpSz"),
                              KeyName::runtime(p + "_k"));
  wording.lines.push_back({3, 0, t.thicknessLine(KeyName::runtime(p + "_Thc"))});
  wording.plotE = true;
  wording.xDecimals = t.unit == kInchPound ? 1 : 0;
  wording.xUnit = t.unitLabel(kQThickness);
  wording.yDecimals = 1;
  wording.yUnit = yUnit;
  return wording;
}

ChartWording DescribeEnergy(const ChartData& d, const AppState& s) {
  const HeadingTexts t{s, d.unitSystem};
  // The chiller's electrical power to remove the heat gain (heat gain × kW per TR × 0.284),
  // named on its axis as in its title.
  return EnergySpec(t, 19, "EInsTh", t.msg(22) + ", " + t.unitLabel(kQHeatPerLength));
}

ChartWording DescribeEnergyCost(const ChartData& d, const AppState& s) {
  const HeadingTexts t{s, d.unitSystem};
  return EnergySpec(t, 20, "ECsInsTh", t.costUnit());
}

ChartWording DescribeOverall(const ChartData& d, const AppState& s) {
  const HeadingTexts t{s, d.unitSystem};
  ChartWording wording = EnergySpec(t, 34, "OvallCst", t.costUnit());
  // The largest thickness is the end of the x axis; its heading place holds the hours.
  wording.lines.back().text = t.hoursLine();
  wording.lines.push_back({1, 1, t.priceLine()});
  for (int i = 0; i < 10; ++i) {
    if (!s.params.rh[i].isEmpty()) wording.markLabels[i] = s.params.rh[i] + t.unitLabel(kQRelHumidity);
  }
  wording.insulationLabel = "  " + t.msg(38);
  wording.totalLabel = "  " + t.msg(39);
  wording.resultText = t.msg(40) + " " + QString::fromStdString(d.economicThicknessName);
  return wording;
}

const PanelDesc kEnergyPanel{
    "ChillEInsThPanel",
    kSecChilled,
    {SizeField("EInsTh_PpSz", "ChillEInsThPpSzComboBox", "ChillEInsThPpSzLabel"),
     KField("EInsTh_k", "ChillEInsThkComboBox", "ChillEInsThkLabel"),
     ThicknessField("EInsTh_Thc", "ChillEInsThThEdit", "ChillEInsThThLabel", "Max. thickness")}};

const PanelDesc kEnergyCostPanel{
    "ChillECsInsThPanel",
    kSecChilled,
    {SizeField("ECsInsTh_PpSz", "ChillECsInsThPpSzComboBox", "ChillECsInsThPpSzLabel"),
     KField("ECsInsTh_k", "ChillECsInsThkComboBox", "ChillECsInsThkLabel"),
     ThicknessField("ECsInsTh_Thc", "ChillECsInsThThEdit", "ChillECsInsThThLabel",
                    "Max. thickness")}};

const PanelDesc kOverallPanel{
    "ChillOvallCstPanel",
    kSecChilled,
    {SizeField("OvallCst_PpSz", "ChillOvallCstPpSzComboBox", "ChillOvallCstPpSzLabel"),
     KField("OvallCst_k", "ChillOvallCstkComboBox", "ChillOvallCstkLabel"),
     ThicknessField("OvallCst_Thc", "ChillOvallCstThEdit", "ChillOvallCstThLabel"),
     {FieldKind::Number, "OvallCst_Interest", "ChillOvallCstIntrEdit", "ChillOvallCstIntrLabel",
      "Interest (%)"},
     {FieldKind::Number, "OvallCst_Depre_Yr", "ChillOvallCstYrEdit", "ChillOvallCstYrLabel",
      "Years"}}};

}  // namespace

AnalysisDef EnergyAnalysis() {
  return {AnalysisId::ChilledEnergy, "chilled.energy", &kEnergyPanel, ComputeEnergy,
          DescribeEnergy};
}
AnalysisDef EnergyCostAnalysis() {
  return {AnalysisId::ChilledEnergyCost, "chilled.energycost", &kEnergyCostPanel, ComputeEnergyCost,
          DescribeEnergyCost};
}
AnalysisDef OverallAnalysis() {
  return {AnalysisId::ChilledOverall, "chilled.overall", &kOverallPanel, ComputeOverall,
          DescribeOverall};
}

}  // namespace qora::chilled
