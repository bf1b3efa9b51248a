// With the calculated surface coefficient every pipe chart takes it at the insulated
// outer surface, at the surface temperature the heat balance gives there. The checks work
// the balance by hand, with the convection and radiation correlations written out below,
// independently of the program's routines.
#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

#include "analyses/analysis_registry.h"
#include "engine/number_text.h"
#include "engine/psychro.h"
#include "model/app_state.h"
#include "test_support.h"

namespace qora::test {
namespace {

// Outer surface coefficient of a horizontal cylinder in still air, W/(m²·K):
//   hc = 11.58 · (1/D)^0.2 · (1/(tm + 17.8))^0.181 · |ts − ta|^0.266  (D in mm, at most 600;
//        tm the mean film temperature in °C)
//   hr = ε · σ · (Ta⁴ − Ts⁴) / (ta − ts)  (σ = 5.6697e-8 W/(m²·K⁴), T in K)
double HandCoef(double dMm, double ts, double ta, double emissivity) {
  const double d = std::min(dMm, 600.0);
  const double tm = (ts + ta) / 2;
  const double hc = 11.58 * std::pow(1 / d, 0.2) * std::pow(1 / (tm + 17.8), 0.181) *
                    std::pow(std::fabs(ts - ta), 0.266);
  const double Ta = ta + 273.15, Ts = ts + 273.15;
  const double hr = emissivity * 5.6697e-8 * (Ta * Ta * Ta * Ta - Ts * Ts * Ts * Ts) / (ta - ts);
  return hc + hr;
}

// The surface temperature of a pipe of outside diameter D [mm] under insulation t [mm] of
// conductivity k [W/(m·K)]: k·(tl − ts)/Leq' = h(ts, D + 2t)·(ts − ta), Leq' = r2·ln(r2/r1)
// in metres, by bisection between the two temperatures.
double HandSurface(double dMm, double tMm, double k, double tl, double ta, double emissivity) {
  const double r1 = dMm / 2000, r2 = (dMm / 2 + tMm) / 1000;
  const double leq = r2 * std::log(r2 / r1);
  double lo = std::min(tl, ta), hi = std::max(tl, ta);
  for (int i = 0; i < 200; ++i) {
    const double ts = (lo + hi) / 2;
    const double f = k * (tl - ts) / leq - HandCoef(dMm + 2 * tMm, ts, ta, emissivity) * (ts - ta);
    // f falls as ts rises: positive at the colder of the two temperatures, negative at the
    // warmer, whichever of them is the line.
    if (f > 0) {
      lo = ts;
    } else {
      hi = ts;
    }
  }
  return (lo + hi) / 2;
}

class CalculatedCoefficient : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"QORApara.qdt", "QORAInsu.qdt", "QORAcost.qdt", "EN"}) {
      home.copyShipped(f);
    }
    LoadProgramState(state, home.path());
    state.settings.setUnitSystem(2);
    state.settings.setPipeType(1);
    state.settings.setFactorBy(2);
    state.settings.setSurfaceShape(0);
    state.settings.setText(kSecParams, "WINDspd", "0");
  }
  double diameter(int position) const {
    return StrToValue(state.params.PipeSize(1, 2, position + 1, 2).toStdString());
  }
  double kHot(int position) const {
    return StrToValue(state.params.kHot[1][position].toStdString());
  }
  ComputeResult compute(const char* analysis) const {
    return ComputeChart(*FindAnalysis(analysis), state);
  }
  TempHome home;
  AppState state;
};

TEST_F(CalculatedCoefficient, CondensationThicknessKeepsTheSurfaceAtTheDewPoint) {
  // 1" pipe, room 30 °C at 90 %, line 5 °C, jacket emissivity 0.1.
  state.settings.setEmissivityChoice(2);
  state.settings.setText(kSecParams, "Em-Jacket", "0.1");
  state.settings.setText(kSecChilled, "Tdb", "30");
  state.settings.setText(kSecChilled, "Top", "5");
  const int size = 5, rh = 8, kPos = 4;
  state.settings.setInteger(kSecChilled, "k_Const_PpSzFrom", size);
  state.settings.setInteger(kSecChilled, "k_Const_PpSzTo", size + 3);
  state.settings.setInteger(kSecChilled, "k_Const_RHFrom", rh);
  state.settings.setInteger(kSecChilled, "k_Const_RHTo", rh);
  state.settings.setInteger(kSecChilled, "k_Const_k", kPos);
  const ComputeResult r = compute("chilled.kconst");
  ASSERT_TRUE(r.drawn) << r.refusal;
  const double k = StrToValue(state.params.kChilled[1][kPos].toStdString());
  const double rhValue = StrToValue(state.params.rh[rh].toStdString());
  const double dew = static_cast<double>(DewPoint(state.settings.calcContext(), 30, rhValue));
  for (int j = size; j <= size + 3; ++j) {
    SCOPED_TRACE(j);
    const double t = static_cast<double>(r.data.chartResults[rh][j]);
    // The solver's tolerance is 0.001 mm of radius: the surface lies within 0.01 K of
    // the dew point, on the dry side or at it.
    EXPECT_NEAR(HandSurface(diameter(j), t, k, 5, 30, 0.1), dew, 0.01);
    // The coefficient taken at the bare pipe would have given a thinner layer on which
    // water condenses: the surface of that layer lies below the dew point.
    const double hBare = HandCoef(diameter(j), dew, 30, 0.1);
    const double leqBare = k * (dew - 5) / (hBare * (30 - dew));  // m
    double r2 = diameter(j) / 2000;
    while (r2 * std::log(r2 * 2000 / diameter(j)) < leqBare) r2 += 1e-6;
    const double thinner = r2 * 1000 - diameter(j) / 2;
    EXPECT_LT(thinner, t - 1);
    EXPECT_LT(HandSurface(diameter(j), thinner, k, 5, 30, 0.1), dew - 0.1);
  }
}

TEST_F(CalculatedCoefficient, HotSurfaceTemperatureAgreesWithTheHeatLoss) {
  // 2" pipe, line 200 °C, room 25 °C, emissivity 0.9, thicknesses up to 100 mm.
  state.settings.setEmissivityChoice(1);
  state.settings.setText(kSecParams, "Em-NoJacket", "0.9");
  state.settings.setText(kSecHot, "Tdb", "25");
  state.settings.setText(kSecHot, "Top", "200");
  const int size = 8, kPos = 8;
  for (const char* key : {"Tsurface_PpSz", "Elos_PpSz"}) {
    state.settings.setInteger(kSecHot, KeyName::runtime(key), size);
  }
  for (const char* key : {"Tsurface_k", "Elos_k"}) {
    state.settings.setInteger(kSecHot, KeyName::runtime(key), kPos);
  }
  state.settings.setText(kSecHot, "Tsurface_Thc", "100");
  state.settings.setText(kSecHot, "Elos_Thc", "100");
  const ComputeResult surface = compute("hot.tsurf");
  const ComputeResult loss = compute("hot.heatloss");
  ASSERT_TRUE(surface.drawn) << surface.refusal;
  ASSERT_TRUE(loss.drawn) << loss.refusal;
  const double d = diameter(size), k = kHot(kPos);
  for (int i : {4, 8, 20, 30, 40}) {
    SCOPED_TRACE(i);
    const double t = static_cast<double>(surface.data.curveX[i]);
    ASSERT_DOUBLE_EQ(t, static_cast<double>(loss.data.curveX[i]));
    const double ts = static_cast<double>(surface.data.curveY[i]);
    EXPECT_NEAR(ts, HandSurface(d, t, k, 200, 25, 0.9), 0.01);
    // The surface worked back from the heat loss: q = h(ts)·(ts − ta)·π·(D + 2t) per metre.
    const double q = static_cast<double>(loss.data.curveE[i]);
    double lo = 25.001, hi = 200;
    for (int n = 0; n < 200; ++n) {
      const double mid = (lo + hi) / 2;
      const double qMid =
          HandCoef(d + 2 * t, mid, 25, 0.9) * (mid - 25) * std::numbers::pi * (d + 2 * t) / 1000;
      (qMid < q ? lo : hi) = mid;
    }
    EXPECT_NEAR((lo + hi) / 2, ts, 0.01);
  }
  // 50 mm: about 35 °C, not the 31 °C a coefficient taken at (room + line) / 2 gives.
  EXPECT_GT(static_cast<double>(surface.data.curveY[20]), 34);
  // The bare pipe's loss is the film's at the line temperature on the bare diameter.
  EXPECT_NEAR(static_cast<double>(loss.data.curveE[0]),
              HandCoef(d, 200, 25, 0.9) * 175 * std::numbers::pi * d / 1000, 1e-6);
}

}  // namespace
}  // namespace qora::test
