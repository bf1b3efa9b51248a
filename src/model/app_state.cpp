#include "model/app_state.h"

namespace qora {

void LoadProgramState(AppState& state, const QString& appDir, int edition) {
  state.appDir = appDir;
  const bool chosen = edition >= 1 && edition <= 6;
  // The language decides which message file is read, before anything else is loaded.
  const int lang = chosen ? edition : ReadLanguageIndex(state.iniPath());
  state.lang = BuiltinLanguageTexts();
  // A language whose folder is not installed starts with the English texts rather than
  // with empty chart titles and headings.
  if (!LoadLanguageTexts(state.lang, appDir, lang) && lang != 1) {
    LoadLanguageTexts(state.lang, appDir, 1);
  }
  // Table files hold names in the edition's language: UTF-8, or its legacy code page.
  ReadParamFile(state.params, state.paramPath(), lang);
  ReadInsulFile(state.insul, state.insulPath(), lang);
  ReadCostFile(state.costs, state.costPath(), lang);
  LoadSettings(state.settings, state.iniPath());
  if (chosen) state.settings.setLangIndex(edition);
}

}  // namespace qora
