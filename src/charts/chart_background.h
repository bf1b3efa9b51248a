// The empty chart page every analysis starts from: white picture, framed chart area with a
// drop shadow, watermark tiles of the brand logo and the tall corner logo.
#pragma once

#include <QString>

#include "charts/chart_layout.h"
#include "toolkit/picture.h"

namespace qora {

class Canvas;
struct AppState;

struct BrandPictures {
  Picture tile;    // small watermark logo
  Picture corner;  // tall corner logo
};

// The brand pictures of the picture folder appDir/QDTgraph: LogoBgd and Logo, or Logo2Bgd
// and Logo2 for the second brand's edition (language index 6). Missing files give empty
// pictures, which draw nothing.
BrandPictures LoadBrandPictures(const QString& appDir, int langIndex);
// The same, loaded once per program folder and brand and kept for later charts (charts are
// redrawn on every keystroke; parsing the pictures each time would be wasted work).
const BrandPictures& BrandPicturesFor(const AppState& state);

void DrawChartBackground(Canvas& canvas, const ChartLayout& layout, const BrandPictures& pictures);

}  // namespace qora
