#include "shell/line_screen_readout.h"

#include "charts/chart_drawers.h"
#include "charts/chart_readout.h"

namespace qora {

Readout FindReadout(const ChartData& data, const PixelTables& pixels, const ChartLayout& layout,
                    const AppState& state, QPoint mouse) {
  Readout r;
  const auto box = AxesBox(layout, AxesModeOf(data.analysis));
  if (!box) return r;
  const ReadoutHit hit = NearestPoint(data, pixels, *box, mouse.x(), mouse.y());
  r.shown = ReadoutShown(hit);
  if (r.shown) {
    r.point = QPoint(hit.x, hit.y);
    r.text = ReadoutText(data, state, hit);
  }
  return r;
}

ReadoutPlacement PlaceReadout(QPoint point, QPoint pictureOrigin, QSize labelSize) {
  const QPoint c = point + pictureOrigin;
  ReadoutPlacement p;
  p.marker = QRect(c.x() - kMarkerSize / 2, c.y() - kMarkerSize / 2, kMarkerSize, kMarkerSize);
  const int left = c.x() - RoundPixel(labelSize.width() / 2.0);
  const int top = c.y() - RoundPixel(1.5 * labelSize.height());
  p.label = QRect(QPoint(left, top), labelSize);
  return p;
}

}  // namespace qora
