// The texts of the hot-water charts' headings, reference lines and legends: the shared ones,
// plus the lists, flow and surface-coefficient lines the hot-water charts word their own way.
#pragma once

#include <QString>
#include <array>

#include "charts/analysis_texts.h"

namespace qora {

struct AppState;

namespace hot {

struct HotTexts : AnalysisTexts {
  HotTexts(const AppState& state, int unit);

  // Entry of a list at the combo position stored under `key`; empty when none.
  QString listEntry(const std::array<QString, 10>& list, const char* key) const;
  const std::array<QString, 10>& kList() const;
  const std::array<QString, 10>& tsurfList() const;

  QString haLine() const;
  // Pipe-size name at the combo position stored under `sizeKey`.
  QString pipeLine(const char* sizeKey) const;
  QString flowLine() const;
};

}  // namespace hot
}  // namespace qora
