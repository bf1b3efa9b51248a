// A language's message file and a section of a menu file; the first byte picks the
// language, so every legacy code page is decoded.
#include "fuzz_home.h"
#include "model/language.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qora;
  const int lang = size > 0 ? data[0] % 6 + 1 : 1;
  const QString folder = LanguageFolder(lang);
  fuzz::WriteInput(folder + "/" + folder + "-msg.qdt", data, size);
  LanguageTexts t = BuiltinLanguageTexts();
  fuzz::Require(LoadLanguageTexts(t, fuzz::HomeDir(), lang));
  for (const QString& name : t.unitSystemNames) fuzz::Require(name.size() <= 20);
  for (const QString& name : t.shapeNames) fuzz::Require(name.size() <= 30);
  const QString menu = fuzz::WriteInput(folder + "/" + folder + "-mnu.qdt", data, size);
  for (const QString& line : ReadSection(menu, "@PROD", lang)) fuzz::Require(!line.startsWith('@'));
  return 0;
}
