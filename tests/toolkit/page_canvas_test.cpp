// Where the logical page lands on real sheets, and print jobs on a printer device.
#include "toolkit/page_canvas.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QPen>
#include <QPrinter>
#include <QTemporaryDir>

#include "test_support.h"
#include "toolkit/canvas_state.h"
#include "toolkit/colour.h"
#include "toolkit/draw.h"
#include "toolkit/recording_canvas.h"

namespace qora {
namespace {

struct SheetCase {
  QPageSize::PageSizeId sheet;
  PageOrientation orientation;
  double offsetX, offsetY;  // dots at 300 dpi, by hand
  double scale;
};

// At 300 dpi the logical page is 2362 × 3307 dots (200 × 280 mm). A4 is 2480.3 × 3507.9
// dots: centred 59 and 100 dots in. Letter is 2550 × 3300 dots, 7 dots short of the page:
// the page is shrunk by 3300/3307 to stay on the sheet (2357.0 dots across), then centred:
// (2550 - 2357.0) / 2 = 96.5 less a hair, 96.
const SheetCase kSheets[] = {
    {QPageSize::A4, PageOrientation::Portrait, 59, 100, 1},
    {QPageSize::A4, PageOrientation::Landscape, 100, 59, 1},
    {QPageSize::Letter, PageOrientation::Portrait, 96, 0, 3300.0 / 3307},
    {QPageSize::Letter, PageOrientation::Landscape, 0, 96, 3300.0 / 3307},
};

TEST(PageCanvas, LogicalPageCentredOnTheSheetAndNeverOverflowingIt) {
  for (const SheetCase& c : kSheets) {
    QTemporaryDir dir;
    auto page = PageCanvas::toPdf(dir.filePath("p.pdf"), c.orientation, QPageSize(c.sheet), 300);
    SCOPED_TRACE(QPageSize(c.sheet).name().toStdString());
    EXPECT_EQ(page->printerDpi(), 300);
    EXPECT_NEAR(page->fitScale(), c.scale, 1e-9);
    EXPECT_NEAR(page->pageOffsetDots().x(), c.offsetX, 0.5);
    EXPECT_NEAR(page->pageOffsetDots().y(), c.offsetY, 0.5);
    EXPECT_TRUE(page->finish());
  }
}

TEST(PageCanvas, PrinterJobUsesTheFullPageAtThePrinterResolution) {
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("job.pdf"));
  printer.setPageMargins(QMarginsF(20, 20, 20, 20), QPageLayout::Millimeter);
  {
    auto page = BeginLandscapePage(printer);
    EXPECT_TRUE(printer.fullPage());
    EXPECT_EQ(printer.pageLayout().orientation(), QPageLayout::Landscape);
    EXPECT_EQ(page->printerDpi(), printer.resolution());
    EXPECT_EQ(page->size(), QSizeF(280, 200));
    // The printer margins do not move the page: A4 landscape is 297 mm wide, so the page
    // starts 8.5 mm in whatever margins the printer had.
    EXPECT_NEAR(page->pageOffsetDots().x(), 8.5 * printer.resolution() / 25.4, 1);
    PrnLine(*page, 0, 0, 280, 200);
  }
  EXPECT_TRUE(QFile(dir.filePath("job.pdf")).size() > 0);
}

TEST(PageCanvas, MillimetreTextIsMeasuredAtThePrinterResolution) {
  // 12 pt is 4.23 mm of em; Liberation Sans lines are about 1.15 em: 4.86 mm.
  RecordingCanvas page(QSizeF(200, 280), RecordingCanvas::Units::Millimetres, 600);
  SetPrnFont(page, "Arial", 12, kRegular, kBlack);
  EXPECT_NEAR(page.textSize("Wg").height(), 4.86, 0.15);
  QTemporaryDir dir;
  auto pdf = PageCanvas::toPdf(dir.filePath("t.pdf"), PageOrientation::Portrait);
  SetPrnFont(*pdf, "Arial", 12, kRegular, kBlack);
  EXPECT_NEAR(pdf->textSize("Wg").height(), 4.86, 0.15);
  EXPECT_NEAR(pdf->textSize("Wg").width(), page.textSize("Wg").width(), 0.1);
}

// The chart grid is a 0.05 mm dotted hairline: on paper it prints one screen pixel wide
// (dpi / 96 dots) with the screen's 3-on 3-off pixels, so the dots stay dots at any
// resolution; solid pens and styled pens wider than a pixel keep their own width.
TEST(PageCanvas, HairlineDotsPrintAsTheScreenDrawsThem) {
  CanvasState s;
  s.setPen(kSilver, PenStyle::Dot, 0.05);
  for (int dpi : {300, 600, 1200}) {
    SCOPED_TRACE(dpi);
    const QPen pen = PagePen(s, dpi);
    const double pixel = dpi / 96.0, w = pen.widthF();
    EXPECT_NEAR(w, pixel, 0.5);
    const QList<qreal> dashes = pen.dashPattern();  // in pen widths
    ASSERT_EQ(dashes.size(), 2);
    EXPECT_NEAR(dashes[0] * w, 3 * pixel, 1.5);
    // Round caps take half a width at each end of a dot: a whole pixel of paper stays
    // between two dots.
    EXPECT_GE(dashes[1] * w - w, pixel - 0.5);
  }
  s.setPen(kBlack, PenStyle::Solid, 0.4);
  EXPECT_EQ(PagePen(s, 600).width(), 9);  // 0.4 mm at 600 dpi: 9.45 dots
  EXPECT_EQ(PagePen(s, 600).style(), Qt::SolidLine);
  s.setPen(kBlack, PenStyle::Dash, 0.5);
  EXPECT_EQ(PagePen(s, 600).width(), 12);  // 11.8 dots, more than a pixel's 6.25
  EXPECT_EQ(PagePen(s, 600).style(), Qt::DashLine);
}

}  // namespace
}  // namespace qora
