// Which inputs the hot-water analyses refuse, and that nothing refused or drawn ever holds
// NaN or infinity.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

#include "analyses/hot/hot_compute.h"
#include "hot_test_state.h"

namespace qora {
namespace {

using test::HotSiState;
using Mutation = std::function<void(AppState&)>;

struct Named {
  const char* name;
  ComputeFn compute;
};
const Named kAll[] = {
    {"kconst", hot::ComputeKConst},
    {"tconst", hot::ComputeTConst},
    {"tsurf", hot::ComputeTsurf},
    {"tline", hot::ComputeTline},
    {"ttime", hot::ComputeTtime},
    {"heatloss", hot::ComputeHeatLoss},
    {"heatlosscost", hot::ComputeHeatLossCost},
    {"overall", hot::ComputeOverall},
};

Mutation Text(const char* section, const char* key, const char* value) {
  return [=](AppState& s) { s.settings.setText(section, KeyName::runtime(key), value); };
}
Mutation Int(const char* section, const char* key, int value) {
  return [=](AppState& s) { s.settings.setInteger(section, KeyName::runtime(key), value); };
}

std::string Outcome(ComputeFn compute, const Mutation& change) {
  AppState s = HotSiState();
  change(s);
  const ComputeResult r = compute(s);
  return r.drawn ? "drawn" : r.refusal;
}

TEST(HotRefusals, LocalConditionsOfEveryAnalysis) {
  for (const Named& a : kAll) {
    SCOPED_TRACE(a.name);
    EXPECT_EQ(Outcome(a.compute, Text(kSecHot, "Tdb", "")), "tdb-empty");
    EXPECT_EQ(Outcome(a.compute, Text(kSecHot, "Top", "")), "top-empty");
    EXPECT_EQ(Outcome(a.compute, Text(kSecHot, "Hair", "0")), "ha-not-positive");
    // A calculated coefficient does not read the field at all.
    EXPECT_EQ(Outcome(a.compute,
                      [](AppState& s) {
                        s.settings.setText(kSecHot, "Hair", "");
                        s.settings.setFactorBy(2);
                      }),
              "drawn");
  }
}

TEST(HotRefusals, RoomBelowLineExceptTheConstantValueCharts) {
  for (const Named& a : kAll) {
    SCOPED_TRACE(a.name);
    const bool constantValue = std::string(a.name) == "kconst" || std::string(a.name) == "tconst";
    EXPECT_EQ(Outcome(a.compute, Text(kSecHot, "Top", "20")),
              constantValue ? "drawn" : "tdb-not-below-top");
  }
}

TEST(HotRefusals, PanelInputs) {
  struct Case {
    ComputeFn compute;
    Mutation change;
    const char* refusal;
  };
  const Case cases[] = {
      {hot::ComputeKConst, Int(kSecHot, "k_Const_PpSzFrom", 5), "drawn"},  // from = to
      {hot::ComputeKConst, Int(kSecHot, "k_Const_PpSzFrom", 6), "size-order"},
      {hot::ComputeKConst, Int(kSecHot, "k_Const_PpSzTo", 39), "size-not-selected"},
      {hot::ComputeKConst, Int(kSecHot, "k_Const_PpSzTo", -1), "size-not-selected"},
      {hot::ComputeKConst, Int(kSecHot, "k_Const_TsufFrom", 2), "tsurf-order"},
      {hot::ComputeKConst, Int(kSecHot, "k_Const_TsufTo", 7), "tsurf-not-selected"},
      {hot::ComputeKConst, Int(kSecHot, "k_Const_k", 4), "k-not-selected"},
      {hot::ComputeKConst, [](AppState& s) { s.params.kHot[1][1] = "abc"; }, "k-not-positive"},
      {hot::ComputeTConst, Int(kSecHot, "T_Const_kFrom", 3), "k-order"},
      {hot::ComputeTConst, [](AppState& s) { s.params.tsurf[1][0] = "0"; }, "tsurf-not-positive"},
      {hot::ComputeTsurf, Int(kSecHot, "Tsurface_Tsuf", 5), "tsurf-not-selected"},
      {hot::ComputeTsurf, Text(kSecHot, "Tsurface_Thc", "0"), "thickness-not-positive"},
      {hot::ComputeTsurf, [](AppState& s) { s.params.pipeSize[0][1][5][1] = ""; },
       "diameter-not-positive"},
      {hot::ComputeTline, Text(kSecHot, "Tlen_Length", "0"), "length-not-positive"},
      {hot::ComputeTline, Text(kSecHot, "Tlen_Flow", "-0.5"), "flow-not-positive"},
      {hot::ComputeTline, Text(kSecHot, "Tlen_Thc", ""), "thickness-not-positive"},
      {hot::ComputeTtime, Int(kSecHot, "TtimeHr", 0), "hours-not-positive"},
      {hot::ComputeTtime, [](AppState& s) { s.params.pipeSize[0][1][5][2] = ""; },
       "diameter-not-positive"},
      {hot::ComputeHeatLoss, Text(kSecHot, "Elos_Thc", "-2"), "thickness-not-positive"},
      {hot::ComputeHeatLossCost, Int(kSecHot, "ElosCst_k", 9), "k-not-selected"},
      {hot::ComputeOverall, Text(kSecHot, "OvallCst_Interest", "0"), "interest-not-positive"},
      {hot::ComputeOverall, Text(kSecHot, "OvallCst_Depre_Yr", "0"), "years-not-positive"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(Outcome(c.compute, c.change), c.refusal);
  }
}

TEST(HotRefusals, UndefinedPriceRefusesOnlyTheCostCharts) {
  const Mutation gasWithoutEnergy = [](AppState& s) {
    s.settings.setInteger(kSecParams, "Source", 2);
    s.settings.setText(kSecParams, "Gas-Energy", "0");
  };
  EXPECT_EQ(Outcome(hot::ComputeHeatLoss, gasWithoutEnergy), "drawn");
  EXPECT_EQ(Outcome(hot::ComputeHeatLossCost, gasWithoutEnergy), "price-undefined");
  EXPECT_EQ(Outcome(hot::ComputeOverall, gasWithoutEnergy), "price-undefined");
}

bool AllFinite(const ChartData& d) {
  auto ok = [](Real v) { return std::isfinite(v); };
  for (const auto& row : d.chartResults) {
    for (Real v : row) {
      if (!ok(v)) return false;
    }
  }
  for (int i = 0; i < 41; ++i)
    if (!ok(d.curveX[i]) || !ok(d.curveY[i]) || !ok(d.curveE[i])) return false;
  for (int j = 0; j < 15; ++j)
    if (!ok(d.stockEnergyCost[j]) || !ok(d.stockInsulationCost[j]) || !ok(d.stockTotalCost[j]))
      return false;
  return ok(d.yAxis.lo) && ok(d.yAxis.hi) && ok(d.xAxis.hi);
}

TEST(HotRefusals, HostileInputsNeverGiveNaNOrInfinity) {
  const Mutation hostile[] = {
      // Calculated coefficient with a film temperature below −17.8 °C.
      [](AppState& s) {
        s.settings.setFactorBy(2);
        s.settings.setText(kSecHot, "Tdb", "-60");
        s.settings.setText(kSecHot, "Top", "-40");
      },
      Text(kSecHot, "Top", "1e4000"),
      Text(kSecHot, "Top", "1e300"),
      Text(kSecHot, "Hair", "1e-300"),
      [](AppState& s) { s.params.kHot[1][1] = "1e300"; },
      Text(kSecParams, "Elec-Cost", "1e4930"),
      Text(kSecHot, "Tsurface_Thc", "1e4000"),
      Text(kSecHot, "Tlen_Length", "1e300"),
  };
  for (const Named& a : kAll) {
    for (const Mutation& m : hostile) {
      AppState s = HotSiState();
      m(s);
      const ComputeResult r = a.compute(s);
      if (r.drawn) {
        EXPECT_TRUE(AllFinite(r.data)) << a.name;
      }
    }
  }
}

TEST(HotRefusals, ValuesBeyondAChartAreRefused) {
  // 1e4930 per kWh overflows the cost; a 1e300 m line has no round axis.
  EXPECT_EQ(Outcome(hot::ComputeHeatLossCost, Text(kSecParams, "Elec-Cost", "1e4930")),
            "not-finite");
  EXPECT_EQ(Outcome(hot::ComputeTline, Text(kSecHot, "Tlen_Length", "1e300")), "value-too-large");
  EXPECT_EQ(Outcome(hot::ComputeTsurf, Text(kSecHot, "Top", "1e4000")), "value-too-large");
}

}  // namespace
}  // namespace qora
