#include "shell/form_widgets.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/picture_render.h"

namespace qora {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setPictureFile(const QString& path) {
  if (path == file_) return;
  file_ = path;
  picture_ = LoadPicture(path);
  update();
}

void PictureBox::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  const QRectF inner = QRectF(rect()).adjusted(6, 6, -6, -6);
  const QSize natural = picture_.naturalSize();
  if (!natural.isEmpty() && !inner.isEmpty()) {
    // Centred at the largest size that keeps the picture's proportions.
    const QSizeF fit = QSizeF(natural).scaled(inner.size(), Qt::KeepAspectRatio);
    const QRectF target(inner.center() - QPointF(fit.width() / 2, fit.height() / 2), fit);
    DrawPictureInto(p, target, picture_);
  }
  p.setPen(QPen(QColor(0xb8, 0xc6, 0xd6), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
}

void ClickLabel::mouseReleaseEvent(QMouseEvent* event) {
  QLabel::mouseReleaseEvent(event);
  if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()) &&
      onClick) {
    onClick();
  }
}

}  // namespace qora
