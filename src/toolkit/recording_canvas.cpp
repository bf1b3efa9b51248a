#include "toolkit/recording_canvas.h"

#include <QFontMetricsF>
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <optional>

#include "toolkit/canvas_state.h"
#include "toolkit/picture.h"

namespace qora {

namespace {

// At most three decimals, trailing zeros dropped, no "-0"; the same text under every
// locale (std::to_chars, never printf, whose decimal point follows LC_NUMERIC).
std::string Num(double v) {
  if (!std::isfinite(v)) return "nan";
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, 3);
  std::string s(buf, res.ptr);
  while (!s.empty() && s.back() == '0') s.pop_back();
  if (!s.empty() && s.back() == '.') s.pop_back();
  if (s == "-0") s = "0";
  return s;
}

std::string Hex(Colour c) {
  char digits[8];
  const auto res = std::to_chars(digits, digits + sizeof digits, c & 0xFFFFFFu, 16);
  std::string hex(digits, res.ptr);
  for (char& ch : hex) ch = static_cast<char>(std::toupper(static_cast<unsigned char>(ch)));
  return "0x" + std::string(6 - std::min<size_t>(6, hex.size()), '0') + hex;
}

std::string Quoted(const QString& text) {
  std::string out = "\"";
  for (char ch : text.toStdString()) {
    if (ch == '"' || ch == '\\') out += '\\';
    out += ch;
  }
  return out + "\"";
}

const char* PenStyleName(PenStyle s) {
  switch (s) {
    case PenStyle::Solid:
      return "solid";
    case PenStyle::Dash:
      return "dash";
    case PenStyle::Dot:
      return "dot";
    case PenStyle::DashDot:
      return "dashdot";
    case PenStyle::DashDotDot:
      return "dashdotdot";
    case PenStyle::Clear:
      return "clear";
  }
  return "?";
}

std::string StyleName(unsigned style) {
  std::string s;
  if (style & kBold) s += "bold ";
  if (style & kItalic) s += "italic ";
  if (style & kUnderline) s += "underline ";
  if (s.empty()) return "regular";
  s.pop_back();
  for (char& ch : s) {
    if (ch == ' ') ch = '+';
  }
  return s;
}

}  // namespace

struct RecordingCanvas::State {
  QSizeF size;
  Units units;
  int dpi;
  CanvasState s;
  std::optional<FontCache> fonts;
  const FontCache::Entry* fontEntry = nullptr;
  std::string log;

  void rebuildFont() {
    if (!fonts) fonts.emplace(units == Units::Pixels ? 96.0 : dpi);
    fontEntry = &fonts->get(s);
  }
  // Device dots of the measuring font to canvas units.
  double unit(double dots) const { return units == Units::Pixels ? dots : dots * 25.4 / dpi; }

  std::string pen() const {
    return "pen " + Hex(s.penColour) + " " + PenStyleName(s.penStyle) + " " + Num(s.penWidth);
  }
  std::string brush() const {
    return "brush " +
           (s.brushStyle == BrushStyle::Solid ? Hex(s.brushColour) : std::string("clear"));
  }
  std::string font() const {
    return "font " + Quoted(s.face) + (s.defaultCharset ? " thai " : " ") + Num(s.pointSize) + " " +
           StyleName(s.style);
  }
  void add(const std::string& line) { log += line + "\n"; }
};

RecordingCanvas::RecordingCanvas(QSizeF size, Units units, int printerDpi)
    : d_(std::make_unique<State>()) {
  d_->size = size;
  d_->units = units;
  d_->dpi = printerDpi > 0 ? printerDpi : 600;
  d_->rebuildFont();
}

RecordingCanvas::~RecordingCanvas() = default;

std::string RecordingCanvas::log() const {
  return d_->log;
}
void RecordingCanvas::clearLog() {
  d_->log.clear();
}

double RecordingCanvas::screenPixel() const {
  return d_->units == Units::Pixels ? 1 : 25.4 / 96;
}

QSizeF RecordingCanvas::size() const {
  return d_->size;
}

void RecordingCanvas::setFont(const QString& face, double pointSize, unsigned style, Colour colour,
                              bool defaultCharset) {
  if (d_->s.setFont(face, pointSize, style, colour, defaultCharset)) d_->rebuildFont();
}

void RecordingCanvas::setBrush(Colour colour, BrushStyle style) {
  d_->s.setBrush(colour, style);
}

void RecordingCanvas::setPen(Colour colour, PenStyle style, double width) {
  d_->s.setPen(colour, style, width);
}

void RecordingCanvas::setPenColour(Colour colour) {
  d_->s.penColour = colour;
}
Colour RecordingCanvas::fontColour() const {
  return d_->s.fontColour;
}
double RecordingCanvas::fontSize() const {
  return d_->s.pointSize;
}

void RecordingCanvas::setFontSize(double pointSize) {
  if (d_->s.pointSize == pointSize) return;
  d_->s.pointSize = pointSize;
  d_->rebuildFont();
}

void RecordingCanvas::line(double x1, double y1, double x2, double y2) {
  d_->add("line " + Num(x1) + " " + Num(y1) + " " + Num(x2) + " " + Num(y2) + " " + d_->pen());
}

void RecordingCanvas::rect(double x1, double y1, double x2, double y2) {
  d_->add("rect " + Num(x1) + " " + Num(y1) + " " + Num(x2) + " " + Num(y2) + " " + d_->pen() +
          " " + d_->brush());
}

void RecordingCanvas::roundRect(double x1, double y1, double x2, double y2, double w, double h) {
  d_->add("roundrect " + Num(x1) + " " + Num(y1) + " " + Num(x2) + " " + Num(y2) + " corner " +
          Num(w) + " " + Num(h) + " " + d_->pen() + " " + d_->brush());
}

void RecordingCanvas::fill(double x1, double y1, double x2, double y2, Colour colour) {
  d_->add("fill " + Num(x1) + " " + Num(y1) + " " + Num(x2) + " " + Num(y2) + " " + Hex(colour));
}

QSizeF RecordingCanvas::textSize(const QString& text) const {
  return QSizeF(d_->unit(d_->fontEntry->metrics.horizontalAdvance(text)),
                d_->unit(d_->fontEntry->metrics.height()));
}

void RecordingCanvas::text(double x, double y, const QString& text) {
  const QSizeF sz = textSize(text);
  d_->add("text " + Num(x) + " " + Num(y) + " " + Quoted(text) + " size " + Num(sz.width()) + " " +
          Num(sz.height()) + " " + d_->font() + " " + Hex(d_->s.fontColour) + " on " +
          (d_->s.brushStyle == BrushStyle::Solid ? Hex(d_->s.brushColour) : "clear"));
}

void RecordingCanvas::textTransparent(double x, double y, const QString& text, Colour colour) {
  const QSizeF sz = textSize(text);
  d_->add("text " + Num(x) + " " + Num(y) + " " + Quoted(text) + " size " + Num(sz.width()) + " " +
          Num(sz.height()) + " " + d_->font() + " " + Hex(colour) + " on clear");
}

void RecordingCanvas::drawPicture(double x1, double y1, double x2, double y2, const Picture& pic) {
  const QSize n = pic.naturalSize();
  d_->add("picture " + Num(x1) + " " + Num(y1) + " " + Num(x2) + " " + Num(y2) + " " +
          (pic.isEmpty() ? "empty"
           : pic.svg()   ? "svg"
                         : "image") +
          " " + std::to_string(n.width()) + "x" + std::to_string(n.height()));
}

}  // namespace qora
