#include "documents/page_text.h"

#include <algorithm>
#include <cmath>

#include "toolkit/canvas.h"
#include "toolkit/draw.h"

namespace qora {

double DrawTextSection(Canvas& pic, const QStringList& lines, double x, double step, double y0) {
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (!lines[i].isEmpty()) PicText(pic, HAlign::Left, VAlign::Bottom, lines[i], x, y0 + i * step);
  }
  return y0 + lines.size() * step;
}

double DrawRichSection(Canvas& pic, const QStringList& lines, double x, double step, double y0) {
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (!lines[i].isEmpty()) PicRichText(pic, x, y0 + i * step, lines[i]);
  }
  return y0 + lines.size() * step;
}

double DrawPrintedSection(Canvas& page, const QStringList& lines, double x, double step,
                          double y0) {
  for (qsizetype i = 0; i < lines.size(); ++i) {
    if (!lines[i].isEmpty())
      PrnText(page, HAlign::Left, VAlign::Bottom, lines[i], x, y0 + i * step);
  }
  return y0 + lines.size() * step;
}

QString PlainText(const QString& rich) {
  QString out;
  out.reserve(rich.size());
  for (qsizetype i = 0; i < rich.size(); ++i) {
    if (rich.at(i) == QLatin1Char('\\')) {
      ++i;  // the code letter (or nothing, at the end)
      continue;
    }
    out += rich.at(i);
  }
  return out;
}

QStringList SplitCells(const QString& line, int columns) {
  QStringList cells = line.split(QLatin1Char('\t'));
  if (columns < 1) return {};
  if (cells.size() > columns) {
    const QStringList rest = cells.mid(columns - 1);
    cells = cells.mid(0, columns - 1);
    cells.append(rest.join(QLatin1Char(' ')));
  }
  return cells;
}

int CellCount(const QStringList& rows) {
  qsizetype n = 0;
  for (const QString& r : rows) n = std::max(n, r.count(QLatin1Char('\t')) + 1);
  return static_cast<int>(n);
}

double InUnits(double width, double unit) {
  if (!(unit > 0)) return width;
  return std::max(1.0, std::ceil(width / unit - 1e-9)) * unit;
}

CellWidths WidestCells(const Canvas& c, const QStringList& rows, double inset, CellText how) {
  const int columns = CellCount(rows);
  CellWidths w;
  for (const QString& r : rows) {
    const QStringList cells = SplitCells(r, columns);
    for (qsizetype j = 0; j < cells.size(); ++j) {
      const QString text = how == CellText::RichTop ? PlainText(cells[j]) : cells[j];
      double& widest = j == 0 ? w.first : w.other;
      widest = std::max(widest, c.textSize(text).width() + 2 * inset);
    }
  }
  return w;
}

double DrawTableRows(Canvas& c, const QStringList& lines, const std::vector<double>& columnX,
                     double step, double y0, CellText how, double room) {
  const int columns = static_cast<int>(columnX.size());
  const double size = c.fontSize();
  for (qsizetype i = 0; i < lines.size(); ++i) {
    const double y = y0 + i * step;
    const QStringList cells = SplitCells(lines[i], columns);
    for (qsizetype j = 0; j < cells.size(); ++j) {
      const QString& cell = cells[j];
      if (cell.isEmpty()) continue;
      const double x = columnX[static_cast<std::size_t>(j)];
      const QString plain = how == CellText::RichTop ? PlainText(cell) : cell;
      // Rich text raises its superscripts a little above the line: it takes 90 % of the
      // room and is centred in it.
      const double target = how == CellText::RichTop ? 0.9 * room : room;
      double fitted = size;
      for (int tries = 0; tries < 4; ++tries) {
        const double height = c.textHeight(plain);
        if (!(height > target) || !(target > 0)) break;
        fitted *= std::min(0.97, target / height);
        c.setFontSize(fitted);
      }
      if (how == CellText::RichTop) {
        const double drop = fitted != size ? (room - c.textHeight(plain)) / 2 : 0;
        PicRichText(c, x, y + drop, cell);
      } else {
        PicText(c, HAlign::Left, VAlign::Bottom, cell, x, y);
      }
      if (fitted != size) c.setFontSize(size);
    }
  }
  return y0 + lines.size() * step;
}

}  // namespace qora
