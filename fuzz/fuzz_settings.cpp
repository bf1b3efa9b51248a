// QORA2000.ini: load, save over the same bytes, load again.
#include "fuzz_home.h"
#include "model/settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace qora;
  const QString path = fuzz::WriteInput("QORA2000.ini", data, size);
  const int lang = ReadLanguageIndex(path);
  fuzz::Require(lang >= 1 && lang <= 6);
  Settings s;
  LoadSettings(s, path);
  fuzz::Require(s.unitSystem() >= 1 && s.unitSystem() <= 3);
  fuzz::Require(s.pipeType() >= 1 && s.pipeType() <= 2);
  fuzz::Require(s.surfaceShape() >= 0 && s.surfaceShape() <= 6);
  if (SaveSettings(s, path)) {
    Settings back;
    fuzz::Require(LoadSettings(back, path));
    for (const SettingKey& k : SettingKeys()) {
      // Radio pairs and FactorBy are rewritten; transient keys are never stored.
      if (k.kind != KeyKind::Text) continue;
      const KeyName key = KeyName::runtime(k.key);
      // Stored text is trimmed by the store; line breaks become blanks.
      QString expected = s.text(k.section, key);
      expected.replace('\r', ' ').replace('\n', ' ');
      fuzz::Require(back.text(k.section, key) == expected.trimmed());
    }
  }
  return 0;
}
