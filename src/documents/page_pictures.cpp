#include "documents/page_pictures.h"

#include <algorithm>

#include "toolkit/canvas.h"
#include "toolkit/draw.h"
#include "toolkit/picture.h"

namespace qora {

void DrawFittedPicture(Canvas& c, const Picture& p, double x1, double y1, double x2, double y2) {
  const QSize n = p.naturalSize();
  const double w = x2 - x1, h = y2 - y1;
  if (p.isEmpty() || n.width() <= 0 || n.height() <= 0 || !(w > 0) || !(h > 0)) {
    PicDrawPicture(c, x1, y1, x2, y2, p);
    return;
  }
  const double scale = std::min(w / n.width(), h / n.height());
  const double fw = n.width() * scale, fh = n.height() * scale;
  const double top = y1 + (h - fh) / 2;
  PicDrawPicture(c, x1, top, x1 + fw, top + fh, p);
}

}  // namespace qora
