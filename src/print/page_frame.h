// What every printed page shares: the brand watermark over the sheet, the brand logo in a
// fixed corner, and the plot rectangles of the graph printouts. Millimetres of the logical
// page (landscape 280 × 200, portrait 200 × 280).
#pragma once

#include <QString>

namespace qora {

class Canvas;
struct AppState;

// The brand's three frame pictures, by file name in the picture folder. Language index 6
// is the second brand's edition; every other index the first brand.
struct FramePictureNames {
  QString watermarkTile;   // wide, about 5 : 1
  QString uprightLogo;     // tall, about 1 : 5 (graph pages)
  QString horizontalLogo;  // wide, about 4 : 1 (table pages)
};
FramePictureNames FramePictureNamesFor(int langIndex);

// Landscape frame of the graph printouts: watermark, then the upright logo 15 × 100 mm,
// 10 mm from the right and bottom edges. Leaves pen black 0.4 mm and brush clear.
void PrintGraphPageFrame(Canvas& page, const AppState& state);
// Portrait frame of the table printouts: watermark, then the horizontal logo 100 × 15 mm,
// 15 mm from the right edge and 10 mm from the top.
void PrintTablePageFrame(Canvas& page, const AppState& state);

// Plot rectangle of a graph printout by layout code, as fractions of the page width W and
// height H: 1 pipe-size graphs (room for the legend at the right), 2 graphs of one pipe.
// Any other code leaves the four outputs as they were.
void PlotRectOnPage(int code, double W, double H, double& left, double& top, double& right,
                    double& bottom);

}  // namespace qora
