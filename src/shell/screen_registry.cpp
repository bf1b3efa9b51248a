#include "shell/screen_registry.h"

#include "shell/line_screen.h"

namespace qora {

const std::vector<ScreenEntry>& ScreenRegistry() {
  static const std::vector<ScreenEntry> entries = {
      {1,
       [](AppState& s, QWidget* dialogs, QWidget* area) -> Screen* {
         return MakeLineScreen(s, LineKind::Chilled, dialogs, area);
       }},
      {2,
       [](AppState& s, QWidget* dialogs, QWidget* area) -> Screen* {
         return MakeLineScreen(s, LineKind::Hot, dialogs, area);
       }},
  };
  return entries;
}

}  // namespace qora
