// The tables of the catalogue, on screen (pixels) and on paper (millimetres). Each line
// of a table section is one row, its cells separated by tab characters; the first line is
// the header. Text is written in the caller's current font.
//  - Specification table: fixed column boundaries, a silver header over white cells; a
//    body cell left empty continues the cell above it (one cell spanning the rows).
//  - Packing tables: a silver header over banded rows (yellow, aqua, lime) separated by
//    thin white lines; the first column as wide as its longest text, the others of one
//    width, in whole units u.
#pragma once

#include <QStringList>
#include <vector>

namespace qora {

class Canvas;

struct TableStyle {
  double rowHeight = 26;
  double textInset = 5;    // from a column's left edge to its text
  double textBottom = 23;  // from a row's top edge to its text's bottom edge
  double frameWidth = 2;   // frame and header lines
  double separator = 1;    // white line between banded rows
  double unit = 10;        // u, the width of "O" in the table font
};

// Draws the table between the column boundaries `bounds` (columns + 1 x positions) from
// `top`; returns the y of its bottom edge.
double DrawSpecificationTable(Canvas& c, const QStringList& rows, const std::vector<double>& bounds,
                              double top, const TableStyle& style);

// Column boundaries of a packing table at x (see above).
std::vector<double> PackingColumns(Canvas& c, const QStringList& rows, double x,
                                   const TableStyle& style);
// Draws the table at x from `top`; returns the y of its bottom edge.
double DrawPackingTable(Canvas& c, const QStringList& rows, double x, double top,
                        const TableStyle& style);

}  // namespace qora
