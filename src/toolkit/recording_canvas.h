// Canvas that records every primitive with its resolved geometry as one text line, for
// tests that compare draw lists with committed references. Text is measured as on an
// ImageCanvas (pixels) or a PageCanvas (millimetres) of the same size would measure it.
#pragma once

#include <QSizeF>
#include <memory>
#include <string>

#include "toolkit/canvas.h"

namespace qora {

class RecordingCanvas : public Canvas {
 public:
  enum class Units { Pixels, Millimetres };
  // Millimetre text is measured as on a page printed at `printerDpi`.
  RecordingCanvas(QSizeF size, Units units = Units::Pixels, int printerDpi = 600);
  ~RecordingCanvas() override;
  // One line per primitive, numbers with at most 3 decimals.
  std::string log() const;
  void clearLog();

  QSizeF size() const override;
  double screenPixel() const override;
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
  void text(double x, double y, const QString& text) override;
  void textTransparent(double x, double y, const QString& text, Colour colour) override;
  void drawPicture(double x1, double y1, double x2, double y2, const Picture& pic) override;

 private:
  struct State;
  std::unique_ptr<State> d_;
};

}  // namespace qora
