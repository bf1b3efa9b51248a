// A recording canvas whose text metrics are fixed instead of measured with a real font,
// so the draw lists of charts and pages (and the references they are compared with) are
// the same on every machine whatever fonts it has. A character is half the point size
// wide and a line one and a half times the point size high, in pixels of a 96 dpi screen;
// on a millimetre canvas the same pixels converted at 96 dpi (25.4 / 96 mm each).
#pragma once

#include "toolkit/recording_canvas.h"

namespace qora::test {

class FixedMetricsCanvas : public RecordingCanvas {
 public:
  explicit FixedMetricsCanvas(QSizeF size = QSizeF(400, 300), Units units = Units::Pixels)
      : RecordingCanvas(size, units), pixel_(units == Units::Pixels ? 1.0 : 25.4 / 96) {}
  explicit FixedMetricsCanvas(Units units) : FixedMetricsCanvas(QSizeF(400, 300), units) {}

  QSizeF textSize(const QString& text) const override {
    return QSizeF(0.5 * fontSize() * pixel_ * static_cast<double>(text.size()),
                  1.5 * fontSize() * pixel_);
  }

 private:
  double pixel_;
};

}  // namespace qora::test
