// The drawing functions of every chart, page and table: the same rules on a screen
// picture (Pic..., pixels) and on a printed page (Prn..., millimetres), with the same
// arguments in the same order. Text is anchored by the side or middle of its measured box.
#pragma once

#include <QString>

#include "toolkit/canvas.h"
#include "toolkit/picture.h"

namespace qora {

enum class HAlign { Left, Centre, Right };
enum class VAlign { Top, Middle, Bottom };

// --- screen pictures (pixels) ---
// Brush and pen set to the colour, pen width 1, the whole picture filled.
void ClearPicture(Canvas& pic, Colour colour);
void SetPicFont(Canvas& pic, const QString& name, double size, unsigned style, Colour colour);
void SetPicFontDefaultCharset(Canvas& pic, const QString& name, double size, unsigned style,
                              Colour colour);
void SetPicBrush(Canvas& pic, Colour colour, BrushStyle style);
void SetPicPen(Canvas& pic, Colour colour, PenStyle style, double width);
// Sets the pen colour (keeping width and style) and draws the line.
void PicLine(Canvas& pic, double x1, double y1, double x2, double y2, Colour colour);
// Sets the pen colour and draws a rectangle filled with the current brush.
void PicRect(Canvas& pic, double x1, double y1, double x2, double y2, Colour penColour);
// Filled circle: rounded rectangle (x-r, y-r)-(x+r, y+r), corner diameters 2r.
void PicMarker(Canvas& pic, double x, double y, double r);
// Shifts the anchor by half or all of the measured text width/height, then writes.
void PicText(Canvas& pic, HAlign h, VAlign v, const QString& text, double x, double y);
// Text with inline codes \B \S \U \D \G (big, small, up, down, grey shadow).
void PicRichText(Canvas& pic, double x, double y, const QString& text);
void PicDrawPicture(Canvas& pic, double x1, double y1, double x2, double y2, const Picture& p);

// Banded table frames. Rows: a header block on top, then body rows; body row k = 1..
// takes band colour (k-1) mod bandCount of the cycle white, yellow, silver, aqua, lime;
// lines across at the top, under the header and at the bottom, down every column boundary,
// and sub-column lines. Cols: the same frame turned through a right angle: the label
// column on the left is the header block, the columns become bands stacked downwards
// (band k takes the colour as above), the rows become vertical divisions.
struct TableFrame {
  double x = 0, y = 0;         // top-left corner
  double colWidth = 0;         // width of one column (Cols: height of one band)
  int cols = 0;                // number of columns (Cols: number of bands)
  int subCols = 1;             // sub-columns per column (Cols: sub-lines per band + 1)
  double subColWidth = 0;      // width of one sub-column (Cols: height of one sub-band)
  double rowHeight = 0;        // height of one row (Cols: width of one row)
  int headerRows = 1;          // rows of the header block (Rows only)
  int bodyRows = 0;            // rows below the header (Cols: rows right of the label)
  int bandCount = 1;           // 1..5 band colours to cycle (others are clamped)
  Colour fillColour = kWhite;  // header block
  Colour lineColour = kBlack;
  double frameLineWidth = 1;  // frame and column lines
  double subLineWidth = 1;    // sub-column lines
  // Cols: the label column is the sum of both. Rows: when not 0, a label column of that
  // width precedes the columns (a table's row names).
  double labelWidth1 = 0, labelWidth2 = 0;
};
void PicTableFrameRows(Canvas& pic, const TableFrame& t);
void PicTableFrameCols(Canvas& pic, const TableFrame& t);

// --- printed pages (millimetres of the logical page) ---
// The printer resolution of the current job; set by CalibratePrinter.
int CalibratePrinter(double measuredHeightOfO);  // returns PrinterDpi for a measured height
int MmToDots(int dpi, double mm);                // round(dpi·mm/25.4)
double DotsToMm(int dpi, int dots);

void SetPrnFont(Canvas& page, const QString& name, double size, unsigned style, Colour colour);
void SetPrnFontDefaultCharset(Canvas& page, const QString& name, double size, unsigned style,
                              Colour colour);
void SetPrnBrush(Canvas& page, Colour colour, BrushStyle style);
void SetPrnPen(Canvas& page, Colour colour, PenStyle style, double widthMm);
void PrnLine(Canvas& page, double x1, double y1, double x2, double y2);
void PrnRect(Canvas& page, double x1, double y1, double x2, double y2);
void PrnMarker(Canvas& page, double x, double y, double r);
void PrnText(Canvas& page, HAlign h, VAlign v, const QString& text, double x, double y);
void PrnDrawPicture(Canvas& page, const Picture& p, double x1, double y1, double x2, double y2);
void PrnTableFrameRows(Canvas& page, const TableFrame& t);
void PrnTableFrameCols(Canvas& page, const TableFrame& t);

}  // namespace qora
