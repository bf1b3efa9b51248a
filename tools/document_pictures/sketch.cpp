#include "sketch.h"

#include <QImageWriter>
#include <QLinearGradient>
#include <QPainterPath>
#include <QTransform>
#include <cmath>
#include <cstdio>

namespace sketch {

const QColor kSteel(0x8a, 0x93, 0x9b), kCopper(0xc2, 0x74, 0x3c), kWater(0x2f, 0x6f, 0xc4),
    kHotWater(0xd9, 0x4a, 0x2b), kInk(0x22, 0x22, 0x22), kPaper(0xf7, 0xf7, 0xf4);

Insulation Elastomer() {
  return {QColor(0x2b, 0x2d, 0x30), QColor(0x3c, 0x3f, 0x43), QColor(0x55, 0x59, 0x5e), false,
          QStringLiteral("QORALINE")};
}

Insulation Polyurethane() {
  return {QColor(0xc8, 0xcc, 0xd0), QColor(0xe8, 0xc8, 0x5a), QColor(0xd2, 0xad, 0x3c), true,
          QStringLiteral("QORAPUR")};
}

Insulation ForBrand(bool secondBrand) {
  return secondBrand ? Polyurethane() : Elastomer();
}

double Random::next() {
  s_ ^= s_ << 13;
  s_ ^= s_ >> 17;
  s_ ^= s_ << 5;
  return (s_ & 0xffffff) / double(0x1000000);
}

QFont Font(double pixelSize, bool bold) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(std::max(1, int(std::lround(pixelSize))));
  f.setBold(bold);
  return f;
}

QImage Canvas(int w, int h) {
  QImage image(w, h, QImage::Format_RGB32);
  image.fill(Qt::white);
  return image;
}

void Studio(QPainter& p, QRectF r, QColor top, QColor bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(r, g);
}

void Sky(QPainter& p, QRectF r, QColor top, QColor horizon) {
  Studio(p, r, top, horizon);
}

void Ground(QPainter& p, QRectF r, QColor near, QColor far) {
  Studio(p, r, far, near);
}

namespace {

QPointF Unit(QPointF v) {
  const double l = std::hypot(v.x(), v.y());
  return l > 0 ? v / l : QPointF(1, 0);
}

QPointF Normal(QPointF dir) {
  return QPointF(-dir.y(), dir.x());
}

double AngleDeg(QPointF dir) {
  return std::atan2(dir.y(), dir.x()) * 180 / M_PI;
}

}  // namespace

void Cylinder(QPainter& p, QPointF a, QPointF b, double r, QColor base) {
  const QPointF dir = Unit(b - a);
  const QPointF n = Normal(dir) * r;
  QPolygonF body;
  body << a + n << b + n << b - n << a - n;
  QLinearGradient g(a + n, a - n);
  g.setColorAt(0.0, base.darker(135));
  g.setColorAt(0.28, base.lighter(135));
  g.setColorAt(0.45, base.lighter(112));
  g.setColorAt(1.0, base.darker(190));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawPolygon(body);
}

void EndEllipse(QPainter& p, QPointF c, QPointF dir, double r, double depth, QColor fill,
                QColor edge) {
  p.save();
  p.translate(c);
  p.rotate(AngleDeg(Unit(dir)));
  p.setPen(edge.alpha() ? QPen(edge, 1.2) : QPen(Qt::NoPen));
  p.setBrush(fill);
  p.drawEllipse(QPointF(0, 0), r * depth, r);
  p.restore();
}

void FoamCells(QPainter& p, QPointF c, QPointF dir, double r1, double r2, double depth, QColor dot,
               std::uint32_t seed) {
  Random rnd(seed);
  p.save();
  p.translate(c);
  p.rotate(AngleDeg(Unit(dir)));
  p.setPen(Qt::NoPen);
  p.setBrush(dot);
  const int n = int((r2 * r2 - r1 * r1) / 6);
  for (int i = 0; i < n; ++i) {
    const double a = rnd.range(0, 2 * M_PI);
    const double rr = std::sqrt(rnd.range(r1 * r1, r2 * r2)) * 0.97;
    const double s = rnd.range(0.6, 1.5);
    p.drawEllipse(QPointF(std::cos(a) * rr * depth, std::sin(a) * rr), s * depth + 0.3, s);
  }
  p.restore();
}

void InsulatedPipe(QPainter& p, QPointF a, QPointF b, double rIns, double rPipe,
                   const Insulation& look, QColor pipe, double bare, std::uint32_t seed) {
  const QPointF dir = Unit(b - a);
  const double depth = 0.34;
  if (bare > 0) {
    Cylinder(p, b - dir * 2, b + dir * bare, rPipe, pipe);
    EndEllipse(p, b + dir * bare, dir, rPipe, depth, pipe.lighter(115), pipe.darker(150));
    EndEllipse(p, b + dir * bare, dir, rPipe * 0.82, depth, pipe.darker(260));
  }
  Cylinder(p, a, b, rIns, look.foam);
  if (!look.print.isEmpty() && QLineF(a, b).length() > rIns * 6) {
    // The brand printed along the tube, on its lit side.
    p.save();
    p.translate(a + (b - a) * 0.18 + Normal(dir) * (rIns * 0.42));
    p.rotate(AngleDeg(dir));
    p.setPen(look.jacket ? QColor(0x1d, 0x4e, 0x89) : QColor(0xe8, 0xe8, 0xe8));
    p.setFont(Font(std::max(7.0, rIns * 0.42), true));
    p.drawText(QPointF(0, rIns * 0.15), look.print);
    p.restore();
  }
  // The cut end: jacket rim, foam face with cells, pipe wall, bore.
  const double foamR = look.jacket ? rIns * 0.95 : rIns;
  if (look.jacket) EndEllipse(p, b, dir, rIns, depth, look.foam.darker(115), look.foam.darker(170));
  EndEllipse(p, b, dir, foamR, depth, look.cut, look.cut.darker(140));
  FoamCells(p, b, dir, rPipe * 1.05, foamR, depth, look.cell, seed);
  if (bare <= 0) {
    EndEllipse(p, b, dir, rPipe, depth, pipe.lighter(110), pipe.darker(160));
    EndEllipse(p, b, dir, rPipe * 0.82, depth, pipe.darker(260));
  } else {
    EndEllipse(p, b, dir, rPipe * 1.03, depth, look.cut.darker(170));
  }
}

void Label(QPainter& p, QPointF at, QPointF text, const QString& s, double size, QColor colour) {
  p.save();
  p.setPen(QPen(colour, 1.2));
  p.setBrush(colour);
  p.drawLine(at, text);
  p.drawEllipse(at, 2.2, 2.2);
  p.setFont(Font(size));
  const QFontMetricsF fm(p.font());
  const bool left = text.x() < at.x();
  const double w = fm.horizontalAdvance(s);
  const QPointF origin(left ? text.x() - w - 4 : text.x() + 4, text.y() + fm.ascent() / 2 - 1);
  p.drawText(origin, s);
  p.restore();
}

void Arrow(QPainter& p, QPointF from, QPointF to, QColor colour, double width) {
  const QPointF dir = Unit(to - from);
  const QPointF n = Normal(dir);
  const double head = 4 * width + 4;
  p.save();
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(from, to - dir * head * 0.8);
  QPolygonF tip;
  tip << to << to - dir * head + n * head * 0.5 << to - dir * head - n * head * 0.5;
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPolygon(tip);
  p.restore();
}

void Caption(QPainter& p, QRectF r, const QString& s, double size, QColor colour, int flags,
             bool bold) {
  p.save();
  p.setPen(colour);
  p.setFont(Font(size, bold));
  p.drawText(r, flags, s);
  p.restore();
}

void SaveJpeg(const QImage& image, const QString& path) {
  QImageWriter w(path, "JPG");
  w.setQuality(88);
  w.setOptimizedWrite(true);
  w.setProgressiveScanWrite(false);
  if (!w.write(image)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

}  // namespace sketch
