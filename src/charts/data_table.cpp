#include "charts/data_table.h"

#include <QStringList>
#include <charconv>
#include <cmath>

#include "engine/number_text.h"

namespace qora {

TableCell TableCell::number(Real v) {
  TableCell c;
  c.kind = Kind::Number;
  c.value = v;
  return c;
}

TableCell TableCell::label(const QString& t) {
  TableCell c;
  c.kind = Kind::Text;
  c.text = t;
  return c;
}

TableCell TableCell::notAvailable() {
  TableCell c;
  c.kind = Kind::NotAvailable;
  return c;
}

int DataTable::headingRows() const {
  int last = 0;
  for (const HeadingLine& l : lines) last = std::max(last, l.row);
  return last;
}

QString CellText(const TableCell& cell, int decimals) {
  switch (cell.kind) {
    case TableCell::Kind::Empty:
      return {};
    case TableCell::Kind::Text:
      return cell.text;
    case TableCell::Kind::NotAvailable:
      return QStringLiteral("N/A");
    case TableCell::Kind::Number:
      if (!std::isfinite(static_cast<double>(cell.value))) return QStringLiteral("N/A");
      return QString::fromStdString(ValueToStr(0, decimals, cell.value));
  }
  return {};
}

QString CsvField(const QString& text) {
  const bool quote = text.contains(QLatin1Char(',')) || text.contains(QLatin1Char('"')) ||
                     text.contains(QLatin1Char('\n')) || text.contains(QLatin1Char('\r'));
  if (!quote) return text;
  QString doubled = text;
  doubled.replace(QLatin1String("\""), QLatin1String("\"\""));
  return QLatin1Char('"') + doubled + QLatin1Char('"');
}

namespace {

// "Name (unit)"; a column of names has no unit of its own.
QString HeaderName(const TableColumn& c, bool numbers) {
  const QString name = (c.csvName.isEmpty() ? c.header : c.csvName).trimmed();
  if (!numbers || c.unit.trimmed().isEmpty()) return name;
  return name + QStringLiteral(" (") + c.unit.trimmed() + u')';
}

// Full precision, locale-free; empty for a cell without a finite number.
QString RawText(const TableCell& cell) {
  if (cell.kind != TableCell::Kind::Number || !std::isfinite(static_cast<double>(cell.value))) {
    return {};
  }
  char buf[40];
  const auto res = std::to_chars(buf, buf + sizeof buf, static_cast<double>(cell.value),
                                 std::chars_format::general, 17);
  return QString::fromLatin1(buf, static_cast<int>(res.ptr - buf));
}

bool HasNumbers(const TableBlock& b, size_t column) {
  for (const auto& row : b.rows) {
    if (column < row.size() && row[column].kind == TableCell::Kind::Number) return true;
  }
  return false;
}

void AppendRecord(QString& out, const QStringList& fields) {
  QStringList quoted;
  for (const QString& f : fields) quoted << CsvField(f);
  out += quoted.join(u',') + QStringLiteral("\r\n");
}

}  // namespace

QString TableCsv(const DataTable& table) {
  QString out;
  bool first = true;
  for (const TableBlock& b : table.blocks) {
    if (!first) out += QStringLiteral("\r\n");
    first = false;
    if (!b.caption.isEmpty()) AppendRecord(out, {b.caption.trimmed()});
    // Columns used: the label, every column with a heading; raw twins of number columns.
    std::vector<size_t> used = {0};
    std::vector<const TableColumn*> cols = {&b.label};
    for (size_t c = 0; c < b.columns.size(); ++c) {
      if (b.columns[c].header.isEmpty()) continue;
      used.push_back(c + 1);
      cols.push_back(&b.columns[c]);
    }
    std::vector<size_t> raw;
    QStringList header;
    for (size_t i = 0; i < used.size(); ++i) {
      const bool numbers = HasNumbers(b, used[i]);
      if (numbers) raw.push_back(i);
      header << HeaderName(*cols[i], numbers);
    }
    for (size_t i : raw) header << HeaderName(*cols[i], true) + QStringLiteral(" raw");
    AppendRecord(out, header);
    for (const auto& row : b.rows) {
      QStringList fields;
      auto cell = [&](size_t k) { return k < row.size() ? row[k] : TableCell{}; };
      for (size_t i = 0; i < used.size(); ++i) {
        fields << CellText(cell(used[i]), cols[i]->decimals).trimmed();
      }
      for (size_t i : raw) fields << RawText(cell(used[i]));
      AppendRecord(out, fields);
    }
  }
  return out;
}

}  // namespace qora
