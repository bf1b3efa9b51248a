// The product and application pictures of the catalogue's first three chapters: the
// product family, six applications, the closed-cell structure and water beading on the
// surface. The second brand's variants show its jacketed rigid sections.
#include <QPainterPath>
#include <cmath>
#include <vector>

#include "document_pictures.h"
#include "sketch.h"

using namespace sketch;

namespace {

// C1_1: the product family on a studio background.
QImage Family(bool second) {
  QImage img = Canvas(660, 480);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  Studio(p, img.rect(), QColor(0xdc, 0xe4, 0xec), QColor(0xfb, 0xfc, 0xfd));
  // Floor shadow.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 28));
  p.drawEllipse(QPointF(320, 400), 300, 40);
  const Insulation look = ForBrand(second);
  const QColor bore = look.cut.darker(230);
  const QPointF dir(1, -0.3);
  struct Tube {
    double x, y, len, r, bore;
  };
  // A pile: three at the bottom, two on them, one on top; sizes from large to small.
  const Tube tubes[] = {{40, 380, 420, 46, 24},
                        {80, 300, 430, 38, 16},
                        {150, 235, 390, 30, 12},
                        {60, 440, 470, 40, 20},
                        {110, 360, 420, 34, 14}};
  std::uint32_t seed = second ? 900 : 100;
  for (const Tube& t : tubes) {
    const QPointF a(t.x, t.y);
    InsulatedPipe(p, a, a + dir * t.len, t.r, t.bore, look, bore, 0, ++seed);
  }
  if (second) {
    // A slab with its foil face, and a roll of foil tape.
    QPolygonF top, front;
    top << QPointF(430, 300) << QPointF(620, 250) << QPointF(650, 275) << QPointF(460, 325);
    front << QPointF(460, 325) << QPointF(650, 275) << QPointF(650, 305) << QPointF(460, 355);
    p.setBrush(QColor(0xd0, 0xd4, 0xd8));
    p.drawPolygon(top);
    p.setBrush(QColor(0xe3, 0xc2, 0x52));
    p.drawPolygon(front);
    EndEllipse(p, QPointF(560, 420), QPointF(1, 0), 34, 0.45, QColor(0xb8, 0xbe, 0xc4),
               QColor(0x80, 0x86, 0x8c));
    EndEllipse(p, QPointF(560, 420), QPointF(1, 0), 14, 0.45, QColor(0x8a, 0x6a, 0x3a));
  } else {
    // A roll of sheet with its spiral end, and a can of adhesive.
    Cylinder(p, QPointF(470, 300), QPointF(560, 272), 42, look.foam);
    EndEllipse(p, QPointF(560, 272), QPointF(1, -0.3), 42, 0.34, look.cut, look.cut.darker(150));
    p.setPen(QPen(look.cell.lighter(130), 1.4));
    p.setBrush(Qt::NoBrush);
    for (int i = 1; i <= 5; ++i) {
      p.save();
      p.translate(560, 272);
      p.rotate(std::atan2(-0.3, 1) * 180 / M_PI);
      p.drawEllipse(QPointF(0, 0), 42 * 0.34 * i / 6, 42.0 * i / 6);
      p.restore();
    }
    const QRectF can(545, 330, 80, 100);
    QLinearGradient g(can.topLeft(), can.topRight());
    g.setColorAt(0, QColor(0x8c, 0x1d, 0x1d));
    g.setColorAt(0.35, QColor(0xd8, 0x4b, 0x3c));
    g.setColorAt(1, QColor(0x6e, 0x14, 0x14));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawRect(can);
    p.setBrush(QColor(0xb0, 0xb4, 0xb8));
    p.drawEllipse(QPointF(585, 330), 40, 9);
    p.setBrush(QColor(0xf2, 0xf2, 0xf2));
    p.drawRect(QRectF(550, 360, 70, 34));
    Caption(p, QRectF(550, 360, 70, 20), "QORALINE", 11, QColor(0x8c, 0x1d, 0x1d), Qt::AlignCenter,
            true);
    Caption(p, QRectF(550, 376, 70, 16), "adhesive", 10, kInk);
  }
  return img;
}

// The room of an application sketch: a light wall and a ceiling slab.
void Room(QPainter& p, int w, int h) {
  Studio(p, QRectF(0, 0, w, h), QColor(0xf2, 0xf4, 0xf6), QColor(0xe2, 0xe6, 0xea));
  p.fillRect(QRectF(0, 0, w, 26), QColor(0xa9, 0xad, 0xb1));
  p.setPen(QPen(QColor(0x8d, 0x91, 0x95), 1));
  for (int x = -30; x < w; x += 12) p.drawLine(x, 26, x + 26, 0);
}

void Hanger(QPainter& p, double x, double y, double r) {
  p.setPen(QPen(QColor(0x55, 0x5a, 0x60), 3));
  p.drawLine(QPointF(x, 26), QPointF(x, y - r));
  p.setPen(QPen(QColor(0x55, 0x5a, 0x60), 4));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(x - r - 2, y - r - 2, 2 * r + 4, 2 * r + 4), 200 * 16, 140 * 16);
}

QImage Application(int k, bool second) {
  QImage img = Canvas(300, 300);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  Room(p, 300, 300);
  const Insulation look = ForBrand(second);
  const QColor blue(0x1f, 0x5f, 0xbf), red(0xc8, 0x32, 0x22);
  switch (k) {
    case 1: {  // chilled water supply and return under the slab
      for (int i = 0; i < 2; ++i) {
        const double y = 110 + i * 80;
        Hanger(p, 120, y, 24);
        InsulatedPipe(p, QPointF(-10, y), QPointF(230, y + 24), 24, 12, look, kSteel, 28, 11 + i);
        Arrow(p, QPointF(40, y + 44), QPointF(110, y + 51), blue);
      }
      Caption(p, QRectF(0, 250, 300, 24), "CHW supply 7 °C / return 12 °C", 13, kInk);
      break;
    }
    case 2: {  // a boiler feeding two hot water lines
      p.setPen(Qt::NoPen);
      QLinearGradient g(20, 0, 110, 0);
      g.setColorAt(0, QColor(0x9b, 0x25, 0x1b));
      g.setColorAt(0.4, QColor(0xd4, 0x4c, 0x35));
      g.setColorAt(1, QColor(0x8a, 0x20, 0x18));
      p.setBrush(g);
      p.drawRoundedRect(QRectF(20, 110, 90, 150), 8, 8);
      p.setBrush(QColor(0x30, 0x30, 0x30));
      p.drawRect(QRectF(40, 200, 50, 30));
      p.setBrush(QColor(0xff, 0xa5, 0x3a));
      p.drawEllipse(QPointF(65, 215), 12, 8);
      for (int i = 0; i < 2; ++i) {
        const double y = 120 + i * 60;
        InsulatedPipe(p, QPointF(110, y), QPointF(270, y + 16), 20, 10, look, kSteel, 22, 21 + i);
        Arrow(p, QPointF(150, y + 34), QPointF(215, y + 41),
              i == 0 ? red : QColor(0xe0, 0x80, 0x40));
      }
      Caption(p, QRectF(110, 250, 190, 24), "flow 80 °C / return 60 °C", 13, kInk);
      break;
    }
    case 3: {  // an insulated rectangular duct
      const QColor face = look.jacket ? QColor(0xc9, 0xcd, 0xd1) : look.foam;
      QPolygonF front, top, side;
      front << QPointF(40, 110) << QPointF(150, 110) << QPointF(150, 200) << QPointF(40, 200);
      top << QPointF(40, 110) << QPointF(150, 110) << QPointF(290, 60) << QPointF(180, 60);
      side << QPointF(150, 110) << QPointF(290, 60) << QPointF(290, 150) << QPointF(150, 200);
      p.setPen(QPen(face.darker(150), 1.5));
      p.setBrush(face.lighter(130));
      p.drawPolygon(top);
      p.setBrush(face);
      p.drawPolygon(side);
      // The cut end: insulation around the sheet-metal duct.
      p.setBrush(look.cut);
      p.drawPolygon(front);
      p.setBrush(QColor(0xb8, 0xbe, 0xc4));
      p.drawRect(QRectF(52, 122, 86, 66));
      p.setBrush(QColor(0x4a, 0x55, 0x60));
      p.drawRect(QRectF(56, 126, 78, 58));
      p.setPen(QPen(face.darker(170), 1));
      for (int i = 1; i < 4; ++i) {
        const double t = i / 4.0;
        p.drawLine(QPointF(150 + 140 * t, 110 - 50 * t), QPointF(150 + 140 * t, 200 - 50 * t));
      }
      Arrow(p, QPointF(20, 240), QPointF(120, 240), blue, 4);
      Caption(p, QRectF(130, 226, 170, 30), "supply air 13 °C", 13, kInk,
              Qt::AlignLeft | Qt::AlignVCenter);
      break;
    }
    case 4: {  // refrigerant lines from the outdoor unit up the wall to the indoor unit
      p.setPen(QPen(QColor(0x90, 0x96, 0x9c), 1.5));
      p.setBrush(QColor(0xe9, 0xeb, 0xee));
      p.drawRoundedRect(QRectF(130, 50, 150, 50), 8, 8);
      p.drawLine(QPointF(140, 88), QPointF(270, 88));
      p.drawRoundedRect(QRectF(15, 195, 110, 85), 4, 4);
      p.setBrush(QColor(0x9a, 0xa0, 0xa6));
      p.drawEllipse(QPointF(58, 237), 30, 30);
      p.setPen(QPen(QColor(0x60, 0x66, 0x6c), 1));
      for (int i = 0; i < 6; ++i) p.drawLine(QPointF(30, 220 + 6 * i), QPointF(86, 220 + 6 * i));
      // Liquid line: bare copper. Suction line: insulated. Rounded joints at the bends.
      const QPointF liquid[] = {{125, 250}, {170, 250}, {170, 100}};
      const QPointF suction[] = {{125, 225}, {150, 225}, {150, 100}};
      for (int i = 0; i < 2; ++i) Cylinder(p, liquid[i], liquid[i + 1], 4, kCopper);
      p.setBrush(kCopper);
      p.drawEllipse(liquid[1], 4, 4);
      for (int i = 0; i < 2; ++i) Cylinder(p, suction[i], suction[i + 1], 10, look.foam);
      p.setBrush(look.foam);
      p.drawEllipse(suction[1], 10, 10);
      Label(p, QPointF(150, 170), QPointF(200, 160), "suction line", 12);
      Label(p, QPointF(170, 205), QPointF(200, 200), "liquid line", 12);
      Caption(p, QRectF(130, 56, 150, 26), "indoor unit", 12, kInk);
      Caption(p, QRectF(15, 280, 110, 18), "outdoor unit", 12, kInk);
      break;
    }
    case 5: {  // a vertical tank clad with insulation
      const QColor face = look.jacket ? QColor(0xc9, 0xcd, 0xd1) : look.foam;
      p.fillRect(QRectF(0, 268, 300, 32), QColor(0xb6, 0xb0, 0xa6));
      QLinearGradient g(80, 0, 220, 0);
      g.setColorAt(0, face.darker(140));
      g.setColorAt(0.3, face.lighter(150));
      g.setColorAt(1, face.darker(200));
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawRect(QRectF(80, 70, 140, 180));
      p.drawEllipse(QRectF(80, 240, 140, 30));
      p.setBrush(face.lighter(120));
      p.drawEllipse(QRectF(80, 55, 140, 30));
      p.setPen(QPen(face.darker(170), 1));
      for (int i = 1; i < 5; ++i) p.drawLine(QPointF(80 + 28 * i, 78), QPointF(80 + 28 * i, 262));
      InsulatedPipe(p, QPointF(222, 200), QPointF(290, 200), 14, 7, look, kSteel, 0, 51);
      InsulatedPipe(p, QPointF(78, 120), QPointF(10, 120), 14, 7, look, kSteel, 0, 52);
      Caption(p, QRectF(80, 140, 140, 30), "5 m³", 16, face.lightness() > 120 ? kInk : Qt::white);
      break;
    }
    default: {  // a pump with its motor, valves and insulated pipes
      p.fillRect(QRectF(0, 250, 300, 50), QColor(0xb6, 0xb0, 0xa6));
      p.setPen(Qt::NoPen);
      p.setBrush(QColor(0x70, 0x76, 0x7c));
      p.drawRect(QRectF(60, 230, 190, 20));
      Cylinder(p, QPointF(150, 190), QPointF(245, 190), 34, QColor(0x2f, 0x6d, 0x9a));
      EndEllipse(p, QPointF(245, 190), QPointF(1, 0), 34, 0.3, QColor(0x3b, 0x7d, 0xab));
      // The pump body, wrapped in insulation cut from sheet.
      const QColor face = look.jacket ? QColor(0xc9, 0xcd, 0xd1) : look.foam;
      p.setBrush(face);
      p.drawEllipse(QPointF(115, 190), 46, 46);
      p.setBrush(look.cut);
      p.drawEllipse(QPointF(115, 190), 20, 20);
      InsulatedPipe(p, QPointF(115, 146), QPointF(115, 40), 18, 9, look, kSteel, 0, 61);
      InsulatedPipe(p, QPointF(70, 200), QPointF(5, 200), 18, 9, look, kSteel, 0, 62);
      p.setBrush(face.lighter(125));
      p.drawRoundedRect(QRectF(93, 80, 44, 36), 5, 5);
      Arrow(p, QPointF(150, 120), QPointF(150, 60), QColor(0x1f, 0x5f, 0xbf));
      break;
    }
  }
  return img;
}

// C3_1: the closed cells, about fifty times enlarged: the walls of a Voronoi pattern, the
// cell faces shaded by their distance from the wall.
QImage Cells() {
  const int w = 560, h = 400;
  QImage img(w, h, QImage::Format_RGB32);
  Random rnd(3131);
  std::vector<QPointF> seeds;
  const double cell = 34;
  for (double y = -cell; y < h + cell; y += cell * 0.86) {
    for (double x = -cell; x < w + cell; x += cell) {
      seeds.emplace_back(x + rnd.range(-12, 12) + (int(y / cell) % 2) * cell / 2,
                         y + rnd.range(-10, 10));
    }
  }
  for (int y = 0; y < h; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) {
      double d1 = 1e9, d2 = 1e9;
      for (const QPointF& s : seeds) {
        const double dx = s.x() - x, dy = s.y() - y;
        if (std::fabs(dx) > 80 || std::fabs(dy) > 80) continue;
        const double d = dx * dx + dy * dy;
        if (d < d1) {
          d2 = d1;
          d1 = d;
        } else if (d < d2) {
          d2 = d;
        }
      }
      const double edge = std::sqrt(d2) - std::sqrt(d1);  // twice the distance to the wall
      const double wall = std::clamp(edge / 3.2, 0.0, 1.0);
      const double depth = std::clamp(edge / 30.0, 0.0, 1.0);
      const int v = int(70 + 150 * wall - 95 * depth * depth + 25 * (1 - wall));
      const int c = std::clamp(v, 30, 235);
      line[x] = qRgb(c, c, std::min(255, c + 6));
    }
  }
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(QRectF(w - 170, h - 44, 150, 28), QColor(255, 255, 255, 210));
  p.fillRect(QRectF(w - 160, h - 26, 100, 5), kInk);
  Caption(p, QRectF(w - 55, h - 44, 50, 28), "1 mm", 13, kInk);
  return img;
}

// C3_2: water beading on the surface of the insulation.
QImage Beading() {
  QImage img = Canvas(260, 200);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  Studio(p, img.rect(), QColor(0x50, 0x54, 0x58), QColor(0x26, 0x28, 0x2b));
  Random rnd(3232);
  for (int i = 0; i < 26; ++i) {
    const double x = rnd.range(10, 250), y = rnd.range(15, 190);
    const double r = rnd.range(4, 13) * (0.6 + y / 300);
    QRadialGradient g(QPointF(x - r * 0.35, y - r * 0.4), r * 1.3);
    g.setColorAt(0, QColor(0xf4, 0xfa, 0xff, 240));
    g.setColorAt(0.3, QColor(0x9c, 0xb8, 0xd0, 200));
    g.setColorAt(1, QColor(0x34, 0x48, 0x5c, 170));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 60));
    p.drawEllipse(QPointF(x + r * 0.25, y + r * 0.35), r, r * 0.8);
    p.setBrush(g);
    p.drawEllipse(QPointF(x, y), r, r * 0.82);
  }
  return img;
}

}  // namespace

void ProductPictures(const QString& dir) {
  SaveJpeg(Family(false), dir + "/C1_1.jpg");
  SaveJpeg(Family(true), dir + "/C1_1C.jpg");
  for (int k = 1; k <= 6; ++k) {
    SaveJpeg(Application(k, false), dir + QStringLiteral("/C2_%1.jpg").arg(k));
    SaveJpeg(Application(k, true), dir + QStringLiteral("/C2_%1C.jpg").arg(k));
  }
  SaveJpeg(Cells(), dir + "/C3_1.jpg");
  SaveJpeg(Beading(), dir + "/C3_2.jpg");
}
