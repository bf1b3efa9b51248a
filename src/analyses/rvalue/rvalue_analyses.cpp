#include "analyses/rvalue/rvalue_analyses.h"

#include <cmath>

#include "analyses/rvalue/rvalue_parts.h"
#include "engine/number_text.h"
#include "engine/surface.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora {

namespace rvalue {

namespace {

template <size_t N>
QString At(const std::array<QString, N>& list, int row) {
  return row >= 1 && row <= int(N) ? list[size_t(row - 1)] : QString();
}

template <size_t N>
int Labelled(const std::array<QString, N>& list) {
  int n = 0;
  for (const QString& s : list) n += s.isEmpty() ? 0 : 1;
  return n;
}

// The panels: the range of tubes, then the range of rows of the chart.
FieldDesc Field(FieldKind kind, const char* key, const char* control, const char* label,
                const char* fallback) {
  return {kind, key, control, label, fallback, CaptionKind::Role, 0};
}

const PanelDesc kRAtKPanel = {
    "RValuekConstPanel",
    kSecRValue,
    {Field(FieldKind::TubeList, "IDFrom", "RValueNomIDFrCbBox", "RValueNomIDLbl",
           "Nominal Tube Size"),
     Field(FieldKind::TubeList, "IDTo", "RValueNomIDToCbBox", "RValueNomIDtoLbl", "to"),
     Field(FieldKind::SheetList, "ThFrom", "RValueNomThFrCbBox", "RValueNomThkLbl",
           "Nominal Thickness"),
     Field(FieldKind::SheetList, "ThTo", "RValueNomThToCbBox", "RValueNomThktoLbl", "to")}};

const PanelDesc kThicknessAtRPanel = {
    "RValueRConstPanel",
    kSecRValue,
    {Field(FieldKind::TubeList, "IDFrom", "RValueNomIDFrCbBox", "RValueNomIDLbl",
           "Nominal Tube Size"),
     Field(FieldKind::TubeList, "IDTo", "RValueNomIDToCbBox", "RValueNomIDtoLbl", "to"),
     Field(FieldKind::RValueList, "RvalueFrom", "RValueRValueFrCbBox", "RValueRValueLbl",
           "R Value"),
     Field(FieldKind::RValueList, "RvalueTo", "RValueRValueToCbBox", "RValueRValuetoLbl", "to")}};

}  // namespace

RValueTables::RValueTables(const AppState& state, int unit) : state_(state), unit_(unit) {}

QString RValueTables::tubeLabel(int c) const {
  return At(state_.insul.tube[unit_ - 1][0], c);
}
QString RValueTables::tubeInside(int c) const {
  return At(state_.insul.tube[unit_ - 1][1], c);
}
QString RValueTables::sheetLabel(int r) const {
  return At(state_.insul.sheet[unit_ - 1][0], r);
}
QString RValueTables::sheetValue(int r) const {
  return At(state_.insul.sheet[unit_ - 1][1], r);
}
QString RValueTables::rValueLabel(int r) const {
  return At(state_.params.rValue[unit_ - 1][0], r);
}
QString RValueTables::rValueValue(int r) const {
  return At(state_.params.rValue[unit_ - 1][1], r);
}
QString RValueTables::actualThickness(int r, int c) const {
  return r >= 1 && r <= 12 ? At(state_.insul.tubeThickness[unit_ - 1][size_t(r - 1)], c)
                           : QString();
}
int RValueTables::filledTubes() const {
  return Labelled(state_.insul.tube[unit_ - 1][0]);
}
int RValueTables::filledSheets() const {
  return Labelled(state_.insul.sheet[unit_ - 1][0]);
}
int RValueTables::filledRValues() const {
  return Labelled(state_.params.rValue[unit_ - 1][0]);
}

Real LargestTypedK(int unitSystem) {
  return unitSystem == kInchPound ? 40 : 250;
}

QString MeanTemperatureKText(const AppState& state) {
  const Real tMean = StrToValue(state.settings.text(kSecRValue, "Tmean").toStdString());
  return QString::fromStdString(
      ValueToStr(0, 4, kAtMeanTemperature(state.settings.calcContext(), tMean)));
}

KInput CurrentK(const AppState& state) {
  KInput in;
  const Settings& s = state.settings;
  if (s.rValueByMeanTemperature()) {
    if (s.text(kSecRValue, "Tmean").trimmed().isEmpty()) {
      in.refusal = "tmean-empty";
      return in;
    }
    // The shown number, not the exact k: the chart says what the dialog says.
    in.k = StrToValue(MeanTemperatureKText(state).toStdString());
  } else {
    in.k = StrToValue(s.text(kSecRValue, "k").toStdString());
    if (in.k > LargestTypedK(s.unitSystem())) in.refusal = "k-too-large";
  }
  // A mean temperature so low that k rounds to 0 or below gives no resistance to chart.
  if (!(in.k > 0)) in.refusal = "k-not-positive";
  if (in.refusal.empty() && !std::isfinite(in.k)) in.refusal = "not-finite";
  if (!in.refusal.empty()) in.k = 0;
  return in;
}

}  // namespace rvalue

const std::vector<AnalysisDef>& RValueAnalyses() {
  using namespace rvalue;
  static const std::vector<AnalysisDef> list = {
      {AnalysisId::RValueKConst, "rvalue.kconst", &kRAtKPanel, ComputeRAtK, DescribeRAtK},
      {AnalysisId::RValueRConst, "rvalue.rconst", &kThicknessAtRPanel, ComputeThicknessAtR,
       DescribeThicknessAtR},
  };
  return list;
}

}  // namespace qora
