#include "shell/splash_view.h"

#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "model/app_state.h"
#include "shell/brand.h"
#include "shell/language_apply.h"
#include "shell/picture_render.h"

namespace qora {

namespace {

int Round(double x) {
  return int(std::nearbyint(x));
}

// The start picture: a round button with a forward arrow, drawn at any size.
class StartPicture : public QWidget {
 public:
  using QWidget::QWidget;

 protected:
  void paintEvent(QPaintEvent*) override {
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r = QRectF(rect()).adjusted(3, 3, -3, -3);
    QRadialGradient glow(r.center(), r.width() / 2);
    glow.setColorAt(0, QColor(0x2f, 0x8f, 0x4e));
    glow.setColorAt(1, QColor(0x14, 0x5a, 0x32));
    p.setBrush(glow);
    p.setPen(QPen(QColor(0xff, 0xff, 0xff, 220), std::max(2.0, r.width() / 24)));
    p.drawEllipse(r);
    const double s = r.width();
    QPainterPath arrow;
    arrow.moveTo(r.left() + s * 0.38, r.top() + s * 0.27);
    arrow.lineTo(r.left() + s * 0.74, r.top() + s * 0.5);
    arrow.lineTo(r.left() + s * 0.38, r.top() + s * 0.73);
    arrow.closeSubpath();
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPath(arrow);
  }
};

}  // namespace

SplashView::SplashView(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("SplashView");
  setAttribute(Qt::WA_OpaquePaintEvent);
  startImage_ = new StartPicture(this);
  startImage_->setObjectName("StartImage");
  startImage_->setCursor(Qt::PointingHandCursor);
  startLabel_ = new QLabel(tr("Start"), this);
  startLabel_->setObjectName("StartLabel");
  startLabel_->setCursor(Qt::PointingHandCursor);
  startLabel_->setStyleSheet(
      QStringLiteral("QLabel { color: white; font-weight: bold; font-size: 20px; padding: 4px 10px;"
                     " background: rgba(20, 54, 95, 170); border-radius: 6px; }"));
  title_ = new QLabel(this);
  title_->setObjectName("TitleLabel");
  title_->setAlignment(Qt::AlignCenter);
  title_->setStyleSheet(
      QStringLiteral("QLabel { color: #2fbf5a; font-size: 30px; font-weight: bold; }"));
  footer_ = new QLabel(QStringLiteral("By VEL-DOR Software (THAILAND)"), this);
  footer_->setObjectName("VELDORTitle");
  footer_->setStyleSheet(
      QStringLiteral("QLabel { color: white; background: black; padding: 1px 4px; }"));
  footer_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
  for (QWidget* w : {startImage_, static_cast<QWidget*>(startLabel_)}) w->installEventFilter(this);
  applyLanguage();
}

void SplashView::applyLanguage() {
  ApplyLanguage(*this, state_.lang, QStringLiteral("QORAForm"));
  startLabel_->adjustSize();
  title_->adjustSize();
  const int li = state_.settings.langIndex();
  title_->setVisible(li != 1 && li != 6 && !title_->text().isEmpty());
  placeComponents();
}

void SplashView::placeComponents() {
  const int w = width();
  const int h = height();
  footer_->adjustSize();
  footer_->move(5, h - 25);
  title_->setGeometry(0, h - Round(title_->sizeHint().height() * 2.5), w,
                      title_->sizeHint().height());
  startLabel_->adjustSize();
  startLabel_->move(w - Round(startLabel_->width() * 1.5), 5);
  const int side = Round(w * 0.0625);
  startImage_->setGeometry(startLabel_->x() - side, 5, side, side);
  // The label sits level with the middle of the start picture.
  startLabel_->move(startLabel_->x(), 5 + (side - startLabel_->height()) / 2);
}

void SplashView::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.fillRect(rect(), Qt::black);
  if (!picture_.isNull()) p.drawImage(0, 0, picture_);
}

void SplashView::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  picture_ = RenderPictureFile(state_.picturePath(SplashPictureName(state_.settings.langIndex())),
                               size(), true);
  placeComponents();
}

bool SplashView::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
    emit startClicked();
    return true;
  }
  return QWidget::eventFilter(watched, event);
}

}  // namespace qora
