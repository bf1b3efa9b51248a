// The ten reference projects of the catalogue as architectural sketches: office tower,
// hospital, hotel tower, airport terminal, twin residential towers, shopping mall, data
// centre, university campus, broadcasting tower and district cooling plant.
#include <QPainterPath>
#include <cmath>

#include "document_pictures.h"
#include "sketch.h"

using namespace sketch;

namespace {

const QColor kGlass(0x5d, 0x86, 0xa8), kConcrete(0xd9, 0xd4, 0xca), kFrame(0x3b, 0x44, 0x4d);

// A facade of windows: cols × rows in the rectangle, each with a lit upper corner.
void Windows(QPainter& p, QRectF r, int cols, int rows, QColor glass, double gap = 0.25) {
  const double cw = r.width() / cols, rh = r.height() / rows;
  p.setPen(Qt::NoPen);
  for (int i = 0; i < cols; ++i) {
    for (int j = 0; j < rows; ++j) {
      const QRectF w(r.left() + i * cw + cw * gap / 2, r.top() + j * rh + rh * gap / 2,
                     cw * (1 - gap), rh * (1 - gap));
      QLinearGradient g(w.topLeft(), w.bottomRight());
      g.setColorAt(0, glass.lighter(150));
      g.setColorAt(1, glass.darker(115));
      p.setBrush(g);
      p.drawRect(w);
    }
  }
}

// A block with a lit front face and a darker side face receding to the right.
void Block(QPainter& p, QRectF front, double side, QColor wall) {
  QPolygonF s;
  s << front.topRight() << front.topRight() + QPointF(side, -side * 0.35)
    << front.bottomRight() + QPointF(side, -side * 0.35) << front.bottomRight();
  p.setPen(QPen(wall.darker(150), 1));
  p.setBrush(wall.darker(125));
  p.drawPolygon(s);
  p.setBrush(wall);
  p.drawRect(front);
}

void Tree(QPainter& p, QPointF base, double size) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x6b, 0x4f, 0x33));
  p.drawRect(QRectF(base.x() - size * 0.08, base.y() - size * 0.5, size * 0.16, size * 0.5));
  QRadialGradient g(base + QPointF(-size * 0.15, -size * 0.9), size * 0.7);
  g.setColorAt(0, QColor(0x7c, 0xb3, 0x5a));
  g.setColorAt(1, QColor(0x3b, 0x6e, 0x2e));
  p.setBrush(g);
  p.drawEllipse(base + QPointF(0, -size * 0.75), size * 0.45, size * 0.45);
}

// Sky, a distant skyline, ground; returns the ground line.
double Setting(QPainter& p, QSize s, QColor skyTop, QColor horizon, double groundAt, int seed) {
  Sky(p, QRectF(0, 0, s.width(), groundAt), skyTop, horizon);
  Random rnd(seed);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(horizon.red() * 3 / 4, horizon.green() * 3 / 4, horizon.blue() * 4 / 5, 120));
  for (double x = 0; x < s.width(); x += rnd.range(18, 40)) {
    const double h = rnd.range(15, 60) * s.height() / 340;
    p.drawRect(QRectF(x, groundAt - h, rnd.range(16, 36), h));
  }
  Ground(p, QRectF(0, groundAt, s.width(), s.height() - groundAt), QColor(0x8c, 0x8a, 0x84),
         QColor(0xa8, 0xa5, 0x9c));
  return groundAt;
}

QImage OfficeTower() {
  QImage img = Canvas(400, 340);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double g =
      Setting(p, img.size(), QColor(0x4a, 0x86, 0xc8), QColor(0xc9, 0xe0, 0xf2), 300, 1);
  Block(p, QRectF(60, 150, 70, g - 150), 25, kConcrete);
  Windows(p, QRectF(64, 156, 62, g - 160), 4, 9, kGlass);
  Block(p, QRectF(150, 20, 110, g - 20), 40, QColor(0x7f, 0xa4, 0xc4));
  Windows(p, QRectF(152, 24, 106, g - 26), 8, 28, QColor(0x3f, 0x6f, 0x99), 0.12);
  p.setPen(QPen(QColor(0xe9, 0xee, 0xf2), 2));
  for (int i = 0; i <= 4; ++i) p.drawLine(QPointF(150 + i * 27.5, 20), QPointF(150 + i * 27.5, g));
  Block(p, QRectF(300, 120, 80, g - 120), 15, QColor(0xc4, 0xbd, 0xb0));
  Windows(p, QRectF(304, 126, 72, g - 130), 5, 12, kGlass);
  for (double x : {30.0, 140.0, 285.0, 390.0}) Tree(p, QPointF(x, g + 12), 36);
  return img;
}

QImage Hospital() {
  QImage img = Canvas(400, 340);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double g =
      Setting(p, img.size(), QColor(0x5b, 0x95, 0xcf), QColor(0xd8, 0xe8, 0xf3), 290, 2);
  Block(p, QRectF(20, 140, 300, g - 140), 50, QColor(0xee, 0xec, 0xe6));
  Windows(p, QRectF(26, 150, 288, g - 190), 16, 5, kGlass);
  Block(p, QRectF(120, 80, 110, 60), 20, QColor(0xee, 0xec, 0xe6));
  Windows(p, QRectF(124, 86, 102, 50), 6, 3, kGlass);
  // Entrance canopy and the sign.
  p.setBrush(QColor(0x2f, 0x6d, 0x9a));
  p.drawRect(QRectF(140, g - 40, 80, 8));
  p.setBrush(QColor(0x6d, 0x7b, 0x88));
  p.drawRect(QRectF(155, g - 32, 50, 32));
  p.setBrush(QColor(0x1f, 0x5f, 0xbf));
  p.drawRoundedRect(QRectF(250, 95, 34, 34), 5, 5);
  Caption(p, QRectF(250, 95, 34, 34), "H", 24, Qt::white, Qt::AlignCenter, true);
  for (double x : {30.0, 80.0, 330.0, 380.0}) Tree(p, QPointF(x, g + 14), 40);
  return img;
}

QImage HotelTower() {
  QImage img = Canvas(400, 560);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double g =
      Setting(p, img.size(), QColor(0x2c, 0x4f, 0x8c), QColor(0xf3, 0xb9, 0x7a), 520, 3);
  Block(p, QRectF(130, 70, 120, g - 70), 35, QColor(0xe8, 0xdd, 0xc8));
  Windows(p, QRectF(134, 80, 112, g - 120), 6, 40, QColor(0xf7, 0xd9, 0x8f), 0.3);
  // Balcony lines and the crown.
  p.setPen(QPen(QColor(0xb8, 0xa8, 0x8c), 1.2));
  for (double y = 80; y < g - 40; y += (g - 120) / 40.0)
    p.drawLine(QPointF(130, y), QPointF(250, y));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0xc9, 0xb3, 0x8a));
  QPolygonF crown;
  crown << QPointF(130, 70) << QPointF(190, 15) << QPointF(250, 70);
  p.drawPolygon(crown);
  p.setBrush(QColor(0x6d, 0x5a, 0x40));
  p.drawRect(QRectF(160, g - 40, 60, 40));
  Block(p, QRectF(20, 330, 80, g - 330), 15, QColor(0x8d, 0x86, 0x7d));
  Windows(p, QRectF(24, 336, 72, g - 340), 4, 10, QColor(0xf2, 0xc8, 0x7a));
  Block(p, QRectF(300, 290, 80, g - 290), 10, QColor(0x7d, 0x79, 0x74));
  Windows(p, QRectF(304, 296, 72, g - 300), 4, 12, QColor(0xf2, 0xc8, 0x7a));
  return img;
}

QImage Airport() {
  QImage img = Canvas(800, 340);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double g =
      Setting(p, img.size(), QColor(0x3f, 0x7f, 0xc5), QColor(0xd4, 0xe6, 0xf4), 260, 4);
  // Terminal under a curved roof.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x9f, 0xb8, 0xcc));
  p.drawRect(QRectF(60, 170, 600, g - 170));
  Windows(p, QRectF(64, 176, 592, g - 180), 30, 3, QColor(0x4e, 0x78, 0x9c), 0.1);
  QPainterPath roof(QPointF(40, 175));
  roof.cubicTo(QPointF(250, 110), QPointF(470, 110), QPointF(680, 175));
  roof.lineTo(QPointF(680, 185));
  roof.cubicTo(QPointF(470, 125), QPointF(250, 125), QPointF(40, 185));
  roof.closeSubpath();
  p.setBrush(QColor(0xe8, 0xea, 0xec));
  p.drawPath(roof);
  // Control tower.
  p.setBrush(QColor(0xd8, 0xd4, 0xcc));
  p.drawRect(QRectF(710, 90, 26, g - 90));
  p.setBrush(QColor(0x4e, 0x78, 0x9c));
  p.drawRoundedRect(QRectF(698, 66, 50, 28), 6, 6);
  // An aircraft at the stand.
  p.setBrush(QColor(0xf4, 0xf4, 0xf4));
  QPainterPath plane(QPointF(300, 300));
  plane.cubicTo(QPointF(320, 288), QPointF(520, 286), QPointF(560, 292));
  plane.lineTo(QPointF(600, 270));
  plane.lineTo(QPointF(612, 270));
  plane.lineTo(QPointF(590, 300));
  plane.cubicTo(QPointF(520, 312), QPointF(330, 312), QPointF(300, 300));
  p.drawPath(plane);
  p.setBrush(QColor(0xc4, 0xc8, 0xcc));
  QPolygonF wing;
  wing << QPointF(420, 298) << QPointF(470, 330) << QPointF(495, 330) << QPointF(470, 298);
  p.drawPolygon(wing);
  p.setBrush(QColor(0x1f, 0x5f, 0xbf));
  p.drawRect(QRectF(340, 295, 230, 3));
  return img;
}

QImage TwinTowers() {
  QImage img = Canvas(400, 560);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double g =
      Setting(p, img.size(), QColor(0x55, 0x90, 0xcc), QColor(0xe4, 0xee, 0xf4), 520, 5);
  for (int i = 0; i < 2; ++i) {
    const double x = 60 + i * 160;
    Block(p, QRectF(x, 80 + i * 30, 100, g - 80 - i * 30), 28, QColor(0xea, 0xe3, 0xd6));
    Windows(p, QRectF(x + 4, 88 + i * 30, 92, g - 100 - i * 30), 5, 36, kGlass, 0.35);
    p.setPen(QPen(QColor(0xbd, 0xb2, 0x9f), 1.2));
    for (double y = 88 + i * 30; y < g - 12; y += 16)
      p.drawLine(QPointF(x, y), QPointF(x + 100, y));
    p.setPen(Qt::NoPen);
  }
  for (double x : {30.0, 200.0, 370.0}) Tree(p, QPointF(x, g + 14), 44);
  return img;
}

QImage Mall() {
  QImage img = Canvas(400, 340);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double g =
      Setting(p, img.size(), QColor(0x4d, 0x8c, 0xcf), QColor(0xd9, 0xe9, 0xf5), 270, 6);
  Block(p, QRectF(15, 150, 340, g - 150), 30, QColor(0xe3, 0xd5, 0xbf));
  p.setBrush(QColor(0xa6, 0x4b, 0x2a));
  p.drawRect(QRectF(15, 140, 340, 12));
  // Glass atrium over the entrance.
  QPainterPath dome(QPointF(130, 150));
  dome.cubicTo(QPointF(140, 80), QPointF(230, 80), QPointF(240, 150));
  p.setBrush(QColor(0x7f, 0xb1, 0xd6));
  p.drawPath(dome);
  Windows(p, QRectF(130, 170, 110, g - 170), 5, 2, QColor(0x3f, 0x6f, 0x99), 0.08);
  Windows(p, QRectF(25, 175, 95, 40), 4, 1, kGlass);
  Windows(p, QRectF(250, 175, 95, 40), 4, 1, kGlass);
  // Cars in the car park.
  Random rnd(66);
  for (int i = 0; i < 7; ++i) {
    p.setBrush(QColor::fromHsv(int(rnd.range(0, 359)), 150, 200));
    p.drawRoundedRect(QRectF(20 + i * 52, 300, 38, 16), 5, 5);
  }
  return img;
}

QImage DataCentre() {
  QImage img = Canvas(400, 340);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double g =
      Setting(p, img.size(), QColor(0x6a, 0x8f, 0xb4), QColor(0xdd, 0xe5, 0xec), 280, 7);
  Block(p, QRectF(30, 150, 300, g - 150), 40, QColor(0xcf, 0xd3, 0xd6));
  // Louvres and the roof-top coolers.
  p.setPen(QPen(QColor(0x9a, 0xa0, 0xa6), 2));
  for (double y = 165; y < g - 20; y += 8) p.drawLine(QPointF(45, y), QPointF(190, y));
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 5; ++i) {
    p.setBrush(QColor(0x8f, 0x96, 0x9d));
    p.drawRect(QRectF(50 + i * 55, 128, 45, 22));
    p.setBrush(QColor(0x4a, 0x50, 0x56));
    p.drawEllipse(QPointF(72 + i * 55, 128), 16, 4);
  }
  p.setBrush(QColor(0x5a, 0x64, 0x6e));
  p.drawRect(QRectF(230, g - 50, 50, 50));
  p.setPen(QPen(QColor(0x70, 0x74, 0x78), 1.5));
  for (double x = 0; x < 400; x += 10) p.drawLine(QPointF(x, g + 20), QPointF(x, g + 45));
  p.drawLine(QPointF(0, g + 22), QPointF(400, g + 22));
  return img;
}

QImage Campus() {
  QImage img = Canvas(400, 340);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double g =
      Setting(p, img.size(), QColor(0x5a, 0x96, 0xd0), QColor(0xe2, 0xee, 0xf6), 285, 8);
  // Classical hall with columns and pediment.
  const QColor stone(0xe9, 0xe1, 0xcf);
  p.setPen(Qt::NoPen);
  p.setBrush(stone);
  p.drawRect(QRectF(30, 160, 200, g - 160));
  QPolygonF ped;
  ped << QPointF(20, 162) << QPointF(130, 110) << QPointF(240, 162);
  p.drawPolygon(ped);
  p.setBrush(stone.darker(115));
  for (int i = 0; i < 7; ++i) p.drawRect(QRectF(42 + i * 28, 175, 12, g - 190));
  p.drawRect(QRectF(25, g - 15, 210, 15));
  // Modern laboratory block behind.
  Block(p, QRectF(255, 110, 120, g - 110), 15, QColor(0xb9, 0xc3, 0xcb));
  Windows(p, QRectF(258, 116, 114, g - 120), 6, 10, kGlass, 0.15);
  for (double x : {15.0, 245.0}) Tree(p, QPointF(x, g + 10), 42);
  return img;
}

QImage BroadcastTower() {
  QImage img = Canvas(400, 560);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double g =
      Setting(p, img.size(), QColor(0x2e, 0x64, 0xaa), QColor(0xcd, 0xe1, 0xf1), 525, 9);
  p.setPen(Qt::NoPen);
  QPolygonF shaft;
  shaft << QPointF(180, g) << QPointF(190, 140) << QPointF(210, 140) << QPointF(220, g);
  QLinearGradient sg(180, 0, 220, 0);
  sg.setColorAt(0, QColor(0xe8, 0xe6, 0xe0));
  sg.setColorAt(1, QColor(0xa8, 0xa4, 0x9c));
  p.setBrush(sg);
  p.drawPolygon(shaft);
  // Observation pod and antenna.
  p.setBrush(QColor(0xd2, 0xd0, 0xca));
  p.drawEllipse(QRectF(150, 150, 100, 40));
  p.setBrush(QColor(0x3f, 0x6f, 0x99));
  p.drawRect(QRectF(152, 160, 96, 14));
  p.setBrush(QColor(0xc9, 0x2f, 0x25));
  p.drawRect(QRectF(197, 20, 6, 125));
  p.setBrush(QColor(0xf2, 0xf2, 0xf2));
  for (double y = 30; y < 140; y += 22) p.drawRect(QRectF(197, y, 6, 10));
  Block(p, QRectF(40, 430, 90, g - 430), 12, QColor(0xc7, 0xc1, 0xb5));
  Windows(p, QRectF(44, 436, 82, g - 440), 5, 5, kGlass);
  Block(p, QRectF(270, 410, 100, g - 410), 12, QColor(0xb2, 0xae, 0xa6));
  Windows(p, QRectF(274, 416, 92, g - 420), 6, 7, kGlass);
  return img;
}

QImage CoolingPlant() {
  QImage img = Canvas(400, 340);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double g =
      Setting(p, img.size(), QColor(0x58, 0x8c, 0xc2), QColor(0xdc, 0xe7, 0xef), 280, 10);
  Block(p, QRectF(20, 170, 230, g - 170), 30, QColor(0xc9, 0xc4, 0xb8));
  Windows(p, QRectF(26, 180, 218, 40), 10, 2, kGlass);
  // Cooling towers on the roof with their fans.
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 4; ++i) {
    p.setBrush(QColor(0x7a, 0x86, 0x92));
    p.drawRect(QRectF(30 + i * 55, 130, 48, 40));
    p.setPen(QPen(QColor(0x5c, 0x66, 0x70), 1.5));
    for (double y = 136; y < 168; y += 5)
      p.drawLine(QPointF(32 + i * 55, y), QPointF(76 + i * 55, y));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x3c, 0x44, 0x4c));
    p.drawEllipse(QPointF(54 + i * 55, 130), 18, 5);
  }
  // Insulated distribution mains leaving the plant.
  const Insulation look = Polyurethane();
  Cylinder(p, QPointF(250, 240), QPointF(400, 240), 11, look.foam);
  Cylinder(p, QPointF(250, 266), QPointF(400, 266), 11, look.foam);
  Arrow(p, QPointF(300, 222), QPointF(370, 222), QColor(0x1f, 0x5f, 0xbf), 3);
  return img;
}

}  // namespace

void ReferencePictures(const QString& dir) {
  const QImage pictures[10] = {OfficeTower(),    Hospital(),    HotelTower(), Airport(),
                               TwinTowers(),     Mall(),        DataCentre(), Campus(),
                               BroadcastTower(), CoolingPlant()};
  for (int k = 0; k < 10; ++k)
    SaveJpeg(pictures[k], dir + QStringLiteral("/WW_B%1.jpg").arg(k + 1));
}
