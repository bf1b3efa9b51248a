// The R-value screen in the main window with the shipped data: the dialog chooses the chart
// and the source of k, every change redraws, releasing the chart button leaves no chart;
// the k-value dialog opens from both k buttons, its point stays on the drawn line and
// stops at both ends, its tables and typed mean temperature give k with 4 decimals.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>
#include <QTest>

#include "analyses/rvalue/k_line.h"
#include "shell/k_value_dialog.h"
#include "shell/line_screen.h"
#include "shell/main_bar.h"
#include "shell/param_dialog.h"
#include "shell/rvalue_dialog.h"
#include "shell_fixture.h"

namespace qora::test {
namespace {

class RValueScreenTest : public ShellTest {
 protected:
  void SetUp() override {
    open("[QORA2000]\nUnits=2\n[Rvalue]\nSelect=1\nk=0.04\n");
    start();
    window->openItem(6);
    QApplication::processEvents();
    screen = static_cast<LineScreen*>(window->screen(6));
    dialog = &window->rValueDialog();
  }
  QPushButton* button(const char* name) const { return dialog->findChild<QPushButton*>(name); }
  void drag(QWidget* point, int dx) {
    const QPointF at(8, 8);
    const QPointF global = point->mapToGlobal(at);
    QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(point, &press);
    QMouseEvent move(QEvent::MouseMove, at + QPointF(dx, 0), global + QPointF(dx, 0), Qt::NoButton,
                     Qt::LeftButton, {});
    QApplication::sendEvent(point, &move);
    QMouseEvent release(QEvent::MouseButtonRelease, at + QPointF(dx, 0), global + QPointF(dx, 0),
                        Qt::LeftButton, Qt::NoButton, {});
    QApplication::sendEvent(point, &release);
  }
  LineScreen* screen = nullptr;
  RValueDialog* dialog = nullptr;
};

TEST_F(RValueScreenTest, ChartButtonsDrawAndReleasingLeavesNoChart) {
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(screen->lastChart(), nullptr);  // no button down yet
  QTest::mouseClick(button("kConstSpdBtn"), Qt::LeftButton);
  ASSERT_NE(screen->lastChart(), nullptr);
  EXPECT_EQ(screen->lastChart()->analysis, AnalysisId::RValueKConst);
  auto* kPanel = screen->findChild<QWidget*>("RValuekConstPanel");
  ASSERT_TRUE(kPanel);
  EXPECT_TRUE(kPanel->isVisible());
  QTest::mouseClick(button("RConstSpdBtn"), Qt::LeftButton);
  ASSERT_NE(screen->lastChart(), nullptr);
  EXPECT_EQ(screen->lastChart()->analysis, AnalysisId::RValueRConst);
  EXPECT_FALSE(kPanel->isVisible());
  EXPECT_FALSE(button("kConstSpdBtn")->isChecked());
  // Releasing the pressed button: both panels hidden, nothing drawn (the page would print
  // its frame alone), and the choice is kept for the next start.
  QTest::mouseClick(button("RConstSpdBtn"), Qt::LeftButton);
  EXPECT_EQ(screen->lastChart(), nullptr);
  EXPECT_FALSE(screen->findChild<QWidget*>("RValueRConstPanel")->isVisible());
  EXPECT_EQ(state.settings.integer(kSecRValue, "Analysis"), 0);
}

TEST_F(RValueScreenTest, EveryEditRedrawsAtOnce) {
  QTest::mouseClick(button("kConstSpdBtn"), Qt::LeftButton);
  auto* k = dialog->findChild<QLineEdit*>("kEdit");
  ASSERT_TRUE(k && k->isVisible());
  k->selectAll();
  QTest::keyClicks(k, "0.08");
  ASSERT_NE(screen->lastChart(), nullptr);
  EXPECT_NEAR(double(screen->lastChart()->k), 0.08, 1e-15);
  // Above 250 in SI: refused, no chart stands.
  k->selectAll();
  QTest::keyClicks(k, "251");
  EXPECT_EQ(screen->lastChart(), nullptr);
  EXPECT_FALSE(screen->refusalText().isEmpty());
}

TEST_F(RValueScreenTest, MeanTemperatureChoiceUsesTheShownK) {
  QTest::mouseClick(button("kConstSpdBtn"), Qt::LeftButton);
  auto* byMean = dialog->findChild<QRadioButton*>("TmeanRdoBtn");
  QTest::mouseClick(byMean, Qt::LeftButton);
  auto* tmean = dialog->findChild<QLineEdit*>("TmeanEdit");
  ASSERT_TRUE(tmean->isVisible());
  EXPECT_FALSE(dialog->findChild<QLineEdit*>("kEdit")->isVisible());
  tmean->selectAll();
  QTest::keyClicks(tmean, "24");
  // 0.00011 · 24 + 0.0354 = 0.03804, shown as 0.0380 and used as shown.
  EXPECT_EQ(dialog->findChild<QLabel*>("kValueTmeanLbl")->text(), "0.0380");
  ASSERT_NE(screen->lastChart(), nullptr);
  EXPECT_NEAR(double(screen->lastChart()->k), 0.038, 1e-15);
  tmean->selectAll();
  QTest::keyClick(tmean, Qt::Key_Backspace);
  EXPECT_EQ(screen->lastChart(), nullptr);  // an empty mean temperature gives no k
}

TEST_F(RValueScreenTest, FirstSwitchToTypedKStartsFromTheMeanTemperature) {
  QTest::mouseClick(dialog->findChild<QRadioButton*>("TmeanRdoBtn"), Qt::LeftButton);
  state.settings.setText(kSecRValue, "k", "");
  dialog->syncFromSettings();
  auto* tmean = dialog->findChild<QLineEdit*>("TmeanEdit");
  tmean->selectAll();
  QTest::keyClicks(tmean, "50");
  const QString shown = dialog->findChild<QLabel*>("kValueTmeanLbl")->text();
  EXPECT_EQ(shown, "0.0409");  // 0.00011 · 50 + 0.0354
  QTest::mouseClick(dialog->findChild<QRadioButton*>("kRdoBtn"), Qt::LeftButton);
  EXPECT_EQ(dialog->findChild<QLineEdit*>("kEdit")->text(), shown);
  EXPECT_EQ(state.settings.text(kSecRValue, "k"), shown);
  EXPECT_FALSE(state.settings.rValueByMeanTemperature());
}

TEST_F(RValueScreenTest, UnitButtonRelabelsAndRedraws) {
  QTest::mouseClick(button("RConstSpdBtn"), Qt::LeftButton);
  ASSERT_NE(screen->lastChart(), nullptr);
  QTest::mouseClick(window->bar().findChild<QPushButton*>("UnitSpdBtn"), Qt::LeftButton);
  ASSERT_NE(screen->lastChart(), nullptr);
  EXPECT_EQ(screen->lastChart()->unitSystem, 3);
  EXPECT_EQ(dialog->findChild<QLabel*>("kUnitLbl")->text(), state.lang.UnitLabel(3, 2));
}

TEST_F(RValueScreenTest, KDialogFromBothButtonsPointStaysOnTheLine) {
  auto* barK = window->bar().findChild<QPushButton*>("kCalcBitBtn");
  ASSERT_TRUE(barK && barK->isEnabled());
  QTest::mouseClick(barK, Qt::LeftButton);
  KValueDialog& k = window->kValueDialog();
  EXPECT_TRUE(k.isVisible());
  EXPECT_FALSE(k.isModal());
  auto* point = k.findChild<QWidget*>("PointShape");
  ASSERT_TRUE(point);
  EXPECT_EQ(k.pointCentre().x(), kline::kMinX);
  drag(point, -50);  // beyond the start: stops there
  EXPECT_EQ(k.pointCentre().x(), kline::kMinX);
  drag(point, 198);  // to the middle
  EXPECT_EQ(k.pointCentre().x(), kline::kMinX + 198);
  // SI: x = 300 is -50 + 198 / 330 · 110 = 16.0 °C, k = 0.00011 · 16 + 0.0354 = 0.03716.
  EXPECT_EQ(k.findChild<QLabel*>("MoveTLabel")->text(), "16.0 " + state.lang.UnitLabel(2, 1));
  EXPECT_TRUE(k.findChild<QLabel*>("MovekLabel")->text().startsWith("0.0372"));
  drag(point, 1000);  // beyond the end
  EXPECT_EQ(k.pointCentre().x(), kline::kMaxX);
  // The picture's line runs under the point along its whole way.
  for (int x : {kline::kMinX, 200, 300, kline::kMaxX}) {
    k.movePointTo(x);
    const QColor c = k.picture().pixelColor(k.pointCentre());
    EXPECT_LT(c.red(), 120) << x;  // the dark line, not the white or pale ground
    EXPECT_GT(c.blue(), c.red()) << x;
  }
  k.hide();

  // The parameters dialog's k button opens it too (over the modal dialog).
  QTest::mouseClick(window->bar().findChild<QPushButton*>("ConfigBitBtn"), Qt::LeftButton);
  auto* paramK = window->paramDialog().findChild<QPushButton*>("kCalcBitBtn");
  ASSERT_TRUE(paramK && paramK->isEnabled());
  QTest::mouseClick(paramK, Qt::LeftButton);
  EXPECT_TRUE(k.isVisible());
  k.hide();
  window->paramDialog().reject();
}

TEST_F(RValueScreenTest, KDialogTablesAndTypedMeanTemperatureFollowTheUnits) {
  KValueDialog& k = window->kValueDialog();
  k.show();
  auto* t1 = k.findChild<QTableWidget*>("kTbl1StrGrd");
  auto* t2 = k.findChild<QTableWidget*>("kTbl2StrGrd");
  ASSERT_TRUE(t1 && t2);
  // SI: -50 °C in steps of 10; k(-50) = 0.0299, k(10) = 0.0365.
  EXPECT_EQ(t1->item(0, 0)->text(), "-50.0" + state.lang.UnitLabel(2, 1));
  EXPECT_EQ(t1->item(1, 0)->text(), "0.0299");
  EXPECT_EQ(t2->item(0, 0)->text(), "10.0" + state.lang.UnitLabel(2, 1));
  EXPECT_EQ(t2->item(1, 0)->text(), "0.0365");
  auto* tmean = k.findChild<QLineEdit*>("TmeanEdit");
  QTest::keyClicks(tmean, "24");
  EXPECT_TRUE(k.findChild<QLabel*>("kValLabel")->text().endsWith(" 0.0380"));
  tmean->clear();
  EXPECT_TRUE(k.findChild<QLabel*>("kValLabel")->text().isEmpty());

  // Inch-pound (two presses: SI -> kcal -> inch-pound): -80 °F in steps of 20;
  // k(-80 °F) = (0.00011 · (-62.22) + 0.0354) / 0.144 = 0.1983.
  auto* unit = window->bar().findChild<QPushButton*>("UnitSpdBtn");
  QTest::mouseClick(unit, Qt::LeftButton);
  QTest::mouseClick(unit, Qt::LeftButton);
  EXPECT_EQ(t1->item(0, 0)->text(), "-80.0" + state.lang.UnitLabel(1, 1));
  EXPECT_EQ(t1->item(1, 0)->text(), "0.1983");
  EXPECT_EQ(t2->item(0, 0)->text(), "40.0" + state.lang.UnitLabel(1, 1));
  k.hide();
}

}  // namespace
}  // namespace qora::test
