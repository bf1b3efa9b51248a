// The unit button: 1 -> 2 -> 3 -> 1, the surface coefficients and the wind speed follow,
// every other typed number keeps its digits, the help ranges change.
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
    EXPECT_EQ(chill("TdbEdit"), "25.0");  // temperatures keep their digits
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
