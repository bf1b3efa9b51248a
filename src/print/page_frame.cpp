#include "print/page_frame.h"

#include "model/app_state.h"
#include "toolkit/canvas.h"
#include "toolkit/draw.h"
#include "toolkit/picture.h"

namespace qora {

namespace {

// Tiles of 0.2 W × 0.04 W with a margin of 0.03 W; rows two tile heights apart, odd rows
// shifted by 1.25 tiles, tiles 2.5 tile widths apart. A tile whose corner lies on the page
// is drawn whole even where it runs past the edge.
void DrawWatermark(Canvas& page, const Picture& tile) {
  SetPrnPen(page, kBlack, PenStyle::Solid, 0.4);
  SetPrnBrush(page, kWhite, BrushStyle::Clear);
  const double W = page.size().width();
  const double H = page.size().height();
  const double tw = 0.2 * W;
  const double th = 0.2 * tw;
  const double m = 0.03 * W;
  if (!(tw > 0) || !(th > 0)) return;  // an empty page has no rows
  for (int r = 0;; ++r) {
    const double y = m + 2.0 * r * th;
    if (!(y < H)) break;
    for (int c = 0;; ++c) {
      const double x = m + (r % 2 == 1 ? 1.25 * tw : 0.0) + 2.5 * tw * c;
      if (!(x < W)) break;
      PrnDrawPicture(page, tile, x, y, x + tw, y + th);
    }
  }
}

Picture LoadBrandPicture(const AppState& state, const QString& name) {
  return LoadPicture(state.picturePath(name));
}

}  // namespace

FramePictureNames FramePictureNamesFor(int langIndex) {
  if (langIndex == 6) return {"Logo2Bgd.WMF", "Logo2.WMF", "Logop2.WMF"};
  return {"LogoBgd.WMF", "Logo.WMF", "Logop.WMF"};
}

void PrintGraphPageFrame(Canvas& page, const AppState& state) {
  const FramePictureNames names = FramePictureNamesFor(state.settings.langIndex());
  DrawWatermark(page, LoadBrandPicture(state, names.watermarkTile));
  const double W = page.size().width();
  const double H = page.size().height();
  PrnDrawPicture(page, LoadBrandPicture(state, names.uprightLogo), W - 25, H - 110, W - 10, H - 10);
}

void PrintTablePageFrame(Canvas& page, const AppState& state) {
  const FramePictureNames names = FramePictureNamesFor(state.settings.langIndex());
  DrawWatermark(page, LoadBrandPicture(state, names.watermarkTile));
  const double W = page.size().width();
  PrnDrawPicture(page, LoadBrandPicture(state, names.horizontalLogo), W - 115, 10, W - 15, 25);
}

void PlotRectOnPage(int code, double W, double H, double& left, double& top, double& right,
                    double& bottom) {
  switch (code) {
    case 1:
      left = 0.10 * W, top = 0.27 * H, right = 0.75 * W, bottom = 0.80 * H;
      break;
    case 2:
      left = 0.15 * W, top = 0.35 * H, right = 0.85 * W, bottom = 0.85 * H;
      break;
    default:
      break;
  }
}

}  // namespace qora
