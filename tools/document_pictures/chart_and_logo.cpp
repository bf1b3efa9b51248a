// The convection-coefficient chart of the appendix, computed with the program's own
// surface-coefficient routines, and the maker's logo of the catalogue pages.
#include <QPainterPath>
#include <QSvgGenerator>
#include <cmath>

#include "document_pictures.h"
#include "engine/surface.h"
#include "sketch.h"

using namespace sketch;
using qora::Real;

namespace {

// h = hc + hr of a horizontal pipe in still air at 25 °C, emissivity 0.9, against the
// temperature difference between surface and air, for outside diameters from 25 mm to a
// flat surface (the correlation limits the diameter to 600 mm).
Real SurfaceH(Real diameterMm, Real dt) {
  const Real ta = 25, ts = ta + dt;
  return qora::ConvectionCoef(qora::ShapeCoef(0), diameterMm, (ta + ts) / 2, ts, ta, 0) +
         qora::RadiationCoef(0.9L, ta, ts);
}

Real ConvectionOnly(Real diameterMm, Real dt) {
  const Real ta = 25, ts = ta + dt;
  return qora::ConvectionCoef(qora::ShapeCoef(0), diameterMm, (ta + ts) / 2, ts, ta, 0);
}

}  // namespace

void ConvectionChart(const QString& dir) {
  const int w = 760, h = 520;
  QImage img = Canvas(w, h);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double left = 78, right = w - 180, top = 50, bottom = h - 62;
  const double xMax = 100, yMin = 0, yMax = 18;
  auto X = [&](double dt) { return left + (right - left) * dt / xMax; };
  auto Y = [&](double v) { return bottom - (bottom - top) * (v - yMin) / (yMax - yMin); };
  Caption(p, QRectF(0, 8, w, 26), "Surface coefficient of a horizontal pipe in still air", 18, kInk,
          Qt::AlignCenter, true);
  p.setPen(QPen(QColor(0xdc, 0xe0, 0xe4), 1));
  for (int dt = 0; dt <= 100; dt += 10) p.drawLine(QPointF(X(dt), top), QPointF(X(dt), bottom));
  for (int v = 0; v <= 18; v += 2) p.drawLine(QPointF(left, Y(v)), QPointF(right, Y(v)));
  p.setPen(QPen(kInk, 1.5));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(QPointF(left, top), QPointF(right, bottom)));
  p.setFont(Font(13));
  for (int dt = 0; dt <= 100; dt += 10)
    p.drawText(QRectF(X(dt) - 20, bottom + 6, 40, 18), Qt::AlignCenter, QString::number(dt));
  for (int v = 0; v <= 18; v += 2)
    p.drawText(QRectF(0, Y(v) - 9, left - 8, 18), Qt::AlignRight | Qt::AlignVCenter,
               QString::number(v));
  p.drawText(QRectF(left, bottom + 28, right - left, 20), Qt::AlignCenter,
             "temperature difference between surface and air, °C");
  p.save();
  p.translate(22, (top + bottom) / 2);
  p.rotate(-90);
  p.drawText(QRectF(-160, -12, 320, 24), Qt::AlignCenter, "h = hc + hr, W/m².°C");
  p.restore();

  struct Curve {
    Real d;
    const char* name;
    QColor colour;
  };
  const Curve curves[] = {{25, "D = 25 mm", QColor(0xc8, 0x32, 0x22)},
                          {50, "D = 50 mm", QColor(0xe0, 0x80, 0x20)},
                          {100, "D = 100 mm", QColor(0x2a, 0x8c, 0x3c)},
                          {300, "D = 300 mm", QColor(0x1f, 0x5f, 0xbf)},
                          {600, "flat, D ≥ 600 mm", QColor(0x6a, 0x3d, 0x9a)}};
  int row = 0;
  const QRectF plot(QPointF(left, top), QPointF(right, bottom));
  for (const Curve& c : curves) {
    QPainterPath path;
    for (int i = 1; i <= 100; ++i) {
      const QPointF pt(X(i), Y(double(SurfaceH(c.d, i))));
      if (i == 1)
        path.moveTo(pt);
      else
        path.lineTo(pt);
    }
    p.setPen(QPen(c.colour, 2.6));
    p.setClipRect(plot);
    p.drawPath(path);
    p.setClipping(false);
    const double ly = top + 14 + row++ * 26;
    p.drawLine(QPointF(right + 14, ly), QPointF(right + 44, ly));
    Caption(p, QRectF(right + 50, ly - 11, 130, 22), c.name, 13, kInk,
            Qt::AlignLeft | Qt::AlignVCenter);
  }
  // Convection alone for the 50 mm pipe, to show the share of radiation.
  QPainterPath hc;
  for (int i = 1; i <= 100; ++i) {
    const QPointF pt(X(i), Y(double(ConvectionOnly(50, i))));
    if (i == 1)
      hc.moveTo(pt);
    else
      hc.lineTo(pt);
  }
  p.setPen(QPen(QColor(0xe0, 0x80, 0x20), 2, Qt::DashLine));
  p.setClipRect(plot);
  p.drawPath(hc);
  p.setClipping(false);
  const double ly = top + 14 + row * 26;
  p.drawLine(QPointF(right + 14, ly), QPointF(right + 44, ly));
  Caption(p, QRectF(right + 50, ly - 11, 130, 22), "hc alone, 50 mm", 13, kInk,
          Qt::AlignLeft | Qt::AlignVCenter);
  Caption(p, QRectF(right + 10, bottom - 80, 170, 80),
          "air 25 °C, still\nemissivity 0.9\nsurface warmer\nthan the air", 12,
          QColor(0x55, 0x5a, 0x60), Qt::AlignLeft | Qt::AlignBottom);
  SaveJpeg(img, dir + "/ha.jpg");
}

void MakerLogo(const QString& dir) {
  QSvgGenerator svg;
  svg.setFileName(dir + "/QDTB.svg");
  svg.setSize(QSize(600, 200));
  svg.setViewBox(QRect(0, 0, 600, 200));
  svg.setTitle("QORA insulation systems");
  QPainter p(&svg);
  p.setRenderHint(QPainter::Antialiasing);
  // The mark: an insulated pipe in section, two rings around a bore.
  const QPointF c(100, 100);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x14, 0x36, 0x5f));
  p.drawEllipse(c, 84, 84);
  p.setBrush(QColor(0xf0, 0xa8, 0x30));
  p.drawEllipse(c, 70, 70);
  p.setBrush(QColor(0x9c, 0xc8, 0x3c));
  p.drawEllipse(c, 52, 52);
  p.setBrush(QColor(0xd9, 0xdd, 0xe2));
  p.drawEllipse(c, 34, 34);
  p.setBrush(QColor(0x14, 0x36, 0x5f));
  p.drawEllipse(c, 24, 24);
  // The wordmark as outlines, so the logo looks the same on every machine.
  QPainterPath word;
  word.addText(205, 118, Font(104, true), "QORA");
  p.setBrush(QColor(0x14, 0x36, 0x5f));
  p.drawPath(word);
  p.fillRect(QRectF(208, 134, 372, 7), QColor(0xf0, 0xa8, 0x30));
  QPainterPath sub;
  sub.addText(210, 178, Font(31), "INSULATION SYSTEMS");
  p.setBrush(QColor(0x2d, 0x63, 0x9e));
  p.drawPath(sub);
}
