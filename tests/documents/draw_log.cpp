#include "draw_log.h"

#include <charconv>
#include <sstream>

namespace qora::test {

namespace {

// Numbers of the log are written locale-free; read them so.
double Real(const std::string& word) {
  double v = 0;
  std::from_chars(word.data(), word.data() + word.size(), v);
  return v;
}

unsigned Hex(const std::string& word) {
  unsigned v = 0;
  const size_t at = word.rfind("0x", 0) == 0 ? 2 : 0;
  std::from_chars(word.data() + at, word.data() + word.size(), v, 16);
  return v;
}

// The quoted text of a log line starting at `from` (the opening quote); escapes are a
// backslash before a quote or a backslash. `end` gets the index after the closing quote.
std::string Quoted(const std::string& line, size_t from, size_t& end) {
  std::string out;
  size_t i = from + 1;
  for (; i < line.size() && line[i] != '"'; ++i) {
    if (line[i] == '\\' && i + 1 < line.size()) ++i;
    out += line[i];
  }
  end = i + 1;
  return out;
}

QRectF Corners(double x1, double y1, double x2, double y2) {
  return QRectF(QPointF(std::min(x1, x2), std::min(y1, y2)),
                QPointF(std::max(x1, x2), std::max(y1, y2)));
}

}  // namespace

DrawLog ParseLog(const std::string& log) {
  DrawLog out;
  std::istringstream in(log);
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream f(line);
    std::string kind;
    f >> kind;
    if (kind == "text") {
      double x = 0, y = 0;
      f >> x >> y;
      size_t end = 0;
      LoggedText t;
      t.text = QString::fromStdString(Quoted(line, line.find('"'), end));
      std::istringstream rest(line.substr(end));
      std::string word;
      double w = 0, h = 0;
      rest >> word >> w >> h >> word;  // size W H font
      size_t faceEnd = 0;
      const std::string tail = line.substr(end);
      const size_t q = tail.find('"');
      t.face = QString::fromStdString(Quoted(tail, q, faceEnd));
      std::istringstream after(tail.substr(faceEnd));
      std::string style, colour;
      after >> word;
      if (word == "thai") after >> word;
      t.size = Real(word);
      after >> style >> colour;
      t.bold = style.find("bold") != std::string::npos;
      t.colour = Hex(colour);
      t.box = QRectF(x, y, w, h);
      out.texts.push_back(t);
    } else if (kind == "fill" || kind == "picture" || kind == "rect") {
      double x1 = 0, y1 = 0, x2 = 0, y2 = 0;
      f >> x1 >> y1 >> x2 >> y2;
      LoggedRect r{Corners(x1, y1, x2, y2), 0};
      if (kind == "fill") {
        std::string colour;
        f >> colour;
        r.colour = Hex(colour);
        out.fills.push_back(r);
      } else if (kind == "picture") {
        out.pictures.push_back(r);
      } else {
        out.rects.push_back(r);
      }
    }
  }
  return out;
}

bool Inside(const QRectF& a, const QRectF& b, double tol) {
  return a.left() >= b.left() - tol && a.right() <= b.right() + tol && a.top() >= b.top() - tol &&
         a.bottom() <= b.bottom() + tol;
}

bool Overlap(const QRectF& a, const QRectF& b) {
  const QRectF i = a.intersected(b);
  return i.width() > 0.01 && i.height() > 0.01;
}

}  // namespace qora::test
