// The parameters dialog: the animated HaPanel, OK (selectors read before the save) and
// Cancel (every unsaved input of the program dropped).
#include <QComboBox>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "shell/factor_sheet.h"
#include "shell/local_conditions_dialog.h"
#include "shell/main_bar.h"
#include "shell/param_dialog.h"
#include "shell_fixture.h"

namespace qora::test {
namespace {

class ParamTest : public ShellTest {
 protected:
  void openParams() {
    window->openItem(1);  // the bar shows with a screen
    QTest::mouseClick(window->bar().findChild<QPushButton*>("ConfigBitBtn"), Qt::LeftButton);
    QApplication::processEvents();
    dialog = &window->paramDialog();
    ASSERT_TRUE(dialog->isVisible());
    ASSERT_EQ(QApplication::activeModalWidget(), dialog);
  }
  void choose(const char* comboName, int index) {
    auto* box = dialog->findChild<QComboBox*>(comboName);
    box->setCurrentIndex(index);
    emit box->activated(index);
  }
  ParamDialog* dialog = nullptr;
};

TEST_F(ParamTest, HaPanelCollapsesTo50AndOpensTo300) {
  open("");
  start();
  openParams();
  FactorSheet& f = dialog->factors();
  EXPECT_EQ(f.haPanel()->height(), FactorSheet::kHaCollapsed);
  EXPECT_EQ(f.haPanel()->height(), 50);
  dialog->findChild<QTabWidget*>("ParamPageControl")->setCurrentWidget(&f);
  choose("HaComboBox", 1);
  EXPECT_EQ(state.settings.factorBy(), 2);
  EXPECT_LT(f.haPanel()->height(), 300);  // animated in steps while the sheet is shown
  QTRY_COMPARE(f.haPanel()->height(), 300);
  // "BY ASTM C680" replaces ha in both dialogs; switching back shows the old text.
  EXPECT_TRUE(window->chillDialog().findChild<QLineEdit*>("haEdit")->isHidden());
  EXPECT_TRUE(window->hotDialog().findChild<QLineEdit*>("haEdit")->isHidden());
  choose("HaComboBox", 0);
  QTRY_COMPARE(f.haPanel()->height(), 50);
  EXPECT_FALSE(window->chillDialog().findChild<QLineEdit*>("haEdit")->isHidden());
  EXPECT_EQ(window->chillDialog().findChild<QLineEdit*>("haEdit")->text(), "9.0");
  dialog->reject();
}

TEST_F(ParamTest, OkSavesTheSelectorsShownAndFactorByAsOne) {
  open("[PARAMETERS]\nSource=1\nShape=0\n");
  start();
  openParams();
  choose("HaComboBox", 1);
  dialog->findChild<QComboBox*>("SourceComboBox")->setCurrentIndex(2);  // no handler of its own
  dialog->findChild<QComboBox*>("SelPpShapeComboBox")->setCurrentIndex(4);
  QTest::mouseClick(dialog->findChild<QPushButton*>("OKBitBtn"), Qt::LeftButton);
  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(iniValue("PARAMETERS/Source"), "3");
  EXPECT_EQ(iniValue("PARAMETERS/Shape"), "4");
  EXPECT_EQ(iniValue("PARAMETERS/FactorBy"), "1");
  EXPECT_EQ(state.settings.factorBy(), 2);  // the run goes on with ASTM C680
  EXPECT_TRUE(QFile::exists(home.path() + "/QORApara.qdt"));
}

TEST_F(ParamTest, CancelDropsTheDialogsEditsAndKeepsWhatWasTypedOnTheScreens) {
  open("[CHILLED-WATER]\nTdb=25.0\n");
  start();
  auto* tdb = window->chillDialog().findChild<QLineEdit*>("TdbEdit");
  tdb->clear();
  QTest::keyClicks(tdb, "31");
  ASSERT_EQ(state.settings.text(kSecChilled, "Tdb"), "31");
  const QString sizeBefore = state.params.pipeSize[1][0][0][0];
  openParams();
  state.params.pipeSize[1][0][0][0] = "edited";
  auto* wind = dialog->findChild<QLineEdit*>("WindEdit");
  wind->clear();
  QTest::keyClicks(wind, "7");
  QTest::mouseClick(dialog->findChild<QPushButton*>("CancelBitBtn"), Qt::LeftButton);
  // The screen's input stays; the dialog's table edit and parameter are dropped.
  EXPECT_EQ(state.settings.text(kSecChilled, "Tdb"), "31");
  EXPECT_EQ(tdb->text(), "31");
  EXPECT_EQ(state.params.pipeSize[1][0][0][0], sizeBefore);
  EXPECT_EQ(state.settings.text(kSecParams, "WINDspd"), "0.0");
}

TEST_F(ParamTest, WindAndPricesAreWrittenToTheSettingsAsTyped) {
  open("");
  start();
  openParams();
  auto* wind = dialog->findChild<QLineEdit*>("WindEdit");
  wind->clear();
  QTest::keyClicks(wind, "1k2");
  EXPECT_EQ(state.settings.text(kSecParams, "WINDspd"), "12");
  auto* currency = dialog->findChild<QComboBox*>("EconUnComboBox");
  currency->setEditText("EUR");
  EXPECT_EQ(dialog->findChild<QLabel*>("SrcUGasLabel")->text(), "EUR/kg");
  dialog->reject();
}

}  // namespace
}  // namespace qora::test
