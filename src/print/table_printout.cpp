#include "print/table_printout.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "charts/chart_conventions.h"
#include "model/app_state.h"
#include "print/page_frame.h"
#include "print/print_job.h"
#include "toolkit/canvas.h"
#include "toolkit/draw.h"

namespace qora {

namespace {

constexpr double kSheetPixelsPerMm = 3;  // the 600-pixel sheet stands for 200 mm

double HeadingBottom(const DataTable& t, const TableGeometry& g) {
  return g.titleY + t.headingRows() * g.rowStep + g.gap;
}

double CaptionHeight(const TableBlock& b, const TableGeometry& g) {
  return b.caption.isEmpty() ? 0 : g.rowHeight;
}

double HeadHeight(const TableBlock& b, const TableGeometry& g) {
  return CaptionHeight(b, g) + TableBlock::kHeaderRows * g.rowHeight;
}

QString Bracketed(const QString& unit) {
  return unit.isEmpty() ? QString() : QStringLiteral("(") + unit.trimmed() + u')';
}

// The frame of a slice: the header rows, then the body (rows, or one band per row).
void DrawFrame(Canvas& c, const TableGeometry& g, const TableBlock& b, double top, int rows) {
  TableFrame f;
  f.x = g.left;
  f.y = top;
  f.labelWidth1 = b.labelWidth * g.scale;
  f.colWidth = b.columnWidth * g.scale;
  f.cols = static_cast<int>(b.columns.size());
  f.rowHeight = g.rowHeight;
  f.headerRows = TableBlock::kHeaderRows;
  f.bodyRows = b.shape == TableShape::Rows ? rows : 0;
  f.bandCount = 1;
  f.fillColour = kSilver;
  f.lineColour = kBlack;
  f.frameLineWidth = g.framePen;
  f.subLineWidth = g.innerPen;
  PicTableFrameRows(c, f);
  if (!b.groupHeader.isEmpty() && !b.columns.empty()) {
    // The group heading spans its columns: no column lines through the first header row,
    // a thin line under it.
    const double x0 = g.left + f.labelWidth1 + g.framePen / 2;
    const double x1 = g.left + f.labelWidth1 + f.cols * f.colWidth - g.framePen / 2;
    c.fill(x0, top + g.framePen / 2, x1, top + g.rowHeight, kSilver);
    c.setPen(kBlack, PenStyle::Solid, g.innerPen);
    c.line(x0, top + g.rowHeight, x1, top + g.rowHeight);
  }
  if (b.shape == TableShape::Rows || rows == 0) return;
  // Turned frame: every point a band, the label column filled like the header.
  f.y = top + TableBlock::kHeaderRows * g.rowHeight;
  f.cols = rows;
  f.colWidth = g.rowHeight;
  f.bodyRows = static_cast<int>(b.columns.size());
  f.rowHeight = b.columnWidth * g.scale;
  PicTableFrameCols(c, f);
}

// A cell's text; an empty cell draws nothing.
void CellLabel(Canvas& c, HAlign h, const QString& text, double x, double y) {
  if (!text.isEmpty()) PicText(c, h, VAlign::Bottom, text, x, y);
}

void DrawSlice(Canvas& c, const TableGeometry& g, const LanguageTexts& lang, const TableBlock& b,
               const BlockSlice& s, double top) {
  SetTextStyle(c, lang, g.cell);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  if (!b.caption.isEmpty()) {
    CellLabel(c, HAlign::Left, b.caption, g.left, top + g.rowHeight - g.inset);
    top += g.rowHeight;
  }
  DrawFrame(c, g, b, top, s.count);
  SetPicBrush(c, kWhite, BrushStyle::Clear);

  const double labelW = b.labelWidth * g.scale, colW = b.columnWidth * g.scale;
  const double labelCentre = g.left + (labelW - g.inset) / 2;
  auto columnRight = [&](size_t k) { return g.left + labelW + (k + 1) * colW - g.inset; };
  auto columnCentre = [&](size_t k) { return g.left + labelW + (k + 0.5) * colW; };
  const double row1 = top + g.rowHeight, row2 = top + 2 * g.rowHeight;

  CellLabel(c, HAlign::Centre, b.label.header, labelCentre, row1);
  CellLabel(c, HAlign::Centre, Bracketed(b.label.unit), labelCentre, row2);
  if (!b.groupHeader.isEmpty()) {
    // Over the value columns, where the sheet of the pipe-size tables puts it.
    CellLabel(c, HAlign::Centre, b.groupHeader, g.left + 240 * g.scale, row1);
    for (size_t k = 0; k < b.columns.size(); ++k) {
      CellLabel(c, HAlign::Right, b.columns[k].header, columnRight(k), row2);
    }
  } else {
    for (size_t k = 0; k < b.columns.size(); ++k) {
      CellLabel(c, HAlign::Centre, b.columns[k].header, columnCentre(k), row1);
      CellLabel(c, HAlign::Centre, Bracketed(b.columns[k].unit), columnCentre(k), row2);
    }
  }

  const int end = std::min<int>(s.first + s.count, static_cast<int>(b.rows.size()));
  for (int r = s.first; r < end; ++r) {
    const double y = row2 + (r - s.first + 1) * g.rowHeight;
    const auto& cells = b.rows[r];
    if (!cells.empty()) {
      CellLabel(c, HAlign::Right, CellText(cells[0], b.label.decimals), g.left + labelW - g.inset,
                y);
    }
    for (size_t k = 0; k < b.columns.size() && k + 1 < cells.size(); ++k) {
      CellLabel(c, HAlign::Right, CellText(cells[k + 1], b.columns[k].decimals), columnRight(k), y);
    }
  }
}

}  // namespace

TableGeometry PreviewTableGeometry(double bottom) {
  TableGeometry g;
  g.bottom = bottom;
  return g;
}

TableGeometry PageTableGeometry() {
  TableGeometry g;
  const double k = 1 / kSheetPixelsPerMm;
  g.pixels = false;
  g.scale = k;
  g.left *= k;
  g.right *= k;
  g.titleY *= k;
  g.rowStep *= k;
  g.rowHeight *= k;
  g.inset *= k;
  g.gap *= k;
  g.bottom = 268;  // above the page number
  g.framePen = 0.5;
  g.innerPen = 0.2;
  return g;
}

std::vector<TableSheet> PaginateTable(const DataTable& table, const TableGeometry& g) {
  std::vector<TableSheet> sheets;
  TableSheet current;
  const double top = HeadingBottom(table, g);
  double y = top;
  auto nextSheet = [&] {
    sheets.push_back(std::move(current));
    current.clear();
    y = top;
  };
  for (size_t bi = 0; bi < table.blocks.size(); ++bi) {
    const TableBlock& b = table.blocks[bi];
    const int n = static_cast<int>(b.rows.size());
    int first = 0;
    do {
      const double head = HeadHeight(b, g);
      // Rows that fit; compared before converting, so a sheet without a bottom is safe.
      const double room = (g.bottom - y - head) / g.rowHeight + 1e-9;
      const int fit = !(room >= 1) ? 0 : room >= n - first ? n - first : static_cast<int>(room);
      if (fit < 1 && !current.empty()) {
        nextSheet();
        continue;
      }
      const int take = std::min(std::max(fit, 1), n - first);
      current.push_back({static_cast<int>(bi), first, take});
      first += take;
      y += head + take * g.rowHeight + g.gap;
      if (first < n) nextSheet();
    } while (first < n);
  }
  if (!current.empty() || sheets.empty()) sheets.push_back(std::move(current));
  return sheets;
}

double SheetContentBottom(const DataTable& table, const TableSheet& sheet, const TableGeometry& g) {
  double y = HeadingBottom(table, g);
  double end = y - g.gap;
  for (const BlockSlice& s : sheet) {
    end = y + HeadHeight(table.blocks[s.block], g) + s.count * g.rowHeight;
    y = end + g.gap;
  }
  return end;
}

void DrawTableSheet(Canvas& c, const TableGeometry& g, const LanguageTexts& lang,
                    const DataTable& table, const TableSheet& sheet) {
  // The heading as the graph printouts write theirs.
  ChartGeometry heading;
  heading.pixels = g.pixels;
  heading.xLeft = g.left;
  heading.xRight = g.right;
  heading.titleY = g.titleY;
  heading.rowStep = g.rowStep;
  heading.title = g.title;
  heading.line = heading.footer = g.line;
  ChartWording wording;
  wording.title = table.title;
  wording.lines = table.lines;
  DrawHeading(c, heading, lang, wording);
  double y = HeadingBottom(table, g);
  for (const BlockSlice& s : sheet) {
    if (s.block < 0 || s.block >= static_cast<int>(table.blocks.size())) continue;
    const TableBlock& b = table.blocks[s.block];
    DrawSlice(c, g, lang, b, s, y);
    y += HeadHeight(b, g) + s.count * g.rowHeight + g.gap;
  }
}

void PrintTablePage(Canvas& page, const DataTable& table, const AppState& state, int index) {
  PrintTablePageFrame(page, state);
  const TableGeometry g = PageTableGeometry();
  const std::vector<TableSheet> sheets = PaginateTable(table, g);
  if (index < 0 || index >= static_cast<int>(sheets.size())) return;
  DrawTableSheet(page, g, state.lang, table, sheets[index]);
  if (sheets.size() > 1) {
    SetTextStyle(page, state.lang, g.line);
    PicText(page, HAlign::Centre, VAlign::Bottom,
            QStringLiteral("%1 / %2").arg(index + 1).arg(sheets.size()), page.size().width() / 2,
            page.size().height() - 5);
  }
}

namespace {

int SheetCount(const DataTable& table) {
  return static_cast<int>(PaginateTable(table, PageTableGeometry()).size());
}

}  // namespace

bool PrintTable(QWidget* parent, const DataTable& table, const AppState& state) {
  return RunPrintJob(parent, PageOrientation::Portrait, QString::fromLatin1(kTableJobTitle),
                     SheetCount(table),
                     [&](Canvas& page, int i) { PrintTablePage(page, table, state, i); });
}

bool WriteTablePdf(const DataTable& table, const AppState& state, const QString& file) {
  return WritePdfPages(file, PageOrientation::Portrait, QString::fromLatin1(kTableJobTitle),
                       SheetCount(table),
                       [&](Canvas& page, int i) { PrintTablePage(page, table, state, i); });
}

}  // namespace qora
