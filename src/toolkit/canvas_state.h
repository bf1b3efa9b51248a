// The pen, brush and font every canvas keeps between calls, and how they become Qt
// objects. Shared by the three canvases so they resolve faces and sizes alike.
#pragma once

#include <QColor>
#include <QFont>
#include <QFontMetricsF>
#include <QPen>
#include <QRawFont>
#include <QString>
#include <vector>

#include "toolkit/canvas.h"
#include "toolkit/font_families.h"

namespace qora {

struct CanvasState {
  QString face = QString::fromLatin1(kLatinFace);
  double pointSize = 10;
  unsigned style = kRegular;
  Colour fontColour = kBlack;
  bool defaultCharset = false;

  Colour brushColour = kWhite;
  BrushStyle brushStyle = BrushStyle::Solid;

  Colour penColour = kBlack;
  PenStyle penStyle = PenStyle::Solid;
  double penWidth = 1;  // canvas units

  // The setters every canvas shares. setFont returns whether the face, size, style or
  // character set changed (so the canvas rebuilds its font only then).
  bool setFont(const QString& newFace, double newSize, unsigned newStyle, Colour colour,
               bool newDefaultCharset) {
    fontColour = colour;
    if (face == newFace && pointSize == newSize && style == newStyle &&
        defaultCharset == newDefaultCharset) {
      return false;
    }
    face = newFace;
    pointSize = newSize;
    style = newStyle;
    defaultCharset = newDefaultCharset;
    return true;
  }
  void setBrush(Colour colour, BrushStyle s) {
    brushColour = colour;
    brushStyle = s;
  }
  void setPen(Colour colour, PenStyle s, double width) {
    penColour = colour;
    penStyle = s;
    penWidth = width;
  }
};

QColor ToQColor(Colour c);

// The families a font asks for, in order: the face itself (left out when empty), the Thai
// families for the system character set, then the installed families of every script, so
// a missing face or a missing glyph falls back to a known font on every machine.
QStringList FontFamilies(const QString& face, bool thai = false);

// The font of a canvas at `dpi` device dots per inch, sized in whole device pixels as a
// classic canvas sizes it. Kerning is off, so a text's width is the sum of its
// characters' widths (rich text relies on that).
QFont CanvasFont(const CanvasState& s, double dpi);

// The last few fonts a canvas used, so that switching sizes back and forth (rich text)
// does not resolve the face again each time.
class FontCache {
 public:
  struct Entry {
    QString face;
    double pointSize;
    unsigned style;
    bool defaultCharset;
    QFont font;
    QFontMetricsF metrics;
    QRawFont raw;    // the primary face, for writing simple text without shaping it
    quint64 serial;  // never reused, unlike the entry's address when it is replaced
  };
  explicit FontCache(double dpi) : dpi_(dpi) { entries_.reserve(kSize); }
  // The entry stays valid until kSize other fonts have been asked for.
  const Entry& get(const CanvasState& s);

 private:
  static constexpr size_t kSize = 8;
  double dpi_;
  std::vector<Entry> entries_;
  size_t next_ = 0;
  quint64 serial_ = 0;
};

// A pen `widthDots` device dots wide; 0 is the cosmetic (thinnest) pen. Screen pens of one
// pixel get the classic canvas's dash lengths in pixels (dash 18 on 6 off, dot 3 on 3 off);
// wider pens and printer pens scale the dashes with their width.
QPen CanvasPen(const CanvasState& s, int widthDots, bool screen = false);

// Rounds to the nearest integer, halves to even. False for a value that is not finite or
// lies far off any device: the caller skips the primitive.
bool RoundCoord(double v, int& out);

}  // namespace qora
