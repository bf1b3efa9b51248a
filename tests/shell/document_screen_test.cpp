// The reference documents on screen: opened from the main menu, scrolled by dragging, back
// at the top on a tab change, the appendix's calculator and the catalogue's print button.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QScrollBar>
#include <QTabBar>
#include <QTemporaryDir>
#include <QTest>

#include "print/print_job.h"
#include "shell/document_page_view.h"
#include "shell/document_screen.h"
#include "shell/psychro_panel.h"
#include "shell_fixture.h"

namespace qora::test {
namespace {

class DocumentScreens : public ShellTest {
 protected:
  // Opens menu item 0, 7 or 8 and returns its screen.
  DocumentScreen* openDocument(int item) {
    window->openItem(item);
    QApplication::processEvents();
    auto* screen = qobject_cast<DocumentScreen*>(window->screen(item));
    return screen && screen->isVisible() ? screen : nullptr;
  }
  QScrollBar& vertical(DocumentScreen& s) { return *s.pageView().verticalScrollBar(); }
  // A mouse event on the page picture, at a point of the picture.
  void mouse(DocumentScreen& s, QEvent::Type type, QPointF at, Qt::MouseButtons buttons) {
    QWidget* picture = s.pageView().widget();
    QMouseEvent e(type, at, picture->mapToGlobal(at),
                  type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                  Qt::NoModifier);
    QApplication::sendEvent(picture, &e);
  }
};

TEST_F(DocumentScreens, MenuItemsOpenTheirDocumentsWithTheTitlesAsTabs) {
  open("[QORA2000]\nUnits=2\n");
  start();
  struct Case {
    int item;
    DocumentKind kind;
    int tabs;
    bool calculator, print;
  };
  const Case cases[] = {{0, DocumentKind::Catalogue, 10, false, true},
                        {7, DocumentKind::Appendix, 10, true, false},
                        {8, DocumentKind::Conversion, 18, false, false}};
  for (const Case& c : cases) {
    DocumentScreen* s = openDocument(c.item);
    ASSERT_TRUE(s) << c.item;
    EXPECT_EQ(s->kind(), c.kind);
    ASSERT_EQ(s->tabs().count(), c.tabs);
    const QStringList titles = ChapterTitles(state.lang, c.kind);
    for (int t = 0; t < c.tabs; ++t) EXPECT_EQ(s->tabs().tabText(t), titles[t].trimmed());
    EXPECT_EQ(s->calculator() != nullptr, c.calculator);
    EXPECT_EQ(s->printButton() != nullptr, c.print);
    EXPECT_EQ(s->tabs().currentIndex(), 0);
    const QImage& page = s->pageView().page();
    EXPECT_LE(page.width(), s->pageView().viewport()->width()) << c.item;
    EXPECT_GT(page.height(), 100) << c.item;
    // Only one screen at a time.
    int visible = 0;
    for (auto* other : window->findChildren<DocumentScreen*>()) visible += other->isVisible();
    EXPECT_EQ(visible, 1);
  }
  window->showMainMenu();
  window->openItem(1);  // the chilled-water screen hides the documents
  for (auto* s : window->findChildren<DocumentScreen*>()) EXPECT_FALSE(s->isVisible());
}

TEST_F(DocumentScreens, DraggingThePageUpByAHundredScrollsDownByAHundred) {
  open("[QORA2000]\nUnits=2\n");
  start();
  DocumentScreen* s = openDocument(0);
  ASSERT_TRUE(s);
  s->tabs().setCurrentIndex(7);  // the imperial packing tables: a long page
  QApplication::processEvents();
  ASSERT_GT(vertical(*s).maximum(), 400);
  vertical(*s).setValue(150);
  mouse(*s, QEvent::MouseButtonPress, QPointF(300, 500), Qt::LeftButton);
  EXPECT_TRUE(s->pageView().dragging());
  mouse(*s, QEvent::MouseMove, QPointF(300, 400), Qt::LeftButton);
  EXPECT_EQ(vertical(*s).value(), 250);
  // The grabbed point is not moved on: the picture moved by 100 under a still pointer,
  // so the same pointer position is now 100 further down the picture.
  mouse(*s, QEvent::MouseMove, QPointF(300, 500), Qt::LeftButton);
  EXPECT_EQ(vertical(*s).value(), 250);
  mouse(*s, QEvent::MouseMove, QPointF(300, 600), Qt::LeftButton);  // dragged down by 100
  EXPECT_EQ(vertical(*s).value(), 150);
  mouse(*s, QEvent::MouseButtonRelease, QPointF(300, 600), Qt::NoButton);
  EXPECT_FALSE(s->pageView().dragging());
  mouse(*s, QEvent::MouseMove, QPointF(300, 100), Qt::NoButton);  // no button: no drag
  EXPECT_EQ(vertical(*s).value(), 150);
  // Beyond the top the page stops at the top.
  mouse(*s, QEvent::MouseButtonPress, QPointF(300, 200), Qt::LeftButton);
  mouse(*s, QEvent::MouseMove, QPointF(300, 900), Qt::LeftButton);
  EXPECT_EQ(vertical(*s).value(), 0);
  mouse(*s, QEvent::MouseButtonRelease, QPointF(300, 900), Qt::NoButton);
}

TEST_F(DocumentScreens, SwitchingTabsReturnsToTheTop) {
  open("[QORA2000]\nUnits=2\n");
  start();
  DocumentScreen* s = openDocument(8);
  ASSERT_TRUE(s);
  s->tabs().setCurrentIndex(14);  // Temperature, with its long table
  QApplication::processEvents();
  const int tall = s->pageView().page().height();
  vertical(*s).setValue(vertical(*s).maximum());
  ASSERT_GT(vertical(*s).value(), 0);
  s->tabs().setCurrentIndex(0);
  QApplication::processEvents();
  EXPECT_EQ(vertical(*s).value(), 0);
  EXPECT_LT(s->pageView().page().height(), tall);  // the page follows its content
}

TEST_F(DocumentScreens, CalculatorAnswersOnEveryKeystrokeInTheActiveUnits) {
  open("[QORA2000]\nUnits=2\n");
  start();
  DocumentScreen* s = openDocument(7);
  ASSERT_TRUE(s && s->calculator());
  PsychroPanel& c = *s->calculator();
  EXPECT_EQ(c.relativeHumidityAnswer(), "N/A");  // opened with an empty room temperature
  EXPECT_EQ(c.dewPointAnswer(), "N/A");
  QTest::keyClicks(&c.roomTemperature(), "25");
  QTest::keyClicks(&c.dewPoint(), "12");
  EXPECT_EQ(c.relativeHumidityAnswer(), "44 %");
  EXPECT_EQ(c.dewPointAnswer(), "N/A");
  QTest::keyClicks(&c.relativeHumidity(), "8");
  // Keystroke by keystroke: at 8 % the vapour pressure is 0.08 × 0.45948 psia = 0.036758
  // psia, between the rows of 13 °F and 14 °F: 13.49 °F = −10.3 °C.
  EXPECT_EQ(c.dewPointAnswer(), QString::fromUtf8("-10.3 °C"));
  QTest::keyClicks(&c.relativeHumidity(), "0");
  EXPECT_EQ(c.dewPointAnswer(), QString::fromUtf8("21.3 °C"));
  QTest::keyClicks(&c.dewPoint(), "x");  // refused by the numeric filter
  EXPECT_EQ(c.dewPoint().text(), "12");
  c.dewPoint().setText("30");  // above the room temperature
  EXPECT_EQ(c.relativeHumidityAnswer(), "N/A");
  c.roomTemperature().clear();
  EXPECT_EQ(c.dewPointAnswer(), "N/A");

  // The unit button steps SI -> metric (still °C) -> inch-pound (°F); typed digits stay.
  auto unit = [&] { return c.findChild<QLabel*>("APDXApTdbUntLabel")->text(); };
  EXPECT_EQ(unit(), QString::fromUtf8("°C"));
  window->stepUnits();  // SI -> metric kcal
  window->stepUnits();  // -> inch-pound
  EXPECT_EQ(unit(), QString::fromUtf8("°F"));
  c.roomTemperature().setText("77");
  c.dewPoint().setText("53.6");
  EXPECT_EQ(c.relativeHumidityAnswer(), "44 %");
}

TEST_F(DocumentScreens, PrintButtonPrintsTheSelectedChapter) {
  QTemporaryDir jobs;
  ASSERT_TRUE(jobs.isValid());
  SetPrintToDirectory(jobs.path());
  open("[QORA2000]\nUnits=2\n");
  start();
  DocumentScreen* s = openDocument(0);
  ASSERT_TRUE(s && s->printButton());
  s->tabs().setCurrentIndex(3);
  EXPECT_TRUE(s->printButton()->isEnabled());
  QTest::mouseClick(s->printButton(), Qt::LeftButton);
  SetPrintToDirectory(QString());
  EXPECT_EQ(QDir(jobs.path()).entryList({"*.pdf"}, QDir::Files),
            QStringList{"QORA2000-Product-1.pdf"});
}

}  // namespace
}  // namespace qora::test
