#include "shell/chill_panels.h"

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
  return {K::KChilledList, key, control, label, "k", C::Role, 2};
}
FieldDesc Thickness(const char* key, const char* control, const char* label,
                    const char* caption = "Thickness") {
  return {K::Number, key, control, label, caption, C::Role, 4};
}

}  // namespace

const std::array<PanelDesc, 8>& ChillPanels() {
  static const std::array<PanelDesc, 8> panels = {{
      {"ChillkConstPanel",
       kSecChilled,
       {Size("k_Const_PpSzFrom", "ChillkConstPpSzFrComboBox", "ChillkConstPpSzLabel1"),
        SizeTo("k_Const_PpSzTo", "ChillkConstPpSzToComboBox", "ChillkConstPpSzLabel2"),
        {K::RhList, "k_Const_RHFrom", "ChillkConstRHFrComboBox", "ChillkConstRHLabel1",
         "RH (%) from"},
        {K::RhList, "k_Const_RHTo", "ChillkConstRHToComboBox", "ChillkConstRHLabel2", "to"},
        KValue("k_Const_k", "ChillkConstkComboBox", "ChillkConstkLabel")}},
      {"ChillRHConstPanel",
       kSecChilled,
       {Size("RH_Const_PpSzFrom", "ChillRHConstPpSzFrComboBox", "ChillRHConstPpSzLabel1"),
        SizeTo("RH_Const_PpSzTo", "ChillRHConstPpSzToComboBox", "ChillRHConstPpSzLabel2"),
        {K::KChilledList, "RH_Const_kFrom", "ChillRHConstkFrComboBox", "ChillRHConstkLabel1",
         "k from"},
        KValue("RH_Const_kTo", "ChillRHConstkToComboBox", "ChillRHConstkLabel2"),
        {K::RhList, "RH_Const_RH", "ChillRHConstRHComboBox", "ChillRHConstRHLabel", "RH (%)"}}},
      {"ChillTsufPanel",
       kSecChilled,
       {Size("Tsurface_PpSz", "ChillTsufPpSzComboBox", "ChillTsufPpSzLabel"),
        {K::RhList, "Tsurface_RH", "ChillTsufRHComboBox", "ChillTsufRHLabel", "RH (%)"},
        KValue("Tsurface_k", "ChillTsufkComboBox", "ChillTsufkLabel"),
        Thickness("Tsurface_Thc", "ChillTsufThEdit", "ChillTsufThLabel", "Max. thickness")}},
      {"ChillTlnPanel",
       kSecChilled,
       {Size("Tlen_PpSz", "ChillTlnPpSzComboBox", "ChillTlnPpSzLabel"),
        KValue("Tlen_k", "ChillTlnkComboBox", "ChillTlnkLabel"),
        Thickness("Tlen_Thc", "ChillTlnThEdit", "ChillTlnThLabel"),
        {K::Number, "Tlen_Length", "ChillTlnLenEdit", "ChillTlnLenLabel", "Length", C::Role, 7},
        {K::Number, "Tlen_Flow", "ChillTlnFlowEdit", "ChillTlnFlowLabel", "Flow", C::Role, 8}}},
      {"ChillTtimePanel",
       kSecChilled,
       {Size("Ttime_PpSz", "ChillTtimePpSzComboBox", "ChillTtimePpSzLabel"),
        KValue("Ttime_k", "ChillTtimekComboBox", "ChillTtimekLabel"),
        Thickness("Ttime_Thc", "ChillTtimeThEdit", "ChillTtimeThLabel"),
        {K::Hours, "TtimeHr", "ChillTtimehrTrackBar", "ChillTtimeTimeLabel", "Time"}}},
      {"ChillEInsThPanel",
       kSecChilled,
       {Size("EInsTh_PpSz", "ChillEInsThPpSzComboBox", "ChillEInsThPpSzLabel"),
        KValue("EInsTh_k", "ChillEInsThkComboBox", "ChillEInsThkLabel"),
        Thickness("EInsTh_Thc", "ChillEInsThThEdit", "ChillEInsThThLabel", "Max. thickness")}},
      {"ChillECsInsThPanel",
       kSecChilled,
       {Size("ECsInsTh_PpSz", "ChillECsInsThPpSzComboBox", "ChillECsInsThPpSzLabel"),
        KValue("ECsInsTh_k", "ChillECsInsThkComboBox", "ChillECsInsThkLabel"),
        Thickness("ECsInsTh_Thc", "ChillECsInsThThEdit", "ChillECsInsThThLabel",
                  "Max. thickness")}},
      {"ChillOvallCstPanel",
       kSecChilled,
       {Size("OvallCst_PpSz", "ChillOvallCstPpSzComboBox", "ChillOvallCstPpSzLabel"),
        KValue("OvallCst_k", "ChillOvallCstkComboBox", "ChillOvallCstkLabel"),
        Thickness("OvallCst_Thc", "ChillOvallCstThEdit", "ChillOvallCstThLabel"),
        {K::Number, "OvallCst_Interest", "ChillOvallCstIntrEdit", "ChillOvallCstIntrLabel",
         "Interest (%)"},
        {K::Number, "OvallCst_Depre_Yr", "ChillOvallCstYrEdit", "ChillOvallCstYrLabel", "Years"}}},
  }};
  return panels;
}

}  // namespace qora
