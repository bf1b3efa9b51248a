// The user's working state as the settings file QORA2000.ini holds it: every key's value
// as the user left it (typed text stays text; list positions are integers counted from 0;
// radio pairs and selectors as integers), with the program-wide selectors as typed
// accessors. Section and key names are compared without regard to case.
#pragma once

#include <QString>
#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "engine/calc_context.h"
#include "model/settings_keys.h"

namespace qora {

// The keys of the table (model/settings_keys.h), in file order.
const std::vector<SettingKey>& SettingKeys();
// The key definition, matched without regard to case; nullptr when unknown.
const SettingKey* FindSettingKey(std::string_view section, std::string_view key);

class Settings {
 public:
  Settings();  // every key at its default

  // Value of a key. A key the table does not have in that section is a programming error:
  // it stops a debug build; a release build reads it as an empty text / 0 and keeps no
  // value for it.
  QString text(std::string_view section, KeyName key) const;
  int integer(std::string_view section, KeyName key) const;
  void setText(std::string_view section, KeyName key, const QString& value);
  void setInteger(std::string_view section, KeyName key, int value);

  // Program-wide selectors. Out-of-range stored values read as the default
  // (Units 1..3 -> 1, Language 1..6 -> 1, PipeSizes 1..2 -> 2).
  int unitSystem() const;
  void setUnitSystem(int u);
  int langIndex() const;
  void setLangIndex(int l);
  int pipeType() const;
  void setPipeType(int p);
  int factorBy() const;  // 1 typed-in ha, 2 calculated (saved to the file as 1)
  void setFactorBy(int f);
  int surfaceShape() const;
  void setSurfaceShape(int shape);
  int emissivityChoice() const;
  void setEmissivityChoice(int choice);
  int energySource() const;
  void setEnergySource(int source);

  // The two radio pairs. [STORAGE] k_CHILL: 1 selects chilled water, any other value hot
  // water (saved as 1 or 0). [Rvalue] Select: 0 selects the mean-temperature button, any
  // other value the k button (saved as 0 or 1).
  bool storageChilled() const;
  void setStorageChilled(bool chilled);
  bool rValueByMeanTemperature() const;
  void setRValueByMeanTemperature(bool byMean);

  // The engine's view of the current settings (texts passed as typed).
  CalcContext calcContext() const;

 private:
  std::vector<QString> values_;  // one per row of the key table
};

// Reads every key from the file; missing keys, a missing file and invalid integers give
// the defaults. Returns false when the file could not be read (all defaults then).
bool LoadSettings(Settings& settings, const QString& iniPath);
// Writes every key in file order, keeping other sections, keys, comments and lines of an
// existing file in place. FactorBy is always written as 1. Atomic: on failure the old file
// stays whole and false is returned (callers stay silent).
bool SaveSettings(const Settings& settings, const QString& iniPath);
// The early read of [QORA2000] Language alone (default 1; out of range -> 1).
int ReadLanguageIndex(const QString& iniPath);
// Writes [QORA2000] Language alone, keeping everything else of the file (a missing file is
// created with this one key). Atomic; false when the file could not be read or written.
bool WriteLanguageIndex(const QString& iniPath, int langIndex);

}  // namespace qora
