// One drawing surface for screen pictures (pixels) and printed pages (millimetres).
// Implementations: ImageCanvas (QImage, pixels), PageCanvas (QPrinter/QPdfWriter,
// millimetres of the logical page) and RecordingCanvas (a text log for tests).
// Geometry rules (alignment, rich text, banded frames) live once in draw.h on top of
// these primitives.
#pragma once

#include <QSizeF>
#include <QString>

#include "toolkit/colour.h"

namespace qora {

class Picture;

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class BrushStyle { Solid, Clear };
enum FontStyle : unsigned { kRegular = 0, kBold = 1, kItalic = 2, kUnderline = 4 };

class Canvas {
 public:
  virtual ~Canvas() = default;

  // The drawing area in canvas units (pixels, or millimetres of the logical page).
  virtual QSizeF size() const = 0;
  // One pixel of a 96 dpi screen in canvas units: offsets the screen gives in pixels (the
  // rich-text shadow) keep their look on paper.
  virtual double screenPixel() const { return 1; }

  // Font by face name (fontconfig substitutes a missing face); size in points.
  // defaultCharset: the system default character set (Thai text).
  virtual void setFont(const QString& face, double pointSize, unsigned style, Colour colour,
                       bool defaultCharset = false) = 0;
  virtual void setBrush(Colour colour, BrushStyle style) = 0;
  // width in canvas units (pixels or millimetres); 0 is the thinnest line the device has.
  virtual void setPen(Colour colour, PenStyle style, double width) = 0;
  // Changes the pen colour, keeping width and style.
  virtual void setPenColour(Colour colour) = 0;
  virtual Colour fontColour() const = 0;
  virtual double fontSize() const = 0;
  virtual void setFontSize(double pointSize) = 0;

  virtual void line(double x1, double y1, double x2, double y2) = 0;
  // Outlined with the pen, filled with the brush.
  virtual void rect(double x1, double y1, double x2, double y2) = 0;
  // Rounded rectangle with corner diameters (w, h); outlined with the pen, filled with the
  // brush.
  virtual void roundRect(double x1, double y1, double x2, double y2, double w, double h) = 0;
  // Fills a rectangle with a colour, no outline (clearing, table bands).
  virtual void fill(double x1, double y1, double x2, double y2, Colour colour) = 0;

  // Width and height of the text in the current font, in canvas units.
  virtual QSizeF textSize(const QString& text) const = 0;
  // The height textSize would give, without measuring the width.
  virtual double textHeight(const QString& text) const { return textSize(text).height(); }
  // Writes text with its top-left corner at (x, y) in the current font; the background is
  // painted with the brush when its style is Solid, as the classic canvas does.
  virtual void text(double x, double y, const QString& text) = 0;
  // Like text() but never paints a background (rich text characters, shadows).
  virtual void textTransparent(double x, double y, const QString& text, Colour colour) = 0;

  virtual void drawPicture(double x1, double y1, double x2, double y2, const Picture& pic) = 0;
};

}  // namespace qora
