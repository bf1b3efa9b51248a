// The table on the preview sheet (pixels) and on printed pages (millimetres): the column
// positions of the pipe-size table, the sheet growing for a long table, the pages a long
// table is cut into with the heading on each, and the PDF of the printout.
#include <gtest/gtest.h>

#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <QRegularExpression>
#include <cmath>

#include "charts/analysis_table.h"
#include "fixed_metrics_canvas.h"
#include "print/table_preview.h"
#include "print/table_printout.h"
#include "print_test_support.h"

namespace qora {
namespace {

using test::OfKind;
using test::ParseLog;
using test::Prim;

class TablePrintout : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteBrandPictures(home); }
  // The sheet of the preview as a draw list.
  std::vector<Prim> preview(const DataTable& t) {
    test::FixedMetricsCanvas pic(QSizeF(kPreviewWidth, PreviewHeightFor(t)));
    DrawPreviewSheet(pic, state);
    const TableGeometry g = PreviewTableGeometry(1e9);
    DrawTableSheet(pic, g, state.lang, t, PaginateTable(t, g).front());
    return ParseLog(pic.log());
  }
  std::vector<Prim> page(const DataTable& t, int index) {
    test::FixedMetricsCanvas p(QSizeF(200, 280), RecordingCanvas::Units::Millimetres);
    PrintTablePage(p, t, state, index);
    return ParseLog(p.log());
  }
  // Texts whose right edge is at x (±0.01) and whose bottom is below y.
  static std::vector<Prim> TextsEndingAt(const std::vector<Prim>& prims, double x, double below) {
    std::vector<Prim> out;
    for (const Prim& p : OfKind(prims, "text")) {
      if (std::abs(p.nums[0] + p.nums[2] - x) < 0.01 && p.nums[1] + p.nums[3] > below)
        out.push_back(p);
    }
    return out;
  }
  ChartData fortySizes() {
    ChartData c = test::SampleChart(AnalysisId::ChilledKConst, state);
    c.sizeFrom = 1, c.sizeTo = 40;
    return c;
  }
  test::TempHome home;
  AppState state = test::MakePrintState(home.path());
};

TEST_F(TablePrintout, SecondToFourthPositionsFillTheColumnsAt189To273) {
  ChartData c = test::SampleChart(AnalysisId::ChilledKConst, state);
  c.curveFrom = 2, c.curveTo = 4;
  const auto prims = preview(AnalysisTable(c, state));
  // Header row 2 and five body rows right-aligned at 105 + 42 k, k = 2..4.
  const double bodyTop = 105;
  for (int k : {2, 3, 4}) {
    EXPECT_EQ(TextsEndingAt(prims, 105 + 42 * k, bodyTop).size(), 6u) << k;
  }
  // Position 1 and 5..10 stay empty; the size names end at 105.
  for (int k : {1, 5, 6, 10}) {
    EXPECT_TRUE(TextsEndingAt(prims, 105 + 42 * k, bodyTop).empty()) << k;
  }
  EXPECT_EQ(TextsEndingAt(prims, 105, bodyTop).size(), 5u);
}

TEST_F(TablePrintout, ASheetHoldsTheWholeTableAndGrowsForALongOne) {
  const DataTable shortTable =
      AnalysisTable(test::SampleChart(AnalysisId::HotKConst, state), state);
  EXPECT_EQ(PreviewHeightFor(shortTable), kPreviewHeight);
  for (const ChartData& c : {fortySizes(), test::SampleChart(AnalysisId::HotTline, state)}) {
    const DataTable t = AnalysisTable(c, state);
    const int h = PreviewHeightFor(t);
    EXPECT_GT(h, kPreviewHeight);
    const auto prims = preview(t);
    // Every row is drawn (its first value column), inside the page rectangle (5, 5)-(605, h - 5).
    const TableBlock& b = t.blocks[0];
    const double firstColumn = 45 + b.labelWidth + b.columnWidth - 4;
    int rows = 0;
    for (const Prim& p : OfKind(prims, "text")) {
      EXPECT_LE(p.nums[1] + p.nums[3], h - 5) << p.line;
      EXPECT_LE(p.nums[0] + p.nums[2], 605) << p.line;
      if (std::abs(p.nums[0] + p.nums[2] - firstColumn) < 0.01) ++rows;
    }
    EXPECT_GE(rows, static_cast<int>(t.blocks[0].rows.size())) << h;
  }
}

TEST_F(TablePrintout, LongTablesContinueOnFurtherPagesWithTheHeadingRepeated) {
  for (const ChartData& c : {fortySizes(), test::SampleChart(AnalysisId::ChilledTtime, state)}) {
    const DataTable t = AnalysisTable(c, state);
    const auto sheets = PaginateTable(t, PageTableGeometry());
    ASSERT_GE(sheets.size(), 2u);
    // Every row on exactly one sheet, in order.
    int next = 0;
    for (const TableSheet& s : sheets) {
      for (const BlockSlice& b : s) {
        EXPECT_EQ(b.first, next);
        next += b.count;
      }
    }
    EXPECT_EQ(next, static_cast<int>(t.blocks[0].rows.size()));
    for (int i = 0; i < static_cast<int>(sheets.size()); ++i) {
      const auto prims = page(t, i);
      EXPECT_NE(test::FindText(prims, t.title.toStdString()), nullptr) << i;
      for (const HeadingLine& l : t.lines) {
        EXPECT_NE(test::FindText(prims, l.text.toStdString()), nullptr) << i;
      }
      for (const Prim& p : OfKind(prims, "line")) {
        EXPECT_LE(std::max(p.nums[1], p.nums[3]), 270.0) << p.line;
      }
      const std::string number = std::to_string(i + 1) + " / " + std::to_string(sheets.size());
      EXPECT_NE(test::FindText(prims, number), nullptr);
    }
  }
}

TEST_F(TablePrintout, EveryAnalysisFitsThePageWidth) {
  for (int a = 0; a < 16; ++a) {
    const DataTable t = AnalysisTable(test::SampleChart(static_cast<AnalysisId>(a), state), state);
    for (const TableBlock& b : t.blocks) {
      const double right = 45 + b.labelWidth + b.columns.size() * b.columnWidth;
      EXPECT_LE(right, 600) << a;
    }
    const auto prims = page(t, 0);
    for (const Prim& p : OfKind(prims, "line")) {
      EXPECT_TRUE(std::isfinite(p.nums[0]) && std::isfinite(p.nums[1]));
      EXPECT_LE(std::max(p.nums[0], p.nums[2]), 200.0) << a << p.line;
    }
  }
}

TEST_F(TablePrintout, AGeometryTooSmallForOneRowStillMovesOn) {
  const DataTable t = AnalysisTable(fortySizes(), state);
  TableGeometry g = PageTableGeometry();
  g.bottom = 0;  // nothing fits: one row a sheet, never an endless loop
  EXPECT_EQ(PaginateTable(t, g).size(), 40u);
  DataTable empty;
  EXPECT_EQ(PaginateTable(empty, g).size(), 1u);
}

TEST_F(TablePrintout, PdfHasOnePagePerSheet) {
  const DataTable t = AnalysisTable(fortySizes(), state);
  const QString file = home.path() + "/table.pdf";
  ASSERT_TRUE(WriteTablePdf(t, state, file));
  QFile f(file);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray pdf = f.readAll();
  EXPECT_TRUE(pdf.startsWith("%PDF-"));
  const QRegularExpression pageObject(QStringLiteral("/Type\\s*/Page(?![s\\w])"));
  EXPECT_EQ(QString::fromLatin1(pdf).count(pageObject),
            static_cast<qsizetype>(PaginateTable(t, PageTableGeometry()).size()));
}

TEST_F(TablePrintout, PreviewPictureShowsTheSheetAndItsShadow) {
  const QImage img = RenderTablePreview(AnalysisTable(fortySizes(), state), state);
  EXPECT_EQ(img.width(), kPreviewWidth);
  EXPECT_GT(img.height(), kPreviewHeight);
  EXPECT_EQ(QColor(img.pixel(607, img.height() / 2)), QColor(0xC0, 0xC0, 0xC0));  // shadow
  EXPECT_EQ(QColor(img.pixel(5, 300)), QColor(Qt::black));                        // page edge
}

}  // namespace
}  // namespace qora
