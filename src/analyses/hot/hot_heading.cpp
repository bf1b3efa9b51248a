#include "analyses/hot/hot_heading.h"

#include <string>

#include "engine/units.h"
#include "model/app_state.h"

namespace qora::hot {

HotTexts::HotTexts(const AppState& s, int u) : AnalysisTexts(s, u, kSecHot) {}

QString HotTexts::listEntry(const std::array<QString, 10>& list, const char* key) const {
  // A value typed into a list-or-typed box is what the heading shows, as typed.
  const QString typed = state.settings.text(kSecHot, std::string(key) + kTypedKeySuffix);
  if (!typed.isEmpty()) return typed;
  const int pos = state.settings.integer(kSecHot, key);
  return pos >= 0 && pos < 10 ? list[pos] : QString();
}

const std::array<QString, 10>& HotTexts::kList() const {
  return state.params.kHot[unit - 1];
}

const std::array<QString, 10>& HotTexts::tsurfList() const {
  return state.params.tsurf[unit - 1];
}

QString HotTexts::haLine() const {
  // A calculated coefficient is not the (hidden) typed one: name the method instead, as the
  // local-conditions dialog does in the field's place.
  if (state.settings.factorBy() == 2) {
    return state.lang.caption("HotLocalDlg.haLabel") + " " + "BY ASTM C680";
  }
  return typedHaLine("HotLocalDlg.haLabel");
}

QString HotTexts::pipeLine(const char* sizeKey) const {
  // Position i names row i + 1; a position outside the table names no size.
  const int pos = state.settings.integer(kSecHot, sizeKey);
  return AnalysisTexts::pipeLine(pos >= 0 && pos < 40 ? pos + 1 : 0);
}

QString HotTexts::flowLine() const {
  return msg(12) + setting("Tlen_Flow") + unitLabel(kQFlow);
}

}  // namespace qora::hot
