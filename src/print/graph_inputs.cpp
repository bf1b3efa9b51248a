#include "print/graph_inputs.h"

#include "engine/number_text.h"
#include "model/app_state.h"

namespace qora::printout {

namespace {

template <std::size_t N>
QString Row(const std::array<QString, N>& list, int row) {
  return row >= 1 && row <= static_cast<int>(N) ? list[static_cast<std::size_t>(row - 1)]
                                                : QString();
}

int UnitIndex(int unit) {
  return unit >= 1 && unit <= 3 ? unit - 1 : 0;
}

// Settings keys of each analysis' panel; nullptr where the panel has no such input.
struct PanelKeys {
  const char* pipe;
  const char* k;
  const char* rh;
  const char* tsurf;
  const char* thickness;
  const char* flow;
};

PanelKeys KeysFor(AnalysisId id) {
  switch (id) {
    case AnalysisId::ChilledKConst:
    case AnalysisId::HotKConst:
      return {nullptr, "k_Const_k", nullptr, nullptr, nullptr, nullptr};
    case AnalysisId::ChilledRHConst:
      return {nullptr, nullptr, "RH_Const_RH", nullptr, nullptr, nullptr};
    case AnalysisId::HotTConst:
      return {nullptr, nullptr, nullptr, "T_Const_Tsuf", nullptr, nullptr};
    case AnalysisId::ChilledTsurf:
      return {"Tsurface_PpSz", "Tsurface_k", "Tsurface_RH", nullptr, nullptr, nullptr};
    case AnalysisId::HotTsurf:
      return {"Tsurface_PpSz", "Tsurface_k", nullptr, "Tsurface_Tsuf", nullptr, nullptr};
    case AnalysisId::ChilledTline:
    case AnalysisId::HotTline:
      return {"Tlen_PpSz", "Tlen_k", nullptr, nullptr, "Tlen_Thc", "Tlen_Flow"};
    case AnalysisId::ChilledTtime:
    case AnalysisId::HotTtime:
      return {"Ttime_PpSz", "Ttime_k", nullptr, nullptr, "Ttime_Thc", nullptr};
    case AnalysisId::ChilledEnergy:
      return {"EInsTh_PpSz", "EInsTh_k", nullptr, nullptr, nullptr, nullptr};
    case AnalysisId::ChilledEnergyCost:
      return {"ECsInsTh_PpSz", "ECsInsTh_k", nullptr, nullptr, nullptr, nullptr};
    case AnalysisId::HotHeatLoss:
      return {"Elos_PpSz", "Elos_k", nullptr, nullptr, nullptr, nullptr};
    case AnalysisId::HotHeatLossCost:
      return {"ElosCst_PpSz", "ElosCst_k", nullptr, nullptr, nullptr, nullptr};
    case AnalysisId::ChilledOverall:
    case AnalysisId::HotOverall:
      return {"OvallCst_PpSz", "OvallCst_k", nullptr, nullptr, nullptr, nullptr};
  }
  return {};
}

}  // namespace

bool IsHotAnalysis(AnalysisId id) {
  return static_cast<int>(id) >= static_cast<int>(AnalysisId::HotKConst);
}

QString PipeSizeName(const AppState& state, int unit, int row) {
  const int type = state.settings.pipeType() == 1 ? 0 : 1;
  if (row < 1 || row > 40) return {};
  return state.params.pipeSize[type][UnitIndex(unit)][row - 1][0];
}

QString RhText(const AppState& state, int row) {
  return Row(state.params.rh, row);
}

QString KText(const AppState& state, bool hot, int unit, int row) {
  return Row(hot ? state.params.kHot[UnitIndex(unit)] : state.params.kChilled[UnitIndex(unit)],
             row);
}

QString TsurfText(const AppState& state, int unit, int row) {
  return Row(state.params.tsurf[UnitIndex(unit)], row);
}

PanelTexts ReadPanelTexts(AnalysisId id, const AppState& state, int unit) {
  const bool hot = IsHotAnalysis(id);
  const char* section = hot ? kSecHot : kSecChilled;
  const Settings& s = state.settings;
  const PanelKeys keys = KeysFor(id);
  // A combo box's item i is table row i + 1.
  auto row = [&](const char* key) { return key ? s.integer(section, key) + 1 : 0; };

  PanelTexts p;
  p.tdb = s.text(section, "Tdb");
  p.top = s.text(section, "Top");
  p.ha = s.text(section, "Hair");
  p.haCaption = state.lang.caption(hot ? QStringLiteral("HotLocalDlg.haLabel")
                                       : QStringLiteral("ChillLocalDlg.haLabel"));
  if (keys.pipe) p.pipe = PipeSizeName(state, unit, row(keys.pipe));
  if (keys.k) p.k = KText(state, hot, unit, row(keys.k));
  if (keys.rh) p.rh = RhText(state, row(keys.rh));
  if (keys.tsurf) p.tsurf = TsurfText(state, unit, row(keys.tsurf));
  if (keys.thickness) p.thickness = s.text(section, keys.thickness);
  if (keys.flow) p.flow = s.text(section, keys.flow);
  p.currency = s.text(kSecParams, "currency");
  p.hoursPerDay = s.text(kSecParams, "HourofDay");
  p.daysPerYear = s.text(kSecParams, "DayofYear");
  p.tdbValue = StrToValue(p.tdb.toStdString());
  p.topValue = StrToValue(p.top.toStdString());
  p.tsurfValue = StrToValue(p.tsurf.toStdString());
  return p;
}

}  // namespace qora::printout
