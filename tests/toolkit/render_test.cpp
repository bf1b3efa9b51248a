// Real renderings behind the draw lists: a screen picture probed pixel by pixel, and a
// PDF page turned into an image with pdftoppm and probed the same way.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <limits>
#include <string>

#include "keep_rendering.h"
#include "toolkit/draw.h"
#include "toolkit/image_canvas.h"
#include "toolkit/page_canvas.h"

namespace qora {
namespace {

void Keep(const QImage& img, const char* name) {
  test::KeepRendering(img, name);
}

QRgb Rgb(Colour c) {
  return qRgb(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF);
}

TEST(ImageRendering, PrimitivesLandOnTheRoundedPixels) {
  QImage img(200, 120, QImage::Format_RGB32);
  {
    ImageCanvas pic(img);
    ClearPicture(pic, kWhite);
    SetPicBrush(pic, kYellow, BrushStyle::Solid);
    SetPicPen(pic, kBlack, PenStyle::Solid, 1);
    PicRect(pic, 10, 10, 50.5, 40, kRed);  // 50.5 rounds to 50 (halves to even)
    PicLine(pic, 60, 5, 60, 100, kBlue);
    SetPicBrush(pic, kLime, BrushStyle::Solid);
    PicMarker(pic, 100, 60, 8);
    SetPicFont(pic, "Arial", 12, kBold, kBlack);
    SetPicBrush(pic, kAqua, BrushStyle::Solid);
    PicText(pic, HAlign::Right, VAlign::Bottom, "Text", 190, 110);
  }
  Keep(img, "primitives.png");
  EXPECT_EQ(img.pixel(10, 10), Rgb(kRed));  // outline corner
  EXPECT_EQ(img.pixel(49, 39), Rgb(kRed));  // right/bottom edge excluded: last pixel 49
  EXPECT_EQ(img.pixel(50, 25), Rgb(kWhite));
  EXPECT_EQ(img.pixel(30, 25), Rgb(kYellow));  // filled with the brush
  EXPECT_EQ(img.pixel(60, 50), Rgb(kBlue));
  EXPECT_EQ(img.pixel(100, 60), Rgb(kLime));  // marker centre
  // The outline takes the pen colour the line left (blue), on the top row y = 60 - 8.
  const QColor edge = QColor::fromRgb(img.pixel(100, 52));
  EXPECT_TRUE(edge.blue() > 150 && edge.red() < 120 && edge.green() < 120)
      << edge.name().toStdString();
  EXPECT_EQ(img.pixel(100, 50), Rgb(kWhite));
  // Right/bottom aligned text: its background box ends just left of and above the anchor.
  EXPECT_EQ(img.pixel(189, 109), Rgb(kAqua));
  EXPECT_EQ(img.pixel(191, 111), Rgb(kWhite));
  EXPECT_EQ(img.pixel(150, 109), Rgb(kWhite));  // "Text" in 16 px bold is narrower than 40
}

// Lowest row with dark ink in the columns [x0, x1), or -1.
int InkBottom(const QImage& img, int x0, int x1) {
  for (int y = img.height() - 1; y >= 0; --y) {
    for (int x = x0; x < x1; ++x) {
      if (qGray(img.pixel(x, y)) < 128) return y;
    }
  }
  return -1;
}

TEST(ImageRendering, RaisedSmallTwoSitsAboveTheBaseLine) {
  QImage img(200, 60, QImage::Format_RGB32);
  double mWidth = 0, fullHeight = 0;
  {
    ImageCanvas pic(img);
    ClearPicture(pic, kWhite);
    SetPicFont(pic, "Arial", 20, kRegular, kBlack);
    mWidth = pic.textSize("m").width();
    fullHeight = pic.textSize(R"(m\U2)").height();
    PicRichText(pic, 10, 10, R"(m\U2)");
    PicRichText(pic, 100, 10, R"(\GH\D2\DO)");
  }
  Keep(img, "richtext.png");
  const int mx = 10 + static_cast<int>(mWidth);
  const int mBottom = InkBottom(img, 10, mx - 1), twoBottom = InkBottom(img, mx + 1, 95);
  ASSERT_GT(mBottom, 0);
  ASSERT_GT(twoBottom, 0);
  // The small 2 stands on a line a third of the text height above the base line.
  EXPECT_NEAR(mBottom - twoBottom, fullHeight / 3, 3);
  // The shadow: grey ink two pixels right of and below the black H.
  bool grey = false;
  for (int y = 0; y < img.height(); ++y) {
    for (int x = 100; x < 130; ++x) grey |= img.pixel(x, y) == qRgb(128, 128, 128);
  }
  EXPECT_TRUE(grey);
}

TEST(ImageRendering, BandedFrameFillsAndLines) {
  QImage img(120, 90, QImage::Format_RGB32);
  {
    ImageCanvas pic(img);
    ClearPicture(pic, kWhite);
    TableFrame t;
    t.x = 10;
    t.y = 10;
    t.colWidth = 40;
    t.cols = 2;
    t.subCols = 2;
    t.subColWidth = 20;
    t.rowHeight = 15;
    t.headerRows = 1;
    t.bodyRows = 4;
    t.bandCount = 3;
    t.fillColour = kAqua;
    t.frameLineWidth = 3;
    t.subLineWidth = 1;
    PicTableFrameRows(pic, t);
  }
  Keep(img, "frame.png");
  EXPECT_EQ(img.pixel(25, 17), Rgb(kAqua));    // header
  EXPECT_EQ(img.pixel(25, 32), Rgb(kWhite));   // body row 1
  EXPECT_EQ(img.pixel(25, 47), Rgb(kYellow));  // row 2
  EXPECT_EQ(img.pixel(25, 62), Rgb(kSilver));  // row 3
  EXPECT_EQ(img.pixel(25, 77), Rgb(kWhite));   // row 4 starts the cycle again
  EXPECT_EQ(img.pixel(51, 47), Rgb(kBlack));   // 3 px column line centred on x = 50
  EXPECT_EQ(img.pixel(52, 47), Rgb(kYellow));
  EXPECT_EQ(img.pixel(30, 47), Rgb(kBlack));  // 1 px sub-column line at x = 30
  EXPECT_EQ(img.pixel(31, 47), Rgb(kYellow));
  EXPECT_EQ(img.pixel(25, 86), Rgb(kBlack));  // bottom line centred on y = 85
  EXPECT_EQ(img.pixel(25, 88), Rgb(kWhite));
}

TEST(ImageRendering, UnusableCoordinatesAndImagesDrawNothingAndNeverCrash) {
  const double nan = std::numeric_limits<double>::quiet_NaN();
  const double inf = std::numeric_limits<double>::infinity();
  QImage img(20, 20, QImage::Format_RGB32);
  {
    ImageCanvas pic(img);
    ClearPicture(pic, kWhite);
    PicLine(pic, nan, 0, 10, 10, kBlack);
    PicRect(pic, 0, 0, inf, 10, kBlack);
    PicMarker(pic, 10, 10, nan);
    PicText(pic, HAlign::Centre, VAlign::Middle, "x", -inf, 5);
    PicRichText(pic, nan, nan, R"(a\U2)");
    SetPicFont(pic, "Arial", nan, kRegular, kBlack);  // falls back to the smallest size
    PicText(pic, HAlign::Left, VAlign::Top, "y", 30, 30);
  }
  for (int y = 0; y < 20; ++y) {
    for (int x = 0; x < 20; ++x) ASSERT_EQ(img.pixel(x, y), Rgb(kWhite)) << x << "," << y;
  }
  QImage none;
  ImageCanvas pic(none);
  ClearPicture(pic, kBlack);
  PicText(pic, HAlign::Left, VAlign::Top, "x", 0, 0);
  EXPECT_EQ(pic.size(), QSizeF(0, 0));
}

TEST(ImageRendering, ScreenDashesAreEighteenOnSixAndDotsThreeOnThree) {
  QImage img(120, 20, QImage::Format_RGB32);
  {
    ImageCanvas pic(img);
    ClearPicture(pic, kWhite);
    SetPicPen(pic, kBlack, PenStyle::Dash, 1);
    PicLine(pic, 10, 5, 110, 5, kBlack);
    SetPicPen(pic, kBlack, PenStyle::Dot, 1);
    PicLine(pic, 10, 15, 110, 15, kBlack);
  }
  Keep(img, "dashes.png");
  std::string dash, dot;
  for (int x = 10; x < 58; ++x) {
    dash += img.pixel(x, 5) == Rgb(kBlack) ? '#' : '.';
    dot += img.pixel(x, 15) == Rgb(kBlack) ? '#' : '.';
  }
  EXPECT_EQ(dash, std::string(18, '#') + std::string(6, '.') + std::string(18, '#') +
                      std::string(6, '.'));
  EXPECT_EQ(dot, "###...###...###...###...###...###...###...###...");
}

TEST(ImageRendering, TextIsMeasuredInTheFontSetEvenAfterManyFontChanges) {
  // Nine sizes overflow the canvas's font cache, so the tenth takes an evicted entry's
  // place; the text measured just before in the evicted font must not be reused.
  QImage img(10, 10, QImage::Format_RGB32);
  ImageCanvas pic(img);
  for (int size = 10; size <= 17; ++size) {
    SetPicFont(pic, "Arial", size, kRegular, kBlack);
    pic.textSize("abc");
  }
  SetPicFont(pic, "Arial", 10, kRegular, kBlack);
  const double small = pic.textSize("abc").width();
  SetPicFont(pic, "Arial", 30, kRegular, kBlack);
  EXPECT_GT(pic.textSize("abc").width(), 2.5 * small);
}

// Renders page 1 of a PDF at `dpi` with pdftoppm; a null image when that fails.
QImage RenderPdf(const QString& pdf, int dpi) {
  const QString tool = QStandardPaths::findExecutable("pdftoppm");
  if (tool.isEmpty()) return {};
  const QString stem = pdf + "-page";
  QProcess p;
  p.start(tool, {"-r", QString::number(dpi), "-png", "-singlefile", pdf, stem});
  if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
  return QImage(stem + ".png").convertToFormat(QImage::Format_RGB32);
}

// Pixel of a sheet position in millimetres on a rendering at `dpi`.
QRgb At(const QImage& img, double xMm, double yMm, int dpi) {
  return img.pixel(static_cast<int>(xMm * dpi / 25.4), static_cast<int>(yMm * dpi / 25.4));
}

bool IsDark(QRgb c) {
  return qRed(c) < 100 && qGreen(c) < 100 && qBlue(c) < 100;
}

struct PdfCase {
  PageOrientation orientation;
  double sheetW, sheetH;  // A4 in the page's orientation, mm
  double pageW, pageH;    // logical page, mm
};

TEST(PdfRendering, LogicalPageIsCentredOnTheSheetInMillimetres) {
  const PdfCase cases[] = {{PageOrientation::Portrait, 210, 297, 200, 280},
                           {PageOrientation::Landscape, 297, 210, 280, 200}};
  for (const PdfCase& c : cases) {
    QTemporaryDir dir;
    const QString pdf = dir.filePath("page.pdf");
    {
      auto page = PageCanvas::toPdf(pdf, c.orientation, QPageSize(QPageSize::A4), 300);
      ASSERT_TRUE(page->isActive());
      EXPECT_EQ(page->printerDpi(), 300);
      EXPECT_EQ(page->size(), QSizeF(c.pageW, c.pageH));
      page->fill(0, 0, 5, 5, kBlack);  // the logical page's own top-left corner
      page->fill(c.pageW - 5, c.pageH - 5, c.pageW, c.pageH, kBlue);
      SetPrnBrush(*page, kRed, BrushStyle::Solid);
      SetPrnPen(*page, kBlack, PenStyle::Solid, 0);
      PrnRect(*page, 20, 20, 60, 40);
      SetPrnPen(*page, kLime, PenStyle::Solid, 2);
      PrnLine(*page, 100, 50, 100, 150);
      SetPrnFont(*page, "Arial", 36, kBold, kBlack);
      SetPrnBrush(*page, kWhite, BrushStyle::Clear);
      PrnText(*page, HAlign::Centre, VAlign::Middle, "QORA", 140, 100);
      EXPECT_TRUE(page->finish());
    }
    const int dpi = 100;
    const QImage img = RenderPdf(pdf, dpi);
    if (img.isNull()) GTEST_SKIP() << "pdftoppm is not available";
    Keep(img,
         c.orientation == PageOrientation::Portrait ? "pdf-portrait.png" : "pdf-landscape.png");
    const double ox = (c.sheetW - c.pageW) / 2, oy = (c.sheetH - c.pageH) / 2;
    // The sheet is A4 (the PDF gives it in whole points, hence a pixel either way).
    EXPECT_NEAR(img.width(), c.sheetW * dpi / 25.4, 1);
    EXPECT_NEAR(img.height(), c.sheetH * dpi / 25.4, 1);
    EXPECT_TRUE(IsDark(At(img, ox + 2.5, oy + 2.5, dpi)));
    EXPECT_EQ(At(img, ox - 1, oy + 2.5, dpi), qRgb(255, 255, 255));
    EXPECT_EQ(At(img, ox + 2.5, oy - 1, dpi), qRgb(255, 255, 255));
    EXPECT_EQ(At(img, ox + c.pageW - 2.5, oy + c.pageH - 2.5, dpi), Rgb(kBlue));
    EXPECT_EQ(At(img, ox + c.pageW + 1, oy + c.pageH - 2.5, dpi), qRgb(255, 255, 255));
    EXPECT_EQ(At(img, ox + 40, oy + 30, dpi), Rgb(kRed));
    EXPECT_EQ(At(img, ox + 100, oy + 100, dpi), Rgb(kLime));  // 2 mm line, centred on x
    EXPECT_EQ(At(img, ox + 100, oy + 160, dpi), qRgb(255, 255, 255));
    // 36 pt bold capitals about 12 mm high, centred on (140, 100).
    int dark = 0;
    for (double x = 120; x <= 160; x += 0.5) dark += IsDark(At(img, ox + x, oy + 100, dpi));
    EXPECT_GT(dark, 5);
    EXPECT_FALSE(IsDark(At(img, ox + 140, oy + 110, dpi)));
  }
}

TEST(PdfRendering, ZeroMillimetrePenDrawsTheThinnestVisibleLine) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath("hairline.pdf");
  {
    auto page = PageCanvas::toPdf(pdf, PageOrientation::Portrait, QPageSize(QPageSize::A4), 600);
    SetPrnPen(*page, kBlack, PenStyle::Solid, 0);
    PrnLine(*page, 20, 50, 180, 50);
    SetPrnPen(*page, kBlack, PenStyle::Solid, 1);
    PrnLine(*page, 20, 100, 180, 100);
  }
  const int dpi = 300;
  const QImage img = RenderPdf(pdf, dpi);
  if (img.isNull()) GTEST_SKIP() << "pdftoppm is not available";
  auto darkRows = [&](double yMm) {
    int rows = 0;
    const int x = qRound((5 + 100) * dpi / 25.4), y0 = qRound((8.5 + yMm) * dpi / 25.4);
    for (int y = y0 - 20; y <= y0 + 20; ++y) rows += qGray(img.pixel(x, y)) < 160;
    return rows;
  };
  const int hair = darkRows(50), oneMm = darkRows(100);
  EXPECT_GE(hair, 1);         // drawn
  EXPECT_LE(hair, 2);         // and thinnest: one device pixel
  EXPECT_NEAR(oneMm, 12, 1);  // 1 mm at 300 dpi
}

TEST(PdfRendering, UnwritableFileReportsFailureAndLeavesNothing) {
  QTemporaryDir dir;
  const QString pdf = dir.filePath("missing-folder/page.pdf");
  auto page = PageCanvas::toPdf(pdf, PageOrientation::Portrait);
  PrnLine(*page, 0, 0, 10, 10);
  EXPECT_FALSE(page->finish());
  EXPECT_FALSE(QFile::exists(pdf));
}

}  // namespace
}  // namespace qora
