#include "model/settings.h"

#include <QtGlobal>
#include <algorithm>
#include <cctype>

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

bool EqualNoCase(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::toupper(static_cast<unsigned char>(x)) ==
                  std::toupper(static_cast<unsigned char>(y));
         });
}

constexpr KeyKind I = KeyKind::Int;
constexpr KeyKind T = KeyKind::Text;

// The two ambient-and-panel sections share their key names except for the series lists.
std::vector<SettingKey> BuildKeys() {
  std::vector<SettingKey> k = {
      {kSecMain, "Units", I, "1"},
      {kSecMain, "Language", I, "1"},

      {kSecParams, "PipeSizes", I, "2"},
      {kSecParams, "FactorBy", I, "1"},
      {kSecParams, "Shape", I, "0"},
      {kSecParams, "WINDspd", T, "0.0"},
      {kSecParams, "Emission", I, "0"},
      {kSecParams, "Em-NoJacket", T, "0.95"},
      {kSecParams, "Em-Jacket", T, "0.05"},
      {kSecParams, "Em-Customize", T, "0.85"},
      {kSecParams, "currency", T, "\xE0\xB8\xBF"},  // the Baht sign
      {kSecParams, "DayofYear", T, "200"},
      {kSecParams, "HourofDay", T, "8"},
      {kSecParams, "Source", I, "1"},
      {kSecParams, "Elec-Cost", T, "3.0"},
      {kSecParams, "Gas-Cost", T, "11.0"},
      {kSecParams, "Gas-Energy", T, "6.0"},
      {kSecParams, "Oil-Cost", T, "10.0"},
      {kSecParams, "Oil-Energy", T, "7.0"},
      {kSecParams, "Other-Cost", T, "2.0"},
      {kSecParams, "kWTR", T, "1.50"},

      {kSecChilled, "Tdb", T, "25.0"},
      {kSecChilled, "Top", T, "10.0"},
      {kSecChilled, "Hair", T, "9.0"},
      {kSecChilled, "k_Const_PpSzFrom", I, "0"},
      {kSecChilled, "k_Const_PpSzTo", I, "4"},
      {kSecChilled, "k_Const_RHFrom", I, "0"},
      {kSecChilled, "k_Const_RHTo", I, "4"},
      {kSecChilled, "k_Const_k", I, "0"},
      {kSecChilled, "RH_Const_PpSzFrom", I, "0"},
      {kSecChilled, "RH_Const_PpSzTo", I, "4"},
      {kSecChilled, "RH_Const_kFrom", I, "0"},
      {kSecChilled, "RH_Const_kTo", I, "4"},
      {kSecChilled, "RH_Const_RH", I, "0"},
      {kSecChilled, "Tsurface_PpSz", I, "0"},
      {kSecChilled, "Tsurface_RH", I, "0"},
      {kSecChilled, "Tsurface_k", I, "0"},
      {kSecChilled, "Tsurface_Thc", T, "2.0"},
      {kSecChilled, "Tlen_PpSz", I, "0"},
      {kSecChilled, "Tlen_Length", T, "500.0"},
      {kSecChilled, "Tlen_k", I, "0"},
      {kSecChilled, "Tlen_Thc", T, "2.0"},
      {kSecChilled, "Tlen_Flow", T, "0.5"},
      {kSecChilled, "Ttime_PpSz", I, "0"},
      {kSecChilled, "TtimeHr", I, "12"},
      {kSecChilled, "Ttime_k", I, "0"},
      {kSecChilled, "Ttime_Thc", T, "2.0"},
      {kSecChilled, "EInsTh_PpSz", I, "0"},
      {kSecChilled, "EInsTh_k", I, "0"},
      {kSecChilled, "EInsTh_Thc", T, "2.0"},
      {kSecChilled, "ECsInsTh_PpSz", I, "0"},
      {kSecChilled, "ECsInsTh_k", I, "0"},
      {kSecChilled, "ECsInsTh_Thc", T, "2.0"},
      {kSecChilled, "OvallCst_PpSz", I, "0"},
      {kSecChilled, "OvallCst_k", I, "0"},
      {kSecChilled, "OvallCst_Thc", T, "2.0"},
      {kSecChilled, "OvallCst_Interest", T, "8.0"},
      {kSecChilled, "OvallCst_Depre_Yr", T, "3"},

      {kSecHot, "Tdb", T, "25.0"},
      {kSecHot, "Top", T, "75.0"},
      {kSecHot, "Hair", T, "9.0"},
      {kSecHot, "k_Const_PpSzFrom", I, "0"},
      {kSecHot, "k_Const_PpSzTo", I, "4"},
      {kSecHot, "k_Const_TsufFrom", I, "0"},
      {kSecHot, "k_Const_TsufTo", I, "4"},
      {kSecHot, "k_Const_k", I, "0"},
      {kSecHot, "T_Const_PpSzFrom", I, "0"},
      {kSecHot, "T_Const_PpSzTo", I, "4"},
      {kSecHot, "T_Const_kFrom", I, "0"},
      {kSecHot, "T_Const_kTo", I, "4"},
      {kSecHot, "T_Const_Tsuf", I, "0"},
      {kSecHot, "Tsurface_PpSz", I, "0"},
      {kSecHot, "Tsurface_Tsuf", I, "0"},
      {kSecHot, "Tsurface_k", I, "0"},
      {kSecHot, "Tsurface_Thc", T, "2.0"},
      {kSecHot, "Tlen_PpSz", I, "0"},
      {kSecHot, "Tlen_Length", T, "500.0"},
      {kSecHot, "Tlen_k", I, "0"},
      {kSecHot, "Tlen_Thc", T, "2.0"},
      {kSecHot, "Tlen_Flow", T, "0.5"},
      {kSecHot, "Ttime_PpSz", I, "0"},
      {kSecHot, "TtimeHr", I, "12"},
      {kSecHot, "Ttime_k", I, "0"},
      {kSecHot, "Ttime_Thc", T, "2.0"},
      {kSecHot, "Elos_PpSz", I, "0"},
      {kSecHot, "Elos_k", I, "0"},
      {kSecHot, "Elos_Thc", T, "2.0"},
      {kSecHot, "ElosCst_PpSz", I, "0"},
      {kSecHot, "ElosCst_k", I, "0"},
      {kSecHot, "ElosCst_Thc", T, "2.0"},
      {kSecHot, "OvallCst_PpSz", I, "0"},
      {kSecHot, "OvallCst_k", I, "0"},
      {kSecHot, "OvallCst_Thc", T, "2.0"},
      {kSecHot, "OvallCst_Interest", T, "8.0"},
      {kSecHot, "OvallCst_Depre_Yr", T, "3"},

      {kSecDuct, "Tdb", T, "25.0"},
      {kSecDuct, "Top", T, "10.0"},
      {kSecDuct, "%RH", I, "0"},
      {kSecDuct, "Hair", T, "9.0"},
      {kSecDuct, "k", I, "0"},

      {kSecStorage, "k_CHILL", I, "1"},
      {kSecStorage, "Tdb", T, "25.0"},
      {kSecStorage, "Tst", T, "10.0"},
      {kSecStorage, "Hair", T, "9.0"},
      {kSecStorage, "Tend", T, "15.0"},
      {kSecStorage, "k", I, "0"},
      {kSecStorage, "Time-hr", T, "12.0"},
      {kSecStorage, "Percent", T, "80"},

      {kSecOperating, "Tdb", T, "25.0"},
      {kSecOperating, "Top", T, "10.0"},
      {kSecOperating, "%RH", I, "0"},
      {kSecOperating, "Hair", T, "9.0"},
      {kSecOperating, "k", I, "0"},

      {kSecRValue, "Select", I, "0"},
      {kSecRValue, "Tmean", T, "75.0"},
      {kSecRValue, "k", T, "0.2500"},
      {kSecRValue, "IDFrom", I, "0"},
      {kSecRValue, "IDTo", I, "4"},
      {kSecRValue, "ThFrom", I, "0"},
      {kSecRValue, "ThTo", I, "4"},
      {kSecRValue, "RvalueFrom", I, "0"},
      {kSecRValue, "RvalueTo", I, "4"},
  };
  return k;
}

int InRangeOr(int value, int lo, int hi, int fallback) {
  return value >= lo && value <= hi ? value : fallback;
}

}  // namespace

const std::vector<SettingKey>& SettingKeys() {
  static const std::vector<SettingKey> keys = BuildKeys();
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

QString Settings::text(std::string_view section, std::string_view key) const {
  const auto it = values_.find(MapKey(section, key));
  return it == values_.end() ? QString() : it->second;
}

int Settings::integer(std::string_view section, std::string_view key) const {
  bool ok = false;
  const int v = text(section, key).trimmed().toInt(&ok);
  return ok ? v : 0;
}

void Settings::setText(std::string_view section, std::string_view key, const QString& value) {
  values_[MapKey(section, key)] = value;
}

void Settings::setInteger(std::string_view section, std::string_view key, int value) {
  values_[MapKey(section, key)] = QString::number(value);
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
  const auto t = [this](const char* key) { return text(kSecParams, key).toStdString(); };
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
