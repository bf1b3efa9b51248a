#include "documents/conversion_page.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "documents/page_sources.h"
#include "documents/page_text.h"
#include "model/app_state.h"
#include "model/language.h"
#include "toolkit/canvas.h"
#include "toolkit/draw.h"

namespace qora {

namespace {

constexpr double kStep = 30;
constexpr double kRuleY = 60;
constexpr double kMargin = 10;
constexpr double kInset = 5;  // from a column's left edge to its text

// The conversion table of Length or Temperature: its first line is the header (the units
// of the columns), every further line one row, the row's unit or value in the label column.
// Drawn as two banded column frames, the header's and the body's, then the cells.
double ConversionTable(Canvas& pic, const QStringList& rows, double top, double rowStep, double u) {
  if (rows.isEmpty()) return top;
  const int columns = CellCount(rows);
  const CellWidths widest = WidestCells(pic, rows, kInset, CellText::RichTop);
  // A row is at least a line of the font tall (1.2 em in pixels of a 96 dpi screen), so a
  // large font stays inside its band. From the size, not a measurement: page heights never
  // depend on measured text.
  const double rowHeight = std::max(rowStep, std::ceil(pic.fontSize() * 96 / 72 * 1.2));
  const double textHeight = pic.textHeight(QStringLiteral("Og"));

  TableFrame f;
  f.x = 15;
  f.y = top;
  f.labelWidth1 = InUnits(widest.first, u);
  f.rowHeight = InUnits(widest.other, u);
  f.bodyRows = columns - 1;
  f.colWidth = rowHeight;
  f.subCols = 1;
  f.fillColour = kSilver;
  f.lineColour = kBlack;
  f.frameLineWidth = 2;
  f.subLineWidth = 1;
  f.cols = 1;
  f.bandCount = 1;
  PicTableFrameCols(pic, f);  // header
  f.y = top + rowHeight;
  f.cols = static_cast<int>(rows.size()) - 1;
  f.bandCount = 2;
  PicTableFrameCols(pic, f);  // body

  std::vector<double> x = {f.x + kInset};
  for (int j = 1; j < columns; ++j)
    x.push_back(f.x + f.labelWidth1 + (j - 1) * f.rowHeight + kInset);
  const double first = top + std::max(0.0, (rowHeight - textHeight) / 2);
  DrawTableRows(pic, rows, x, rowHeight, first, CellText::RichTop, rowHeight - (first - top));
  return top + rows.size() * rowHeight;
}

}  // namespace

double RenderConversionPage(Canvas& pic, PageSources& src, int tab, int screenWidth) {
  const double wp = pic.size().width();
  SetPicPen(pic, kBlue, PenStyle::Solid, 4);
  SetPicBrush(pic, kWhite, BrushStyle::Clear);
  const QString base = QStringLiteral("cnv.qdt");
  SetPicFontDefaultCharset(pic, src.faces(base).Font(5), TextSizeForScreen(screenWidth), kRegular,
                           kBlack);
  const double u = pic.textSize(QStringLiteral("O")).width();
  if (tab < 0 || tab >= kConversionPages) return 20 + kMargin;
  double y = DrawRichSection(pic, src.section(base, QStringLiteral("@CONV%1").arg(tab + 1)), 20,
                             kStep, 20);
  PicLine(pic, 20, kRuleY, wp - 50, kRuleY, kBlue);
  if (tab == kLengthTab || tab == kTemperatureTab) {
    const QStringList rows = src.section(base, QStringLiteral("@CONV%1-1").arg(tab + 1));
    y = ConversionTable(pic, rows, y, tab == kLengthTab ? 21 : 30, u) + kStep;
  }
  return y + kMargin;
}

}  // namespace qora
