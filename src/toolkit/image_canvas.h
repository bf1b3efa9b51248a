// Canvas on a QImage: the screen pictures. Units are pixels; coordinates are rounded to
// whole pixels halves to even. Fonts are sized for a 96 dpi screen.
#pragma once

#include <QImage>
#include <QPainter>
#include <memory>

#include "toolkit/canvas.h"

namespace qora {

class ImageCanvas : public Canvas {
 public:
  // Draws on `image` (which must outlive the canvas).
  explicit ImageCanvas(QImage& image);
  ~ImageCanvas() override;
  // ... Canvas overrides (see image_canvas.cpp)
 private:
  struct State;
  std::unique_ptr<State> d_;
};

}  // namespace qora
