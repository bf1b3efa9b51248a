#include "shell/hot_panels.h"

#include "model/settings.h"

namespace qora {

namespace {

using K = FieldKind;
using C = CaptionKind;

// Quantity codes of the unit labels: 2 k, 4 thickness, 7 length, 8 flow.
FieldDesc Size(const char* key, const char* control, const char* label) {
  return {K::PipeSizeList, key, control, label, "Pipe size", C::SizeUnit, 0};
}
FieldDesc SizeTo(const char* key, const char* control, const char* label) {
  return {K::PipeSizeList, key, control, label, "to", C::Role, 0};
}
FieldDesc KValue(const char* key, const char* control, const char* label) {
  return {K::KHotList, key, control, label, "k", C::Role, 2};
}
FieldDesc Tsurf(K kind, const char* key, const char* control, const char* label) {
  return {kind, key, control, label, "Surface temp.", C::TsurfUnit, 0};
}
FieldDesc Thickness(const char* key, const char* control, const char* label,
                    const char* caption = "Thickness") {
  return {K::Number, key, control, label, caption, C::Role, 4};
}

}  // namespace

const std::array<PanelDesc, 8>& HotPanels() {
  static const std::array<PanelDesc, 8> panels = {{
      {"HotkConstPanel",
       kSecHot,
       {Size("k_Const_PpSzFrom", "HotkConstPpSzFrComboBox", "HotkConstPpSzLabel1"),
        SizeTo("k_Const_PpSzTo", "HotkConstPpSzToComboBox", "HotkConstPpSzLabel2"),
        Tsurf(K::TsurfList, "k_Const_TsufFrom", "HotkConstTsufFrComboBox", "HotkConstTsufLabel1"),
        {K::TsurfList, "k_Const_TsufTo", "HotkConstTsufToComboBox", "HotkConstTsufLabel2", "to"},
        {K::KHotTyped, "k_Const_k", "HotkConstkComboBox", "HotkConstkLabel", "k", C::Role, 2}}},
      {"HotTConstPanel",
       kSecHot,
       {Size("T_Const_PpSzFrom", "HotTConstPpSzFrComboBox", "HotTConstPpSzLabel1"),
        SizeTo("T_Const_PpSzTo", "HotTConstPpSzToComboBox", "HotTConstPpSzLabel2"),
        {K::KHotList, "T_Const_kFrom", "HotTConstkFrComboBox", "HotTConstkLabel1", "k from"},
        KValue("T_Const_kTo", "HotTConstkToComboBox", "HotTConstkLabel2"),
        Tsurf(K::TsurfTyped, "T_Const_Tsuf", "HotTConstTsufComboBox", "HotTConstTsufLabel")}},
      {"HotTsufPanel",
       kSecHot,
       {Size("Tsurface_PpSz", "HotTsufPpSzComboBox", "HotTsufPpSzLabel"),
        Tsurf(K::TsurfList, "Tsurface_Tsuf", "HotTsufTsufComboBox", "HotTsufTsufLabel"),
        KValue("Tsurface_k", "HotTsufkComboBox", "HotTsufkLabel"),
        Thickness("Tsurface_Thc", "HotTsufThEdit", "HotTsufThLabel", "Max. thickness")}},
      {"HotTlnPanel",
       kSecHot,
       {Size("Tlen_PpSz", "HotTlnPpSzComboBox", "HotTlnPpSzLabel"),
        KValue("Tlen_k", "HotTlnkComboBox", "HotTlnkLabel"),
        Thickness("Tlen_Thc", "HotTlnThEdit", "HotTlnThLabel"),
        {K::Number, "Tlen_Length", "HotTlnLenEdit", "HotTlnLenLabel", "Length", C::Role, 7},
        {K::Number, "Tlen_Flow", "HotTlnFlowEdit", "HotTlnFlowLabel", "Flow", C::Role, 8}}},
      {"HotTtimePanel",
       kSecHot,
       {Size("Ttime_PpSz", "HotTtimePpSzComboBox", "HotTtimePpSzLabel"),
        KValue("Ttime_k", "HotTtimekComboBox", "HotTtimekLabel"),
        Thickness("Ttime_Thc", "HotTtimeThEdit", "HotTtimeThLabel"),
        {K::Hours, "TtimeHr", "HotTtimehrTrackBar", "HotTtimeTimeLabel", "Time"}}},
      {"HotElosPanel",
       kSecHot,
       {Size("Elos_PpSz", "HotElosPpSzComboBox", "HotElosPpSzLabel"),
        KValue("Elos_k", "HotEloskComboBox", "HotEloskLabel"),
        Thickness("Elos_Thc", "HotElosThEdit", "HotElosThLabel", "Max. thickness")}},
      {"HotElosCstPanel",
       kSecHot,
       {Size("ElosCst_PpSz", "HotElosCstPpSzComboBox", "HotElosCstPpSzLabel"),
        KValue("ElosCst_k", "HotElosCstkComboBox", "HotElosCstkLabel"),
        Thickness("ElosCst_Thc", "HotElosCstThEdit", "HotElosCstThLabel", "Max. thickness")}},
      {"HotOvallCstPanel",
       kSecHot,
       {Size("OvallCst_PpSz", "HotOvallCstPpSzComboBox", "HotOvallCstPpSzLabel"),
        KValue("OvallCst_k", "HotOvallCstkComboBox", "HotOvallCstkLabel"),
        Thickness("OvallCst_Thc", "HotOvallCstThEdit", "HotOvallCstThLabel"),
        {K::Number, "OvallCst_Depre_Yr", "HotOvallCstYrEdit", "HotOvallCstYrLabel", "Years"},
        {K::Number, "OvallCst_Interest", "HotOvallCstIntrEdit", "HotOvallCstIntrLabel",
         "Interest (%)"}}},
  }};
  return panels;
}

}  // namespace qora
