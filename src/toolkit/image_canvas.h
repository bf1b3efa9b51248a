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

  QSizeF size() const override;
  void setFont(const QString& face, double pointSize, unsigned style, Colour colour,
               bool defaultCharset = false) override;
  void setBrush(Colour colour, BrushStyle style) override;
  void setPen(Colour colour, PenStyle style, double width) override;
  void setPenColour(Colour colour) override;
  Colour fontColour() const override;
  double fontSize() const override;
  void setFontSize(double pointSize) override;
  void line(double x1, double y1, double x2, double y2) override;
  void rect(double x1, double y1, double x2, double y2) override;
  void roundRect(double x1, double y1, double x2, double y2, double w, double h) override;
  void fill(double x1, double y1, double x2, double y2, Colour colour) override;
  QSizeF textSize(const QString& text) const override;
  double textHeight(const QString& text) const override;
  void text(double x, double y, const QString& text) override;
  void textTransparent(double x, double y, const QString& text, Colour colour) override;
  void drawPicture(double x1, double y1, double x2, double y2, const Picture& pic) override;

 private:
  struct State;
  std::unique_ptr<State> d_;
};

}  // namespace qora
