// The shared fixed state in SI, set up for hand-checked hot-water numbers: Tdb 20 °C,
// Top 80 °C, typed ha 10 W/(m²·K), k 0.04 W/(m·K), the 60.3 mm pipe (DN50, bore 52.5 mm)
// for the one-size charts and DN25..DN50 for the thickness charts; electricity at 3.0 per
// kWh for 1600 h a year.
#pragma once

#include "analysis_test_support.h"
#include "model/settings.h"

namespace qora::test {

inline AppState HotSiState() {
  AppState s = FixedState(2);
  s.settings.setFactorBy(1);
  s.settings.setInteger(kSecParams, "Source", 1);
  s.settings.setText(kSecParams, "Elec-Cost", "3.0");
  s.settings.setText(kSecParams, "DayofYear", "200");
  s.settings.setText(kSecParams, "HourofDay", "8");
  s.params.kHot[1] = {"0.035", "0.04", "0.045", "0.05"};
  s.params.tsurf[1] = {"40", "45", "50", "55", "60"};

  const auto set = [&s](const char* key, const char* v) {
    s.settings.setText(kSecHot, KeyName::runtime(key), v);
  };
  const auto pos = [&s](const char* key, int v) {
    s.settings.setInteger(kSecHot, KeyName::runtime(key), v);
  };
  set("Tdb", "20");
  set("Top", "80");
  set("Hair", "10");
  pos("k_Const_PpSzFrom", 2);  // DN25 .. DN50
  pos("k_Const_PpSzTo", 5);
  pos("k_Const_TsufFrom", 0);
  pos("k_Const_TsufTo", 1);
  pos("k_Const_k", 1);
  pos("T_Const_PpSzFrom", 5);
  pos("T_Const_PpSzTo", 5);
  pos("T_Const_kFrom", 0);
  pos("T_Const_kTo", 2);
  pos("T_Const_Tsuf", 0);
  for (const char* prefix : {"Tsurface", "Tlen", "Ttime", "Elos", "ElosCst", "OvallCst"}) {
    const std::string p(prefix);
    pos((p + "_PpSz").c_str(), 5);  // DN50, 60.3 mm
    pos((p + "_k").c_str(), 1);     // 0.04 W/(m·K)
  }
  pos("Tsurface_Tsuf", 0);
  set("Tsurface_Thc", "40");
  set("Tlen_Length", "100");
  set("Tlen_Thc", "20");
  set("Tlen_Flow", "0.5");
  pos("TtimeHr", 12);
  set("Ttime_Thc", "20");
  set("Elos_Thc", "40");
  set("ElosCst_Thc", "40");
  set("OvallCst_Thc", "100");
  set("OvallCst_Interest", "8");
  set("OvallCst_Depre_Yr", "3");
  for (int j = 0; j < 15; ++j) s.costs.ips[5][j] = 100.0L * (j + 1);
  return s;
}

}  // namespace qora::test
