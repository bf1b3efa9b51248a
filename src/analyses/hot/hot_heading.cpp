#include "analyses/hot/hot_heading.h"

#include "engine/units.h"
#include "model/app_state.h"

namespace qora::hot {

HotTexts::HotTexts(const AppState& s, int u) : AnalysisTexts(s, u, kSecHot) {}

const std::array<QString, 10>& HotTexts::kList() const {
  return state.params.kHot[unit - 1];
}

const std::array<QString, 10>& HotTexts::tsurfList() const {
  return state.params.tsurf[unit - 1];
}

QString HotTexts::haLine() const {
  return haLineUnder("HotLocalDlg.haLabel");
}

QString HotTexts::pipeLine(KeyName sizeKey) const {
  // Position i names row i + 1; a position outside the table names no size.
  const int pos = position(sizeKey);
  return AnalysisTexts::pipeLine(pos >= 0 && pos < 40 ? pos + 1 : 0);
}

QString HotTexts::flowLine() const {
  return msg(12) + setting("Tlen_Flow") + unitLabel(kQFlow);
}

FieldDesc SizeField(const char* key, const char* control, const char* label) {
  return {FieldKind::PipeSizeList, key, control, label, "Pipe size", CaptionKind::SizeUnit, 0};
}
FieldDesc SizeToField(const char* key, const char* control, const char* label) {
  return {FieldKind::PipeSizeList, key, control, label, "to", CaptionKind::Role, 0};
}
FieldDesc KField(const char* key, const char* control, const char* label) {
  return {FieldKind::KHotList, key, control, label, "k", CaptionKind::Role, kQConductivity};
}
FieldDesc TsurfField(FieldKind kind, const char* key, const char* control, const char* label) {
  return {kind, key, control, label, "Surface temp.", CaptionKind::TsurfUnit, 0};
}
FieldDesc ThicknessField(const char* key, const char* control, const char* label,
                         const char* caption) {
  return {FieldKind::Number, key, control, label, caption, CaptionKind::Role, kQThickness};
}

}  // namespace qora::hot
