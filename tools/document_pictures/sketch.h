// Drawing helpers of the document pictures: the insulation looks of the two brands,
// pipes in oblique view with their cut ends, foam texture, labels with leader lines, flow
// arrows, sky and studio backgrounds, and saving. Every random pattern comes from a seeded
// generator, so the pictures come out the same on every run.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QString>
#include <cstdint>
#include <functional>

namespace sketch {

// The look of an insulation: foam, its cut face, an optional jacket.
struct Insulation {
  QColor foam;    // body colour
  QColor cut;     // colour of the cut face
  QColor cell;    // cell dots on the cut face
  bool jacket;    // aluminium jacket over the foam
  QString print;  // text printed along the tube ("" for none)
};
Insulation Elastomer();     // the first brand: black flexible foam
Insulation Polyurethane();  // the second brand: yellow rigid foam in an aluminium jacket
Insulation ForBrand(bool secondBrand);

extern const QColor kSteel, kCopper, kWater, kHotWater, kInk, kPaper;

// A small deterministic random generator (xorshift).
class Random {
 public:
  explicit Random(std::uint32_t seed) : s_(seed ? seed : 1) {}
  double next();  // [0, 1)
  double range(double lo, double hi) { return lo + (hi - lo) * next(); }

 private:
  std::uint32_t s_;
};

QFont Font(double pixelSize, bool bold = false);
QImage Canvas(int w, int h);  // an RGB picture, antialiased painting expected
void Studio(QPainter& p, QRectF r, QColor top, QColor bottom);  // background gradient
void Sky(QPainter& p, QRectF r, QColor top, QColor horizon);
void Ground(QPainter& p, QRectF r, QColor near, QColor far);

// A straight cylinder from a to b (axis), radius r, shaded across its axis.
void Cylinder(QPainter& p, QPointF a, QPointF b, double r, QColor base);
// The visible end of a cylinder at point c, seen obliquely: an ellipse across the axis
// direction `dir` (unit vector), squashed to `depth` (0..1) along it.
void EndEllipse(QPainter& p, QPointF c, QPointF dir, double r, double depth, QColor fill,
                QColor edge = Qt::transparent);
// An insulated pipe from a to b: the insulation of radius rIns over a pipe of radius rPipe
// that sticks out `bare` beyond b; the cut end shows the foam, the pipe wall and the bore.
void InsulatedPipe(QPainter& p, QPointF a, QPointF b, double rIns, double rPipe,
                   const Insulation& look, QColor pipe, double bare, std::uint32_t seed);
// Dots of foam cells scattered in the ring between r1 and r2 of an end ellipse.
void FoamCells(QPainter& p, QPointF c, QPointF dir, double r1, double r2, double depth, QColor dot,
               std::uint32_t seed);

void Label(QPainter& p, QPointF at, QPointF text, const QString& s, double size = 13,
           QColor colour = QColor(0x22, 0x22, 0x22));
void Arrow(QPainter& p, QPointF from, QPointF to, QColor colour, double width = 3);
void Caption(QPainter& p, QRectF r, const QString& s, double size, QColor colour,
             int flags = Qt::AlignCenter, bool bold = false);

void SaveJpeg(const QImage& image, const QString& path);

}  // namespace sketch
