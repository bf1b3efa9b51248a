// A canvas that draws nothing: the first pass of a page, which finds how tall the page
// is before a picture of that height is made. Page heights follow line steps, rows and
// picture sizes, never measured text, so the pass needs no fonts.
#pragma once

#include "toolkit/canvas.h"

namespace qora {

class MeasureCanvas : public Canvas {
 public:
  explicit MeasureCanvas(QSizeF size) : size_(size) {}

  QSizeF size() const override { return size_; }
  void setFont(const QString&, double pointSize, unsigned, Colour colour, bool) override {
    size_pt_ = pointSize;
    colour_ = colour;
  }
  void setBrush(Colour, BrushStyle) override {}
  void setPen(Colour, PenStyle, double) override {}
  void setPenColour(Colour) override {}
  Colour fontColour() const override { return colour_; }
  double fontSize() const override { return size_pt_; }
  void setFontSize(double pointSize) override { size_pt_ = pointSize; }
  void line(double, double, double, double) override {}
  void rect(double, double, double, double) override {}
  void roundRect(double, double, double, double, double, double) override {}
  void fill(double, double, double, double, Colour) override {}
  QSizeF textSize(const QString&) const override { return {}; }
  void text(double, double, const QString&) override {}
  void textTransparent(double, double, const QString&, Colour) override {}
  void drawPicture(double, double, double, double, const Picture&) override {}

 private:
  QSizeF size_;
  double size_pt_ = 10;
  Colour colour_ = kBlack;
};

}  // namespace qora
