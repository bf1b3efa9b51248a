// The duct, operating-equipment and storage-tank forms: worked examples by hand, the answer
// rules at their edges, the tank's strict checks, and that no input ever shows NaN,
// infinity or a negative thickness.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>

#include "analyses/other/form_def.h"
#include "analyses/other/form_rules.h"
#include "analysis_test_support.h"
#include "model/settings.h"
#include "test_support.h"

namespace qora {
namespace {

using test::FixedState;
using test::Set;

// SI, typed ha 9 W/(m²·K), k list row 1 = 0.035 W/(m·K), RH list 50, 55 .. 95 (position 6
// = 80 %). Room 25 °C, duct air or equipment at 10 °C.
AppState FlatState(const char* section) {
  AppState s = FixedState(2);
  s.settings.setFactorBy(1);
  s.settings.setText(section, "Tdb", "25");
  s.settings.setText(section, "Top", "10");
  s.settings.setText(section, "Hair", "9");
  s.settings.setInteger(section, "%RH", 6);
  s.settings.setInteger(section, "k", 1);
  return s;
}

// SI box 2 × 2 × 3 m filled to 80 % with chilled water from 10 °C, allowed to reach 15 °C
// in a 25 °C room within 48 h; k 0.035 W/(m·K), typed ha 9 W/(m²·K).
AppState TankState() {
  AppState s = FixedState(2);
  s.settings.setFactorBy(1);
  s.params.kHot[1] = {"0.045", "0.035", "0.050"};
  const std::pair<const char*, const char*> texts[] = {
      {"STORAGE.BoxWidth", "2"}, {"STORAGE.BoxHeight", "2"}, {"STORAGE.BoxLength", "3"},
      {"STORAGE.Tdb", "25"},     {"STORAGE.Tst", "10"},      {"STORAGE.Tend", "15"},
      {"STORAGE.Hair", "9"},     {"STORAGE.Time-hr", "48"},  {"STORAGE.Percent", "80"},
      {"STORAGE.k", "1"},        {"STORAGE.Shape", "0"},     {"STORAGE.k_CHILL", "1"},
  };
  for (const auto& [key, value] : texts) Set(s, key, value);
  return s;
}

TEST(FormAnswerText, RulesAtTheirEdges) {
  const Real nan = std::numeric_limits<Real>::quiet_NaN();
  const struct {
    int unit;
    Real t;
    const char* flat;
    const char* tank;
  } cases[] = {
      {1, 100, "N/A", "> 100"},    {1, 99.99L, "99.99", "99.99"},
      {1, 0, "0.00", "0.00"},      {1, -0.5L, "0.00", "0.00"},
      {1, 1.234L, "1.23", "1.23"}, {2, 1000, "N/A", "> 1000"},
      {2, 999.4L, "999", "999"},   {2, -3, "0", "0"},
      {3, 12.5L, "13", "13"},      {3, 1e6L, "N/A", "> 1000"},
      {2, nan, "N/A", "N/A"},      {1, nan, "N/A", "N/A"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.unit << " " << static_cast<double>(c.t));
    EXPECT_EQ(FlatAnswerText(c.unit, c.t), c.flat);
    EXPECT_EQ(TankAnswerText(c.unit, c.t), c.tank);
  }
  EXPECT_EQ(HeatGainText(33.237L), "33.2");
  EXPECT_EQ(HeatGainText(nan), "N/A");
}

// Dew point of 25 °C air at 80 %: 21.307 °C (±0.005, the psychrometric worked example).
// t = (Tdp − Top)·k / ((Tdb − Tdp)·h) · 1000 = 11.307 · 0.035 / (3.693 · 9) · 1000
//   = 11.907 mm, shown without decimals.
TEST(DuctForm, WorkedExampleInSI) {
  const FormResult r = FormOf(FormId::Duct).compute(FlatState(kSecDuct));
  ASSERT_TRUE(r.computed) << r.refusal;
  EXPECT_REAL_NEAR(r.dewPoint, 21.307L, 0.005L);
  EXPECT_REAL_NEAR(r.surfaceCoef, 9, 1e-12L);
  EXPECT_REAL_NEAR(r.thickness, 11.907L, 0.03L);
  EXPECT_EQ(r.answer, "12");
}

// The same air in inch-pound units: 77 °F, dew point 21.307 · 1.8 + 32 = 70.353 °F, duct at
// 50 °F, k 0.243 Btu·in/(h·ft²·°F), ha 1.6 Btu/(h·ft²·°F):
// t = 20.353 · 0.243 / (6.647 · 1.6) = 0.465 in.
TEST(DuctForm, WorkedExampleInInchPound) {
  AppState s = FlatState(kSecDuct);
  s.settings.setUnitSystem(1);
  s.settings.setText(kSecDuct, "Tdb", "77");
  s.settings.setText(kSecDuct, "Top", "50");
  s.settings.setText(kSecDuct, "Hair", "1.6");
  const FormResult r = FormOf(FormId::Duct).compute(s);
  ASSERT_TRUE(r.computed) << r.refusal;
  EXPECT_REAL_NEAR(r.thickness, 0.465L, 0.002L);
  EXPECT_EQ(r.answer, "0.47");
}

// Through the least thickness the surface sits at the dew point, so the heat the room
// gives is the film's: q = h · (Tdb − Tdp) = 9 · 3.693 = 33.24 W/m². The bare wall would
// take h · (Tdb − Top) = 9 · 15 = 135 W/m².
TEST(OperatingForm, HeatGainIsThroughTheLeastThicknessNotTheBareWall) {
  const FormResult r = FormOf(FormId::Operating).compute(FlatState(kSecOperating));
  ASSERT_TRUE(r.computed) << r.refusal;
  EXPECT_EQ(r.answer, "12");
  EXPECT_REAL_NEAR(r.heatGain, 33.237L, 0.05L);
  EXPECT_EQ(r.heatGainText, "33.2");
}

// ha 0.1: t = 11.307 · 0.035 / (3.693 · 0.1) · 1000 = 1071.6 mm, past the 1000 mm limit;
// the gain through it, 0.1 · 3.693 = 0.37 W/m², is still shown.
TEST(OperatingForm, AThicknessBeyondTheLimitStillShowsItsHeatGain) {
  AppState s = FlatState(kSecOperating);
  s.settings.setText(kSecOperating, "Hair", "0.1");
  const FormResult r = FormOf(FormId::Operating).compute(s);
  ASSERT_TRUE(r.computed) << r.refusal;
  EXPECT_REAL_NEAR(r.thickness, 1071.6L, 3);
  EXPECT_EQ(r.answer, "N/A");
  EXPECT_EQ(r.heatGainText, "0.4");
}

using Change = std::function<void(AppState&)>;
Change Text(const char* key, const char* value) {
  return [=](AppState& s) { s.settings.setText(kSecDuct, KeyName::runtime(key), value); };
}
Change Position(const char* key, int value) {
  return [=](AppState& s) { s.settings.setInteger(kSecDuct, KeyName::runtime(key), value); };
}

TEST(DuctForm, EmptyOrUnusableInputsNeverShowNaNInfinityOrANegativeThickness) {
  const struct {
    const char* why;
    Change change;
    const char* refusal;  // "" when computed
  } cases[] = {
      {"room read as 0 °C: its dew point lies below the duct", Text("Tdb", ""), ""},
      {"duct read as 0 °C", Text("Top", ""), ""},
      {"duct warmer than the dew point needs nothing", Text("Top", "24"), ""},
      {"ha empty: no film, no finite thickness", Text("Hair", ""), "ha-not-positive"},
      {"ha not a number", Text("Hair", "abc"), "ha-not-positive"},
      {"ha negative", Text("Hair", "-9"), "ha-not-positive"},
      {"no k chosen", Position("k", 12), "k-not-selected"},
      {"no RH chosen", Position("%RH", -1), "rh-not-selected"},
      {"room above the psychrometric table", Text("Tdb", "150"), "dew-point-not-found"},
      {"room below the psychrometric table", Text("Tdb", "-40"), "dew-point-not-found"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    AppState s = FlatState(kSecDuct);
    c.change(s);
    const FormResult r = FormOf(FormId::Duct).compute(s);
    EXPECT_EQ(r.refusal, c.refusal);
    EXPECT_EQ(r.computed, std::string(c.refusal).empty());
    if (r.computed) {
      EXPECT_TRUE(std::isfinite(r.thickness));
      EXPECT_GE(r.thickness, 0);
      EXPECT_NE(r.answer, "N/A");
    } else {
      EXPECT_TRUE(std::isnan(r.thickness));
      EXPECT_EQ(r.answer, "N/A");
    }
    EXPECT_FALSE(r.answer.contains("nan") || r.answer.contains("inf") || r.answer.contains('-'))
        << r.answer.toStdString();
  }
}

TEST(DuctForm, SaturatedAirOverAColdWallHasNoThickness) {
  AppState s = FlatState(kSecDuct);
  s.params.rh = {"100"};
  s.settings.setInteger(kSecDuct, "%RH", 0);
  // The surface would have to stay at the air's own temperature: no thickness does that.
  EXPECT_EQ(FormOf(FormId::Duct).compute(s).refusal, "saturated-air");
  // A duct at the room's temperature stays dry bare.
  s.settings.setText(kSecDuct, "Top", "25");
  const FormResult warm = FormOf(FormId::Duct).compute(s);
  EXPECT_TRUE(warm.computed);
  EXPECT_EQ(warm.answer, "0");
}

// A = 2(2·2 + 2·3 + 2·3) = 32 m²; V = 12 m³ · 0.8 = 9.6 m³; L = ln((10 − 25)/(15 − 25))
// = ln 1.5 = 0.405465.
// t = 1000 · k · (3.6 · hours · A / (1000 · V · 4.186 · L) − 1/h)
//   = 35 · (5529.6 / 16293.9 − 0.111111) = 35 · 0.228255 = 7.989 mm.
TEST(StorageForm, WorkedExampleOfAChilledBox) {
  const FormResult r = FormOf(FormId::Storage).compute(TankState());
  ASSERT_TRUE(r.computed) << r.refusal;
  EXPECT_EQ(r.shape, 0);
  EXPECT_REAL_NEAR(r.area, 32, 1e-12L);
  EXPECT_REAL_NEAR(r.volume, 9.6L, 1e-12L);
  EXPECT_REAL_NEAR(r.thickness, 7.989L, 0.002L);
  EXPECT_EQ(r.answer, "8");
}

// Half full: V = 6 m³, the area stays 32 m²: 35 · (5529.6 / 10183.7 − 0.111111) = 15.116 mm.
TEST(StorageForm, HalfFullHalvesTheWaterNotTheAreaSoTheThicknessGrows) {
  AppState s = TankState();
  Set(s, "STORAGE.Percent", "50");
  const FormResult r = FormOf(FormId::Storage).compute(s);
  ASSERT_TRUE(r.computed) << r.refusal;
  EXPECT_REAL_NEAR(r.area, 32, 1e-12L);
  EXPECT_REAL_NEAR(r.volume, 6, 1e-12L);
  EXPECT_REAL_NEAR(r.thickness, 15.116L, 0.002L);
  EXPECT_EQ(r.answer, "15");
}

// Hot water in a 20 °C room from 60 °C to no lower than 55 °C, k from the hot list (row 1,
// 0.035): L = ln(40/35) = 0.133531; 35 · (5529.6 / 5366.1 − 0.111111) = 32.18 mm.
TEST(StorageForm, WorkedExampleOfAHotBox) {
  AppState s = TankState();
  Set(s, "STORAGE.k_CHILL", "0");
  Set(s, "STORAGE.Tdb", "20");
  Set(s, "STORAGE.Tst", "60");
  Set(s, "STORAGE.Tend", "55");
  const FormResult r = FormOf(FormId::Storage).compute(s);
  ASSERT_TRUE(r.computed) << r.refusal;
  EXPECT_REAL_NEAR(r.thickness, 32.18L, 0.01L);
  EXPECT_EQ(r.answer, "32");
}

// Cylinder D 2, L 3: A = π·2·(1 + 3) = 25.133 m², V = π/4·4·3·0.8 = 7.540 m³.
// Sphere D 2.5: A = π·6.25 = 19.635 m², V = π·15.625/6·0.8 = 6.545 m³.
TEST(StorageForm, CylinderAndSphereGeometry) {
  AppState s = TankState();
  Set(s, "STORAGE.CylDiameter", "2");
  Set(s, "STORAGE.CylLength", "3");
  Set(s, "STORAGE.SphDiameter", "2.5");
  Set(s, "STORAGE.Shape", "1");
  FormResult r = FormOf(FormId::Storage).compute(s);
  EXPECT_REAL_NEAR(r.area, 25.133L, 0.001L);
  EXPECT_REAL_NEAR(r.volume, 7.540L, 0.001L);
  Set(s, "STORAGE.Shape", "2");
  r = FormOf(FormId::Storage).compute(s);
  EXPECT_REAL_NEAR(r.area, 19.635L, 0.001L);
  EXPECT_REAL_NEAR(r.volume, 6.545L, 0.001L);
  // A stored shape the list does not name is the box.
  Set(s, "STORAGE.Shape", "7");
  r = FormOf(FormId::Storage).compute(s);
  EXPECT_EQ(r.shape, 0);
  EXPECT_REAL_NEAR(r.area, 32, 1e-12L);
}

TEST(StorageForm, RefusalsShowNotAvailable) {
  const struct {
    const char* why;
    std::vector<std::pair<const char*, const char*>> set;
    const char* refusal;
  } cases[] = {
      {"chilled: Tend equal to Tdb", {{"STORAGE.Tend", "25"}}, "temperatures-out-of-order"},
      {"chilled: Tend equal to Tst", {{"STORAGE.Tend", "10"}}, "temperatures-out-of-order"},
      {"hot: Tend equal to Tst",
       {{"STORAGE.k_CHILL", "0"},
        {"STORAGE.Tdb", "20"},
        {"STORAGE.Tst", "60"},
        {"STORAGE.Tend", "60"}},
       "temperatures-out-of-order"},
      {"hot: Tend equal to Tdb",
       {{"STORAGE.k_CHILL", "0"},
        {"STORAGE.Tdb", "20"},
        {"STORAGE.Tst", "60"},
        {"STORAGE.Tend", "20"}},
       "temperatures-out-of-order"},
      {"a box with one side 0, whatever the other shapes hold",
       {{"STORAGE.BoxHeight", "0"}, {"STORAGE.CylDiameter", "2"}, {"STORAGE.SphDiameter", "2"}},
       "dimension-not-positive"},
      {"a cylinder without length",
       {{"STORAGE.Shape", "1"}, {"STORAGE.CylLength", ""}},
       "dimension-not-positive"},
      {"no water", {{"STORAGE.Percent", "0"}}, "no-water"},
      {"more than full", {{"STORAGE.Percent", "150"}}, "percent-above-100"},
      {"percentage empty", {{"STORAGE.Percent", ""}}, "percent-empty"},
      {"room temperature empty", {{"STORAGE.Tdb", ""}}, "tdb-empty"},
      {"storage time empty", {{"STORAGE.Time-hr", " "}}, "hours-empty"},
      {"storage time 0", {{"STORAGE.Time-hr", "0"}}, "hours-not-positive"},
      {"typed ha empty", {{"STORAGE.Hair", ""}}, "ha-empty"},
      {"typed ha 0", {{"STORAGE.Hair", "0"}}, "ha-not-positive"},
      {"no k chosen", {{"STORAGE.k", "5"}}, "k-not-selected"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.why);
    AppState s = TankState();
    for (const auto& [key, value] : c.set) Set(s, key, value);
    const FormResult r = FormOf(FormId::Storage).compute(s);
    EXPECT_FALSE(r.computed);
    EXPECT_EQ(r.refusal, c.refusal);
    EXPECT_EQ(r.answer, "N/A");
    EXPECT_TRUE(std::isnan(r.thickness));
  }
}

TEST(StorageForm, ACalculatedCoefficientDoesNotNeedTheTypedOne) {
  AppState s = TankState();
  Set(s, "STORAGE.Hair", "");
  s.settings.setFactorBy(2);
  s.settings.setInteger(kSecParams, "Emission", 1);
  const FormResult r = FormOf(FormId::Storage).compute(s);
  EXPECT_TRUE(r.computed) << r.refusal;
  EXPECT_GT(r.surfaceCoef, 0);
}

// A tiny tank for a long time needs more than a metre: "> 1000"; a short time none: "0".
TEST(StorageForm, LimitsOfTheAnswer) {
  AppState s = TankState();
  Set(s, "STORAGE.Time-hr", "100000");
  EXPECT_EQ(FormOf(FormId::Storage).compute(s).answer, "> 1000");
  Set(s, "STORAGE.Time-hr", "1");
  const FormResult r = FormOf(FormId::Storage).compute(s);
  EXPECT_LT(r.thickness, 0);
  EXPECT_EQ(r.answer, "0");
  // The same digits in inch-pound units (k row 1 = 0.243, A 32 ft², V 9.6 ft³) for half an
  // hour: 0.243 · (0.5 · 32 / (62.26 · 9.6 · 0.405465) − 1/9) = −0.0106 in.
  s.settings.setUnitSystem(1);
  Set(s, "STORAGE.Time-hr", "0.5");
  EXPECT_EQ(FormOf(FormId::Storage).compute(s).answer, "0.00");
}

}  // namespace
}  // namespace qora
