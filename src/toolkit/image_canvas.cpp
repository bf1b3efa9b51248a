#include "toolkit/image_canvas.h"

#include <QFontMetricsF>
#include <QGlyphRun>
#include <QSvgRenderer>
#include <QTextLayout>
#include <algorithm>
#include <cmath>

#include "toolkit/canvas_state.h"
#include "toolkit/picture.h"

namespace qora {

namespace {

// Screen pictures are laid out for a 96 dpi screen: a 12 point font is 16 pixels high.
constexpr double kScreenDpi = 96;

// Pixel corners of a rectangle given in either order. As on the classic canvas the right
// and bottom edges are excluded: the rectangle covers left..right-1 and top..bottom-1.
struct Px {
  int l, t, r, b;
  QRect covered() const { return QRect(l, t, r - l, b - t); }
  // The outline of a one-pixel pen: Qt draws it one pixel right of and below the
  // mathematical edge, so the rectangle is narrowed by one to land on the last pixel.
  QRect outline() const { return QRect(l, t, r - l - 1, b - t - 1); }
};
bool PixelRect(double x1, double y1, double x2, double y2, Px& p) {
  int a, b, c, e;
  if (!RoundCoord(x1, a) || !RoundCoord(y1, b) || !RoundCoord(x2, c) || !RoundCoord(y2, e)) {
    return false;
  }
  p = {std::min(a, c), std::min(b, e), std::max(a, c), std::max(b, e)};
  return true;
}

}  // namespace

struct ImageCanvas::State {
  explicit State(QImage& img) : image(img), fonts(kScreenDpi) {}
  QImage& image;
  QPainter painter;
  CanvasState s;
  FontCache fonts;
  const FontCache::Entry* font = nullptr;
  QPen pen;
  bool penApplied = false;

  // The last text shaped: measuring and then writing the same text (aligned text, rich
  // text runs, shadows) shapes it once.
  struct Shaped {
    QString text;
    quint64 font = 0;  // serial of the font entry
    QList<QGlyphRun> runs;
    double width = 0;
    double top = 0;  // where the layout's top lies relative to the canvas text top
  } shaped;

  const QFontMetricsF& metrics() const { return font->metrics; }
  const Shaped& shape(const QString& text) {
    if (shaped.font == font->serial && shaped.text == text) return shaped;
    shaped.text = text;
    shaped.font = font->serial;
    if (!shapeSimple(text)) shapeWithLayout(text);
    return shaped;
  }

  // Latin and Greek text the primary face covers needs no shaping: without kerning each
  // glyph simply follows the previous one's advance. Chart labels, numbers and units are
  // such text; they are written this way several times faster.
  bool shapeSimple(const QString& text) {
    const QRawFont& raw = font->raw;
    if (!raw.isValid()) return false;
    for (QChar c : text) {
      const char16_t u = c.unicode();
      const bool simple = (u >= 0x20 && u < 0x7F) || (u >= 0xA0 && u < 0x250 && u != 0xAD) ||
                          (u >= 0x370 && u < 0x400);
      if (!simple) return false;
    }
    const QList<quint32> glyphs = raw.glyphIndexesForString(text);
    if (glyphs.size() != text.size() || glyphs.contains(0u)) return false;  // missing glyph
    const QList<QPointF> advances = raw.advancesForGlyphIndexes(glyphs);
    QList<QPointF> positions(glyphs.size());
    const double baseline = metrics().ascent();
    double x = 0;
    for (qsizetype i = 0; i < glyphs.size(); ++i) {
      positions[i] = QPointF(x, baseline);
      x += advances[i].x();
    }
    QGlyphRun run;
    run.setRawFont(raw);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(font->font.underline());
    shaped.runs = {run};
    shaped.width = x;
    shaped.top = 0;
    return true;
  }

  void shapeWithLayout(const QString& text) {
    QTextLayout layout(text, font->font);
    QTextOption option;
    option.setWrapMode(QTextOption::NoWrap);
    layout.setTextOption(option);
    layout.beginLayout();
    QTextLine line = layout.createLine();
    layout.endLayout();
    shaped.width = line.isValid() ? line.horizontalAdvance() : 0;
    shaped.runs = line.isValid() ? line.glyphRuns() : QList<QGlyphRun>();
    // The base line stays one font ascent below the text top even when a fallback face
    // (Thai) makes the layout's line taller.
    shaped.top = line.isValid() ? metrics().ascent() - line.ascent() : 0;
  }

  void rebuildFont() { font = &fonts.get(s); }
  void rebuildPen() {
    // 0 and 1 are both the one-pixel line; wider pens are whole pixels.
    int w = 0;
    if (!RoundCoord(s.penWidth, w) || w <= 1) w = 0;
    pen = CanvasPen(s, w, true);
    penApplied = false;
  }
  // Text is drawn with a plain pen of the text colour, which replaces the line pen.
  void applyPen() {
    if (!penApplied) {
      painter.setPen(pen);
      penApplied = true;
    }
  }
  QBrush brush() const {
    return s.brushStyle == BrushStyle::Solid ? QBrush(ToQColor(s.brushColour)) : QBrush();
  }
};

ImageCanvas::ImageCanvas(QImage& image) : d_(std::make_unique<State>(image)) {
  if (!image.isNull()) d_->painter.begin(&image);
  d_->rebuildFont();
  d_->rebuildPen();
}

ImageCanvas::~ImageCanvas() {
  if (d_->painter.isActive()) d_->painter.end();
}

QSizeF ImageCanvas::size() const {
  return QSizeF(d_->image.size());
}

void ImageCanvas::setFont(const QString& face, double pointSize, unsigned style, Colour colour,
                          bool defaultCharset) {
  if (d_->s.setFont(face, pointSize, style, colour, defaultCharset)) d_->rebuildFont();
}

void ImageCanvas::setBrush(Colour colour, BrushStyle style) {
  d_->s.setBrush(colour, style);
}

void ImageCanvas::setPen(Colour colour, PenStyle style, double width) {
  d_->s.setPen(colour, style, width);
  d_->rebuildPen();
}

void ImageCanvas::setPenColour(Colour colour) {
  if (d_->s.penColour == colour) return;
  d_->s.penColour = colour;
  d_->rebuildPen();
}

Colour ImageCanvas::fontColour() const {
  return d_->s.fontColour;
}
double ImageCanvas::fontSize() const {
  return d_->s.pointSize;
}

void ImageCanvas::setFontSize(double pointSize) {
  if (d_->s.pointSize == pointSize) return;
  d_->s.pointSize = pointSize;
  d_->rebuildFont();
}

void ImageCanvas::line(double x1, double y1, double x2, double y2) {
  int a, b, c, e;
  if (!d_->painter.isActive() || !RoundCoord(x1, a) || !RoundCoord(y1, b) || !RoundCoord(x2, c) ||
      !RoundCoord(y2, e)) {
    return;
  }
  d_->applyPen();
  d_->painter.drawLine(a, b, c, e);
}

void ImageCanvas::rect(double x1, double y1, double x2, double y2) {
  Px r;
  if (!d_->painter.isActive() || !PixelRect(x1, y1, x2, y2, r)) return;
  if (d_->s.penStyle == PenStyle::Clear) {
    // Without a pen the classic canvas fills one pixel less each way.
    if (d_->s.brushStyle == BrushStyle::Solid) {
      d_->painter.fillRect(r.outline(), ToQColor(d_->s.brushColour));
    }
    return;
  }
  d_->applyPen();
  d_->painter.setBrush(d_->brush());
  d_->painter.drawRect(r.outline());
}

void ImageCanvas::roundRect(double x1, double y1, double x2, double y2, double w, double h) {
  Px r;
  if (!d_->painter.isActive() || !PixelRect(x1, y1, x2, y2, r) || !std::isfinite(w) ||
      !std::isfinite(h)) {
    return;
  }
  d_->applyPen();
  d_->painter.setBrush(d_->brush());
  // Markers are round on screen: smoothing keeps a small circle from looking square.
  d_->painter.setRenderHint(QPainter::Antialiasing, true);
  d_->painter.drawRoundedRect(r.outline(), std::fabs(w) / 2, std::fabs(h) / 2);
  d_->painter.setRenderHint(QPainter::Antialiasing, false);
}

void ImageCanvas::fill(double x1, double y1, double x2, double y2, Colour colour) {
  Px r;
  if (!d_->painter.isActive() || !PixelRect(x1, y1, x2, y2, r)) return;
  d_->painter.fillRect(r.covered(), ToQColor(colour));
}

double ImageCanvas::textHeight(const QString&) const {
  return d_->metrics().height();
}

QSizeF ImageCanvas::textSize(const QString& text) const {
  return QSizeF(d_->shape(text).width, d_->metrics().height());
}

void ImageCanvas::text(double x, double y, const QString& text) {
  int px, py;
  if (!d_->painter.isActive() || text.isEmpty() || !RoundCoord(x, px) || !RoundCoord(y, py)) {
    return;
  }
  if (d_->s.brushStyle == BrushStyle::Solid) {
    const QSizeF sz = textSize(text);
    d_->painter.fillRect(QRectF(px, py, std::ceil(sz.width()), std::ceil(sz.height())),
                         ToQColor(d_->s.brushColour));
  }
  textTransparent(px, py, text, d_->s.fontColour);
}

void ImageCanvas::textTransparent(double x, double y, const QString& text, Colour colour) {
  int px, py;
  if (!d_->painter.isActive() || text.isEmpty() || !RoundCoord(x, px) || !RoundCoord(y, py)) {
    return;
  }
  const State::Shaped& shaped = d_->shape(text);
  d_->painter.setPen(ToQColor(colour));
  d_->penApplied = false;
  const QPointF origin(px, py + shaped.top);
  for (const QGlyphRun& run : shaped.runs) d_->painter.drawGlyphRun(origin, run);
}

void ImageCanvas::drawPicture(double x1, double y1, double x2, double y2, const Picture& pic) {
  Px r;
  if (!d_->painter.isActive() || pic.isEmpty() || !PixelRect(x1, y1, x2, y2, r)) return;
  const QRect target = r.covered();
  if (target.isEmpty()) return;
  if (!pic.image().isNull()) {
    d_->painter.setRenderHint(QPainter::SmoothPixmapTransform, true);
    d_->painter.drawImage(target, pic.image());
  } else {
    d_->painter.setRenderHint(QPainter::Antialiasing, true);
    pic.svg()->render(&d_->painter, QRectF(target));
    d_->painter.setRenderHint(QPainter::Antialiasing, false);
  }
}

}  // namespace qora
