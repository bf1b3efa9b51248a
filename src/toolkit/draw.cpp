#include "toolkit/draw.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "toolkit/picture.h"

namespace qora {

namespace {

// Shift of a text anchor: none for the left or top side, half the extent for the middle,
// all of it for the right or bottom side.
double AlignShift(bool middle, bool far, double extent) {
  if (middle) return -extent / 2;
  if (far) return -extent;
  return 0;
}

void AlignedText(Canvas& c, HAlign h, VAlign v, const QString& text, double x, double y) {
  const QSizeF sz = c.textSize(text);
  c.text(x + AlignShift(h == HAlign::Centre, h == HAlign::Right, sz.width()),
         y + AlignShift(v == VAlign::Middle, v == VAlign::Bottom, sz.height()), text);
}

void Marker(Canvas& c, double x, double y, double r) {
  c.roundRect(x - r, y - r, x + r, y + r, 2 * r, 2 * r);
}

constexpr Colour kBands[5] = {kWhite, kYellow, kSilver, kAqua, kLime};

Colour BandColour(int k, int bandCount) {
  const int count = std::clamp(bandCount, 1, 5);
  return kBands[(k - 1) % count];
}

// Keeps a caller's absurd count (a negative number, a corrupted table size) from turning
// into millions of primitives.
int SaneCount(int n) {
  return std::clamp(n, 0, 10000);
}

}  // namespace

// --- screen pictures ---

void ClearPicture(Canvas& pic, Colour colour) {
  pic.setBrush(colour, BrushStyle::Solid);
  pic.setPen(colour, PenStyle::Solid, 1);
  const QSizeF sz = pic.size();
  pic.fill(0, 0, sz.width(), sz.height(), colour);
}

void SetPicFont(Canvas& pic, const QString& name, double size, unsigned style, Colour colour) {
  pic.setFont(name, size, style, colour, false);
}

void SetPicFontDefaultCharset(Canvas& pic, const QString& name, double size, unsigned style,
                              Colour colour) {
  pic.setFont(name, size, style, colour, true);
}

void SetPicBrush(Canvas& pic, Colour colour, BrushStyle style) {
  pic.setBrush(colour, style);
}

void SetPicPen(Canvas& pic, Colour colour, PenStyle style, double width) {
  pic.setPen(colour, style, width);
}

void PicLine(Canvas& pic, double x1, double y1, double x2, double y2, Colour colour) {
  pic.setPenColour(colour);
  pic.line(x1, y1, x2, y2);
}

void PicRect(Canvas& pic, double x1, double y1, double x2, double y2, Colour penColour) {
  pic.setPenColour(penColour);
  pic.rect(x1, y1, x2, y2);
}

void PicMarker(Canvas& pic, double x, double y, double r) {
  Marker(pic, x, y, r);
}

void PicText(Canvas& pic, HAlign h, VAlign v, const QString& text, double x, double y) {
  AlignedText(pic, h, v, text, x, y);
}

namespace {

enum class RichSize { Base, Big, Small };

// One run of ordinary characters written in one state. Without kerning a run's width is
// the sum of its characters' widths, so writing runs places every character where writing
// it alone would; and Thai vowels and tone marks stay with their consonants.
struct RichWriter {
  Canvas& c;
  double x, y, fullHeight;
  Colour colour;
  bool shadow = false;
  double offset = 0;

  void write(const QString& run) {
    if (run.isEmpty()) return;
    const QSizeF sz = c.textSize(run);
    const double top = y + (fullHeight - sz.height()) + offset;
    // The shadow is 2 screen pixels right and down, drawn first so the character covers it.
    const double d = 2 * c.screenPixel();
    if (shadow) c.textTransparent(x + d, top + d, run, kGrey);
    c.textTransparent(x, top, run, colour);
    x += sz.width();
  }
};

}  // namespace

void PicRichText(Canvas& pic, double x, double y, const QString& text) {
  const double base = pic.fontSize();
  const double big = base + 4;
  // A base size of 4 points or less would make the small size vanish or go negative.
  const double small = std::max(1.0, base - 4);
  const double fullHeight = pic.textHeight(text);

  RichWriter w{pic, x, y, fullHeight, pic.fontColour()};
  RichSize size = RichSize::Base;
  QString run;
  auto setSize = [&](RichSize s) {
    size = s;
    pic.setFontSize(s == RichSize::Base ? base : s == RichSize::Big ? big : small);
  };

  for (qsizetype i = 0; i < text.size();) {
    if (text.at(i) != QLatin1Char('\\')) {
      run += text.at(i++);
      continue;
    }
    w.write(run);
    run.clear();
    if (i + 1 >= text.size()) break;  // a backslash as the last character is ignored
    switch (text.at(i + 1).toUpper().unicode()) {
      case 'B':
        if (size == RichSize::Base)
          setSize(RichSize::Big);
        else if (size == RichSize::Big)
          setSize(RichSize::Base);
        break;
      case 'S':
        if (size == RichSize::Base)
          setSize(RichSize::Small);
        else if (size == RichSize::Small)
          setSize(RichSize::Base);
        break;
      case 'U':
      case 'D':
        if (size == RichSize::Base) {
          setSize(RichSize::Small);
          w.offset =
              text.at(i + 1).toUpper() == QLatin1Char('U') ? -fullHeight / 3 : fullHeight / 3;
        } else if (size == RichSize::Small) {
          setSize(RichSize::Base);
          w.offset = 0;
        }
        break;
      case 'G':
        w.shadow = !w.shadow;
        break;
      default:
        break;  // unknown code: both characters are skipped
    }
    i += 2;
  }
  w.write(run);
  if (size != RichSize::Base) pic.setFontSize(base);
}

void PicDrawPicture(Canvas& pic, double x1, double y1, double x2, double y2, const Picture& p) {
  if (p.isEmpty()) return;
  pic.drawPicture(x1, y1, x2, y2, p);
}

// Rows: the header block and body rows are horizontal; lines run across the full width
// and down every column boundary. An optional label column (labelWidth1 + labelWidth2)
// precedes the columns.
void PicTableFrameRows(Canvas& pic, const TableFrame& t) {
  const int cols = SaneCount(t.cols), rows = SaneCount(t.bodyRows);
  const int subCols = SaneCount(t.subCols), headerRows = SaneCount(t.headerRows);
  const double label = t.labelWidth1 + t.labelWidth2;
  const double left = t.x, top = t.y;
  const double right = left + label + cols * t.colWidth;
  const double headerBottom = top + headerRows * t.rowHeight;
  const double bottom = headerBottom + rows * t.rowHeight;

  pic.fill(left, top, right, headerBottom, t.fillColour);
  for (int k = 1; k <= rows; ++k) {
    const double y = headerBottom + (k - 1) * t.rowHeight;
    pic.fill(left, y, right, y + t.rowHeight, BandColour(k, t.bandCount));
  }

  pic.setPen(t.lineColour, PenStyle::Solid, t.frameLineWidth);
  pic.line(left, top, right, top);
  pic.line(left, headerBottom, right, headerBottom);
  pic.line(left, bottom, right, bottom);
  pic.line(left, top, left, bottom);
  if (label > 0) pic.line(left + label, top, left + label, bottom);
  for (int i = 1; i <= cols; ++i) {
    const double x = left + label + i * t.colWidth;
    pic.line(x, top, x, bottom);
  }
  if (subCols > 1) {
    pic.setPen(t.lineColour, PenStyle::Solid, t.subLineWidth);
    for (int i = 0; i < cols; ++i) {
      for (int j = 1; j < subCols; ++j) {
        const double x = left + label + i * t.colWidth + j * t.subColWidth;
        pic.line(x, top, x, bottom);
      }
    }
  }
}

// Cols: the same frame turned through a right angle. The label column (labelWidth1 +
// labelWidth2) is the header block; the columns become the bands, stacked downwards,
// colWidth high, with sub-lines every subColWidth; the rows become vertical divisions
// rowHeight wide.
void PicTableFrameCols(Canvas& pic, const TableFrame& t) {
  const int bands = SaneCount(t.cols), rows = SaneCount(t.bodyRows);
  const int subCols = SaneCount(t.subCols);
  const double left = t.x, top = t.y;
  const double labelRight = left + t.labelWidth1 + t.labelWidth2;
  const double right = labelRight + rows * t.rowHeight;
  const double bottom = top + bands * t.colWidth;

  pic.fill(left, top, labelRight, bottom, t.fillColour);
  for (int k = 1; k <= bands; ++k) {
    const double y = top + (k - 1) * t.colWidth;
    pic.fill(labelRight, y, right, y + t.colWidth, BandColour(k, t.bandCount));
  }

  pic.setPen(t.lineColour, PenStyle::Solid, t.frameLineWidth);
  pic.line(left, top, left, bottom);
  pic.line(labelRight, top, labelRight, bottom);
  pic.line(right, top, right, bottom);
  for (int i = 0; i <= bands; ++i) {
    const double y = top + i * t.colWidth;
    pic.line(left, y, right, y);
  }
  if (subCols > 1) {
    pic.setPen(t.lineColour, PenStyle::Solid, t.subLineWidth);
    for (int i = 0; i < bands; ++i) {
      for (int j = 1; j < subCols; ++j) {
        const double y = top + i * t.colWidth + j * t.subColWidth;
        pic.line(left, y, right, y);
      }
    }
  }
}

// --- printed pages ---

int CalibratePrinter(double measuredHeightOfO) {
  struct Band {
    int from, to, dpi;
  };
  static constexpr Band kBandsDpi[] = {
      {50, 55, 180}, {59, 64, 200}, {85, 90, 300}, {105, 110, 360}, {176, 182, 600}};
  if (!std::isfinite(measuredHeightOfO)) return 300;
  const double clamped = std::clamp(measuredHeightOfO, 0.0, 100000.0);
  const int h = static_cast<int>(std::nearbyint(clamped));
  for (const Band& b : kBandsDpi) {
    if (h >= b.from && h <= b.to) return b.dpi;
  }
  const int dpi = h * 20 / 6;
  // A device that measured nothing would give 0 dots per inch and divide by zero later;
  // 300 is the commonest printer resolution.
  return dpi > 0 ? dpi : 300;
}

int MmToDots(int dpi, double mm) {
  const double dots = std::nearbyint(dpi * mm / 25.4);
  if (!std::isfinite(dots)) return 0;
  constexpr double kMax = std::numeric_limits<int>::max() / 2;
  return static_cast<int>(std::clamp(dots, -kMax, kMax));
}

double DotsToMm(int dpi, int dots) {
  return dpi > 0 ? dots * 25.4 / dpi : 0.0;
}

void SetPrnFont(Canvas& page, const QString& name, double size, unsigned style, Colour colour) {
  page.setFont(name, size, style, colour, false);
}

void SetPrnFontDefaultCharset(Canvas& page, const QString& name, double size, unsigned style,
                              Colour colour) {
  page.setFont(name, size, style, colour, true);
}

void SetPrnBrush(Canvas& page, Colour colour, BrushStyle style) {
  page.setBrush(colour, style);
}

void SetPrnPen(Canvas& page, Colour colour, PenStyle style, double widthMm) {
  page.setPen(colour, style, widthMm);
}

void PrnLine(Canvas& page, double x1, double y1, double x2, double y2) {
  page.line(x1, y1, x2, y2);
}

void PrnRect(Canvas& page, double x1, double y1, double x2, double y2) {
  page.rect(x1, y1, x2, y2);
}

void PrnMarker(Canvas& page, double x, double y, double r) {
  Marker(page, x, y, r);
}

void PrnText(Canvas& page, HAlign h, VAlign v, const QString& text, double x, double y) {
  AlignedText(page, h, v, text, x, y);
}

void PrnDrawPicture(Canvas& page, const Picture& p, double x1, double y1, double x2, double y2) {
  PicDrawPicture(page, x1, y1, x2, y2, p);
}

void PrnTableFrameRows(Canvas& page, const TableFrame& t) {
  PicTableFrameRows(page, t);
}
void PrnTableFrameCols(Canvas& page, const TableFrame& t) {
  PicTableFrameCols(page, t);
}

}  // namespace qora
