// Reading a recording canvas's log back as shapes, for tests that assert relations
// (inside the page, not overlapping, rows inside their bands).
#pragma once

#include <QRectF>
#include <QString>
#include <string>
#include <vector>

#include "fixed_metrics_canvas.h"

namespace qora::test {

struct LoggedText {
  QRectF box;  // top-left at the anchor, measured size
  QString text;
  QString face;
  double size = 0;
  bool bold = false;
  unsigned colour = 0;
};
struct LoggedRect {
  QRectF box;
  unsigned colour = 0;  // fill colour (fills) or 0 for pictures
};

struct DrawLog {
  std::vector<LoggedText> texts;
  std::vector<LoggedRect> fills;
  std::vector<LoggedRect> pictures;
  std::vector<LoggedRect> rects;  // outlined rectangles
};

DrawLog ParseLog(const std::string& log);

// A is inside B, with a tolerance for rounding.
bool Inside(const QRectF& a, const QRectF& b, double tolerance = 0.01);
// The two boxes share area (touching edges do not count).
bool Overlap(const QRectF& a, const QRectF& b);

}  // namespace qora::test
