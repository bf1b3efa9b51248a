#include "analyses/chilled/chilled_common.h"

#include "analyses/chilled/chilled_inputs.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora::chilled {

PipeCase Pipe(const Inputs& in, Real d, Real k) {
  return {in.tdb, in.top, k, in.ha, d};
}

Real ChillerPower(Real heatGain, Real kWTR) {
  return heatGain * kWTR * 0.284L;
}

Real EnergyCostPerLength(int unitSystem, Real heatGain, Real kWTR, Real price, Real hours) {
  // Power in W/m, price per kWh: price · hours · W / 1000 per metre, × 0.3048 per foot.
  const Real p = ConvertUnits(kQHeatPerLength, unitSystem, kSI, ChillerPower(heatGain, kWTR));
  if (unitSystem == kInchPound) return price * hours * p * 0.3048L / 1000;
  return price * hours * p / 1000;
}

FieldDesc SizeField(const char* key, const char* control, const char* label) {
  return {FieldKind::PipeSizeList, key, control, label, "Pipe size", CaptionKind::SizeUnit, 0};
}
FieldDesc SizeToField(const char* key, const char* control, const char* label) {
  return {FieldKind::PipeSizeList, key, control, label, "to", CaptionKind::Role, 0};
}
FieldDesc KField(const char* key, const char* control, const char* label) {
  return {FieldKind::KChilledList, key, control, label, "k", CaptionKind::Role, kQConductivity};
}
FieldDesc ThicknessField(const char* key, const char* control, const char* label,
                         const char* caption) {
  return {FieldKind::Number, key, control, label, caption, CaptionKind::Role, kQThickness};
}

HeadingTexts::HeadingTexts(const AppState& state, int unit)
    : AnalysisTexts(state, unit, kSecChilled) {}

QString HeadingTexts::rhLine(const QString& rh) const {
  return state.lang.QuantityName(kQRelHumidity) + " " + rh + unitLabel(kQRelHumidity);
}

QString HeadingTexts::haLine() const {
  return haLineUnder("ChillLocalDlg.haLabel");
}

QString HeadingTexts::kAt(KeyName key) const {
  return listAt(state.params.kChilled[unit - 1], key);
}

QString HeadingTexts::rhAt(KeyName key) const {
  return listAt(state.params.rh, key);
}

QString HeadingTexts::pipeAt(KeyName key) const {
  return pipeLine(position(key) + 1);
}

ChartWording HeadingTexts::pipeSpec(int titleMsg, const QString& footer, KeyName sizeKey,
                                 KeyName kKey) const {
  ChartWording wording;
  wording.title = msg(titleMsg);
  wording.footer = footer;
  wording.lines = {{1, 0, pipeAt(sizeKey)},
                {2, 0, tdbLine()},
                {2, 1, topLine()},
                {3, 1, kLine(kAt(kKey))},
                {4, 1, haLine()}};
  return wording;
}

}  // namespace qora::chilled
