#include "shell/line_screen_chart.h"

#include <QMouseEvent>
#include <QPainter>

#include "shell/line_screen_readout.h"

namespace qora {

ChartView::ChartView(QWidget* parent) : QWidget(parent) {
  setMouseTracking(true);
  setAutoFillBackground(false);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

QSize ChartView::pictureSize() const {
  return QSize(std::max(1, width() - 2 * kPictureMargin),
               std::max(1, height() - 2 * kPictureMargin));
}

void ChartView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::white);
  if (!image_.isNull()) p.drawImage(QPoint(kPictureMargin, kPictureMargin), image_);
}

void ChartView::mouseMoveEvent(QMouseEvent* event) {
  if (onMouseMove) {
    onMouseMove(event->position().toPoint() - QPoint(kPictureMargin, kPictureMargin));
  }
}

void ChartView::leaveEvent(QEvent*) {
  if (onLeave) onLeave();
}

void ChartView::resizeEvent(QResizeEvent*) {
  if (onResize) onResize();
}

ReadoutMarker::ReadoutMarker(QWidget* parent) : QWidget(parent) {
  setFixedSize(kMarkerSize, kMarkerSize);
  setAttribute(Qt::WA_TransparentForMouseEvents);
  setAttribute(Qt::WA_NoSystemBackground);
  hide();
}

void ReadoutMarker::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(Qt::red, 2));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QRectF(1, 1, kMarkerSize - 2, kMarkerSize - 2));
}

}  // namespace qora
