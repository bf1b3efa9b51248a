#include "model/settings.h"

#include <QtGlobal>
#include <algorithm>
#include <cctype>
#include <iterator>

namespace qora {

namespace {

std::string Upper(std::string_view s) {
  std::string out(s);
  for (char& c : out) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return out;
}

std::string MapKey(std::string_view section, std::string_view key) {
  return Upper(section) + '\n' + Upper(key);
}

int InRangeOr(int value, int lo, int hi, int fallback) {
  return value >= lo && value <= hi ? value : fallback;
}

}  // namespace

const std::vector<SettingKey>& SettingKeys() {
  static const std::vector<SettingKey> keys(std::begin(kSettingKeys), std::end(kSettingKeys));
  return keys;
}

const SettingKey* FindSettingKey(std::string_view section, std::string_view key) {
  for (const SettingKey& k : SettingKeys()) {
    if (EqualNoCase(k.section, section) && EqualNoCase(k.key, key)) return &k;
  }
  return nullptr;
}

Settings::Settings() {
  for (const SettingKey& k : SettingKeys()) {
    values_[MapKey(k.section, k.key)] = QString::fromUtf8(k.defaultValue);
  }
}

namespace {

// The table has every key the program keeps; any other is a mistake in the code.
void CheckKnown(bool known, std::string_view section, KeyName key) {
  Q_ASSERT_X(known, "Settings", (std::string(section) + "." + std::string(key.view())).c_str());
  (void)known, (void)section, (void)key;
}

}  // namespace

QString Settings::text(std::string_view section, KeyName key) const {
  const auto it = values_.find(MapKey(section, key.view()));
  CheckKnown(it != values_.end(), section, key);
  return it == values_.end() ? QString() : it->second;
}

int Settings::integer(std::string_view section, KeyName key) const {
  bool ok = false;
  const int v = text(section, key).trimmed().toInt(&ok);
  return ok ? v : 0;
}

void Settings::setText(std::string_view section, KeyName key, const QString& value) {
  const auto it = values_.find(MapKey(section, key.view()));
  CheckKnown(it != values_.end(), section, key);
  if (it != values_.end()) it->second = value;
}

void Settings::setInteger(std::string_view section, KeyName key, int value) {
  setText(section, key, QString::number(value));
}

int Settings::unitSystem() const {
  return InRangeOr(integer(kSecMain, "Units"), 1, 3, 1);
}
void Settings::setUnitSystem(int u) {
  setInteger(kSecMain, "Units", u);
}
int Settings::langIndex() const {
  return InRangeOr(integer(kSecMain, "Language"), 1, 6, 1);
}
void Settings::setLangIndex(int l) {
  setInteger(kSecMain, "Language", l);
}
void Settings::setPipeType(int p) {
  setInteger(kSecParams, "PipeSizes", p);
}
void Settings::setSurfaceShape(int shape) {
  setInteger(kSecParams, "Shape", shape);
}
void Settings::setEmissivityChoice(int choice) {
  setInteger(kSecParams, "Emission", choice);
}
void Settings::setEnergySource(int source) {
  setInteger(kSecParams, "Source", source);
}
int Settings::pipeType() const {
  return InRangeOr(integer(kSecParams, "PipeSizes"), 1, 2, 2);
}

// Only "2" selects the calculated coefficient; anything else is the typed-in one, so
// no value can index past the two names of the selector.
int Settings::factorBy() const {
  return integer(kSecParams, "FactorBy") == 2 ? 2 : 1;
}
void Settings::setFactorBy(int f) {
  setInteger(kSecParams, "FactorBy", f);
}

// The shape indexes the coefficient table of seven shapes; an unknown shape is the
// horizontal cylinder rather than an index past the table.
int Settings::surfaceShape() const {
  return InRangeOr(integer(kSecParams, "Shape"), 0, 6, 0);
}

// Any value other than 1..3 is "no choice" and the engine then takes emissivity 0, as
// the stored default 0 intends; passed through unchanged.
int Settings::emissivityChoice() const {
  return integer(kSecParams, "Emission");
}
int Settings::energySource() const {
  return integer(kSecParams, "Source");
}

bool Settings::storageChilled() const {
  return integer(kSecStorage, "k_CHILL") == 1;
}
void Settings::setStorageChilled(bool chilled) {
  setInteger(kSecStorage, "k_CHILL", chilled ? 1 : 0);
}
bool Settings::rValueByMeanTemperature() const {
  return integer(kSecRValue, "Select") == 0;
}
void Settings::setRValueByMeanTemperature(bool byMean) {
  setInteger(kSecRValue, "Select", byMean ? 0 : 1);
}

CalcContext Settings::calcContext() const {
  CalcContext c;
  const auto t = [this](KeyName key) { return text(kSecParams, key).toStdString(); };
  c.unitSystem = unitSystem();
  c.factorBy = factorBy();
  c.surfaceShape = surfaceShape();
  c.emissivityChoice = emissivityChoice();
  c.wind = t("WINDspd");
  c.emNoJacket = t("Em-NoJacket");
  c.emJacket = t("Em-Jacket");
  c.emCustom = t("Em-Customize");
  c.energySource = energySource();
  c.daysPerYear = t("DayofYear");
  c.hoursPerDay = t("HourofDay");
  c.elecCost = t("Elec-Cost");
  c.gasCost = t("Gas-Cost");
  c.gasEnergy = t("Gas-Energy");
  c.oilCost = t("Oil-Cost");
  c.oilEnergy = t("Oil-Energy");
  c.otherCost = t("Other-Cost");
  return c;
}

}  // namespace qora
