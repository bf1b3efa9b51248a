// The unit button: 1 -> 2 -> 3 -> 1; every typed physical value follows with its quantity's
// conversion (the physical problem stays the same), list positions and costs keep their
// numbers, the help ranges change.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include "shell/ha_help.h"
#include "shell/local_conditions_dialog.h"
#include "shell/main_bar.h"
#include "shell/unit_relabel.h"
#include "shell_fixture.h"

namespace qora::test {
namespace {

class UnitsTest : public ShellTest {
 protected:
  QString chill(const char* name) {
    return window->chillDialog().findChild<QLineEdit*>(name)->text();
  }
  QStringList help(LocalConditionsDialog& d) {
    return d.findChild<QPlainTextEdit*>("haHelp")->toPlainText().split('\n');
  }
  void pressUnit() {
    QTest::mouseClick(window->bar().findChild<QPushButton*>("UnitSpdBtn"), Qt::LeftButton);
  }
};

TEST_F(UnitsTest, ThreePressesReturnTheSurfaceCoefficientSlightlyChanged) {
  open(
      "[QORA2000]\nUnits=2\n[PARAMETERS]\nWINDspd=10\n[CHILLED-WATER]\nTdb=25.0\nHair=9.0\n"
      "[HOT-WATER]\nHair=9.0\n[DUCT]\nHair=9.0\n");
  start();
  // Each step converts, adds 0.0001 and keeps three decimals: 9 x 4.875/5.674 = 7.7326...,
  // 7.733 / 4.875 = 1.5863, 1.586 x 5.674 = 8.9990.
  const struct {
    int unit;
    const char* ha;
    const char* wind;
    const char* ranges[3];
  } steps[] = {
      {3, "7.733", "10.0", {"5.0-6.8", "6.8-7.7", "10.0-80.0"}},
      {1, "1.586", "6.215", {"1.0-1.4", "1.4-1.6", "2.0-17.0"}},
      {2, "8.999", "10.0", {"6.0-8.0", "8.0-9.0", "12.0-96.0"}},
  };
  const QStringList si = help(window->chillDialog());
  EXPECT_TRUE(si[2].endsWith("  6.0-8.0"));
  EXPECT_TRUE(si[4].endsWith("  12.0-96.0"));
  for (const auto& s : steps) {
    pressUnit();
    SCOPED_TRACE(s.unit);
    EXPECT_EQ(state.settings.unitSystem(), s.unit);
    EXPECT_EQ(chill("haEdit"), s.ha);
    EXPECT_EQ(state.settings.text(kSecChilled, "Hair"), s.ha);
    EXPECT_EQ(state.settings.text(kSecHot, "Hair"), s.ha);
    EXPECT_EQ(state.settings.text(kSecDuct, "Hair"), s.ha);
    EXPECT_EQ(state.settings.text(kSecParams, "WINDspd"), s.wind);
    for (LocalConditionsDialog* d : {&window->chillDialog(), &window->hotDialog()}) {
      const QStringList lines = help(*d);
      ASSERT_EQ(lines.size(), 5);
      for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(lines[2 + i].endsWith(QString("  ") + s.ranges[i]))
            << lines[2 + i].toStdString();
      EXPECT_EQ(lines[1], "(" + state.lang.UnitLabel(s.unit, 3) + ")");
    }
    EXPECT_EQ(window->bar().findChild<QPushButton*>("UnitSpdBtn")->text(),
              state.lang.UnitSystemName(s.unit).trimmed());
  }
}

TEST_F(UnitsTest, ThreePressesReturnEveryTypedValueWithinItsDisplayRounding) {
  open(
      "[QORA2000]\nUnits=2\n[CHILLED-WATER]\nTdb=25.0\nTop=7\nTsurface_Thc=40\nTlen_Length=200\n"
      "Tlen_Flow=2.5\nTlen_Thc=\nk_Const_k=3\n[HOT-WATER]\nTop=-12.5\n[STORAGE]\nTend=15\n"
      "[Rvalue]\nk=0.045\n[PARAMETERS]\nElec-Cost=3.0\n");
  start();
  struct Value {
    const char* section;
    KeyName key;
    double si;         // as typed in SI
    double ip;         // the same quantity in inch-pound, worked by hand
    double tolerance;  // the display rounding
    double kcal = 0;   // in metric-kcal when it differs from SI
  };
  const Value values[] = {
      {kSecChilled, "Tdb", 25, 77, 0.05},                // °C -> °F
      {kSecChilled, "Top", 7, 44.6, 0.05},               // 7 · 1.8 + 32
      {kSecChilled, "Tsurface_Thc", 40, 1.5748, 0.05},   // mm -> in
      {kSecChilled, "Tlen_Length", 200, 656.168, 0.05},  // m -> ft (0.3048 m/ft)
      {kSecChilled, "Tlen_Flow", 2.5, 11.0084, 0.005},   // m³/h -> US gal/min (0.2271)
      {kSecHot, "Top", -12.5, 9.5, 0.05},
      {kSecStorage, "Tend", 15, 59, 0.05},
      // W/(m·K) -> Btu·in/(h·ft²·°F) (0.144) and kcal/(m·h·°C) (0.124 / 0.144).
      {kSecRValue, "k", 0.045, 0.3125, 0.00005, 0.03875},
  };
  auto number = [&](const Value& v) {
    return state.settings.text(v.section, v.key).replace(',', '.').toDouble();
  };
  for (int press = 1; press <= 3; ++press) {
    pressUnit();
    const int unit = state.settings.unitSystem();
    for (const Value& v : values) {
      SCOPED_TRACE(std::string(v.section) + "." + std::string(v.key.view()) + " in system " +
                   std::to_string(unit));
      EXPECT_NEAR(number(v), unit == 1 ? v.ip : unit == 3 && v.kcal ? v.kcal : v.si, v.tolerance);
    }
    EXPECT_EQ(chill("TdbEdit"), state.settings.text(kSecChilled, "Tdb"));  // the box follows
    // An empty field stays empty; a list position and a cost keep their numbers.
    EXPECT_EQ(state.settings.text(kSecChilled, "Tlen_Thc"), "");
    EXPECT_EQ(state.settings.integer(kSecChilled, "k_Const_k"), 3);
    EXPECT_EQ(state.settings.text(kSecParams, "Elec-Cost"), "3.0");
  }
}

TEST(UnitValues, EqualSystemsConvertNothing) {
  Settings s;
  s.setUnitSystem(2);
  s.setText(kSecParams, "WINDspd", "abc");
  s.setText(kSecStorage, "Hair", "9.12345");
  ConvertUnitValues(s, 2);
  EXPECT_EQ(s.text(kSecParams, "WINDspd"), "abc");
  EXPECT_EQ(s.text(kSecStorage, "Hair"), "9.12345");
}

TEST(UnitValues, StepCyclesThroughTheThreeSystems) {
  Settings s;
  s.setUnitSystem(1);
  const int expected[] = {2, 3, 1, 2};
  for (int e : expected) {
    StepUnitSystem(s);
    EXPECT_EQ(s.unitSystem(), e);
  }
}

TEST(HaHelp, LinesCarryMessagesUnitAndRanges) {
  LanguageTexts lang = BuiltinLanguageTexts();
  lang.msg[44] = "Typical ha";
  lang.msg[45] = "Still air";
  lang.msg[46] = "Light air";
  lang.msg[47] = "Wind";
  const QStringList lines = HaHelpLines(lang, 2);
  EXPECT_EQ(lines, QStringList({"Typical ha", "(" + lang.UnitLabel(2, 3) + ")",
                                "Still air  6.0-8.0", "Light air  8.0-9.0", "Wind  12.0-96.0"}));
  EXPECT_EQ(HaHelpLines(lang, 1)[4], "Wind  2.0-17.0");
}

}  // namespace
}  // namespace qora::test
