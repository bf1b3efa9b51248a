#include "charts/chart_background.h"

#include <QImage>
#include <QPainter>
#include <QSvgRenderer>
#include <list>
#include <map>
#include <utility>

#include "model/app_state.h"
#include "toolkit/draw.h"

namespace qora {

namespace {

// The metafile name the picture folder has always used; LoadPicture resolves it to the
// SVG of the same base name.
Picture LoadBrandPicture(const QString& appDir, const QString& baseName) {
  return LoadPicture(appDir + "/QDTgraph/" + baseName + ".WMF");
}

// A drawing picture (SVG) rendered once at the pixel size it is drawn at: the watermark is
// redrawn on every keystroke, and rendering the vector picture a dozen times each time costs
// more than the rest of the chart. Entries keep their source alive, so a renderer address is
// never reused while its entry exists.
const Picture& AtPixelSize(const Picture& p, int w, int h) {
  if (!p.svg() || w <= 0 || h <= 0 || w > 4096 || h > 4096) return p;
  struct Entry {
    Picture source;
    int w, h;
    Picture raster;
  };
  static std::list<Entry> cache;
  for (const Entry& e : cache) {
    if (e.source.svg() == p.svg() && e.w == w && e.h == h) return e.raster;
  }
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  {
    QPainter painter(&image);
    p.svg()->render(&painter, QRectF(0, 0, w, h));
  }
  if (cache.size() >= 16) cache.pop_front();
  cache.push_back({p, w, h, Picture::fromImage(std::move(image))});
  return cache.back().raster;
}

}  // namespace

BrandPictures LoadBrandPictures(const QString& appDir, int langIndex) {
  const bool second = langIndex == 6;
  BrandPictures p;
  p.tile = LoadBrandPicture(appDir, second ? "Logo2Bgd" : "LogoBgd");
  p.corner = LoadBrandPicture(appDir, second ? "Logo2" : "Logo");
  return p;
}

const BrandPictures& BrandPicturesFor(const AppState& state) {
  static std::map<std::pair<QString, bool>, BrandPictures> cache;
  const bool second = state.settings.langIndex() == 6;
  auto key = std::make_pair(state.appDir, second);
  auto it = cache.find(key);
  if (it == cache.end()) {
    it = cache.emplace(key, LoadBrandPictures(state.appDir, second ? 6 : 1)).first;
  }
  return it->second;
}

void DrawChartBackground(Canvas& c, const ChartLayout& l, const BrandPictures& pictures) {
  ClearPicture(c, kWhite);
  SetPicPen(c, kBlack, PenStyle::Solid, 2);
  SetPicBrush(c, kWhite, BrushStyle::Clear);
  PicRect(c, l.PlotLeft, l.PlotTop, l.PlotRight, l.PlotBottom, kBlack);

  SetPicPen(c, kSilver, PenStyle::Solid, 4);
  PicLine(c, l.PlotLeft + 4, l.PlotBottom + 2, l.PlotRight + 2, l.PlotBottom + 2, kSilver);
  PicLine(c, l.PlotRight + 2, l.PlotBottom + 2, l.PlotRight + 2, l.PlotTop + 4, kSilver);

  // Watermark: rows of tiles, every other row shifted by half a period; a tile that would
  // cross the frame is left out, so the right and bottom margins differ from the others.
  const int w = RoundPixel(l.PlotWidth * 0.2);
  const int h = RoundPixel(w * 0.2);
  const int m = RoundPixel(l.PlotWidth * 0.03);
  const int period = RoundPixel(w * 2.5);
  const int rowStep = RoundPixel(h * 2.0);
  if (!pictures.tile.isEmpty() && period > 0 && rowStep > 0) {
    const Picture& tile = AtPixelSize(pictures.tile, w, h);
    int row = 0;
    for (int y = l.PlotTop + m; y < l.PlotBottom; y += rowStep, ++row) {
      for (int x = l.PlotLeft + m + (row % 2 == 1 ? RoundPixel(w * 1.25) : 0); x < l.PlotRight;
           x += period) {
        if (x + w < l.PlotRight && y + h < l.PlotBottom) {
          PicDrawPicture(c, x, y, x + w, y + h, tile);
        }
      }
    }
  }

  const int u = l.PlotWidth / 20;
  if (!pictures.corner.isEmpty()) {
    const int x1 = l.PlotRight - RoundPixel(1.5 * u), y1 = l.PlotBottom - RoundPixel(8.5 * u);
    const int x2 = l.PlotRight - RoundPixel(0.5 * u), y2 = l.PlotBottom - RoundPixel(0.5 * u);
    PicDrawPicture(c, x1, y1, x2, y2, AtPixelSize(pictures.corner, x2 - x1, y2 - y1));
  }
}

}  // namespace qora
