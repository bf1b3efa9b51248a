// The numbers behind a chart as a table: the heading of the chart's printout, then one or
// more framed blocks of a label column and value columns, each column with its heading,
// unit and decimals. The preview sheet, the printed pages, the CSV text and the clipboard
// all read this one description, so they show the same texts and roundings.
#pragma once

#include <QString>
#include <vector>

#include "charts/chart_wording.h"
#include "engine/real.h"

namespace qora {

// What one cell holds: nothing (a series outside the chosen range keeps its place but
// stays empty), "N/A" (a point no thickness reaches), a number shown with its column's
// decimals, or a text (pipe-size and thickness names).
struct TableCell {
  enum class Kind { Empty, NotAvailable, Number, Text };
  Kind kind = Kind::Empty;
  Real value = 0;
  QString text;

  static TableCell number(Real v);
  static TableCell label(const QString& t);
  static TableCell notAvailable();
};

struct TableColumn {
  QString header;        // over the column (a list entry, a quantity name); empty: unused
  QString unit;          // unit label of its numbers, without brackets
  int decimals = 1;      // shown decimals of its numbers
  QString csvName = {};  // the column's name in CSV when the header alone does not say it
};

// Rows: two header rows on top, one body row per row, value columns side by side (the
// pipe-size tables). Cols: the same two header rows, then every row a band of its own with
// the label column filled like a header (the point lists of one pipe).
enum class TableShape { Rows, Cols };

struct TableBlock {
  TableShape shape = TableShape::Rows;
  QString caption;  // a line above the frame (empty: none)
  // A heading over all value columns in the first header row; the columns' own headings
  // (list entries) then go in the second row, right-aligned like their numbers. Without
  // it, the first row names each column and the second gives its unit in brackets.
  QString groupHeader;
  TableColumn label;  // the row-label column
  std::vector<TableColumn> columns;
  // Per row: the label cell, then one cell per column.
  std::vector<std::vector<TableCell>> rows;
  // Widths in units of the preview sheet (pixels of the 600-pixel page).
  double labelWidth = 64, columnWidth = 42;

  static constexpr int kHeaderRows = 2;
};

struct DataTable {
  QString title;
  std::vector<HeadingLine> lines;  // as the printout's heading (rows from 1, columns 0 and 1)
  std::vector<TableBlock> blocks;
  // The heading row after the last line (where a block starts).
  int headingRows() const;
};

// The text a cell shows: the number with `decimals` (locale-free, point as separator), "N/A",
// the label, or nothing. Never "nan" or "inf": a value that is not finite shows "N/A".
QString CellText(const TableCell& cell, int decimals);

// RFC 4180 text (CRLF line ends, fields holding a comma, quote or line break quoted, quotes
// doubled): per block a header record naming each column and its unit ("Name (unit)"),
// then one record per row with the numbers as the table shows them. A block with a caption
// is preceded by a record with the caption; blocks are separated by an empty record. Raw
// values follow in extra columns ("... raw") at full precision, so a spreadsheet can
// compute with the unrounded numbers.
QString TableCsv(const DataTable& table);

// One CSV field, quoted when it must be.
QString CsvField(const QString& text);

}  // namespace qora
