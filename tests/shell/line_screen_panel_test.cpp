// The input panels of the two line screens: lists and labels follow the unit system and
// keep their positions, set-up never asks for a redraw, edits reach the settings at once.
#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <memory>

#include "analyses/analysis_registry.h"
#include "analyses/chilled/chilled_analyses.h"
#include "analyses/hot/hot_analyses.h"
#include "model/app_state.h"
#include "shell/line_screen_panel.h"
#include "test_support.h"

namespace qora {
namespace {

// Tables whose texts name their list and unit system, so a box filled from the wrong list
// or the wrong system shows at once: 30 pipe sizes, 8 k values, 10 RH, 6 surface temps.
AppState MakeState() {
  AppState s;
  for (int pt = 0; pt < 2; ++pt) {
    for (int u = 0; u < 3; ++u) {
      for (int r = 0; r < 30; ++r) {
        s.params.pipeSize[pt][u][r][0] = QString("P%1-%2u%3").arg(pt + 1).arg(r + 1).arg(u + 1);
      }
    }
  }
  for (int u = 0; u < 3; ++u) {
    for (int i = 0; i < 8; ++i) {
      s.params.kChilled[u][i] = QString("kc%1u%2").arg(i + 1).arg(u + 1);
      s.params.kHot[u][i] = QString("kh%1u%2").arg(i + 1).arg(u + 1);
    }
    for (int i = 0; i < 6; ++i) s.params.tsurf[u][i] = QString("ts%1u%2").arg(i + 1).arg(u + 1);
  }
  for (int i = 0; i < 10; ++i) s.params.rh[i] = QString::number(50 + 5 * i);
  return s;
}

struct PanelTest : ::testing::Test {
  AppState state = MakeState();

  std::unique_ptr<LinePanel> panel(const PanelDesc& d) {
    auto p = std::make_unique<LinePanel>(state, d);
    p->setUp();
    return p;
  }
  template <class W>
  W* find(LinePanel& p, const char* name) {
    W* w = p.findChild<W*>(QString::fromLatin1(name));
    EXPECT_NE(w, nullptr) << name;
    return w;
  }
};

TEST(LineScreenPanelSetup, ShellTestsRunUnderAWidgetApplication) {
  ASSERT_NE(qobject_cast<QApplication*>(QCoreApplication::instance()), nullptr);
}

TEST_F(PanelTest, EveryFieldNamesAKeyOfItsSectionWithTheMatchingKind) {
  // A misspelt key would be neither restored nor saved; a list position stored as text
  // (or a typed number as an integer) would be mangled by the settings file.
  for (const AnalysisDef* def : AllAnalyses()) {
    const PanelDesc& p = *def->panel;
    for (const FieldDesc& f : p.fields) {
      const SettingKey* key = FindSettingKey(p.section, f.key);
      ASSERT_NE(key, nullptr) << p.section << "." << f.key;
      const KeyKind expected = f.kind == FieldKind::Number ? KeyKind::Text : KeyKind::Int;
      EXPECT_EQ(key->kind, expected) << p.section << "." << f.key;
    }
  }
}

TEST_F(PanelTest, UnitSwitchKeepsListPositionsAndRelabels) {
  struct Case {
    const PanelDesc* desc;
    const char* key;
    const char* control;
    int position;
    const char* textUnit1;
    const char* textUnit2;
  };
  const Case cases[] = {
      {ChilledAnalyses()[2].panel, "Tsurface_PpSz", "ChillTsufPpSzComboBox", 7, "P2-8u1", "P2-8u2"},
      {ChilledAnalyses()[2].panel, "Tsurface_k", "ChillTsufkComboBox", 3, "kc4u1", "kc4u2"},
      {ChilledAnalyses()[0].panel, "k_Const_RHTo", "ChillkConstRHToComboBox", 9, "95", "95"},
      {HotAnalyses()[2].panel, "Tsurface_k", "HotTsufkComboBox", 5, "kh6u1", "kh6u2"},
      {HotAnalyses()[0].panel, "k_Const_TsufTo", "HotkConstTsufToComboBox", 2, "ts3u1", "ts3u2"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.control);
    state.settings.setUnitSystem(1);
    state.settings.setInteger(c.desc->section, KeyName::runtime(c.key), c.position);
    auto p = panel(*c.desc);
    auto* combo = find<QComboBox>(*p, c.control);
    EXPECT_EQ(combo->currentText(), c.textUnit1);
    state.settings.setUnitSystem(2);
    p->setUp();
    EXPECT_EQ(combo->currentIndex(), c.position);
    EXPECT_EQ(combo->currentText(), c.textUnit2);
    EXPECT_EQ(state.settings.integer(c.desc->section, KeyName::runtime(c.key)), c.position);
  }
}

TEST_F(PanelTest, UnitLabelsAndSizeCaptionFollowTheUnitSystem) {
  auto p = panel(*ChilledAnalyses()[3].panel);  // along a line: thickness, length, flow
  auto* th = find<QLabel>(*p, "ChillTlnThUnitLabel");
  auto* len = find<QLabel>(*p, "ChillTlnLenUnitLabel");
  auto* flow = find<QLabel>(*p, "ChillTlnFlowUnitLabel");
  auto* size = find<QLabel>(*p, "ChillTlnPpSzLabel");
  EXPECT_EQ(th->text(), "in.");
  EXPECT_EQ(len->text(), "ft.");
  EXPECT_EQ(flow->text(), "GPM");
  EXPECT_TRUE(size->text().endsWith(" (in.)")) << size->text().toStdString();
  state.settings.setUnitSystem(3);
  p->setUp();
  EXPECT_EQ(th->text(), "mm.");
  EXPECT_EQ(len->text(), "m.");
  EXPECT_EQ(flow->text(), "cu.m./hr.");
  EXPECT_TRUE(size->text().endsWith(" (mm.)")) << size->text().toStdString();
}

TEST_F(PanelTest, PositionNamingNoEntryLeavesTheBoxWithoutSelection) {
  for (int stored : {30, 39, -1, 1000}) {
    state.settings.setInteger(kSecChilled, "Tlen_PpSz", stored);
    auto p = panel(*ChilledAnalyses()[3].panel);
    EXPECT_EQ(find<QComboBox>(*p, "ChillTlnPpSzComboBox")->currentIndex(), -1) << stored;
    // Set-up reads; it does not repair the setting behind the user's back.
    EXPECT_EQ(state.settings.integer(kSecChilled, "Tlen_PpSz"), stored);
  }
}

TEST_F(PanelTest, SetUpNeverAsksForARedrawAndKeepsTheReadinessFlag) {
  for (const AnalysisDef* def : AllAnalyses()) {
    {
      const PanelDesc& d = *def->panel;
      SCOPED_TRACE(d.name);
      auto p = panel(d);
      p->setReady(true);
      QSignalSpy spy(p.get(), &LinePanel::edited);
      const Settings before = state.settings;
      state.settings.setUnitSystem(2);
      p->setUp();
      state.settings.setUnitSystem(1);
      p->setUp();
      EXPECT_EQ(spy.count(), 0);
      EXPECT_TRUE(p->ready());
      for (const FieldDesc& f : d.fields) {
        EXPECT_EQ(state.settings.text(d.section, KeyName::runtime(f.key)),
                  before.text(d.section, KeyName::runtime(f.key)))
            << f.key;
      }
    }
  }
}

TEST_F(PanelTest, EditsWriteTheSettingAtOnceAndAskForARedrawWhenReady) {
  auto p = panel(*ChilledAnalyses()[4].panel);  // over time: size, k, thickness, hours
  QSignalSpy spy(p.get(), &LinePanel::edited);

  p->setReady(false);
  find<QComboBox>(*p, "ChillTtimePpSzComboBox")->setCurrentIndex(11);
  EXPECT_EQ(state.settings.integer(kSecChilled, "Ttime_PpSz"), 11);
  EXPECT_EQ(spy.count(), 0);  // not ready: the setting is kept, nothing is drawn

  p->setReady(true);
  find<QComboBox>(*p, "ChillTtimekComboBox")->setCurrentIndex(6);
  EXPECT_EQ(state.settings.integer(kSecChilled, "Ttime_k"), 6);
  EXPECT_EQ(spy.count(), 1);

  auto* th = find<QLineEdit>(*p, "ChillTtimeThEdit");
  th->selectAll();
  QTest::keyClicks(th, "3.5");
  EXPECT_EQ(state.settings.text(kSecChilled, "Ttime_Thc"), "3.5");
  EXPECT_EQ(spy.count(), 4);  // each keystroke redraws

  auto* hours = find<QSlider>(*p, "ChillTtimehrTrackBar");
  hours->setValue(20);
  EXPECT_EQ(state.settings.integer(kSecChilled, "TtimeHr"), 20);
  EXPECT_EQ(hours->toolTip(), "20hr.");
  EXPECT_EQ(spy.count(), 5);
}

TEST_F(PanelTest, NumericEditsTakeOnlyDigitsPointMinusAndBackspace) {
  auto p = panel(*HotAnalyses()[7].panel);  // overall cost: years and interest edits
  p->setReady(true);
  auto* interest = find<QLineEdit>(*p, "HotOvallCstIntrEdit");
  interest->clear();
  QTest::keyClicks(interest, "1a2,5.x-7 e");
  EXPECT_EQ(interest->text(), "125.-7");
  QTest::keyClick(interest, Qt::Key_Backspace);
  QTest::keyClick(interest, Qt::Key_Return);
  EXPECT_EQ(interest->text(), "125.-");
  EXPECT_EQ(state.settings.text(kSecHot, "OvallCst_Interest"), "125.-");
}

TEST_F(PanelTest, TrackBarHoldsOneToFortyEightHoursAndTheSettingFollows) {
  const struct {
    int stored, shown;
  } cases[] = {{0, 1}, {-5, 1}, {1, 1}, {48, 48}, {49, 48}, {12, 12}};
  for (const auto& c : cases) {
    state.settings.setInteger(kSecHot, "TtimeHr", c.stored);
    auto p = panel(*HotAnalyses()[4].panel);
    auto* hours = find<QSlider>(*p, "HotTtimehrTrackBar");
    EXPECT_EQ(hours->value(), c.shown) << c.stored;
    EXPECT_EQ(state.settings.integer(kSecHot, "TtimeHr"), c.shown) << c.stored;
    EXPECT_EQ(hours->toolTip(), QString::number(c.shown) + "hr.");
  }
}

TEST_F(PanelTest, ConstantValueBoxesTakeTypedValuesUntilTheNextSetUp) {
  state.settings.setInteger(kSecHot, "k_Const_k", 1);
  auto p = panel(*HotAnalyses()[0].panel);
  p->setReady(true);
  QSignalSpy spy(p.get(), &LinePanel::edited);
  auto* k = find<QComboBox>(*p, "HotkConstkComboBox");
  ASSERT_TRUE(k->isEditable());
  EXPECT_EQ(k->currentText(), "kh2u1");

  k->lineEdit()->clear();
  QTest::keyClicks(k->lineEdit(), "0.05");
  EXPECT_EQ(state.settings.text(kSecHot, "k_Const_kTyped"), "0.05");
  EXPECT_EQ(state.settings.integer(kSecHot, "k_Const_k"), -1);  // no stale list entry
  EXPECT_EQ(spy.count(), 4);

  // Typing an entry of the list is choosing it.
  k->lineEdit()->clear();
  QTest::keyClicks(k->lineEdit(), "kh3u1");
  EXPECT_EQ(state.settings.integer(kSecHot, "k_Const_k"), 2);
  EXPECT_TRUE(state.settings.text(kSecHot, "k_Const_kTyped").isEmpty());

  // A typed value that names no entry does not survive a set-up.
  QTest::keyClicks(k->lineEdit(), "7");
  p->setUp();
  EXPECT_TRUE(state.settings.text(kSecHot, "k_Const_kTyped").isEmpty());
  EXPECT_EQ(k->currentIndex(), -1);
  EXPECT_TRUE(k->currentText().isEmpty());

  // The fixed lists do not take typing.
  EXPECT_FALSE(find<QComboBox>(*p, "HotkConstTsufFrComboBox")->isEditable());
}

TEST_F(PanelTest, EachBoxIsFilledFromItsOwnListShowingTenRows) {
  const struct {
    const PanelDesc* desc;
    const char* control;
    const char* first;
    int count;
  } cases[] = {
      {ChilledAnalyses()[1].panel, "ChillRHConstkFrComboBox", "kc1u1", 8},
      {ChilledAnalyses()[1].panel, "ChillRHConstRHComboBox", "50", 10},
      {ChilledAnalyses()[7].panel, "ChillOvallCstPpSzComboBox", "P2-1u1", 30},
      {HotAnalyses()[1].panel, "HotTConstkToComboBox", "kh1u1", 8},
      {HotAnalyses()[1].panel, "HotTConstTsufComboBox", "ts1u1", 6},
      {HotAnalyses()[5].panel, "HotEloskComboBox", "kh1u1", 8},
  };
  for (const auto& c : cases) {
    auto p = panel(*c.desc);
    auto* combo = find<QComboBox>(*p, c.control);
    EXPECT_EQ(combo->itemText(0), c.first) << c.control;
    EXPECT_EQ(combo->count(), c.count) << c.control;
    EXPECT_EQ(combo->maxVisibleItems(), 10) << c.control;
  }
  // The pipe-size lists follow the pipe type.
  state.settings.setInteger(kSecParams, "PipeSizes", 1);
  auto p = panel(*ChilledAnalyses()[7].panel);
  EXPECT_EQ(find<QComboBox>(*p, "ChillOvallCstPpSzComboBox")->itemText(0), "P1-1u1");
}

TEST_F(PanelTest, InputsSurviveSavingAndLoadingTheSettings) {
  test::TempHome home;
  const QString ini = home.path() + "/QORA2000.ini";
  {
    auto p = panel(*ChilledAnalyses()[7].panel);  // overall cost: two lists and three edits
    p->setReady(true);
    find<QComboBox>(*p, "ChillOvallCstPpSzComboBox")->setCurrentIndex(12);
    find<QComboBox>(*p, "ChillOvallCstkComboBox")->setCurrentIndex(3);
    auto* years = find<QLineEdit>(*p, "ChillOvallCstYrEdit");
    years->selectAll();
    QTest::keyClicks(years, "15");
    auto h = panel(*HotAnalyses()[4].panel);
    find<QSlider>(*h, "HotTtimehrTrackBar")->setValue(30);
    ASSERT_TRUE(SaveSettings(state.settings, ini));
  }
  AppState fresh = MakeState();
  ASSERT_TRUE(LoadSettings(fresh.settings, ini));
  LinePanel chill(fresh, *ChilledAnalyses()[7].panel);
  chill.setUp();
  EXPECT_EQ(chill.findChild<QComboBox*>("ChillOvallCstPpSzComboBox")->currentIndex(), 12);
  EXPECT_EQ(chill.findChild<QComboBox*>("ChillOvallCstkComboBox")->currentText(), "kc4u1");
  EXPECT_EQ(chill.findChild<QLineEdit*>("ChillOvallCstYrEdit")->text(), "15");
  LinePanel hot(fresh, *HotAnalyses()[4].panel);
  hot.setUp();
  EXPECT_EQ(hot.findChild<QSlider*>("HotTtimehrTrackBar")->value(), 30);
}

}  // namespace
}  // namespace qora
