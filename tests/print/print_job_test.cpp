// Print jobs end to end: real PDF pages rendered with pdftoppm and probed at known
// places, the print-to-folder mode, and a cancelled print dialog.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QTimer>
#include <QWidget>

#include "print/print_job.h"
#include "print_test_support.h"
#include "toolkit/canvas.h"

namespace qora {
namespace {

// Renders page 1 of a PDF at 50 dots per inch.
QImage Render(const QString& pdf, const QString& dir) {
  const QString stem = dir + "/render";
  QProcess p;
  p.start("pdftoppm", {"-r", "50", "-png", "-singlefile", pdf, stem});
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  return QImage(stem + ".png");
}

// A4 landscape sheet (297 × 210 mm) with the 280 × 200 mm page centred on it: page
// millimetres to pixels at 50 dpi.
QPoint Px(double xMm, double yMm) {
  return {int(std::lround((xMm + 8.5) * 50 / 25.4)), int(std::lround((yMm + 5) * 50 / 25.4))};
}

// Some pixel within ±r of p satisfies the test.
template <typename Test>
bool Near(const QImage& img, QPoint p, int r, Test test) {
  for (int dy = -r; dy <= r; ++dy) {
    for (int dx = -r; dx <= r; ++dx) {
      const QPoint q = p + QPoint(dx, dy);
      if (img.rect().contains(q) && test(QColor(img.pixel(q)))) return true;
    }
  }
  return false;
}

bool Dark(const QColor& c) {
  return c.red() < 90 && c.green() < 90 && c.blue() < 90;
}
bool LogoGreen(const QColor& c) {
  return c.green() > 200 && c.red() < 80 && c.blue() < 80;
}
bool White(const QColor& c) {
  return c.red() > 240 && c.green() > 240 && c.blue() > 240;
}

class PrintJob : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteBrandPictures(home); }
  void TearDown() override { SetPrintToDirectory(QString()); }
  test::TempHome home;
  AppState state = test::MakePrintState(home.path());
};

TEST_F(PrintJob, ChilledAndHotPagesRenderWithLogoAndPlotFrame) {
  struct Case {
    AnalysisId id;
    double frameLeft, frameTop, frameBottom;  // plot code 1 or 2
  };
  const Case cases[] = {{AnalysisId::ChilledKConst, 28, 54, 160},
                        {AnalysisId::HotTsurf, 42, 70, 170}};
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.id));
    const QString pdf = home.path() + "/chart.pdf";
    ASSERT_TRUE(WriteChartPdf(test::SampleChart(c.id, state), state, pdf));
    const QImage img = Render(pdf, home.path());
    ASSERT_FALSE(img.isNull());
    EXPECT_NEAR(img.width(), 585, 2);  // 297 mm at 50 dpi
    EXPECT_NEAR(img.height(), 413, 2);
    // The upright logo (255, 90)–(270, 190): solid green inside.
    EXPECT_TRUE(LogoGreen(QColor(img.pixel(Px(262.5, 140)))));
    EXPECT_TRUE(LogoGreen(QColor(img.pixel(Px(262.5, 185)))));
    EXPECT_FALSE(LogoGreen(QColor(img.pixel(Px(262.5, 195)))));
    // The 0.8 mm plot frame: its left edge at mid height, its bottom edge.
    const double midY = (c.frameTop + c.frameBottom) / 2;
    EXPECT_TRUE(Near(img, Px(c.frameLeft, midY), 1, Dark));
    EXPECT_TRUE(Near(img, Px(c.frameLeft + 20, c.frameBottom), 1, Dark));
    // The sheet's corner stays blank.
    EXPECT_TRUE(White(QColor(img.pixel(2, 2))));
  }
}

TEST_F(PrintJob, PrintToFolderWritesNumberedPdfsWithoutADialog) {
  const QString dir = home.path() + "/out";
  SetPrintToDirectory(dir);
  home.writeFile("out/QORA2000-GRAPH-2.pdf", "earlier output");
  const ChartData chart = test::SampleChart(AnalysisId::HotOverall, state);
  for (int i = 0; i < 2; ++i) ASSERT_TRUE(PrintChart(nullptr, &chart, state));
  ASSERT_TRUE(PrintChart(nullptr, nullptr, state));  // no chart yet: the frame alone
  for (const char* name :
       {"QORA2000-GRAPH-1.pdf", "QORA2000-GRAPH-3.pdf", "QORA2000-GRAPH-4.pdf"}) {
    EXPECT_TRUE(home.readFile(QString("out/") + name).startsWith("%PDF")) << name;
  }
  EXPECT_EQ(home.readFile("out/QORA2000-GRAPH-2.pdf"), "earlier output");
  EXPECT_FALSE(QFile::exists(dir + "/QORA2000-GRAPH-5.pdf"));
}

TEST_F(PrintJob, PdfThatCannotBeWrittenFailsAndLeavesWhatWasThere) {
  const ChartData chart = test::SampleChart(AnalysisId::ChilledTsurf, state);
  home.writeFile("taken.pdf/inside.txt", "old");
  EXPECT_FALSE(WriteChartPdf(chart, state, home.path() + "/taken.pdf"));
  EXPECT_EQ(home.readFile("taken.pdf/inside.txt"), "old");
  EXPECT_FALSE(WriteChartPdf(chart, state, home.path() + "/missing/chart.pdf"));
}

TEST_F(PrintJob, ConfirmedPrinterGetsTitleLandscapePageAndOneDocument) {
  // What the dialog hands over when the user picks a PDF file as the printer.
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(home.path() + "/printer.pdf");
  int rendered = 0;
  QSizeF pageSize;
  EXPECT_TRUE(
      PrintOnDevice(printer, PageOrientation::Landscape, "QORA2000-GRAPH", [&](Canvas& page) {
        ++rendered;
        pageSize = page.size();
      }));
  EXPECT_EQ(rendered, 1);
  EXPECT_EQ(pageSize, QSizeF(280, 200));
  EXPECT_EQ(printer.docName(), "QORA2000-GRAPH");
  EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
  EXPECT_TRUE(home.readFile("printer.pdf").startsWith("%PDF"));
}

TEST_F(PrintJob, CancelledDialogRendersNothing) {
  int rendered = 0;
  bool dialogShown = false;
  QTimer::singleShot(200, [&] {
    if (QWidget* w = QApplication::activeModalWidget()) {
      dialogShown = true;
      w->close();
    }
  });
  const bool printed = RunPrintJob(nullptr, PageOrientation::Landscape, "QORA2000-GRAPH",
                                   [&](Canvas&) { ++rendered; });
  EXPECT_TRUE(dialogShown);
  EXPECT_FALSE(printed);
  EXPECT_EQ(rendered, 0);
}

}  // namespace
}  // namespace qora
