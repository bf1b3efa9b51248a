// The window's end (close and Quit both save), its options, the calculator search, the
// selector buttons of the local-conditions dialogs, and the insulation dialogs.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "shell/gui_options.h"
#include "shell/insul_cost_dialog.h"
#include "shell/insul_size_dialog.h"
#include "shell/local_conditions_dialog.h"
#include "shell/main_bar.h"
#include "shell/main_menu.h"
#include "shell/param_dialog.h"
#include "shell/qdt_grid.h"
#include "shell/rvalue_dialog.h"
#include "shell/screen.h"
#include "shell_fixture.h"

namespace qora::test {
namespace {

class WindowTest : public ShellTest {};

TEST_F(WindowTest, ClosingTheWindowSavesLikeQuit) {
  open("[QORA2000]\nUnits=1\n");
  start();
  window->stepUnits();
  window->close();
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(iniValue("QORA2000/Units"), "2");
}

TEST_F(WindowTest, QuitItemSaves) {
  open("[QORA2000]\nUnits=1\n");
  start();
  window->stepUnits();
  window->openItem(9);
  EXPECT_FALSE(window->isVisible());
  EXPECT_EQ(iniValue("QORA2000/Units"), "2");
}

TEST(GuiOptions, ParsesHomeScreenAndPrintToAndRefusesTheRest) {
  using Action = GuiOptions::Action;
  const GuiOptions ok = ParseGuiOptions(
      {"qora2000", "--home", "/tmp/q", "--screen", "1024x768", "--print-to", "/tmp/p"});
  EXPECT_EQ(ok.action, Action::Run);
  EXPECT_EQ(ok.home, "/tmp/q");
  EXPECT_EQ(ok.screen, QSize(1024, 768));
  EXPECT_EQ(ok.printTo, "/tmp/p");
  EXPECT_EQ(ParseGuiOptions({"qora2000", "--screen=1920x1080"}).screen, QSize(1920, 1080));
  EXPECT_EQ(ParseGuiOptions({"qora2000"}).action, Action::Run);
  EXPECT_EQ(ParseGuiOptions({"qora2000", "--help"}).action, Action::Help);
  EXPECT_TRUE(ParseGuiOptions({"qora2000", "--help"}).text.contains("--print-to <DIR>"));
  EXPECT_EQ(ParseGuiOptions({"qora2000", "--version"}).text, "qora2000 " QORA_VERSION "\n");
  for (const QStringList& bad :
       {QStringList{"--colour"}, QStringList{"--screen", "big"}, QStringList{"--screen", "10x10"},
        QStringList{"--home"}, QStringList{"file.ini"}, QStringList{"--print-to="}}) {
    const GuiOptions o = ParseGuiOptions(QStringList{"qora2000"} + bad);
    EXPECT_EQ(o.action, Action::Error) << bad.join(' ').toStdString();
    EXPECT_FALSE(o.text.isEmpty());
    EXPECT_FALSE(o.text.contains('\n'));
  }
  EXPECT_TRUE(ParseGuiOptions({"qora2000", "--colour"}).text.contains("'--colour'"));
}

TEST(GuiOptions, EditionIsOneOfTheSixNamesAndTheHelpListsThem) {
  EXPECT_EQ(ParseGuiOptions({"qora2000"}).edition, 0);
  EXPECT_EQ(ParseGuiOptions({"qora2000", "--edition", "THAI"}).edition, 5);
  EXPECT_EQ(ParseGuiOptions({"qora2000", "--edition=cn"}).edition, 3);
  const GuiOptions bad = ParseGuiOptions({"qora2000", "--edition", "DE"});
  EXPECT_EQ(bad.action, GuiOptions::Action::Error);
  EXPECT_TRUE(bad.text.contains("'DE'")) << bad.text.toStdString();
  EXPECT_TRUE(bad.text.contains("QORAPUR")) << bad.text.toStdString();
  EXPECT_EQ(ParseGuiOptions({"qora2000", "--edition"}).action, GuiOptions::Action::Error);
  // Qt wraps the help at 80 columns.
  const QString help = ParseGuiOptions({"qora2000", "--help"}).text.simplified();
  for (const char* name :
       {"--edition <NAME>", "EN (English)", "EU (German)", "CN (", "JP (", "THAI (", "QORAPUR ("})
    EXPECT_TRUE(help.contains(QLatin1String(name))) << name;
}

TEST(Calculator, FirstOneFoundInOrderOfPreference) {
  QTemporaryDir dir;
  auto place = [&](const char* name) {
    QFile f(dir.path() + "/" + name);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("#!/bin/sh\n");
    f.close();
    f.setPermissions(QFile::ReadOwner | QFile::ExeOwner | QFile::WriteOwner);
  };
  EXPECT_TRUE(FindCalculator({dir.path()}).isEmpty());
  place("xcalc");
  EXPECT_TRUE(FindCalculator({dir.path()}).endsWith("/xcalc"));
  place("kcalc");
  EXPECT_TRUE(FindCalculator({dir.path()}).endsWith("/kcalc"));
}

TEST_F(WindowTest, CalculatorMissingNoteFitsTheBarInEveryUnitSystemAndGoesAway) {
  open("");
  start();
  window->openItem(2);  // the bar shows under a screen
  QTemporaryDir empty;
  MainBar& bar = window->bar();
  QLabel& note = bar.messageLabel();
  for (int press = 0; press < 3; ++press) {
    window->stepUnits();  // the unit button's caption takes its room from the note
    EXPECT_FALSE(bar.startCalculator({empty.path()}));
    QApplication::processEvents();
    SCOPED_TRACE("unit system " + std::to_string(state.settings.unitSystem()));
    EXPECT_TRUE(bar.message().contains("calculator"));
    EXPECT_TRUE(note.isVisible());
    EXPECT_LE(note.fontMetrics().horizontalAdvance(note.text()), note.contentsRect().width());
    EXPECT_TRUE(bar.rect().contains(note.geometry()));
    for (auto* b : bar.findChildren<QPushButton*>())
      EXPECT_FALSE(note.geometry().intersects(b->geometry())) << b->objectName().toStdString();
  }
  QTimer& timer = bar.messageTimer();
  EXPECT_TRUE(timer.isActive());
  EXPECT_GE(timer.interval(), 2000);
  EXPECT_LE(timer.interval(), 10000);
  timer.start(10);  // the same timer, made quick
  EXPECT_TRUE(QTest::qWaitFor([&] { return bar.message().isEmpty(); }, 2000));
  EXPECT_TRUE(note.toolTip().isEmpty());
}

TEST_F(WindowTest, PressingADownSelectorReleasesIt) {
  open("");
  start();
  LocalConditionsDialog& d = window->hotDialog();
  auto* elos = d.findChild<QPushButton*>("HOT_ElosSpdBtn");
  auto* tsuf = d.findChild<QPushButton*>("HOT_TsufSpdBtn");
  QTest::mouseClick(elos, Qt::LeftButton);
  EXPECT_EQ(d.selectedAnalysis(), 6);
  QTest::mouseClick(tsuf, Qt::LeftButton);
  EXPECT_EQ(d.selectedAnalysis(), 3);
  EXPECT_FALSE(elos->isChecked());
  QTest::mouseClick(tsuf, Qt::LeftButton);
  EXPECT_EQ(d.selectedAnalysis(), 0);
  d.hide();
}

TEST_F(WindowTest, InsulationSizesNamesFollowAndCancelKeepsTheFile) {
  open("[QORA2000]\nUnits=2\n");
  start();
  const QByteArray fileBefore = home.readFile("QORAInsu.qdt");
  InsulSizeDialog& d = window->insulSizeDialog();
  d.show();
  auto* tube = d.findChild<QdtGrid*>("InsuSzTubeIDStrGrd");
  tube->setCell(1, 3, "NEW-3");
  emit tube->edited();
  d.findChild<QTabWidget*>("InsuSzPageControl")->setCurrentIndex(2);
  EXPECT_EQ(d.findChild<QdtGrid*>("InsuSzTubeThkActStrGrd")->heading(3), "NEW-3");
  d.reject();
  // A cancelled rename is gone from the tables and from the grids, and the file is untouched.
  EXPECT_NE(state.insul.tube[1][0][2], "NEW-3");
  EXPECT_NE(tube->cell(1, 3), "NEW-3");
  EXPECT_NE(d.findChild<QdtGrid*>("InsuSzTubeThkActStrGrd")->heading(3), "NEW-3");
  EXPECT_EQ(home.readFile("QORAInsu.qdt"), fileBefore);
}

TEST_F(WindowTest, CostsRefuseNegativesShowZeroAsEmptyAndCancelDropsTyping) {
  open("");
  start();
  InsulCostDialog& d = window->insulCostDialog();
  d.show();
  auto* ips = d.findChild<QdtGrid*>("IPSStringGrid");
  // A price cell takes no minus sign; one that arrives anyway is no price.
  EXPECT_FALSE(ips->accepts(2, "-"));
  EXPECT_TRUE(ips->accepts(2, "5"));
  ips->setCell(1, 1, "0");
  ips->setCell(2, 1, "-5");
  ips->setCell(3, 1, "125.5");
  d.accept();
  const QList<QByteArray> lines = home.readFile("QORAcost.qdt").split('\n');
  // Line 3 is pipe 1, thickness 1; pipe c thickness r is line 3 + 15 (c - 1) + (r - 1).
  EXPECT_EQ(lines[2].trimmed(), "0.00");
  EXPECT_EQ(lines[2 + 15].trimmed(), "0.00");
  EXPECT_EQ(lines[2 + 30].trimmed(), "125.50");
  d.show();
  EXPECT_EQ(ips->cell(1, 1), "");
  EXPECT_EQ(ips->cell(2, 1), "");
  EXPECT_EQ(ips->cell(3, 1), "125.50");
  ips->setCell(3, 1, "999");
  d.reject();
  d.show();
  EXPECT_EQ(ips->cell(3, 1), "125.50");
  d.reject();
}

void TypeOn(QdtGrid& grid, const QString& text) {
  for (QChar ch : text) QTest::keyClick(KeyTarget(grid), ch.toLatin1());
}

TEST_F(WindowTest, TypingOverAFullCostCellReplacesItsText) {
  open("");
  start();
  InsulCostDialog& d = window->insulCostDialog();
  d.show();
  auto* ips = d.findChild<QdtGrid*>("IPSStringGrid");
  const QString full = "1234567.89";  // as many characters as a cell holds
  ips->setCell(2, 3, full);
  ips->setCurrentCell(2, 2);  // data row 3, data column 2
  // Typing on a chosen cell starts the editor over the whole text.
  TypeOn(*ips, "42");
  QTest::keyClick(KeyTarget(*ips), Qt::Key_Return);
  EXPECT_EQ(ips->cell(2, 3), "42");
  // In the editor: select all, then type.
  ips->setCell(2, 3, full);
  ips->setCurrentCell(2, 2);
  QTest::keyClick(ips, Qt::Key_F2);
  auto* editor = qobject_cast<QLineEdit*>(KeyTarget(*ips));
  ASSERT_TRUE(editor);
  EXPECT_EQ(editor->text(), full);
  editor->end(false);
  QTest::keyClick(editor, Qt::Key_A, Qt::ControlModifier);
  TypeOn(*ips, "7.5");
  QTest::keyClick(KeyTarget(*ips), Qt::Key_Return);
  EXPECT_EQ(ips->cell(2, 3), "7.5");
  d.reject();
}

}  // namespace
}  // namespace qora::test

namespace qora::test {
namespace {

TEST_F(WindowTest, MenuClickOpensTheChilledScreenAndReturnHidesIt) {
  open("");
  start();
  MainMenu& menu = window->menu();
  const QPoint item1(menu.geometry().menuWidth / 2, menu.geometry().itemTop(1) + 5);
  QTest::mouseMove(&menu, item1);
  menu.hoverAt(item1.y());  // offscreen mouse moves do not always reach the widget
  QTest::mouseClick(&menu, Qt::LeftButton, {}, item1);
  EXPECT_FALSE(menu.isVisible());
  EXPECT_TRUE(window->bar().isVisible());
  EXPECT_TRUE(window->chillDialog().isVisible());
  QTest::mouseClick(window->bar().findChild<QPushButton*>("RetMainBitBtn"), Qt::LeftButton);
  EXPECT_TRUE(menu.isVisible());
  EXPECT_FALSE(window->bar().isVisible());
  EXPECT_FALSE(window->chillDialog().isVisible());
  window->openItem(6);  // the R-value screen, with its dialog beside it
  EXPECT_FALSE(menu.isVisible());
  EXPECT_TRUE(window->rValueDialog().isVisible());
  window->showMainMenu();
  EXPECT_FALSE(window->rValueDialog().isVisible());
  window->openItem(0);  // the catalogue
  EXPECT_FALSE(menu.isVisible());
  ASSERT_TRUE(window->screen(0));
  EXPECT_TRUE(window->screen(0)->isVisible());
  EXPECT_FALSE(window->screen(1)->isVisible());
}

TEST_F(WindowTest, FilesThatCannotBeWrittenAreLeftSilently) {
  open("");
  start();
  // Folders in place of the files: every write fails, nothing may crash or ask.
  for (const char* name : {"QORApara.qdt", "QORAInsu.qdt", "QORAcost.qdt"}) {
    QFile::remove(home.path() + "/" + name);
    ASSERT_TRUE(QDir(home.path()).mkdir(name));
  }
  window->paramDialog().show();
  window->paramDialog().accept();
  window->insulSizeDialog().show();
  window->insulSizeDialog().accept();
  window->insulCostDialog().show();
  window->insulCostDialog().accept();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  for (const char* name : {"QORApara.qdt", "QORAInsu.qdt", "QORAcost.qdt"})
    EXPECT_TRUE(QFileInfo(home.path() + "/" + name).isDir());
  EXPECT_TRUE(QFile::exists(home.path() + "/QORA2000.ini"));  // the settings were saved
}

TEST_F(WindowTest, InsulationSizePagesShowTheirFourHeadings) {
  open("");
  InsulSizeDialog& d = window->insulSizeDialog();
  d.show();
  const struct {
    const char* name;
    int page;
  } headings[] = {{"InsuSzHd01StaticText", 1},
                  {"InsuSzHd02StaticText", 2},
                  {"InsuSzHd03StaticText", 2},
                  {"InsuSzHd04StaticText", 2}};
  auto* pages = d.findChild<QTabWidget*>("InsuSzPageControl");
  for (const auto& h : headings) {
    pages->setCurrentIndex(h.page);
    auto* label = d.findChild<QLabel*>(h.name);
    ASSERT_NE(label, nullptr) << h.name;
    EXPECT_TRUE(label->isVisible()) << h.name;
    EXPECT_EQ(label->text(), state.lang.caption(QString("InsuSzDlg.") + h.name)) << h.name;
    EXPECT_FALSE(label->text().isEmpty()) << h.name;
  }
  d.reject();
}

TEST_F(WindowTest, EachLineScreenReopensTheAnalysisTheUserLeft) {
  open("[CHILLED-WATER]\nAnalysis=3\n");  // an older file has no such key: nothing chosen
  start();
  EXPECT_EQ(window->chillDialog().selectedAnalysis(), 3);
  EXPECT_EQ(window->hotDialog().selectedAnalysis(), 0);
  window->hotDialog().setSelectedAnalysis(5);
  emit window->hotDialog().analysisChosen();
  window->openItem(9);
  EXPECT_EQ(iniValue("CHILLED-WATER/Analysis"), "3");
  EXPECT_EQ(iniValue("HOT-WATER/Analysis"), "5");
}

}  // namespace
}  // namespace qora::test
