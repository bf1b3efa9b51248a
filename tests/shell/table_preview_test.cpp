// The table buttons of the line screens and the preview dialog: its size by the screen,
// the requests it keeps until it is closed, Print (portrait pages to --print-to), Copy
// (CSV on the clipboard) and the sheet scrolled by dragging.
#include <QClipboard>
#include <QDir>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "charts/analysis_table.h"
#include "print/print_job.h"
#include "shell/document_page_view.h"
#include "shell/line_screen.h"
#include "shell/local_conditions_dialog.h"
#include "shell/table_preview_dialog.h"
#include "shell_fixture.h"

namespace qora::test {
namespace {

TEST(TablePreviewSize, DialogIsTheScreenHeightLessOneHundredAtMostNineHundred) {
  EXPECT_EQ(TablePreviewDialog::HeightForScreen(700), 600);
  EXPECT_EQ(TablePreviewDialog::HeightForScreen(1000), 900);
  EXPECT_EQ(TablePreviewDialog::HeightForScreen(1200), 900);
  EXPECT_GT(TablePreviewDialog::HeightForScreen(50), 40);  // room for the button strip
}

class TablePreview : public ShellTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(jobs.isValid());
    SetPrintToDirectory(jobs.path());
  }
  void TearDown() override {
    if (window) preview().done(0);
    SetPrintToDirectory(QString());
    ShellTest::TearDown();
  }
  TablePreviewDialog& preview() { return window->previewDialog(); }
  LineScreen* openWithChart(int item, int analysis) {
    window->openItem(item);
    auto* screen = static_cast<LineScreen*>(window->screen(item));
    LocalDialogOf(*screen).setSelectedAnalysis(analysis);
    screen->refresh();
    return screen;
  }
  void clickTable(LineScreen* screen, const char* button) {
    auto* b = screen->findChild<QPushButton*>(button);
    ASSERT_NE(b, nullptr) << button;
    QTest::mouseClick(b, Qt::LeftButton);
    QApplication::processEvents();
  }
  QStringList pdfs() const { return QDir(jobs.path()).entryList({"*.pdf"}, QDir::Files); }
  QTemporaryDir jobs;
};

TEST_F(TablePreview, TableButtonShowsTheChartOnScreenCentredAndModal) {
  open("[QORA2000]\nUnits=2\n[PARAMETERS]\nPipeSizes=1\n");
  start();
  LineScreen* screen = openWithChart(1, 1);
  ASSERT_NE(screen->lastChart(), nullptr);
  clickTable(screen, "ChillTableBitBtn");
  ASSERT_TRUE(preview().isVisible());
  EXPECT_TRUE(preview().analysisRequested());
  EXPECT_FALSE(preview().rValueRequested());
  EXPECT_EQ(preview().windowModality(), Qt::ApplicationModal);
  EXPECT_EQ(preview().height(), 668);  // 768 - 100
  EXPECT_EQ(preview().width(), 640);
  EXPECT_NEAR(preview().geometry().center().x(), window->geometry().center().x(), 1);
  EXPECT_NEAR(preview().geometry().center().y(), window->geometry().center().y(), 1);
  const DataTable expected = AnalysisTable(*screen->lastChart(), state);
  EXPECT_EQ(preview().shownTable().title, expected.title);
  EXPECT_EQ(TableCsv(preview().shownTable()), TableCsv(expected));
  EXPECT_GE(preview().view().page().height(), 850);
  QTest::mouseClick(&preview().closeButton(), Qt::LeftButton);
  EXPECT_FALSE(preview().isVisible());
  EXPECT_FALSE(preview().analysisRequested());
}

TEST_F(TablePreview, HotScreensButtonShowsTheHotTable) {
  open("[QORA2000]\nUnits=1\n");
  start();
  LineScreen* screen = openWithChart(2, 3);
  ASSERT_NE(screen->lastChart(), nullptr);
  clickTable(screen, "HotTableBitBtn");
  ASSERT_TRUE(preview().isVisible());
  EXPECT_EQ(preview().shownTable().title, screen->lastChart()->wording.title);
  ASSERT_EQ(preview().shownTable().blocks.size(), 1u);
  EXPECT_EQ(preview().shownTable().blocks[0].rows.size(), 41u);
}

TEST_F(TablePreview, ClosingInAnyWayEndsTheRequestSoTheNextTableShowsAlone) {
  open("");
  start();
  DataTable analysis, rvalue;
  analysis.title = "analysis";
  analysis.blocks.resize(1);
  rvalue.title = "rvalue";
  rvalue.blocks.resize(2);
  for (int how = 0; how < 2; ++how) {
    preview().openAnalysisTable(analysis, 768);
    if (how == 0) {
      QTest::mouseClick(&preview().closeButton(), Qt::LeftButton);
    } else {
      QTest::keyClick(&preview(), Qt::Key_Escape);
    }
    EXPECT_FALSE(preview().isVisible()) << how;
    preview().openRValueTable(rvalue, 768);
    EXPECT_FALSE(preview().analysisRequested()) << how;
    EXPECT_EQ(preview().shownTable().title, "rvalue");
    EXPECT_EQ(preview().shownTable().blocks.size(), 2u);
    preview().done(0);
  }
}

TEST_F(TablePreview, PrintWritesPortraitTablePagesAndCopyPutsCsvOnTheClipboard) {
  open("[QORA2000]\nUnits=2\n[PARAMETERS]\nPipeSizes=1\n");
  start();
  LineScreen* screen = openWithChart(1, 3);
  ASSERT_NE(screen->lastChart(), nullptr);
  clickTable(screen, "ChillTableBitBtn");
  QTest::mouseClick(&preview().printButton(), Qt::LeftButton);
  ASSERT_EQ(pdfs().size(), 1);
  EXPECT_TRUE(pdfs().front().startsWith("QORA2000-Table")) << pdfs().front().toStdString();

  QTest::mouseClick(&preview().copyButton(), Qt::LeftButton);
  const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
  ASSERT_NE(mime, nullptr);
  const QString expected = TableCsv(AnalysisTable(*screen->lastChart(), state));
  EXPECT_EQ(mime->text(), expected);
  EXPECT_EQ(QString::fromUtf8(mime->data("text/csv")), expected);
}

TEST_F(TablePreview, DraggingTheSheetScrollsIt) {
  open("[QORA2000]\nUnits=2\n[PARAMETERS]\nPipeSizes=1\n");
  start();
  LineScreen* screen = openWithChart(1, 4);  // 41 points: taller than the view
  clickTable(screen, "ChillTableBitBtn");
  DocumentPageView& view = preview().view();
  QWidget* sheet = view.widget();
  QScrollBar* bar = view.verticalScrollBar();
  ASSERT_GT(bar->maximum(), 100);
  EXPECT_EQ(bar->value(), 0);
  QTest::mousePress(sheet, Qt::LeftButton, {}, QPoint(300, 400));
  QMouseEvent move(QEvent::MouseMove, QPointF(300, 340), sheet->mapToGlobal(QPointF(300, 340)),
                   Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(sheet, &move);
  QTest::mouseRelease(sheet, Qt::LeftButton, {}, QPoint(300, 340 + bar->value()));
  EXPECT_EQ(bar->value(), 60);
}

}  // namespace
}  // namespace qora::test
