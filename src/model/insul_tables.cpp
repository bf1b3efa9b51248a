#include "model/insul_tables.h"

#include <cmath>

#include "engine/number_text.h"
#include "model/language.h"
#include "model/text_file.h"

namespace qora {

namespace {

QString ThicknessComment(const LanguageTexts& n, int u) {
  return ';' + n.UnitSystemName(u) + ':' + n.QuantityName(4) + ':' + n.UnitLabel(u, 4);
}

const char* const kIpsTitle = "IPS : Insulation cost";
const char* const kCopperTitle = "Copper Pipe : Insulation cost";

// A cost read from text; a value that is not finite (an overflowing exponent) is no cost.
Real CostFromText(const QString& text) {
  const Real v = StrToValue(text.toStdString());
  return std::isfinite(v) ? v : 0.0L;
}

QString CostToText(Real v) {
  return QString::fromStdString(ValueToStr(0, 2, std::isfinite(v) ? v : 0.0L));
}

}  // namespace

bool ReadInsulFile(InsulTables& t, const QString& path, int langIndex) {
  t = InsulTables{};
  QByteArray bytes;
  if (!ReadFileBytes(path, bytes)) return false;
  LineCursor in(SplitLines(DecodeLanguageBytes(bytes, langIndex)));

  in.skip();  // "; Insulation Sheet"
  for (auto& unit : t.sheet) {
    in.skip();
    for (int row = 0; row < 12; ++row)
      for (auto& col : unit) col[row] = in.value();
  }
  in.skip();  // "; ID of Insulation Tube"
  for (auto& unit : t.tube) {
    in.skip();
    for (int row = 0; row < 40; ++row)
      for (auto& col : unit) col[row] = in.value();
  }
  in.skip();  // "; Actual Thickness of Insulation Tube"
  for (auto& unit : t.tubeThickness) {
    in.skip();
    for (auto& row : unit)
      for (QString& cell : row) cell = in.value();
  }
  return true;
}

bool WriteInsulFile(const InsulTables& t, const LanguageTexts& n, const QString& path) {
  LineWriter out;
  out.line("; Insulation Sheet");
  for (int u = 1; u <= 3; ++u) {
    out.line(ThicknessComment(n, u));
    for (int row = 0; row < 12; ++row)
      for (const auto& col : t.sheet[u - 1]) out.line(col[row]);
  }
  out.line("; ID of Insulation Tube");
  for (int u = 1; u <= 3; ++u) {
    out.line(ThicknessComment(n, u));
    for (int row = 0; row < 40; ++row)
      for (const auto& col : t.tube[u - 1]) out.line(col[row]);
  }
  out.line("; Actual Thickness of Insulation Tube");
  for (int u = 1; u <= 3; ++u) {
    out.line(ThicknessComment(n, u));
    for (const auto& row : t.tubeThickness[u - 1])
      for (const QString& cell : row) out.line(cell);
  }
  return WriteFileAtomically(path, out.bytes());
}

bool ReadCostFile(CostTables& t, const QString& path, int langIndex) {
  QByteArray bytes;
  if (!ReadFileBytes(path, bytes)) return false;
  LineCursor in(SplitLines(DecodeLanguageBytes(bytes, langIndex)));
  t.remark = in.next();
  for (auto* table : {&t.ips, &t.copper}) {
    in.skip();  // the table's title line
    for (auto& size : *table)
      for (Real& cost : size) cost = CostFromText(in.next());
  }
  return true;
}

bool WriteCostFile(const CostTables& t, const QString& path) {
  LineWriter out;
  out.line(t.remark);
  out.line(kIpsTitle);
  for (const auto& size : t.ips)
    for (Real cost : size) out.line(CostToText(cost));
  out.line(kCopperTitle);
  for (const auto& size : t.copper)
    for (Real cost : size) out.line(CostToText(cost));
  return WriteFileAtomically(path, out.bytes());
}

}  // namespace qora
