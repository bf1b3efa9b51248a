// The illustrations of the form screens: the duct (an insulated rectangular duct cut open
// at its end), the operating equipment (a section through the insulated cold wall with its
// temperature profile and heat flow) and the three storage tanks (box, horizontal cylinder
// on saddles, sphere on legs, each cut open to show the insulation and the water level).
// Only symbols are written on them (Tdb, Top, t, k, ha, W, H, L, D), so they serve every
// language edition.
#include "form_pictures.h"

#include <QImage>
#include <QLinearGradient>
#include <QRadialGradient>
#include <cstdio>

#include "picture_kit.h"

namespace {

using namespace picture_kit;

constexpr int kWidth = 800, kHeight = 750;

QImage NewSheet() {
  QImage img(kWidth, kHeight, QImage::Format_RGB32);
  img.fill(Qt::white);
  return img;
}

void Save(const QImage& image, const QString& path) {
  if (!image.save(path, "JPG", 90)) std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
}

QPolygonF Quad(QPointF a, QPointF b, QPointF c, QPointF d) {
  return QPolygonF({a, b, c, d});
}

// The aluminium jacket of a face: a gradient between two tones, edged in ink.
void JacketFace(QPainter& p, const QPolygonF& face, QPointF from, QPointF to, double light) {
  QLinearGradient g(from, to);
  g.setColorAt(0, kJacket.lighter(static_cast<int>(100 + 12 * light)));
  g.setColorAt(1, kJacket.darker(static_cast<int>(108 + 10 * (1 - light))));
  p.setPen(QPen(kJacketDark, 1.5));
  p.setBrush(g);
  p.drawPolygon(face);
}

// The waterline symbol of drawings: a small inverted triangle standing on the level.
void Waterline(QPainter& p, QPointF at) {
  p.save();
  p.setPen(QPen(kInk, 1.4));
  p.setBrush(Qt::white);
  p.drawPolygon(QPolygonF({at, at + QPointF(-9, -14), at + QPointF(9, -14)}));
  p.drawLine(at + QPointF(-16, 5), at + QPointF(16, 5));
  p.drawLine(at + QPointF(-9, 10), at + QPointF(9, 10));
  p.restore();
}

// Three short wavy lines rising from a warm surface: the air film of coefficient ha.
void AirFilm(QPainter& p, QPointF base, double rotate = 0) {
  p.save();
  p.translate(base);
  p.rotate(rotate);
  p.setPen(QPen(kInk, 1.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  for (int i = 0; i < 3; ++i) {
    QPainterPath w;
    const double x = i * 16.0;
    w.moveTo(x, 0);
    w.cubicTo(x + 8, -10, x - 8, -20, x, -30);
    w.cubicTo(x + 8, -40, x - 2, -46, x, -52);
    p.drawPath(w);
  }
  p.restore();
}

void Duct(const QString& path) {
  QImage img = NewSheet();
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double x0 = 70, y0 = 330, w = 390, h = 290, t = 44, steel = 7;
  const QPointF d(250, -190);
  const QPointF a(x0, y0), b(x0 + w, y0), c(x0 + w, y0 + h), e(x0, y0 + h);

  // The jacket's top and side running back, with its overlapping seams.
  JacketFace(p, Quad(a, b, b + d, a + d), a, a + d, 1);
  JacketFace(p, Quad(b, c, c + d, b + d), b, c, 0);
  p.setPen(QPen(kJacketDark, 1.2));
  for (double s : {0.22, 0.47, 0.72}) {
    p.drawLine(a + d * s, b + d * s);
    p.drawLine(b + d * s, c + d * s);
    p.setPen(QPen(QColor(255, 255, 255, 150), 1.0));
    p.drawLine(a + d * s + QPointF(2, -1), b + d * s + QPointF(2, -1));
    p.setPen(QPen(kJacketDark, 1.2));
  }

  // The cut end: insulation between the jacket and the sheet-metal wall, cold air inside.
  const QRectF outer(a, c);
  const QRectF wall = outer.adjusted(t, t, -t, -t);
  const QRectF air = wall.adjusted(steel, steel, -steel, -steel);
  // Four mitred bands, each hatched along its length as a section through a layer is.
  const auto band = [&](QPointF o1, QPointF o2, QPointF i2, QPointF i1, double direction) {
    QPainterPath path;
    path.addPolygon(QPolygonF({o1, o2, i2, i1}));
    path.closeSubpath();
    InsulationFill(p, path, direction);
  };
  band(outer.topLeft(), outer.topRight(), wall.topRight(), wall.topLeft(), 0);
  band(outer.bottomLeft(), outer.bottomRight(), wall.bottomRight(), wall.bottomLeft(), 0);
  band(outer.topLeft(), outer.bottomLeft(), wall.bottomLeft(), wall.topLeft(), 90);
  band(outer.topRight(), outer.bottomRight(), wall.bottomRight(), wall.topRight(), 90);
  p.setPen(QPen(kJacketDark, 3));
  p.setBrush(Qt::NoBrush);
  p.drawRect(outer);
  p.setPen(Qt::NoPen);
  p.setBrush(kSteel);
  QPainterPath metal;
  metal.addRect(wall);
  metal.addRect(air);
  metal.setFillRule(Qt::OddEvenFill);
  p.drawPath(metal);
  // Looking in: the far part of the duct in shadow, the inner bottom and left faces
  // running back towards it.
  p.setBrush(QColor(0x5d, 0x86, 0xb0));
  p.drawRect(air);
  const QPointF in = d * 0.55;
  p.save();
  p.setClipRect(air);
  QLinearGradient floor(air.bottomLeft(), air.bottomLeft() + in);
  floor.setColorAt(0, kColdAir);
  floor.setColorAt(1, kWaterLight.darker(110));
  p.setBrush(floor);
  p.drawPolygon(
      Quad(air.bottomLeft(), air.bottomRight(), air.bottomRight() + in, air.bottomLeft() + in));
  QLinearGradient side(air.topLeft(), air.topLeft() + in);
  side.setColorAt(0, kColdAir.darker(104));
  side.setColorAt(1, kWaterLight.darker(118));
  p.setBrush(side);
  p.drawPolygon(Quad(air.topLeft(), air.bottomLeft(), air.bottomLeft() + in, air.topLeft() + in));
  p.setPen(QPen(QColor(0x4a, 0x74, 0x9c), 1.2));
  p.drawLine(air.bottomLeft(), air.bottomLeft() + in);
  p.restore();
  // Cold air flowing into the duct.
  for (double f : {0.35, 0.7}) {
    const QPointF from(air.left() + air.width() * (0.12 + 0.2 * f),
                       air.top() + air.height() * (0.25 + f * 0.6));
    Arrow(p, from, from + d * 0.38, 5, QColor(0x1f, 0x5f, 0xa0), 18);
  }
  Label(p, QStringLiteral("Top"), air.topRight() + QPointF(-62, 40), 34, Qt::white);

  // Symbols: the room air, the surface film, the insulation's thickness and conductivity.
  Label(p, QStringLiteral("Tdb, RH"), QPointF(170, 150), 36);
  AirFilm(p, (a + b) / 2 + d * 0.5 + QPointF(-20, -8));
  Label(p, QStringLiteral("ha"), (a + b) / 2 + d * 0.5 + QPointF(48, -50), 30);
  Dimension(p, e, e + QPointF(t, 0), -34, QStringLiteral("t"), 30);
  const QPointF kAt(x0 + t / 2, y0 + h * 0.42);
  p.setPen(QPen(kInk, 1.4));
  p.drawLine(kAt, kAt + QPointF(-30, -70));
  p.setBrush(Qt::white);
  p.drawEllipse(kAt + QPointF(-30, -70), 20, 20);
  Label(p, QStringLiteral("k"), kAt + QPointF(-30, -72), 28);
  Save(img, path);
}

// A section through the insulated cold wall of the equipment: room air, jacket,
// insulation, steel wall, cold medium; the temperature falling from Tdb through the film to
// the surface at the dew point and across the insulation to Top; the heat gain q.
void Equipment(const QString& path) {
  QImage img = NewSheet();
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double top = 110, bottom = 660;
  const double jacket = 300, wallIn = 470, wallOut = 500;
  // Break lines top and bottom: the wall runs on beyond the section.
  const auto broken = [&](double x1, double x2) {
    QPainterPath s;
    s.moveTo(x1, top);
    const double mid = (x1 + x2) / 2;
    s.lineTo(mid - 8, top);
    s.lineTo(mid - 2, top - 12);
    s.lineTo(mid + 4, top + 10);
    s.lineTo(mid + 8, top);
    s.lineTo(x2, top);
    s.lineTo(x2, bottom);
    s.lineTo(mid + 8, bottom);
    s.lineTo(mid + 2, bottom + 12);
    s.lineTo(mid - 4, bottom - 10);
    s.lineTo(mid - 8, bottom);
    s.lineTo(x1, bottom);
    s.closeSubpath();
    return s;
  };
  QLinearGradient medium(wallOut, 0, kWidth, 0);
  medium.setColorAt(0, kWater);
  medium.setColorAt(1, kWaterLight);
  p.setPen(Qt::NoPen);
  p.setBrush(medium);
  p.drawRect(QRectF(wallOut, top, kWidth - wallOut, bottom - top));
  InsulationFill(p, broken(jacket, wallIn), 90, 12);
  p.setBrush(kSteel);
  p.drawPath(broken(wallIn, wallOut));
  p.setPen(QPen(kJacketDark, 4));
  p.drawLine(QPointF(jacket, top), QPointF(jacket, bottom));
  p.setPen(QPen(kInsulationInk, 1.2));
  p.setBrush(Qt::NoBrush);
  p.drawPath(broken(jacket, wallIn));

  // Temperature profile (red): Tdb in the room, the film drop to Ts = Tdp at the surface,
  // the straight fall through the insulation, Top in the medium.
  const double yTdb = 210, yTs = 300, yTop = 560;
  QPainterPath profile;
  profile.moveTo(40, yTdb);
  profile.lineTo(190, yTdb);
  profile.cubicTo(255, yTdb, 285, yTs - 30, jacket, yTs);
  profile.lineTo(wallIn, yTop - 8);
  profile.lineTo(wallOut, yTop);
  profile.lineTo(kWidth - 30, yTop);
  p.setPen(QPen(kHeat, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.drawPath(profile);
  p.setPen(QPen(kHeat, 1.5, Qt::DashLine));
  p.drawLine(QPointF(40, yTs), QPointF(jacket, yTs));
  p.setBrush(kHeat);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(jacket, yTs), 6, 6);
  Label(p, QStringLiteral("Tdb, RH"), QPointF(110, yTdb - 32), 32);
  Label(p, QStringLiteral("Ts = Tdp"), QPointF(150, yTs + 30), 28, kHeat);
  Label(p, QStringLiteral("Top"), QPointF(650, yTop - 34), 34, Qt::white);
  AirFilm(p, QPointF(250, 470), 90);
  Label(p, QStringLiteral("ha"), QPointF(215, 430), 30);

  // The heat gain through one unit of area, from the room into the equipment.
  Arrow(p, QPointF(60, 610), QPointF(740, 610), 9, kHeat, 30);
  Label(p, QStringLiteral("q"), QPointF(110, 580), 36, kHeat);
  Dimension(p, QPointF(jacket, top), QPointF(wallIn, top), 40, QStringLiteral("t"), 30);
  p.setPen(QPen(kInk, 1.4));
  p.setBrush(Qt::white);
  p.drawEllipse(QPointF((jacket + wallIn) / 2, 420), 22, 22);
  Label(p, QStringLiteral("k"), QPointF((jacket + wallIn) / 2, 418), 28);
  Save(img, path);
}

// Tank shell in section: insulation ring between jacket and steel, the water below its
// level, air above, as the given outer and inner outlines.
void TankSection(QPainter& p, const QPainterPath& outer, const QPainterPath& steelOuter,
                 const QPainterPath& inner, double level) {
  QPainterPath ring = outer.subtracted(steelOuter);
  InsulationFill(p, ring, 30);
  p.setPen(Qt::NoPen);
  p.setBrush(kSteel);
  p.drawPath(steelOuter.subtracted(inner));
  p.setBrush(QColor(0xf4, 0xf8, 0xfc));
  p.drawPath(inner);
  const QRectF box = inner.boundingRect();
  QPainterPath below;
  below.addRect(QRectF(box.left(), level, box.width(), box.bottom() - level));
  QLinearGradient water(0, level, 0, box.bottom());
  water.setColorAt(0, kWaterLight);
  water.setColorAt(1, kWater);
  p.setBrush(water);
  p.drawPath(inner.intersected(below));
  p.setPen(QPen(kWater.darker(130), 2));
  const QPainterPath surface = inner.intersected(below);
  const QRectF sb = surface.boundingRect();
  p.drawLine(QPointF(sb.left(), level), QPointF(sb.right(), level));
  p.setPen(QPen(kJacketDark, 3));
  p.setBrush(Qt::NoBrush);
  p.drawPath(outer);
}

void TankBox(const QString& path) {
  QImage img = NewSheet();
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double x0 = 110, y0 = 270, w = 400, h = 330, t = 30, steel = 6;
  const QPointF d(190, -160);
  const QPointF a(x0, y0), b(x0 + w, y0), c(x0 + w, y0 + h), e(x0, y0 + h);
  JacketFace(p, Quad(a, b, b + d, a + d), a, a + d, 1);
  JacketFace(p, Quad(b, c, c + d, b + d), b, c, 0);
  p.setPen(QPen(kJacketDark, 1.2));
  for (double s : {0.33, 0.66}) {
    p.drawLine(a + d * s, b + d * s);
    p.drawLine(b + d * s, c + d * s);
  }
  QPainterPath outer, steelOuter, inner;
  outer.addRect(QRectF(a, c));
  steelOuter.addRect(QRectF(a, c).adjusted(t, t, -t, -t));
  inner.addRect(QRectF(a, c).adjusted(t + steel, t + steel, -t - steel, -t - steel));
  const double level = y0 + t + steel + (h - 2 * (t + steel)) * 0.2;
  TankSection(p, outer, steelOuter, inner, level);
  Waterline(p, QPointF(x0 + w * 0.7, level));
  Label(p, QStringLiteral("Tst \u2192 Tend"), QPointF(x0 + w / 2, y0 + h * 0.62), 30, Qt::white);
  Label(p, QStringLiteral("Tdb"), QPointF(150, 120), 36);
  Dimension(p, e, c, -40, QStringLiteral("W"));
  Dimension(p, a, e, -40, QStringLiteral("H"));
  Dimension(p, c, c + d, -34, QStringLiteral("L"));
  Save(img, path);
}

void TankCylinder(const QString& path) {
  QImage img = NewSheet();
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double cx = 220, cy = 380, rx = 78, ry = 190, length = 450, t = 26, steel = 6;
  const double right = cx + length;
  // Saddles under the shell.
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(QColor(0x9a, 0xa6, 0xb2));
  for (double x : {cx + 120, cx + length - 110}) {
    p.drawPolygon(QPolygonF({QPointF(x - 50, cy + ry - 40), QPointF(x + 50, cy + ry - 40),
                             QPointF(x + 62, cy + ry + 70), QPointF(x - 62, cy + ry + 70)}));
  }
  p.fillRect(QRectF(cx - 40, cy + ry + 70, length + 120, 6), kInk);
  // The shell: a cylinder lit from above.
  QLinearGradient shell(0, cy - ry, 0, cy + ry);
  shell.setColorAt(0, kJacket.darker(104));
  shell.setColorAt(0.28, kJacket.lighter(112));
  shell.setColorAt(1, kJacket.darker(150));
  p.setPen(QPen(kJacketDark, 1.5));
  p.setBrush(shell);
  QPainterPath body;
  body.moveTo(cx, cy - ry);
  body.lineTo(right, cy - ry);
  body.arcTo(QRectF(right - rx, cy - ry, 2 * rx, 2 * ry), 90, -180);
  body.lineTo(cx, cy + ry);
  body.closeSubpath();
  p.drawPath(body);
  p.setPen(QPen(kJacketDark, 1.2));
  p.setBrush(Qt::NoBrush);
  for (double x = cx + 110; x < right; x += 110) {
    p.drawArc(QRectF(x - rx, cy - ry, 2 * rx, 2 * ry), 90 * 16, -180 * 16);
  }
  // The near end cut open.
  QPainterPath outer, steelOuter, inner;
  outer.addEllipse(QPointF(cx, cy), rx, ry);
  steelOuter.addEllipse(QPointF(cx, cy), rx - t * rx / ry, ry - t);
  inner.addEllipse(QPointF(cx, cy), rx - (t + steel) * rx / ry, ry - t - steel);
  const double level = cy - (ry - t - steel) * 0.55;
  TankSection(p, outer, steelOuter, inner, level);
  Waterline(p, QPointF(cx + 10, level));
  Label(p, QStringLiteral("Tdb"), QPointF(120, 105), 36);
  Dimension(p, QPointF(cx, cy - ry), QPointF(right, cy - ry), 46, QStringLiteral("L"));
  Dimension(p, QPointF(cx, cy - ry), QPointF(cx, cy + ry), -(rx + 50), QStringLiteral("D"));
  Save(img, path);
}

void TankSphere(const QString& path) {
  QImage img = NewSheet();
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QPointF c(400, 390);
  const double r = 225, t = 30, steel = 6;
  // Legs to the ground, behind and in front of the sphere.
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(QColor(0x9a, 0xa6, 0xb2));
  for (double x : {-0.78, -0.3, 0.3, 0.78}) {
    p.drawRect(QRectF(c.x() + x * r - 9, c.y() + 40, 18, 700 - c.y() - 40));
  }
  p.fillRect(QRectF(c.x() - r - 40, 700, 2 * r + 80, 6), kInk);
  // The outside: a lit sphere; the right half cut away in section.
  QRadialGradient lit(c + QPointF(-0.35 * r, -0.4 * r), 1.5 * r);
  lit.setColorAt(0, kJacket.lighter(122));
  lit.setColorAt(0.55, kJacket);
  lit.setColorAt(1, kJacket.darker(150));
  p.setPen(QPen(kJacketDark, 1.5));
  p.setBrush(lit);
  p.drawEllipse(c, r, r);
  p.setPen(QPen(kJacketDark, 1.0));
  p.setBrush(Qt::NoBrush);
  for (double k : {0.5, 0.86}) p.drawEllipse(c, r * k, r);
  p.drawLine(c + QPointF(-r, 0), c + QPointF(r, 0));
  QPainterPath half;
  half.addRect(QRectF(c.x(), c.y() - r - 2, r + 2, 2 * r + 4));
  QPainterPath outer, steelOuter, inner;
  outer.addEllipse(c, r, r);
  steelOuter.addEllipse(c, r - t, r - t);
  inner.addEllipse(c, r - t - steel, r - t - steel);
  const double level = c.y() - (r - t - steel) * 0.45;
  TankSection(p, outer.intersected(half), steelOuter.intersected(half), inner.intersected(half),
              level);
  p.setPen(QPen(kJacketDark, 2));
  p.drawLine(QPointF(c.x(), c.y() - r), QPointF(c.x(), c.y() + r));
  Waterline(p, QPointF(c.x() + r * 0.45, level));
  Label(p, QStringLiteral("Tdb"), QPointF(110, 170), 36);
  Dimension(p, c + QPointF(-r, 0), c + QPointF(r, 0), r + 40, QStringLiteral("D"));
  Save(img, path);
}

}  // namespace

void WriteFormPictures(const QString& dir) {
  Duct(dir + "/Duct.jpg");
  Equipment(dir + "/Equipment.jpg");
  TankBox(dir + "/TankBox.jpg");
  TankCylinder(dir + "/TankCylinder.jpg");
  TankSphere(dir + "/TankSphere.jpg");
}
