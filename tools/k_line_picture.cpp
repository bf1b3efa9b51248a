// Draws the pictures of the k-value dialog: the grid, the frame and the k line of each
// unit system, computed with the program's own kAtMeanTemperature over the pixel axes the
// dialog's dragged point uses, so the point runs on the line. The dialog writes the axis
// labels over them.
// Usage: qora_make_k_picture OUTPUT_DIR   (kGrh.bmp, kGrh2.bmp, kGrh3.bmp)
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

#include "analyses/rvalue/k_line.h"
#include "engine/calc_context.h"
#include "engine/surface.h"

namespace {

using namespace qora::kline;

QImage KLinePicture(int unit) {
  QImage img(kPictureWidth, kPictureHeight, QImage::Format_RGB32);
  img.fill(Qt::white);
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF frame(ColumnX(0) - 10, KRowY(8) - 12, ColumnX(7) - ColumnX(0) + 20,
                     KRowY(0) - KRowY(8) + 24);
  p.fillRect(frame, QColor(0xf4, 0xf8, 0xfc));
  p.setPen(QPen(QColor(0xc0, 0xc8, 0xd4), 1, Qt::DotLine));
  for (int i = 0; i <= 7; ++i)
    p.drawLine(QPointF(ColumnX(i), frame.top()), QPointF(ColumnX(i), frame.bottom()));
  for (int j = 0; j <= 8; ++j)
    p.drawLine(QPointF(frame.left(), KRowY(j)), QPointF(frame.right(), KRowY(j)));
  p.setPen(QPen(QColor(0x14, 0x36, 0x5f), 2));
  p.setBrush(Qt::NoBrush);
  p.drawRect(frame);
  // The line over the whole frame, one pixel column at a time (k is linear in the mean
  // temperature, but the curve is drawn as computed, not as assumed).
  QPainterPath line;
  for (int x = int(frame.left()); x <= int(frame.right()); ++x) {
    const double y = YOfK(unit, [&] {
      qora::CalcContext ctx;
      ctx.unitSystem = unit;
      return qora::kAtMeanTemperature(ctx, MeanTemperatureAt(unit, x));
    }());
    if (x == int(frame.left())) {
      line.moveTo(x, y);
    } else {
      line.lineTo(x, y);
    }
  }
  p.setClipRect(frame);
  p.setPen(QPen(QColor(0x1a, 0x4f, 0x8b), 3));
  p.drawPath(line);
  return img;
}

}  // namespace

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: qora_make_k_picture OUTPUT_DIR\n");
    return 2;
  }
  const QString dir = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(dir);
  for (int unit = 1; unit <= 3; ++unit) {
    const QString name =
        unit == 1 ? QStringLiteral("kGrh.bmp") : QStringLiteral("kGrh%1.bmp").arg(unit);
    if (!KLinePicture(unit).save(dir + "/" + name, "BMP")) {
      std::fprintf(stderr, "cannot write %s\n", qPrintable(name));
      return 1;
    }
  }
  return 0;
}
