// The chart picture of a line screen and the read-out marker: the picture is shown inside
// a 2-pixel margin (which is why the read-out point moves 2 pixels right and down) and
// reports the mouse in picture pixels.
#pragma once

#include <QImage>
#include <QWidget>
#include <functional>

namespace qora {

inline constexpr int kPictureMargin = 2;

class ChartView : public QWidget {
 public:
  explicit ChartView(QWidget* parent = nullptr);

  QImage& image() { return image_; }
  const QImage& image() const { return image_; }
  // The picture size this view offers (its size less the margins, at least 1 x 1).
  QSize pictureSize() const;
  // Where the picture's (0, 0) lies in the parent's coordinates.
  QPoint pictureOrigin() const { return pos() + QPoint(kPictureMargin, kPictureMargin); }

  std::function<void(QPoint)> onMouseMove;  // picture pixels
  std::function<void()> onLeave;
  std::function<void()> onResize;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  QImage image_;
};

// The 12 x 12 red circle (pen width 2) of the read-out point; transparent to the mouse.
class ReadoutMarker : public QWidget {
 public:
  explicit ReadoutMarker(QWidget* parent = nullptr);

 protected:
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace qora
