#include "shell/screen_registry.h"

#include "shell/document_screen.h"
#include "shell/form_screen.h"
#include "shell/line_screen.h"
#include "shell/main_window.h"
#include "shell/rvalue_screen.h"

namespace qora {

namespace {

// A form screen whose return button takes the window back to its menu.
Screen* MakeForm(AppState& s, FormId id, QWidget* dialogs, QWidget* area) {
  FormScreen* screen = MakeFormScreen(s, id, area);
  if (auto* window = qobject_cast<MainWindow*>(dialogs)) {
    QObject::connect(screen, &FormScreen::returnRequested, window, &MainWindow::showMainMenu);
  }
  return screen;
}

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
      {3, [](AppState& s, QWidget* dialogs,
             QWidget* area) { return MakeForm(s, FormId::Duct, dialogs, area); }},
      {4, [](AppState& s, QWidget* dialogs,
             QWidget* area) { return MakeForm(s, FormId::Storage, dialogs, area); }},
      {5, [](AppState& s, QWidget* dialogs,
             QWidget* area) { return MakeForm(s, FormId::Operating, dialogs, area); }},
      {6,
       [](AppState& s, QWidget* dialogs, QWidget* area) -> Screen* {
         return MakeRValueScreen(s, dialogs, area);
       }},
      DocumentEntry(7, DocumentKind::Appendix),
      DocumentEntry(8, DocumentKind::Conversion),
  };
  return entries;
}

}  // namespace qora
