// A data table drawn on a surface: its title and heading lines, then its blocks in banded
// frames, cut into sheets where they do not fit. One renderer for the preview sheet
// (pixels of a 600-pixel page) and the printed portrait page (millimetres of 200 × 280):
// the geometry says where things go and how large they are.
#pragma once

#include <QString>
#include <vector>

#include "charts/chart_geometry.h"
#include "charts/data_table.h"

class QWidget;

namespace qora {

class Canvas;
struct AppState;
struct ChartData;
struct LanguageTexts;

inline constexpr const char* kTableJobTitle = "QORA2000-Table";

struct TableGeometry {
  bool pixels = true;
  double scale = 1;  // surface units per sheet pixel (block widths are in sheet pixels)
  double left = 45, right = 340;      // heading columns; frames start at `left`
  double titleY = 105, rowStep = 21;  // title bottom, heading row spacing
  double rowHeight = 21;
  double inset = 4;     // from a column's right edge to its right-aligned text
  double gap = 8;       // between the heading (or a block) and the next block
  double bottom = 830;  // the lowest edge a frame may reach on a sheet
  double framePen = 3, innerPen = 1;
  TextStyle title{18, 9, kBlue}, line{19, 8, kBlue}, cell{19, 8, kBlack};
};

// The preview sheet's geometry (pixels); `bottom` is where its frames must end.
TableGeometry PreviewTableGeometry(double bottom = 830);
// The printed page's geometry: the sheet's numbers divided by 3 (600 pixels = 200 mm).
TableGeometry PageTableGeometry();

// Which rows of which blocks a sheet holds.
struct BlockSlice {
  int block = 0, first = 0, count = 0;
};
using TableSheet = std::vector<BlockSlice>;

// Cuts the table into sheets: each sheet repeats the heading, then as many rows as fit
// above `bottom`, each block (or its rest) under its own headers. A block whose headers
// and first row do not fit starts on the next sheet; a sheet holds at least one row even
// when it overruns (a geometry too small for one row). Always at least one sheet.
std::vector<TableSheet> PaginateTable(const DataTable& table, const TableGeometry& g);
// Where the last block of a sheet ends (the y of its lower frame edge).
double SheetContentBottom(const DataTable& table, const TableSheet& sheet, const TableGeometry& g);

// Draws the heading and the slices of one sheet (the caller draws the sheet or frame).
void DrawTableSheet(Canvas& c, const TableGeometry& g, const LanguageTexts& lang,
                    const DataTable& table, const TableSheet& sheet);

// The print renderer: sheet `index` of the table on the portrait page, after the frame.
void PrintTablePage(Canvas& page, const DataTable& table, const AppState& state, int index);
// The preview's print button; false when cancelled or nothing was written.
bool PrintTable(QWidget* parent, const DataTable& table, const AppState& state);
// The same pages as a PDF file (qora2000-cli table ... --pdf FILE).
bool WriteTablePdf(const DataTable& table, const AppState& state, const QString& file);

}  // namespace qora
