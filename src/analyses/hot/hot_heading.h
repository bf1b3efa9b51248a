// The texts of the hot-water charts' headings, reference lines and legends: the shared ones,
// plus the lists, flow and surface-coefficient lines the hot-water charts word their own
// way, and the fields of the hot-water panels.
#pragma once

#include <QString>
#include <array>

#include "charts/analysis_texts.h"
#include "charts/panel_desc.h"

namespace qora {

struct AppState;

namespace hot {

struct HotTexts : AnalysisTexts {
  HotTexts(const AppState& state, int unit);

  const std::array<QString, 10>& kList() const;
  const std::array<QString, 10>& tsurfList() const;

  QString haLine() const;
  // Pipe-size name at the combo position stored under `sizeKey`.
  QString pipeLine(KeyName sizeKey) const;
  QString flowLine() const;
};

// Panel fields of the hot-water screen (quantity codes of the unit labels: 2 k,
// 4 thickness).
FieldDesc SizeField(const char* key, const char* control, const char* label);
FieldDesc SizeToField(const char* key, const char* control, const char* label);
FieldDesc KField(const char* key, const char* control, const char* label);
FieldDesc TsurfField(FieldKind kind, const char* key, const char* control, const char* label);
FieldDesc ThicknessField(const char* key, const char* control, const char* label,
                         const char* caption = "Thickness");

}  // namespace hot
}  // namespace qora
