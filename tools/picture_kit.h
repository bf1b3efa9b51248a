// Drawing helpers of the illustrations the form screens show: the colours of the
// materials, insulation drawn with its usual section hatch, dimension lines, arrows and
// symbol labels turned into outlines (so the pictures look the same on every machine).
#pragma once

#include <QColor>
#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <QString>
#include <cmath>

namespace picture_kit {

// Materials: aluminium jacket, insulation, steel, chilled water, room air, drawing ink.
inline const QColor kJacket(0xc9, 0xd3, 0xdd);
inline const QColor kJacketDark(0x8d, 0x9c, 0xad);
inline const QColor kInsulation(0xf2, 0xc2, 0x4e);
inline const QColor kInsulationInk(0xb8, 0x82, 0x18);
inline const QColor kSteel(0x6b, 0x76, 0x82);
inline const QColor kWater(0x3f, 0x86, 0xc8);
inline const QColor kWaterLight(0x8c, 0xc0, 0xea);
inline const QColor kColdAir(0xd6, 0xe9, 0xf8);
inline const QColor kInk(0x14, 0x36, 0x5f);
inline const QColor kDimension(0x1a, 0x1a, 0x1a);
inline const QColor kHeat(0xd2, 0x3c, 0x28);

inline QFont LabelFont(double pixelSize, bool italic = true) {
  QFont f(QStringLiteral("DejaVu Serif"));
  f.setPixelSize(std::max(1, static_cast<int>(std::lround(pixelSize))));
  f.setItalic(italic);
  return f;
}

// Text as outlines, centred on `at`.
inline void Label(QPainter& p, const QString& text, QPointF at, double size,
                  const QColor& colour = kInk, bool italic = true) {
  QPainterPath path;
  path.addText(0, 0, LabelFont(size, italic), text);
  const QRectF box = path.boundingRect();
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.translate(at - box.center());
  p.drawPath(path);
  p.restore();
}

// A filled arrowhead at `tip` pointing along `from` -> `tip`.
inline void ArrowHead(QPainter& p, QPointF from, QPointF tip, double size, const QColor& colour) {
  const QLineF back(tip, from);
  const double a = std::atan2(-back.dy(), back.dx());
  const QPointF l = tip + QPointF(std::cos(a + 0.35) * size, -std::sin(a + 0.35) * size);
  const QPointF r = tip + QPointF(std::cos(a - 0.35) * size, -std::sin(a - 0.35) * size);
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(QPolygonF({tip, l, r}));
  p.restore();
}

inline void Arrow(QPainter& p, QPointF from, QPointF to, double width, const QColor& colour,
                  double head = 14) {
  p.save();
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  const QLineF line(from, to);
  const double shorten = head * 0.8 / std::max(line.length(), 1.0);
  p.drawLine(from, from + (to - from) * (1 - shorten));
  p.restore();
  ArrowHead(p, from, to, head, colour);
}

// A dimension: thin extension lines from the two measured points out to the dimension
// line at `offset` (perpendicular, positive to the left of a -> b), arrowheads on both
// ends, the symbol beside the middle.
inline void Dimension(QPainter& p, QPointF a, QPointF b, double offset, const QString& symbol,
                      double textSize = 26) {
  const QLineF ab(a, b);
  const QPointF n = QPointF(ab.dy(), -ab.dx()) / std::max(ab.length(), 1.0);
  const QPointF da = a + n * offset, db = b + n * offset;
  p.save();
  p.setPen(QPen(kDimension, 1.2));
  const double sign = offset < 0 ? -1 : 1;
  p.drawLine(a + n * (sign * 4), da + n * (sign * 6));
  p.drawLine(b + n * (sign * 4), db + n * (sign * 6));
  p.drawLine(da, db);
  p.restore();
  ArrowHead(p, db, da, 11, kDimension);
  ArrowHead(p, da, db, 11, kDimension);
  const QPointF mid = (da + db) / 2 + n * (sign * (textSize * 0.75));
  Label(p, symbol, mid, textSize, kDimension);
}

// Insulation in section: the insulation colour with the wavy hatch of fibrous insulation
// running along `direction` (degrees), clipped to `shape`.
inline void InsulationFill(QPainter& p, const QPainterPath& shape, double direction = 0,
                           double pitch = 11) {
  p.save();
  p.setPen(Qt::NoPen);
  p.setBrush(kInsulation);
  p.drawPath(shape);
  p.setClipPath(shape, Qt::IntersectClip);
  const QRectF box = shape.boundingRect();
  const QPointF c = box.center();
  const double r = std::hypot(box.width(), box.height()) / 2 + pitch;
  p.translate(c);
  p.rotate(direction);
  p.setPen(QPen(kInsulationInk, 1.1));
  p.setBrush(Qt::NoBrush);
  for (double y = -r; y <= r; y += pitch) {
    QPainterPath wave;
    wave.moveTo(-r, y);
    for (double x = -r; x < r; x += pitch) {
      wave.quadTo(x + pitch / 4, y - pitch * 0.35, x + pitch / 2, y);
      wave.quadTo(x + pitch * 3 / 4, y + pitch * 0.35, x + pitch, y);
    }
    p.drawPath(wave);
  }
  p.restore();
}

// The picture's background: white with a faint drawing-sheet border.
inline void Sheet(QPainter& p, QSize size) {
  p.fillRect(QRect(QPoint(0, 0), size), Qt::white);
}

}  // namespace picture_kit
