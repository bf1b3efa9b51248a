// The pen, brush and font every canvas keeps between calls, and how they become Qt
// objects. Shared by the three canvases so they resolve faces and sizes alike.
#pragma once

#include <QColor>
#include <QFont>
#include <QPen>
#include <QString>

#include "toolkit/canvas.h"

namespace qora {

struct CanvasState {
  QString face = QStringLiteral("Arial");
  double pointSize = 10;
  unsigned style = kRegular;
  Colour fontColour = kBlack;
  bool defaultCharset = false;

  Colour brushColour = kWhite;
  BrushStyle brushStyle = BrushStyle::Solid;

  Colour penColour = kBlack;
  PenStyle penStyle = PenStyle::Solid;
  double penWidth = 1;  // canvas units
};

QColor ToQColor(Colour c);

// The font of a canvas at `dpi` device dots per inch, sized in whole device pixels as a
// classic canvas sizes it. Kerning is off, so a text's width is the sum of its
// characters' widths (rich text relies on that).
QFont CanvasFont(const CanvasState& s, double dpi);

// A pen `widthDots` device dots wide; 0 is the cosmetic (thinnest) pen.
QPen CanvasPen(const CanvasState& s, int widthDots);

// Rounds to the nearest integer, halves to even. False for a value that is not finite or
// lies far off any device: the caller skips the primitive.
bool RoundCoord(double v, int& out);

}  // namespace qora
