#include "shell/screen_registry.h"

#include "shell/document_screen.h"
#include "shell/line_screen.h"

namespace qora {

namespace {

ScreenEntry DocumentEntry(int menuItem, DocumentKind kind) {
  return {menuItem, [kind](AppState& s, QWidget*, QWidget* area) -> Screen* {
            return new DocumentScreen(s, kind, area);
          }};
}

}  // namespace

const std::vector<ScreenEntry>& ScreenRegistry() {
  static const std::vector<ScreenEntry> entries = {
      DocumentEntry(0, DocumentKind::Catalogue),
      {1,
       [](AppState& s, QWidget* dialogs, QWidget* area) -> Screen* {
         return MakeLineScreen(s, LineKind::Chilled, dialogs, area);
       }},
      {2,
       [](AppState& s, QWidget* dialogs, QWidget* area) -> Screen* {
         return MakeLineScreen(s, LineKind::Hot, dialogs, area);
       }},
      DocumentEntry(7, DocumentKind::Appendix),
      DocumentEntry(8, DocumentKind::Conversion),
  };
  return entries;
}

}  // namespace qora
