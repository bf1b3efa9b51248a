// The section readers of the reference pages and the writer of table rows. A reader draws
// the lines of one section and returns the y below them: y0 + n × step for n lines, and y0
// itself for a missing or empty section, so the next block starts where this one would
// have started.
#pragma once

#include <QString>
#include <QStringList>
#include <vector>

namespace qora {

class Canvas;

// Catalogue on screen: each line left-aligned at x with its bottom edge at y0 + i × step
// (PicText), in the caller's current font.
double DrawTextSection(Canvas& pic, const QStringList& lines, double x, double step, double y0);
// Appendix and conversion pages: each line with the rich-text codes, its top-left corner
// at (x, y0 + i × step) (PicRichText).
double DrawRichSection(Canvas& pic, const QStringList& lines, double x, double step, double y0);
// Printed catalogue: as DrawTextSection in millimetres of the page (PrnText).
double DrawPrintedSection(Canvas& page, const QStringList& lines, double x, double step, double y0);

// The characters a rich-text line shows, its codes removed (a backslash and the letter after
// it; a backslash at the very end). Measured in the base font it is at least as wide as the
// line drawn, whose small characters are narrower.
QString PlainText(const QString& rich);

// The cells of a table row: the line split at its tab characters. A row with more cells
// than the table has columns keeps the rest in the last cell, separated by blanks, so no
// text is lost.
QStringList SplitCells(const QString& line, int columns);
// The cells of the widest row (0 for no rows).
int CellCount(const QStringList& rows);
// A column width rounded up to whole units (at least one unit); the width itself when the
// unit is not positive.
double InUnits(double width, double unit);

enum class CellText {
  Bottom,   // plain text, bottom edge at the row's y (catalogue, screen and paper)
  RichTop,  // rich text, top edge at the row's y (conversion tables)
};
// The widest first cell and the widest of the other cells of the rows, in the canvas's
// current font, with `inset` on both sides (rich cells measured by their plain text).
struct CellWidths {
  double first = 0, other = 0;
};
CellWidths WidestCells(const Canvas& c, const QStringList& rows, double inset, CellText how);
// Writes rows of cells: row i at y0 + i × step, cell j at columnX[j]. Returns y0 + n × step.
// A cell's text may be `room` tall (above its y for Bottom, below it for RichTop); a face
// whose lines are taller (Thai, Chinese) is set smaller in that cell, so no text leaves its
// row and the table keeps its height.
double DrawTableRows(Canvas& c, const QStringList& lines, const std::vector<double>& columnX,
                     double step, double y0, CellText how, double room);

}  // namespace qora
