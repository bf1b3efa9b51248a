#include "model/param_tables.h"

#include "model/language.h"
#include "model/text_file.h"

namespace qora {

namespace {

// The unit-system comment of the pipe-size, k and surface-temperature blocks:
// system name, quantity name and unit label of one quantity.
QString UnitComment(const LanguageTexts& n, int u, int code) {
  return n.UnitSystemName(u) + ':' + n.QuantityName(code) + ':' + n.UnitLabel(u, code);
}

}  // namespace

QStringList PipeSizeNames(const ParamTables& t, int pipeType, int unit) {
  QStringList out;
  if (pipeType < 1 || pipeType > 2 || unit < 1 || unit > 3) return out;
  for (const auto& row : t.pipeSize[pipeType - 1][unit - 1]) {
    if (!row[0].isEmpty()) out.append(row[0]);
  }
  return out;
}

bool ReadParamFile(ParamTables& t, const QString& path, int langIndex) {
  for (auto& type : t.pipeSize)
    for (auto& unit : type)
      for (auto& row : unit) row.fill(QString());
  for (auto& list : t.kChilled) list.fill(QString());
  for (auto& list : t.kHot) list.fill(QString());

  QByteArray bytes;
  if (!ReadFileBytes(path, bytes)) return false;
  LineCursor in(SplitLines(DecodeLanguageBytes(bytes, langIndex)));

  for (auto& type : t.pipeSize) {
    in.skip();  // pipe type name
    for (auto& unit : type) {
      in.skip();  // unit system comment
      for (auto& row : unit)
        for (QString& cell : row) cell = in.value();
    }
  }
  for (auto* table : {&t.kChilled, &t.kHot}) {
    for (auto& list : *table) {
      in.skip();
      for (QString& v : list) v = in.value();
    }
  }
  in.skip();
  for (QString& v : t.rh) v = in.value();
  for (auto& unit : t.rValue) {
    in.skip();
    for (int row = 0; row < 10; ++row)
      for (auto& col : unit) col[row] = in.value();
  }
  for (auto& list : t.tsurf) {
    in.skip();
    for (QString& v : list) v = in.value();
  }
  return true;
}

bool WriteParamFile(const ParamTables& t, const LanguageTexts& n, const QString& path) {
  LineWriter out;
  for (int p = 1; p <= 2; ++p) {
    out.line(';' + n.pipeTypeNames[p - 1]);
    for (int u = 1; u <= 3; ++u) {
      out.line(';' + UnitComment(n, u, 4));
      for (const auto& row : t.pipeSize[p - 1][u - 1])
        for (const QString& cell : row) out.line(cell);
    }
  }
  const struct {
    const char* title;
    const std::array<std::array<QString, 10>, 3>& table;
  } kLists[] = {{";k,Chilled Water ", t.kChilled}, {";k,Hot Water ", t.kHot}};
  for (const auto& k : kLists) {
    for (int u = 1; u <= 3; ++u) {
      out.line(QString::fromLatin1(k.title) + UnitComment(n, u, 2));
      for (const QString& v : k.table[u - 1]) out.line(v);
    }
  }
  out.line(n.QuantityName(5) + "(%)");
  for (const QString& v : t.rh) out.line(v);
  for (int u = 1; u <= 3; ++u) {
    out.line(n.QuantityName(12) + ':' + n.UnitLabel(u, 12));
    for (int row = 0; row < 10; ++row)
      for (const auto& col : t.rValue[u - 1]) out.line(col[row]);
  }
  for (int u = 1; u <= 3; ++u) {
    out.line(';' + UnitComment(n, u, 1));
    for (const QString& v : t.tsurf[u - 1]) out.line(v);
  }
  return WriteFileAtomically(path, out.bytes());
}

}  // namespace qora
