#include "documents/catalogue_tables.h"

#include <algorithm>

#include "documents/page_text.h"
#include "toolkit/canvas.h"
#include "toolkit/draw.h"

namespace qora {

namespace {

constexpr Colour kRowColours[3] = {kYellow, kAqua, kLime};

std::vector<double> TextColumns(const std::vector<double>& bounds, double inset) {
  std::vector<double> x;
  for (std::size_t j = 0; j + 1 < bounds.size(); ++j) x.push_back(bounds[j] + inset);
  return x;
}

}  // namespace

double DrawSpecificationTable(Canvas& c, const QStringList& rows, const std::vector<double>& bounds,
                              double top, const TableStyle& s) {
  const int columns = static_cast<int>(bounds.size()) - 1;
  if (rows.isEmpty() || columns < 1) return top;
  const qsizetype n = rows.size();
  std::vector<QStringList> cells;
  for (const QString& r : rows) cells.push_back(SplitCells(r, columns));
  auto empty = [&](qsizetype i, int j) {
    return j >= cells[static_cast<std::size_t>(i)].size() ||
           cells[static_cast<std::size_t>(i)][j].trimmed().isEmpty();
  };

  SetPicPen(c, kBlack, PenStyle::Solid, s.frameWidth);
  SetPicBrush(c, kSilver, BrushStyle::Solid);
  for (int j = 0; j < columns; ++j)
    PicRect(c, bounds[j], top, bounds[j + 1], top + s.rowHeight, kBlack);
  SetPicBrush(c, kWhite, BrushStyle::Solid);
  for (int j = 0; j < columns; ++j) {
    // A body cell runs down over the empty cells below it.
    for (qsizetype i = 1; i < n;) {
      qsizetype end = i + 1;
      while (end < n && empty(end, j)) ++end;
      PicRect(c, bounds[j], top + i * s.rowHeight, bounds[j + 1], top + end * s.rowHeight, kBlack);
      i = end;
    }
  }
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  return DrawTableRows(c, rows, TextColumns(bounds, s.textInset), s.rowHeight, top + s.textBottom,
                       CellText::Bottom, s.textBottom) -
         s.textBottom;
}

std::vector<double> PackingColumns(Canvas& c, const QStringList& rows, double x,
                                   const TableStyle& s) {
  const int columns = CellCount(rows);
  const CellWidths w = WidestCells(c, rows, s.textInset, CellText::Bottom);
  std::vector<double> bounds = {x, x + InUnits(w.first, s.unit)};
  for (int j = 1; j < columns; ++j) bounds.push_back(bounds.back() + InUnits(w.other, s.unit));
  return bounds;
}

double DrawPackingTable(Canvas& c, const QStringList& rows, double x, double top,
                        const TableStyle& s) {
  if (rows.isEmpty()) return top;
  const std::vector<double> bounds = PackingColumns(c, rows, x, s);
  const int columns = static_cast<int>(bounds.size()) - 1;
  const int body = static_cast<int>(rows.size()) - 1;

  TableFrame t;
  t.x = x;
  t.y = top;
  t.labelWidth1 = bounds[1] - bounds[0];
  t.cols = columns - 1;
  t.colWidth = columns > 1 ? bounds[2] - bounds[1] : 0;
  t.rowHeight = s.rowHeight;
  t.headerRows = 1;
  t.bodyRows = body;
  t.bandCount = 1;
  t.fillColour = kSilver;
  t.lineColour = kBlack;
  t.frameLineWidth = s.frameWidth;
  t.subLineWidth = s.frameWidth;
  PicTableFrameRows(c, t);

  // The bands: each body cell filled inside the frame's lines, leaving a thin white line
  // at the top of every row.
  const double half = s.frameWidth / 2;
  for (int k = 1; k <= body; ++k) {
    const double rowTop = top + k * s.rowHeight;
    const double y1 = rowTop + std::max(s.separator, k == 1 ? half : 0.0);
    const double y2 = rowTop + s.rowHeight - (k == body ? half : 0.0);
    for (int j = 0; j < columns; ++j)
      c.fill(bounds[j] + half, y1, bounds[j + 1] - half, y2, kRowColours[(k - 1) % 3]);
  }
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  return DrawTableRows(c, rows, TextColumns(bounds, s.textInset), s.rowHeight, top + s.textBottom,
                       CellText::Bottom, s.textBottom) -
         s.textBottom;
}

}  // namespace qora
