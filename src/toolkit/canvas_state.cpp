#include "toolkit/canvas_state.h"

#include <QStringList>
#include <algorithm>
#include <cmath>

#include "toolkit/font_families.h"

namespace qora {

QColor ToQColor(Colour c) {
  return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                static_cast<int>((c >> 16) & 0xFF));
}

namespace {

// Families that carry Thai glyphs (the TLWG set); tried after the requested face when
// the language asks for the system character set.
const QStringList& ThaiFallbacks() {
  static const QStringList kFamilies = {QStringLiteral("Garuda"),    QStringLiteral("Loma"),
                                        QStringLiteral("Tlwg Typo"), QStringLiteral("Kinnari"),
                                        QStringLiteral("Norasi"),    QStringLiteral("Umpush"),
                                        QStringLiteral("Waree"),     QStringLiteral("Sawasdee")};
  return kFamilies;
}

}  // namespace

QStringList FontFamilies(const QString& face, bool thai) {
  QStringList families;
  if (!face.trimmed().isEmpty()) families << face;
  if (thai) families += ThaiFallbacks();
  families << QString::fromLatin1(kLatinFace) << QString::fromLatin1(kWideLatinFace)
           << QString::fromLatin1(kChineseFace) << QString::fromLatin1(kJapaneseFace);
  if (!thai) families << QString::fromLatin1(kThaiFace);
  families.removeDuplicates();
  return families;
}

QFont CanvasFont(const CanvasState& s, double dpi) {
  QFont f;
  f.setFamilies(FontFamilies(s.face, s.defaultCharset));
  // Classic canvases take the nearest whole pixel height of the em: size · dpi / 72.
  double px = s.pointSize * dpi / 72.0;
  if (!std::isfinite(px)) px = 1;
  f.setPixelSize(static_cast<int>(std::clamp(std::nearbyint(px), 1.0, 20000.0)));
  f.setBold((s.style & kBold) != 0);
  f.setItalic((s.style & kItalic) != 0);
  f.setUnderline((s.style & kUnderline) != 0);
  f.setKerning(false);
  return f;
}

const FontCache::Entry& FontCache::get(const CanvasState& s) {
  for (const Entry& e : entries_) {
    if (e.pointSize == s.pointSize && e.style == s.style && e.defaultCharset == s.defaultCharset &&
        e.face == s.face) {
      return e;
    }
  }
  const QFont font = CanvasFont(s, dpi_);
  Entry fresh{s.face,
              s.pointSize,
              s.style,
              s.defaultCharset,
              font,
              QFontMetricsF(font),
              QRawFont::fromFont(font),
              ++serial_};
  if (entries_.size() < kSize) return entries_.emplace_back(std::move(fresh));
  Entry& slot = entries_[next_];
  next_ = (next_ + 1) % kSize;
  slot = std::move(fresh);
  return slot;
}

QPen CanvasPen(const CanvasState& s, int widthDots, bool screen) {
  if (s.penStyle == PenStyle::Clear) return QPen(Qt::NoPen);
  QPen pen(ToQColor(s.penColour));
  pen.setWidth(std::max(0, widthDots));
  switch (s.penStyle) {
    case PenStyle::Dash:
      pen.setStyle(Qt::DashLine);
      break;
    case PenStyle::Dot:
      pen.setStyle(Qt::DotLine);
      break;
    case PenStyle::DashDot:
      pen.setStyle(Qt::DashDotLine);
      break;
    case PenStyle::DashDotDot:
      pen.setStyle(Qt::DashDotDotLine);
      break;
    default:
      pen.setStyle(Qt::SolidLine);
      break;
  }
  if (screen && widthDots <= 1) {
    switch (s.penStyle) {
      case PenStyle::Dash:
        pen.setDashPattern({18, 6});
        break;
      case PenStyle::Dot:
        pen.setDashPattern({3, 3});
        break;
      case PenStyle::DashDot:
        pen.setDashPattern({9, 6, 3, 6});
        break;
      case PenStyle::DashDotDot:
        pen.setDashPattern({9, 3, 3, 3, 3, 3});
        break;
      default:
        break;
    }
  }
  // Wide lines end and join round, as geometric pens of the classic canvas do.
  pen.setCapStyle(Qt::RoundCap);
  pen.setJoinStyle(Qt::RoundJoin);
  return pen;
}

bool RoundCoord(double v, int& out) {
  constexpr double kLimit = 1e7;  // far beyond any picture or page in device dots
  if (!std::isfinite(v) || v < -kLimit || v > kLimit) return false;
  out = static_cast<int>(std::nearbyint(v));
  return true;
}

}  // namespace qora
