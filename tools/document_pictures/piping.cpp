// The pictures of the hot and chilled water chapters: a boiler room, the temperature
// profiles across an insulated pipe (computed with the program's own routines), a bare
// pipe sweating next to an insulated one, and the detail of a pipe support.
#include <QPainterPath>
#include <cmath>

#include "document_pictures.h"
#include "engine/calc_context.h"
#include "engine/psychro.h"
#include "engine/surface.h"
#include "engine/thickness.h"
#include "sketch.h"

using namespace sketch;
using qora::Real;

namespace {

// A straight run of insulated pipe seen from the side, with rounded joints at its ends.
void Run(QPainter& p, QPointF a, QPointF b, double r, const Insulation& look) {
  Cylinder(p, a, b, r, look.foam);
  p.setPen(Qt::NoPen);
  p.setBrush(look.foam.darker(110));
  p.drawEllipse(a, r, r);
  p.drawEllipse(b, r, r);
}

// C5_1: a boiler room: boiler, flow and return mains with a pump, insulated throughout.
QImage BoilerRoom() {
  QImage img = Canvas(560, 400);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  Studio(p, img.rect(), QColor(0xee, 0xf0, 0xf2), QColor(0xda, 0xdd, 0xe0));
  p.fillRect(QRectF(0, 340, 560, 60), QColor(0xb3, 0xae, 0xa5));
  const Insulation look = Elastomer();
  // Boiler.
  QLinearGradient g(40, 0, 190, 0);
  g.setColorAt(0, QColor(0x8e, 0x22, 0x19));
  g.setColorAt(0.35, QColor(0xd6, 0x4f, 0x38));
  g.setColorAt(1, QColor(0x7c, 0x1c, 0x15));
  p.setPen(Qt::NoPen);
  p.setBrush(g);
  p.drawRoundedRect(QRectF(40, 150, 150, 190), 10, 10);
  p.setBrush(QColor(0x2c, 0x2c, 0x2c));
  p.drawRoundedRect(QRectF(70, 250, 90, 50), 4, 4);
  p.setBrush(QColor(0xff, 0xae, 0x42));
  p.drawEllipse(QPointF(115, 275), 22, 12);
  Caption(p, QRectF(40, 160, 150, 30), "BOILER", 16, Qt::white, Qt::AlignCenter, true);
  // Flow main: up from the boiler, across to the right; return below it with the pump.
  Run(p, QPointF(90, 150), QPointF(90, 70), 15, look);
  Run(p, QPointF(90, 70), QPointF(530, 70), 15, look);
  Run(p, QPointF(150, 150), QPointF(150, 125), 15, look);
  Run(p, QPointF(150, 125), QPointF(530, 125), 15, look);
  p.setBrush(QColor(0x2f, 0x6d, 0x9a));
  p.drawEllipse(QPointF(330, 125), 26, 26);
  Cylinder(p, QPointF(330, 125), QPointF(330, 190), 14, QColor(0x2f, 0x6d, 0x9a));
  p.setBrush(QColor(0x70, 0x76, 0x7c));
  p.drawRect(QRectF(300, 190, 60, 12));
  // Valves: insulated boxes on the mains.
  p.setBrush(look.foam.lighter(140));
  p.drawRoundedRect(QRectF(230, 52, 34, 36), 5, 5);
  p.drawRoundedRect(QRectF(430, 107, 34, 36), 5, 5);
  Arrow(p, QPointF(300, 40), QPointF(400, 40), QColor(0xc8, 0x32, 0x22), 4);
  Arrow(p, QPointF(460, 165), QPointF(380, 165), QColor(0xe0, 0x80, 0x40), 4);
  Caption(p, QRectF(405, 26, 150, 28), "flow 80 °C", 14, kInk, Qt::AlignLeft | Qt::AlignVCenter);
  Caption(p, QRectF(400, 180, 150, 28), "return 60 °C", 14, kInk, Qt::AlignLeft | Qt::AlignVCenter);
  Label(p, QPointF(500, 136), QPointF(470, 280), "QORALINE tube", 14);
  Label(p, QPointF(340, 180), QPointF(370, 250), "circulating pump", 14);
  return img;
}

struct Profile {
  Real tLine, tAmbient, tSurface, r1, r2;  // °C, mm
  Real dewPoint = -1000;                   // drawn when set
};

// The temperature across the wall: water, pipe wall, insulation, the film of air. The
// insulation follows t(r) = tl + (ts − tl)·ln(r/r1)/ln(r2/r1).
QImage ProfilePicture(int w, int h, const Profile& pr, const Insulation& look, QColor water,
                      const char* title) {
  QImage img = Canvas(w, h);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double left = 70, right = w - 20, bandTop = 40, bandBottom = 120;
  const double top = 150, bottom = h - 60;
  const double film = (pr.r2 - pr.r1) * 0.35;  // the air film drawn as a zone of this width
  const double rMax = pr.r2 + film;
  auto X = [&](double r) { return left + (right - left) * r / rMax; };
  const double tLo = std::min({pr.tLine, pr.tAmbient, pr.dewPoint > -999 ? pr.dewPoint : 1e9}) - 5;
  const double tHi = std::max(pr.tLine, pr.tAmbient) + 5;
  auto Y = [&](double t) { return bottom - (bottom - top) * (t - tLo) / (tHi - tLo); };
  Caption(p, QRectF(0, 6, w, 28), title, 17, kInk, Qt::AlignCenter, true);
  // The layers as bands over the chart.
  const double wall = pr.r1 * 0.1;
  p.setPen(Qt::NoPen);
  p.fillRect(QRectF(X(0), bandTop, X(pr.r1 - wall) - X(0), bandBottom - bandTop), water);
  p.fillRect(QRectF(X(pr.r1 - wall), bandTop, X(pr.r1) - X(pr.r1 - wall), bandBottom - bandTop),
             kSteel);
  p.fillRect(QRectF(X(pr.r1), bandTop, X(pr.r2) - X(pr.r1), bandBottom - bandTop), look.cut);
  FoamCells(p, QPointF((X(pr.r1) + X(pr.r2)) / 2, (bandTop + bandBottom) / 2), QPointF(1, 0), 0,
            std::min((X(pr.r2) - X(pr.r1)) / 2, (bandBottom - bandTop) / 2), 1, look.cell, 77);
  if (look.jacket) p.fillRect(QRectF(X(pr.r2) - 3, bandTop, 3, bandBottom - bandTop), kSteel);
  p.fillRect(QRectF(X(pr.r2), bandTop, X(rMax) - X(pr.r2), bandBottom - bandTop),
             QColor(0xe6, 0xf0, 0xfa));
  Caption(p, QRectF(X(0), bandTop, X(pr.r1) - X(0), bandBottom - bandTop), "water", 13, Qt::white);
  Caption(p, QRectF(X(pr.r1), bandTop, X(pr.r2) - X(pr.r1), bandBottom - bandTop), "insulation", 14,
          look.cut.lightness() > 128 ? kInk : Qt::white, Qt::AlignCenter, true);
  Caption(p, QRectF(X(pr.r2), bandTop, X(rMax) - X(pr.r2), bandBottom - bandTop), "air", 13, kInk);
  // Axes and grid.
  p.setPen(QPen(QColor(0xd0, 0xd4, 0xd8), 1));
  for (int t = int(std::ceil(tLo / 10) * 10); t <= tHi; t += 10)
    p.drawLine(QPointF(left, Y(t)), QPointF(right, Y(t)));
  p.setPen(QPen(kInk, 1.5));
  p.drawLine(QPointF(left, top - 5), QPointF(left, bottom));
  p.drawLine(QPointF(left, bottom), QPointF(right, bottom));
  p.setFont(Font(12));
  for (int t = int(std::ceil(tLo / 10) * 10); t <= tHi; t += 10) {
    p.drawText(QRectF(0, Y(t) - 9, left - 8, 18), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(t));
  }
  p.drawText(QRectF(0, top - 34, 140, 20), Qt::AlignLeft, "t, °C");
  p.drawText(QRectF(left, bottom + 8, right - left, 20), Qt::AlignCenter,
             "radius from the pipe axis");
  // Dashed boundaries of the layers.
  p.setPen(QPen(QColor(0x90, 0x96, 0x9c), 1, Qt::DashLine));
  for (double r : {pr.r1, pr.r2}) p.drawLine(QPointF(X(r), bandBottom), QPointF(X(r), bottom));
  // The curve.
  QPainterPath path(QPointF(X(0), Y(pr.tLine)));
  path.lineTo(X(pr.r1), Y(pr.tLine));
  for (int i = 1; i <= 60; ++i) {
    const double r = pr.r1 + (pr.r2 - pr.r1) * i / 60.0;
    const double t =
        pr.tLine + (pr.tSurface - pr.tLine) * std::log(r / pr.r1) / std::log(double(pr.r2 / pr.r1));
    path.lineTo(X(r), Y(t));
  }
  for (int i = 1; i <= 20; ++i) {
    const double f = i / 20.0;
    const double r = pr.r2 + film * f;
    path.lineTo(X(r), Y(pr.tSurface + (pr.tAmbient - pr.tSurface) * (1 - std::exp(-4 * f)) /
                                          (1 - std::exp(-4.0))));
  }
  p.setPen(QPen(QColor(0xc8, 0x32, 0x22), 3));
  p.setBrush(Qt::NoBrush);
  p.drawPath(path);
  if (pr.dewPoint > -999) {
    p.setPen(QPen(QColor(0x1f, 0x5f, 0xbf), 2, Qt::DashLine));
    p.drawLine(QPointF(left, Y(pr.dewPoint)), QPointF(right, Y(pr.dewPoint)));
    Caption(p, QRectF(X(pr.r1) + 6, Y(pr.dewPoint) + 2, 260, 20),
            QStringLiteral("dew point %1 °C").arg(double(pr.dewPoint), 0, 'f', 1), 13,
            QColor(0x1f, 0x5f, 0xbf), Qt::AlignLeft | Qt::AlignTop);
  }
  p.setPen(kInk);
  auto mark = [&](double r, double t, const QString& s, bool above) {
    p.setBrush(kInk);
    p.drawEllipse(QPointF(X(r), Y(t)), 3.5, 3.5);
    p.setFont(Font(13));
    const QRectF box(X(r) - 130, Y(t) + (above ? -26 : 6), 124, 20);
    p.drawText(box, Qt::AlignRight | Qt::AlignVCenter, s);
  };
  mark(pr.r1, pr.tLine, QStringLiteral("water %1 °C").arg(double(pr.tLine), 0, 'f', 0),
       pr.tLine < pr.tAmbient);
  mark(pr.r2, pr.tSurface, QStringLiteral("surface %1 °C").arg(double(pr.tSurface), 0, 'f', 1),
       pr.tSurface < pr.tAmbient);
  Caption(p, QRectF(right - 160, Y(pr.tAmbient) + (pr.tAmbient > pr.tLine ? -26 : 6), 156, 20),
          QStringLiteral("room %1 °C").arg(double(pr.tAmbient), 0, 'f', 0), 13, kInk,
          Qt::AlignRight | Qt::AlignVCenter);
  return img;
}

qora::CalcContext SiContext() {
  qora::CalcContext ctx;
  ctx.unitSystem = 2;  // SI: °C, mm, W
  ctx.factorBy = 2;    // surface coefficient by the ASTM C680 method
  ctx.emissivityChoice = 1;
  return ctx;
}

// The surface temperature of a pipe of outer radius r1 (mm) under insulation to r2 (mm),
// iterated with the surface coefficient at the surface temperature it gives.
Real Surface(const qora::CalcContext& ctx, Real tLine, Real tAmbient, Real k, Real r1, Real r2) {
  const Real leq = r2 * std::log(r2 / r1);
  Real ts = tAmbient + (tLine - tAmbient) * 0.2;
  for (int i = 0; i < 30; ++i) {
    const Real h = qora::SurfaceCoef(ctx, 0, 2 * r2, ts, tAmbient);
    ts = qora::SurfaceTemperature(ctx, leq, h, tAmbient, k, tLine);
  }
  return ts;
}

QImage HotProfile(bool second) {
  const qora::CalcContext ctx = SiContext();
  Profile pr;
  pr.tLine = 80;
  pr.tAmbient = 25;
  pr.r1 = 30.15;  // 2" iron pipe, 60.3 mm outside
  pr.r2 = pr.r1 + 25.4;
  pr.tSurface = Surface(ctx, pr.tLine, pr.tAmbient, second ? 0.0288L : 0.0389L, pr.r1, pr.r2);
  return ProfilePicture(560, 500, pr, ForBrand(second), kHotWater,
                        "Hot water line, 2\" pipe, 1\" insulation");
}

QImage ChilledProfile() {
  const qora::CalcContext ctx = SiContext();
  Profile pr;
  pr.tLine = 7;
  pr.tAmbient = 25;
  pr.r1 = 30.15;
  pr.dewPoint = qora::DewPoint(ctx, 25, 80);
  const Real k = 0.0346L;
  const Real h = qora::SurfaceCoef(ctx, 0, 2 * 60, pr.dewPoint, pr.tAmbient);
  // The condensation thickness, rounded up to the next stocked wall of 1/4".
  const Real t = qora::CondensationThickness(ctx, pr.tAmbient, pr.dewPoint, pr.tLine, k, pr.r1, h);
  pr.r2 = pr.r1 + std::ceil(t / 6.35L) * 6.35L;
  pr.tSurface = Surface(ctx, pr.tLine, pr.tAmbient, k, pr.r1, pr.r2);
  Insulation neutral = Elastomer();
  return ProfilePicture(560, 600, pr, neutral, kWater, "Chilled water line, 25 °C, 80 % RH");
}

// C6_1 and C6_2: the same chilled pipe bare and sweating, and insulated and dry.
QImage Sweating(bool insulated) {
  QImage img = Canvas(460, 280);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  Studio(p, img.rect(), QColor(0xf0, 0xf3, 0xf6), QColor(0xdc, 0xe2, 0xe8));
  const double y = 110;
  if (insulated) {
    Insulation grey = Elastomer();
    grey.foam = QColor(0x58, 0x5d, 0x63);
    grey.cut = QColor(0x6a, 0x70, 0x76);
    grey.print.clear();
    InsulatedPipe(p, QPointF(-10, y - 4), QPointF(360, y + 18), 48, 24, grey, kSteel, 44, 601);
    Caption(p, QRectF(10, 200, 440, 24), "surface above the dew point: dry", 16, kInk,
            Qt::AlignLeft | Qt::AlignVCenter, true);
  } else {
    const QColor cold(0x7f, 0x93, 0xa8);
    Cylinder(p, QPointF(-10, y), QPointF(400, y + 24), 26, cold);
    EndEllipse(p, QPointF(400, y + 24), QPointF(1, 0.06), 26, 0.34, cold.lighter(115),
               cold.darker(150));
    EndEllipse(p, QPointF(400, y + 24), QPointF(1, 0.06), 21, 0.34, cold.darker(260));
    Random rnd(611);
    for (int i = 0; i < 30; ++i) {
      const double x = rnd.range(5, 380);
      const double base = y + 24 * x / 410 + 24;
      const double r = rnd.range(3, 7);
      QRadialGradient g(QPointF(x - r * 0.3, base + r * 0.5), r * 1.4);
      g.setColorAt(0, QColor(0xf4, 0xfa, 0xff));
      g.setColorAt(1, QColor(0x5a, 0x86, 0xb4, 210));
      p.setPen(Qt::NoPen);
      p.setBrush(g);
      p.drawEllipse(QPointF(x, base + r * 0.6), r * 0.8, r);
      if (i % 3 == 0) p.drawEllipse(QPointF(x, base + 16 + rnd.range(0, 20)), r * 0.6, r * 0.9);
    }
    Caption(p, QRectF(10, 200, 440, 24), "bare pipe below the dew point: condensation", 16, kInk,
            Qt::AlignLeft | Qt::AlignVCenter, true);
  }
  Caption(p, QRectF(10, 8, 440, 22), "room 25 °C, 80 % RH, dew point 21.3 °C; water 7 °C", 14, kInk,
          Qt::AlignLeft | Qt::AlignVCenter);
  return img;
}

// C6_4: a support of an insulated chilled pipe, in section, coloured as the key beside it:
// blue pipe, yellow insulation, fuchsia bonded joints, red load-bearing insert.
QImage SupportDetail() {
  QImage img = Canvas(660, 600);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.fillRect(img.rect(), QColor(0xfb, 0xfb, 0xf8));
  const QColor blue(0, 0, 255), yellow(255, 235, 40), fuchsia(255, 0, 255), red(255, 0, 0);
  const double cy = 330, rp = 55, ri = 115, x0 = 30, x1 = 630;
  // Ceiling and hanger rod.
  p.fillRect(QRectF(0, 0, 660, 40), QColor(0xa9, 0xad, 0xb1));
  p.setPen(QPen(QColor(0x55, 0x5a, 0x60), 8));
  p.drawLine(QPointF(330, 40), QPointF(330, cy - ri - 18));
  // Insulation above and below the pipe, with the insert under the clamp.
  p.setPen(Qt::NoPen);
  p.fillRect(QRectF(x0, cy - ri, x1 - x0, ri - rp), yellow);
  p.fillRect(QRectF(x0, cy + rp, x1 - x0, ri - rp), yellow);
  p.fillRect(QRectF(270, cy - ri, 120, ri - rp), red);
  p.fillRect(QRectF(270, cy + rp, 120, ri - rp), red);
  // Pipe in section: wall and water.
  p.fillRect(QRectF(x0 - 10, cy - rp, x1 - x0 + 20, 2 * rp), blue);
  p.fillRect(QRectF(x0 - 10, cy - rp + 8, x1 - x0 + 20, 2 * rp - 16), QColor(0x9f, 0xc4, 0xf0));
  // Bonded joints: between the insert and the insulation and at a butt joint.
  p.setPen(QPen(fuchsia, 6));
  for (double x : {270.0, 390.0, 130.0, 530.0}) {
    p.drawLine(QPointF(x, cy - ri), QPointF(x, cy - rp));
    p.drawLine(QPointF(x, cy + rp), QPointF(x, cy + ri));
  }
  // Clamp around the insert.
  p.setPen(QPen(QColor(0x55, 0x5a, 0x60), 10));
  p.setBrush(Qt::NoBrush);
  p.drawLine(QPointF(280, cy - ri - 8), QPointF(380, cy - ri - 8));
  p.drawLine(QPointF(280, cy + ri + 8), QPointF(380, cy + ri + 8));
  // Outline of the insulation.
  p.setPen(QPen(kInk, 1.5));
  p.drawRect(QRectF(x0, cy - ri, x1 - x0, 2 * ri));
  Label(p, QPointF(120, cy + 20), QPointF(140, 500), "chilled water pipe", 17);
  Label(p, QPointF(470, cy - 85), QPointF(520, 120), "insulation", 17);
  Label(p, QPointF(530, cy + 90), QPointF(520, 535), "bonded joint", 17);
  Label(p, QPointF(330, cy + 85), QPointF(350, 575), "load-bearing insert", 17);
  Label(p, QPointF(330, 120), QPointF(400, 80), "hanger rod and clamp", 17);
  Arrow(p, QPointF(80, cy), QPointF(200, cy), Qt::white, 4);
  return img;
}

}  // namespace

void PipingPictures(const QString& dir) {
  SaveJpeg(BoilerRoom(), dir + "/C5_1.jpg");
  SaveJpeg(HotProfile(false), dir + "/C5_2.jpg");
  SaveJpeg(HotProfile(true), dir + "/C5_2C.jpg");
  SaveJpeg(Sweating(false), dir + "/C6_1.jpg");
  SaveJpeg(Sweating(true), dir + "/C6_2.jpg");
  SaveJpeg(ChilledProfile(), dir + "/C6_3.jpg");
  SaveJpeg(SupportDetail(), dir + "/C6_4.jpg");
}
