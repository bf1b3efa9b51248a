// QORApara.qdt: read, write, read back; entries stay within their width.
#include "fuzz_home.h"
#include "model/language.h"
#include "model/param_tables.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qora;
  static const LanguageTexts names = BuiltinLanguageTexts();
  const QString path = fuzz::WriteInput("QORApara.qdt", data, size);
  ParamTables t;
  fuzz::Require(ReadParamFile(t, path));
  for (const auto& type : t.pipeSize)
    for (const auto& unit : type)
      for (const auto& row : unit)
        for (const QString& cell : row) fuzz::Require(cell.size() <= 10);
  for (const QString& v : t.rh) fuzz::Require(v.size() <= 10);
  const QString out = fuzz::HomeDir() + "/written.qdt";
  fuzz::Require(WriteParamFile(t, names, out));
  ParamTables back;
  fuzz::Require(ReadParamFile(back, out));
  // Every entry comes back where it was; only a carriage return inside an entry turns
  // into a blank when written.
  const auto same = [](const QString& read, QString written) {
    return read == written.replace('\r', ' ');
  };
  for (int p = 0; p < 2; ++p)
    for (int u = 0; u < 3; ++u)
      for (int r = 0; r < 40; ++r)
        for (int c = 0; c < 3; ++c)
          fuzz::Require(same(back.pipeSize[p][u][r][c], t.pipeSize[p][u][r][c]));
  for (int u = 0; u < 3; ++u)
    for (int r = 0; r < 10; ++r) {
      fuzz::Require(same(back.kChilled[u][r], t.kChilled[u][r]));
      fuzz::Require(same(back.kHot[u][r], t.kHot[u][r]));
      fuzz::Require(same(back.tsurf[u][r], t.tsurf[u][r]));
      fuzz::Require(same(back.rValue[u][0][r], t.rValue[u][0][r]));
      fuzz::Require(same(back.rValue[u][1][r], t.rValue[u][1][r]));
    }
  for (int r = 0; r < 10; ++r) fuzz::Require(same(back.rh[r], t.rh[r]));
  return 0;
}
