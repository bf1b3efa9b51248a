#include "shell/document_page_view.h"

#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <cmath>

namespace qora {

class DocumentPageView::Picture : public QWidget {
 public:
  explicit Picture(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::ArrowCursor);
  }
  QImage image;

 protected:
  void paintEvent(QPaintEvent* e) override {
    QPainter p(this);
    p.fillRect(e->rect(), Qt::white);
    p.drawImage(e->rect(), image, e->rect());
  }
};

DocumentPageView::DocumentPageView(QWidget* parent)
    : QScrollArea(parent), picture_(new Picture(this)) {
  setObjectName("DocumentScrollBox");
  setBackgroundRole(QPalette::Base);
  QPalette pal = palette();
  pal.setColor(QPalette::Base, Qt::white);
  setPalette(pal);
  setWidgetResizable(false);
  setAlignment(Qt::AlignLeft | Qt::AlignTop);
  setWidget(picture_);
  picture_->installEventFilter(this);
}

void DocumentPageView::setPage(QImage page) {
  picture_->image = std::move(page);
  picture_->resize(picture_->image.size());
  picture_->update();
  verticalScrollBar()->setValue(0);
  horizontalScrollBar()->setValue(0);
}

const QImage& DocumentPageView::page() const {
  return picture_->image;
}

bool DocumentPageView::dragging() const {
  return dragging_;
}

bool DocumentPageView::eventFilter(QObject* watched, QEvent* event) {
  if (watched != picture_) return QScrollArea::eventFilter(watched, event);
  switch (event->type()) {
    case QEvent::MouseButtonPress: {
      dragging_ = true;
      grabbed_ = static_cast<QMouseEvent*>(event)->position();
      picture_->setCursor(Qt::PointingHandCursor);
      return true;
    }
    case QEvent::MouseMove: {
      if (!dragging_) return QScrollArea::eventFilter(watched, event);
      // The picture moves with the scroll bars, so the point under the pointer is
      // compared with the point grabbed, which is not updated.
      const QPointF at = static_cast<QMouseEvent*>(event)->position();
      const int dy = int(std::lround(grabbed_.y() - at.y()));
      const int dx = int(std::lround(grabbed_.x() - at.x()));
      if (dy != 0) verticalScrollBar()->setValue(verticalScrollBar()->value() + dy);
      if (dx != 0) horizontalScrollBar()->setValue(horizontalScrollBar()->value() + dx);
      return true;
    }
    case QEvent::MouseButtonRelease:
      dragging_ = false;
      picture_->setCursor(Qt::ArrowCursor);
      return true;
    default:
      // The scroll area follows the picture's size through this filter too.
      return QScrollArea::eventFilter(watched, event);
  }
}

}  // namespace qora
