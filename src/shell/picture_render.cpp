#include "shell/picture_render.h"

#include <QPainter>
#include <QSvgRenderer>

#include "toolkit/picture.h"

namespace qora {

void DrawPictureInto(QPainter& p, const QRectF& rect, const Picture& picture) {
  if (picture.isEmpty() || rect.isEmpty()) return;
  if (QSvgRenderer* svg = picture.svg()) {
    svg->render(&p, rect);
  } else {
    p.save();
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(rect, picture.image());
    p.restore();
  }
}

QImage RenderPictureFile(const QString& path, QSize size, bool cover) {
  const Picture picture = LoadPicture(path);
  if (picture.isEmpty() || size.isEmpty()) return {};
  QImage image(size, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  QRectF target(QPointF(0, 0), QSizeF(size));
  const QSize natural = picture.naturalSize();
  if (cover && !natural.isEmpty()) {
    const QSizeF scaled = QSizeF(natural).scaled(QSizeF(size), Qt::KeepAspectRatioByExpanding);
    target =
        QRectF(QPointF((size.width() - scaled.width()) / 2, (size.height() - scaled.height()) / 2),
               scaled);
  }
  DrawPictureInto(p, target, picture);
  return image;
}

}  // namespace qora
