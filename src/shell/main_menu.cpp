#include "shell/main_menu.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <cmath>

#include "model/app_state.h"
#include "shell/brand.h"
#include "shell/picture_render.h"
#include "toolkit/canvas_state.h"
#include "toolkit/picture.h"

namespace qora {

namespace {

int Round(double x) {
  return int(std::nearbyint(x));
}  // halves to even

constexpr QRgb kItemText = 0xffffffff;
constexpr QRgb kItemHighlight = 0xffff0000;  // red

QFont FaceOrDefault(const QString& face, int pointSize) {
  QFont f;
  f.setFamilies(FontFamilies(face));
  f.setPointSize(std::max(1, pointSize));
  return f;
}

}  // namespace

MenuGeometry MenuGeometry::ForScreen(int w, int h) {
  MenuGeometry g;
  g.description = QRect(Round(w * 0.22), Round(h * 0.22), Round(w * 0.7), Round(h * 0.7));
  // Docked at the left edge, the button picture takes the full height of the window.
  g.buttons = QRect(0, 0, Round(w * 0.16), h);
  g.menuFontSize = Round(w / 100.0 + 1);
  g.menuTop = Round(g.buttons.height() * 0.03);
  g.menuWidth = g.buttons.width();
  g.itemHeight = Round(g.menuWidth * 0.25);
  g.itemPitch = Round(g.buttons.height() * 0.08);
  return g;
}

int MenuGeometry::hitTest(int y) const {
  int hit = kNone;
  for (int i = 0; i < kItems; ++i)
    if (itemTop(i) < y && y < itemTop(i) + itemHeight) hit = i;
  return hit;
}

DescriptionLayout DescriptionFor(int item, int screenWidth) {
  const int v = Round(screenWidth / 100.0);
  switch (item) {
    case 0:
      return {"@PROD", 20, 3 * v};
    case 1:
      return {"@CHILLED", 20, 3 * v};
    case 2:
      return {"@HOT", 20, v + Round(v * 0.8)};
    case 3:
      return {"@DUCT", 20, 2 * v};
    case 4:
      return {"@STORAGE", 20, 3 * v};
    case 5:
      return {"@OPERATING", 20, 2 * v};
    case 6:
      return {"@RVALUE", 20, 3 * v};
    case 7:
      return {"@APPENDIX", 20, 2 * v};
    case 8:
      return {"@CONVERSION", 20, 2 * v};
    case 9:
      return {"@QUIT", 10, 2 * v};
    default:
      return {"@IMPORTANT", 20, 2 * v};
  }
}

MainMenu::MainMenu(AppState& state, QWidget* parent) : QWidget(parent), state_(state) {
  setObjectName("MainMenu");
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  timer_ = new QTimer(this);
  timer_->setObjectName("MenuTimer");
  timer_->setSingleShot(true);
  timer_->setInterval(10);
  connect(timer_, &QTimer::timeout, this, &MainMenu::drawDescription);
}

int MainMenu::itemPointSize() const {
  return geo_.menuFontSize + (state_.settings.langIndex() == 3 ? 2 : 0);
}

void MainMenu::layoutForSize() {
  geo_ = MenuGeometry::ForScreen(width(), height());
  const int li = state_.settings.langIndex();
  background_ = RenderPictureFile(state_.picturePath(MenuPictureName(li)), size());
  const Picture button = LoadPicture(state_.picturePath(QStringLiteral("Btn.bmp")));
  buttonPicture_ = button.image();
  buttons_ = QImage(geo_.buttons.size(), QImage::Format_ARGB32_Premultiplied);
  drawButtons();
  if (desc_.size() != geo_.description.size()) {
    desc_ = QImage(geo_.description.size(), QImage::Format_RGB32);
    desc_.fill(Qt::white);
  }
  update();
}

void MainMenu::drawItem(int i, bool highlighted) {
  QPainter p(&buttons_);
  const QRect r(0, geo_.itemTop(i), geo_.menuWidth, geo_.itemHeight);
  if (!buttonPicture_.isNull()) {
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(r, buttonPicture_);
  }
  const QFont font = FaceOrDefault(state_.lang.Font(0), itemPointSize());
  p.setFont(font);
  const QString text = state_.lang.menuItemNames[i];
  if (highlighted) {
    // Red on the dark button needs a light rim to stay legible.
    const QFontMetrics fm(font);
    const QRect box = fm.boundingRect(r, Qt::AlignCenter, text);
    QPainterPath path;
    path.addText(box.left(), box.top() + fm.ascent(), font, text);
    p.setRenderHint(QPainter::Antialiasing);
    p.strokePath(path,
                 QPen(QColor(255, 255, 255, 230), 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.fillPath(path, QColor::fromRgb(kItemHighlight));
    return;
  }
  p.setPen(QColor::fromRgb(kItemText));
  p.drawText(r, Qt::AlignCenter, text);
}

void MainMenu::drawButtons() {
  buttons_.fill(Qt::black);
  for (int i = 0; i < MenuGeometry::kItems; ++i) drawItem(i, i == menuSel_);
}

void MainMenu::hoverAt(int y) {
  const int hit = geo_.hitTest(y);
  setCursor(hit == MenuGeometry::kNone ? Qt::ArrowCursor : Qt::PointingHandCursor);
  if (hit == menuSel_) return;
  if (menuSel_ != MenuGeometry::kNone) {
    drawItem(menuSel_, false);
    timer_->stop();
  }
  menuSel_ = hit;
  if (hit != MenuGeometry::kNone) {
    drawItem(hit, true);
    timer_->start();  // the description follows 10 ms after the last change
  }
  update(geo_.buttons);
}

void MainMenu::drawSection(QPainter& p, const char* key, int x, int top, int step) {
  int decodeAs = 1;
  const QString path =
      LanguageFileOrEnglish(state_.appDir, state_.settings.langIndex(), "mnu.qdt", &decodeAs);
  const QStringList lines = ReadSection(path, QString::fromLatin1(key), decodeAs);
  p.setFont(FaceOrDefault(state_.lang.Font(10), geo_.menuFontSize));
  p.setPen(Qt::black);
  const QFontMetrics fm(p.font());
  // Each line's bottom edge sits at top + i * step; at large sizes the first line would
  // rise above the picture, so it is kept inside.
  const int first = std::max(top, fm.height() + 4);
  for (int i = 0; i < lines.size(); ++i) {
    const int bottom = first + i * step;
    p.drawText(x, bottom - fm.height() + fm.ascent(), lines[i]);
  }
}

void MainMenu::showImportant() {
  timer_->stop();
  desc_.fill(QColor(0xff, 0xff, 0x00));  // yellow
  QPainter p(&desc_);
  const DescriptionLayout d = DescriptionFor(-1, width());
  drawSection(p, d.key, 20, d.top, d.step);
  described_ = -1;
  update(geo_.description);
}

void MainMenu::drawDescription() {
  timer_->stop();
  if (menuSel_ == MenuGeometry::kNone) return;
  desc_.fill(Qt::white);
  QPainter p(&desc_);
  const DescriptionLayout d = DescriptionFor(menuSel_, width());
  drawSection(p, d.key, 5, d.top, d.step);
  if (menuSel_ == 9) {
    const int w = Round(desc_.width() / 1.2);
    const int h = w / 10;
    const Picture quit = LoadPicture(state_.picturePath(QStringLiteral("QDT.WMF")));
    DrawPictureInto(p, QRectF(5, desc_.height() - h, w, h), quit);
  }
  described_ = menuSel_;
  ++draws_;
  update(geo_.description);
}

void MainMenu::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (background_.isNull())
    p.fillRect(rect(), QColor(0x14, 0x36, 0x5f));
  else
    p.drawImage(0, 0, background_);
  p.drawImage(geo_.buttons.topLeft(), buttons_);
  p.drawImage(geo_.description.topLeft(), desc_);
}

void MainMenu::mouseMoveEvent(QMouseEvent* event) {
  const QPoint pos = event->position().toPoint();
  if (geo_.buttons.contains(pos))
    hoverAt(pos.y() - geo_.buttons.top());
  else
    setCursor(Qt::ArrowCursor);  // the highlighted item stays highlighted
}

void MainMenu::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton && geo_.buttons.contains(event->position().toPoint()) &&
      menuSel_ != MenuGeometry::kNone)
    emit itemChosen(menuSel_);
}

void MainMenu::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  layoutForSize();
}

}  // namespace qora
