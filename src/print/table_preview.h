// The preview sheet of the table dialog: a picture that imitates a portrait sheet of paper
// (white page with a drop shadow, the brand watermark and the horizontal brand logo) with
// the table drawn on it. The sheet grows downward for a table longer than one page, so
// nothing is cut off on screen; the printout cuts the same table into pages instead.
#pragma once

#include <QImage>

#include "charts/data_table.h"

namespace qora {

class Canvas;
struct AppState;

// The picture is this wide; its page rectangle is (5, 5)-(605, height - 5).
inline constexpr int kPreviewWidth = 610;
inline constexpr int kPreviewHeight = 850;  // the sheet of a table that fits one page

// Clears the picture and draws the empty sheet over its whole height.
void DrawPreviewSheet(Canvas& pic, const AppState& state);
// Height of the sheet that holds the whole table (at least kPreviewHeight).
int PreviewHeightFor(const DataTable& table);
// The whole preview: the sheet, then the table.
QImage RenderTablePreview(const DataTable& table, const AppState& state);

}  // namespace qora
