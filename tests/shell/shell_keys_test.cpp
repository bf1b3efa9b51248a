// The numeric key filter in edit boxes and grids, and the pipe-size grid's Enter check.
#include <QComboBox>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>

#include "shell/local_conditions_dialog.h"
#include "shell/num_key_filter.h"
#include "shell/param_dialog.h"
#include "shell/qdt_grid.h"
#include "shell_fixture.h"

namespace qora::test {
namespace {

TEST(NumKeyPress, AcceptsOnlyBackspaceMinusPointAndDigits) {
  const struct {
    const char* typed;
    bool ok;
  } cases[] = {{"0", true},  {"9", true},  {"-", true},  {".", true},   {"\b", true}, {"a", false},
               {",", false}, {"+", false}, {" ", false}, {"\r", false}, {"e", false}, {"", false}};
  for (const auto& c : cases)
    EXPECT_EQ(NumKeyAccepts(QString::fromLatin1(c.typed)), c.ok) << c.typed;
}

class KeysTest : public ShellTest {};

TEST_F(KeysTest, LettersRefusedInTdbAndTopButAcceptedInHa) {
  open("");
  start();
  LocalConditionsDialog& d = window->chillDialog();
  d.show();
  for (const char* name : {"TdbEdit", "TopEdit", "haEdit"}) {
    auto* edit = d.findChild<QLineEdit*>(name);
    edit->clear();
    QTest::keyClicks(edit, "1a2.5x");
  }
  EXPECT_EQ(d.findChild<QLineEdit*>("TdbEdit")->text(), "12.5");
  EXPECT_EQ(d.findChild<QLineEdit*>("TopEdit")->text(), "12.5");
  EXPECT_EQ(d.findChild<QLineEdit*>("haEdit")->text(), "1a2.5x");
  // Typed text reaches the settings at once.
  EXPECT_EQ(state.settings.text(kSecChilled, "Tdb"), "12.5");
  EXPECT_EQ(state.settings.text(kSecChilled, "Hair"), "1a2.5x");
  d.hide();
}

class ParamGridTest : public ShellTest {
 protected:
  void SetUp() override {
    open("[QORA2000]\nUnits=2\n[PARAMETERS]\nPipeSizes=1\n");
    start();
    dialog = &window->paramDialog();
    dialog->show();
    grid = dialog->findChild<QdtGrid*>("PpSzStrGrd");
    ASSERT_NE(grid, nullptr);
  }
  void TearDown() override {
    dialog->hide();
    ShellTest::TearDown();
  }
  // Types into a cell through the cell editor, as a user does.
  void type(QdtGrid* g, int col, int row, const QString& keys) {
    g->setCurrentCell(row - 1, col);
    g->setFocus();
    // The release goes where the focus is after the press: the editor the press opened.
    for (QChar c : keys) {
      QTest::keyPress(target(g), c.toLatin1());
      QTest::keyRelease(target(g), c.toLatin1());
    }
  }
  void enter(QdtGrid* g) { QTest::keyClick(target(g), Qt::Key_Return); }
  // The open cell editor, else the grid itself.
  static QWidget* target(QdtGrid* g) {
    // The editor of the current cell is the visible one (a closed one may linger hidden
    // until it is deleted).
    if (g->isEditing())
      for (auto* editor : g->viewport()->findChildren<QLineEdit*>())
        if (editor->isVisible()) return editor;
    return g;
  }
  const QString& table(int row, int col) const {
    return state.params.pipeSize[0][1][row - 1][col - 1];
  }
  ParamDialog* dialog = nullptr;
  QdtGrid* grid = nullptr;
};

TEST_F(ParamGridTest, EditsReachTheTableAtKeyRelease) {
  grid->setCell(1, 40, "");
  type(grid, 2, 40, "1x2.5");
  EXPECT_EQ(table(40, 2), "12.5");  // the letter was refused
  type(grid, 1, 39, "DN 999x");
  EXPECT_EQ(table(39, 1), "DN 999x");  // size names take any character
}

TEST_F(ParamGridTest, EnterInTheSizeNameColumnFillsAnEmptyInsideDiameter) {
  grid->setCell(1, 40, "DN 900");
  grid->setCell(2, 40, "914.4");
  grid->setCell(3, 40, "");
  grid->setCell(2, 39, "10");
  grid->setCell(3, 39, "20");  // inside larger than outside: taken from outside too
  dialog->pipeGridToTable();
  // Enter in the outside-diameter column is discarded and checks nothing.
  type(grid, 2, 38, "");
  enter(grid);
  EXPECT_EQ(grid->cell(3, 40), "");
  // Enter in the size-name column runs the check.
  type(grid, 1, 40, "A");
  enter(grid);
  EXPECT_EQ(grid->cell(3, 40), "914.4");
  EXPECT_EQ(table(40, 3), "914.4");
  EXPECT_EQ(grid->cell(3, 39), "10");
  EXPECT_EQ(table(40, 1), "A");  // typing into a cell replaces its text
}

TEST_F(ParamGridTest, TablesOfTheUnitSystemsAreIndependent) {
  auto* k = dialog->findChild<QdtGrid*>("kValStrGrd");
  dialog->findChild<QTabWidget*>("ParamPageControl")->setCurrentIndex(1);
  const QString ipBefore = state.params.kChilled[0][0];
  type(k, 1, 1, "7");
  EXPECT_EQ(state.params.kChilled[1][0].right(1), "7");
  EXPECT_EQ(state.params.kChilled[0][0], ipBefore);
}

TEST_F(ParamGridTest, RowsMovedKeepTheirTexts) {
  grid->setCell(1, 1, "first");
  grid->setCell(1, 2, "second");
  grid->setCell(1, 3, "third");
  grid->moveRow(1, 3);
  EXPECT_EQ(grid->cell(1, 1), "second");
  EXPECT_EQ(grid->cell(1, 2), "third");
  EXPECT_EQ(grid->cell(1, 3), "first");
}

}  // namespace
}  // namespace qora::test

namespace qora::test {
namespace {

TEST_F(ParamGridTest, OpeningShowsTheTablesOfTheActiveSystemAndPipeType) {
  auto shownFirstOutside = [&] { return grid->cell(2, 1); };
  EXPECT_EQ(shownFirstOutside(), state.params.pipeSize[0][1][0][1]);  // IPS, SI
  dialog->hide();
  window->stepUnits();  // SI -> kCal
  dialog->show();
  EXPECT_EQ(shownFirstOutside(), state.params.pipeSize[0][2][0][1]);
  auto* type = dialog->findChild<QComboBox*>("SelPipeComboBox");
  type->setCurrentIndex(1);
  emit type->activated(1);
  EXPECT_EQ(state.settings.pipeType(), 2);
  EXPECT_EQ(shownFirstOutside(), state.params.pipeSize[1][2][0][1]);
  EXPECT_NE(state.params.pipeSize[0][2][0][1], state.params.pipeSize[1][2][0][1]);
}

}  // namespace
}  // namespace qora::test
