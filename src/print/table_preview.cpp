#include "print/table_preview.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <map>

#include "charts/chart_background.h"
#include "model/app_state.h"
#include "print/page_frame.h"
#include "print/table_printout.h"
#include "toolkit/canvas.h"
#include "toolkit/draw.h"
#include "toolkit/image_canvas.h"
#include "toolkit/picture.h"

namespace qora {

namespace {

constexpr int kPageLeft = 5, kPageTop = 5, kPageRight = 605;
constexpr int kBottomMargin = 20;  // below the last frame, above the page edge

int Round(double v) {
  return static_cast<int>(std::nearbyint(v));
}

// The horizontal logo, loaded once per file: the sheet is redrawn on every activation.
const Picture& HorizontalLogo(const AppState& state) {
  static std::map<QString, Picture> cache;
  const QString path =
      state.picturePath(FramePictureNamesFor(state.settings.langIndex()).horizontalLogo);
  auto it = cache.find(path);
  if (it == cache.end()) it = cache.emplace(path, LoadPicture(path)).first;
  return it->second;
}

}  // namespace

void DrawPreviewSheet(Canvas& pic, const AppState& state) {
  const int height = static_cast<int>(pic.size().height());
  const int left = kPageLeft, top = kPageTop, right = kPageRight, bottom = height - 5;
  ClearPicture(pic, kWhite);
  SetPicPen(pic, kBlack, PenStyle::Solid, 2);
  SetPicBrush(pic, kWhite, BrushStyle::Clear);
  PicRect(pic, left, top, right, bottom, kBlack);
  // Shadow 2 pixels outside the page, starting 4 pixels in.
  SetPicPen(pic, kSilver, PenStyle::Solid, 4);
  PicLine(pic, left + 4, bottom + 2, right + 2, bottom + 2, kSilver);
  PicLine(pic, right + 2, top + 4, right + 2, bottom + 2, kSilver);

  // The watermark tile the chart pictures use, loaded once per program folder and brand.
  const Picture& tile = BrandPicturesFor(state).tile;
  const int pw = right - left;
  const int tw = Round(0.25 * pw), th = Round(0.2 * tw), m = Round(0.03 * pw);
  for (int r = 0, y = top + m; y < bottom; ++r, y += 2 * th) {
    for (int x = left + m + (r % 2 == 1 ? Round(1.25 * tw) : 0); x + tw < right;
         x += Round(2.5 * tw)) {
      if (y + th < bottom) PicDrawPicture(pic, x, y, x + tw, y + th, tile);
    }
  }
  const int u = pw / 20;
  PicDrawPicture(pic, right - Round(8.5 * u), top + Round(1.2 * u), right - Round(1.5 * u),
                 top + Round(2.2 * u), HorizontalLogo(state));
}

int PreviewHeightFor(const DataTable& table) {
  const TableGeometry g = PreviewTableGeometry(std::numeric_limits<double>::max());
  const std::vector<TableSheet> sheets = PaginateTable(table, g);
  const double end = SheetContentBottom(table, sheets.front(), g) + kBottomMargin + 5;
  // A bound far beyond any table (40 sizes, 41 points), so a corrupt table cannot ask
  // for a picture the size of the memory.
  return std::clamp(static_cast<int>(std::ceil(end)), kPreviewHeight, 20000);
}

QImage RenderTablePreview(const DataTable& table, const AppState& state) {
  const int height = PreviewHeightFor(table);
  QImage image(kPreviewWidth, height, QImage::Format_RGB32);
  {
    ImageCanvas canvas(image);
    DrawPreviewSheet(canvas, state);
    const TableGeometry g = PreviewTableGeometry(std::numeric_limits<double>::max());
    DrawTableSheet(canvas, g, state.lang, table, PaginateTable(table, g).front());
  }
  return image;
}

}  // namespace qora
