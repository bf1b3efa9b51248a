// The table of every key of the settings file: section, name, kind and default, in file
// order. Code names keys through it: a name written in the code is checked against this
// table when it compiles, a name made at run time when it is used.
#pragma once

#include <iterator>
#include <string_view>

#include "engine/units.h"

namespace qora {

// Section names as they appear in the file.
inline constexpr const char* kSecMain = "QORA2000";
inline constexpr const char* kSecParams = "PARAMETERS";
inline constexpr const char* kSecChilled = "CHILLED-WATER";
inline constexpr const char* kSecHot = "HOT-WATER";
inline constexpr const char* kSecDuct = "DUCT";
inline constexpr const char* kSecStorage = "STORAGE";
inline constexpr const char* kSecOperating = "OPERATING";
inline constexpr const char* kSecRValue = "Rvalue";

// Int: a list position, selector or radio choice; Text: a value as typed; Transient: a
// text the program keeps while it runs and never writes to the file.
enum class KeyKind { Int, Text, Transient };

// A box that offers a list but also takes a typed value (the hot constant-value k and
// surface-temperature boxes) stores its list position in its own integer key; a typed value
// that names no list entry lives, until the next panel set-up, in the transient text key
// `key` + this suffix, and the position is then -1.
inline constexpr const char* kTypedKeySuffix = "Typed";

struct SettingKey {
  const char* section;
  const char* key;
  KeyKind kind;
  const char* defaultValue;  // UTF-8 text; an Int key's default as decimal text
  // The quantity of a typed physical value (engine/units.h codes; 0 for none): the unit
  // button converts it.
  int quantity = 0;
  // The values a selector may hold; a stored value outside them loads as the default.
  int minValue = -2147483647 - 1, maxValue = 2147483647;
};

namespace keys_detail {
inline constexpr KeyKind I = KeyKind::Int;
inline constexpr KeyKind T = KeyKind::Text;
inline constexpr KeyKind X = KeyKind::Transient;
}  // namespace keys_detail

// The keys of the eight sections in file order, then the transient ones.
inline constexpr SettingKey kSettingKeys[] = {
    {kSecMain, "Units", keys_detail::I, "1", 0, 1, 3},
    {kSecMain, "Language", keys_detail::I, "1", 0, 1, 6},

    {kSecParams, "PipeSizes", keys_detail::I, "2", 0, 1, 2},
    {kSecParams, "FactorBy", keys_detail::I, "1", 0, 1, 2},
    {kSecParams, "Shape", keys_detail::I, "0", 0, 0, 6},
    {kSecParams, "WINDspd", keys_detail::T, "0.0", kQWindSpeed},
    {kSecParams, "Emission", keys_detail::I, "0", 0, 0, 3},
    {kSecParams, "Em-NoJacket", keys_detail::T, "0.95"},
    {kSecParams, "Em-Jacket", keys_detail::T, "0.05"},
    {kSecParams, "Em-Customize", keys_detail::T, "0.85"},
    {kSecParams, "currency", keys_detail::T, "\xE0\xB8\xBF"},  // the Baht sign
    {kSecParams, "DayofYear", keys_detail::T, "200"},
    {kSecParams, "HourofDay", keys_detail::T, "8"},
    {kSecParams, "Source", keys_detail::I, "1", 0, 1, 4},
    {kSecParams, "Elec-Cost", keys_detail::T, "3.0"},
    {kSecParams, "Gas-Cost", keys_detail::T, "11.0"},
    {kSecParams, "Gas-Energy", keys_detail::T, "6.0"},
    {kSecParams, "Oil-Cost", keys_detail::T, "10.0"},
    {kSecParams, "Oil-Energy", keys_detail::T, "7.0"},
    {kSecParams, "Other-Cost", keys_detail::T, "2.0"},
    {kSecParams, "kWTR", keys_detail::T, "1.50"},

    {kSecChilled, "Tdb", keys_detail::T, "25.0", kQTemperature},
    {kSecChilled, "Top", keys_detail::T, "10.0", kQTemperature},
    {kSecChilled, "Hair", keys_detail::T, "9.0", kQSurfaceCoef},
    {kSecChilled, "k_Const_PpSzFrom", keys_detail::I, "0"},
    {kSecChilled, "k_Const_PpSzTo", keys_detail::I, "4"},
    {kSecChilled, "k_Const_RHFrom", keys_detail::I, "0"},
    {kSecChilled, "k_Const_RHTo", keys_detail::I, "4"},
    {kSecChilled, "k_Const_k", keys_detail::I, "0"},
    {kSecChilled, "RH_Const_PpSzFrom", keys_detail::I, "0"},
    {kSecChilled, "RH_Const_PpSzTo", keys_detail::I, "4"},
    {kSecChilled, "RH_Const_kFrom", keys_detail::I, "0"},
    {kSecChilled, "RH_Const_kTo", keys_detail::I, "4"},
    {kSecChilled, "RH_Const_RH", keys_detail::I, "0"},
    {kSecChilled, "Tsurface_PpSz", keys_detail::I, "0"},
    {kSecChilled, "Tsurface_RH", keys_detail::I, "0"},
    {kSecChilled, "Tsurface_k", keys_detail::I, "0"},
    {kSecChilled, "Tsurface_Thc", keys_detail::T, "2.0", kQThickness},
    {kSecChilled, "Tlen_PpSz", keys_detail::I, "0"},
    {kSecChilled, "Tlen_Length", keys_detail::T, "500.0", kQLength},
    {kSecChilled, "Tlen_k", keys_detail::I, "0"},
    {kSecChilled, "Tlen_Thc", keys_detail::T, "2.0", kQThickness},
    {kSecChilled, "Tlen_Flow", keys_detail::T, "0.5", kQFlow},
    {kSecChilled, "Ttime_PpSz", keys_detail::I, "0"},
    {kSecChilled, "TtimeHr", keys_detail::I, "12"},
    {kSecChilled, "Ttime_k", keys_detail::I, "0"},
    {kSecChilled, "Ttime_Thc", keys_detail::T, "2.0", kQThickness},
    {kSecChilled, "EInsTh_PpSz", keys_detail::I, "0"},
    {kSecChilled, "EInsTh_k", keys_detail::I, "0"},
    {kSecChilled, "EInsTh_Thc", keys_detail::T, "2.0", kQThickness},
    {kSecChilled, "ECsInsTh_PpSz", keys_detail::I, "0"},
    {kSecChilled, "ECsInsTh_k", keys_detail::I, "0"},
    {kSecChilled, "ECsInsTh_Thc", keys_detail::T, "2.0", kQThickness},
    {kSecChilled, "OvallCst_PpSz", keys_detail::I, "0"},
    {kSecChilled, "OvallCst_k", keys_detail::I, "0"},
    {kSecChilled, "OvallCst_Thc", keys_detail::T, "2.0", kQThickness},
    {kSecChilled, "OvallCst_Interest", keys_detail::T, "8.0"},
    {kSecChilled, "OvallCst_Depre_Yr", keys_detail::T, "3"},
    // The analysis chosen on the screen (1..8; 0 none), so a restart reopens it.
    {kSecChilled, "Analysis", keys_detail::I, "0", 0, 0, 8},

    {kSecHot, "Tdb", keys_detail::T, "25.0", kQTemperature},
    {kSecHot, "Top", keys_detail::T, "75.0", kQTemperature},
    {kSecHot, "Hair", keys_detail::T, "9.0", kQSurfaceCoef},
    {kSecHot, "k_Const_PpSzFrom", keys_detail::I, "0"},
    {kSecHot, "k_Const_PpSzTo", keys_detail::I, "4"},
    {kSecHot, "k_Const_TsufFrom", keys_detail::I, "0"},
    {kSecHot, "k_Const_TsufTo", keys_detail::I, "4"},
    {kSecHot, "k_Const_k", keys_detail::I, "0"},
    {kSecHot, "T_Const_PpSzFrom", keys_detail::I, "0"},
    {kSecHot, "T_Const_PpSzTo", keys_detail::I, "4"},
    {kSecHot, "T_Const_kFrom", keys_detail::I, "0"},
    {kSecHot, "T_Const_kTo", keys_detail::I, "4"},
    {kSecHot, "T_Const_Tsuf", keys_detail::I, "0"},
    {kSecHot, "Tsurface_PpSz", keys_detail::I, "0"},
    {kSecHot, "Tsurface_Tsuf", keys_detail::I, "0"},
    {kSecHot, "Tsurface_k", keys_detail::I, "0"},
    {kSecHot, "Tsurface_Thc", keys_detail::T, "2.0", kQThickness},
    {kSecHot, "Tlen_PpSz", keys_detail::I, "0"},
    {kSecHot, "Tlen_Length", keys_detail::T, "500.0", kQLength},
    {kSecHot, "Tlen_k", keys_detail::I, "0"},
    {kSecHot, "Tlen_Thc", keys_detail::T, "2.0", kQThickness},
    {kSecHot, "Tlen_Flow", keys_detail::T, "0.5", kQFlow},
    {kSecHot, "Ttime_PpSz", keys_detail::I, "0"},
    {kSecHot, "TtimeHr", keys_detail::I, "12"},
    {kSecHot, "Ttime_k", keys_detail::I, "0"},
    {kSecHot, "Ttime_Thc", keys_detail::T, "2.0", kQThickness},
    {kSecHot, "Elos_PpSz", keys_detail::I, "0"},
    {kSecHot, "Elos_k", keys_detail::I, "0"},
    {kSecHot, "Elos_Thc", keys_detail::T, "2.0", kQThickness},
    {kSecHot, "ElosCst_PpSz", keys_detail::I, "0"},
    {kSecHot, "ElosCst_k", keys_detail::I, "0"},
    {kSecHot, "ElosCst_Thc", keys_detail::T, "2.0", kQThickness},
    {kSecHot, "OvallCst_PpSz", keys_detail::I, "0"},
    {kSecHot, "OvallCst_k", keys_detail::I, "0"},
    {kSecHot, "OvallCst_Thc", keys_detail::T, "2.0", kQThickness},
    {kSecHot, "OvallCst_Interest", keys_detail::T, "8.0"},
    {kSecHot, "OvallCst_Depre_Yr", keys_detail::T, "3"},
    {kSecHot, "Analysis", keys_detail::I, "0", 0, 0, 8},

    {kSecDuct, "Tdb", keys_detail::T, "25.0", kQTemperature},
    {kSecDuct, "Top", keys_detail::T, "10.0", kQTemperature},
    {kSecDuct, "%RH", keys_detail::I, "0"},
    {kSecDuct, "Hair", keys_detail::T, "9.0", kQSurfaceCoef},
    {kSecDuct, "k", keys_detail::I, "0"},

    {kSecStorage, "k_CHILL", keys_detail::I, "1"},
    {kSecStorage, "Tdb", keys_detail::T, "25.0", kQTemperature},
    {kSecStorage, "Tst", keys_detail::T, "10.0", kQTemperature},
    {kSecStorage, "Hair", keys_detail::T, "9.0", kQSurfaceCoef},
    {kSecStorage, "Tend", keys_detail::T, "15.0", kQTemperature},
    {kSecStorage, "k", keys_detail::I, "0"},
    {kSecStorage, "Time-hr", keys_detail::T, "12.0"},
    {kSecStorage, "Percent", keys_detail::T, "80"},
    // The tank itself (0 box, 1 cylinder, 2 sphere) and its dimensions in the length unit.
    {kSecStorage, "Shape", keys_detail::I, "0", 0, 0, 2},
    {kSecStorage, "BoxWidth", keys_detail::T, "2.0", kQLength},
    {kSecStorage, "BoxHeight", keys_detail::T, "2.0", kQLength},
    {kSecStorage, "BoxLength", keys_detail::T, "3.0", kQLength},
    {kSecStorage, "CylDiameter", keys_detail::T, "2.0", kQLength},
    {kSecStorage, "CylLength", keys_detail::T, "3.0", kQLength},
    {kSecStorage, "SphDiameter", keys_detail::T, "2.5", kQLength},

    {kSecOperating, "Tdb", keys_detail::T, "25.0", kQTemperature},
    {kSecOperating, "Top", keys_detail::T, "10.0", kQTemperature},
    {kSecOperating, "%RH", keys_detail::I, "0"},
    {kSecOperating, "Hair", keys_detail::T, "9.0", kQSurfaceCoef},
    {kSecOperating, "k", keys_detail::I, "0"},

    {kSecRValue, "Select", keys_detail::I, "0"},
    {kSecRValue, "Tmean", keys_detail::T, "75.0", kQTemperature},
    {kSecRValue, "k", keys_detail::T, "0.2500", kQConductivity},
    {kSecRValue, "IDFrom", keys_detail::I, "0"},
    {kSecRValue, "IDTo", keys_detail::I, "4"},
    {kSecRValue, "ThFrom", keys_detail::I, "0"},
    {kSecRValue, "ThTo", keys_detail::I, "4"},
    {kSecRValue, "RvalueFrom", keys_detail::I, "0"},
    {kSecRValue, "RvalueTo", keys_detail::I, "4"},
    // The chart chosen in the R-value dialog (1 R at constant k, 2 thickness at constant
    // R; 0 none), so a restart reopens it.
    {kSecRValue, "Analysis", keys_detail::I, "0", 0, 0, 2},

    // Typed values of the list-or-typed boxes of the hot-water screen.
    {kSecHot, "k_Const_kTyped", keys_detail::X, "", kQConductivity},
    {kSecHot, "T_Const_TsufTyped", keys_detail::X, "", kQTemperature},
};

constexpr bool EqualNoCase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = 0; i < a.size(); ++i) {
    const char x = a[i] >= 'a' && a[i] <= 'z' ? static_cast<char>(a[i] - 32) : a[i];
    const char y = b[i] >= 'a' && b[i] <= 'z' ? static_cast<char>(b[i] - 32) : b[i];
    if (x != y) return false;
  }
  return true;
}

// Whether some section has a key of this name (names compared without regard to case).
constexpr bool IsKeyName(std::string_view name) {
  for (const SettingKey& k : kSettingKeys) {
    if (EqualNoCase(k.key, name)) return true;
  }
  return false;
}

// A key's name as the settings take it. A name written in the code is checked when the
// code compiles: a misspelt key does not build. A name made at run time (a panel
// description's key, a key with a suffix) goes through KeyName::runtime and is checked
// when it is used.
class KeyName {
 public:
  consteval KeyName(const char* name) : name_(name), first_(FirstExact(name_)) {
    if (!IsKeyName(name_)) throw "not a key of the settings file";
  }
  static constexpr KeyName runtime(std::string_view name) { return KeyName(name, 0); }
  constexpr std::string_view view() const { return name_; }
  // The first table row spelling this name exactly, found while compiling; -1 for a name
  // made at run time. Lookups start there instead of comparing every row.
  constexpr int firstRow() const { return first_; }

 private:
  constexpr KeyName(std::string_view name, int) : name_(name) {}
  static constexpr int FirstExact(std::string_view name) {
    for (int i = 0; i < static_cast<int>(std::size(kSettingKeys)); ++i) {
      if (kSettingKeys[i].key == name) return i;
    }
    return -1;
  }
  std::string_view name_;
  int first_ = -1;
};

// The table row of a section's key (names compared without regard to case), or -1.
int SettingKeyRow(std::string_view section, KeyName key);

}  // namespace qora
