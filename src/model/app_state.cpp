#include "model/app_state.h"

namespace qora {

void LoadProgramState(AppState& state, const QString& appDir) {
  state.appDir = appDir;
  // The language decides which message file is read, before anything else is loaded.
  const int lang = ReadLanguageIndex(state.iniPath());
  state.lang = BuiltinLanguageTexts();
  LoadLanguageTexts(state.lang, appDir, lang);
  ReadParamFile(state.params, state.paramPath());
  ReadInsulFile(state.insul, state.insulPath());
  ReadCostFile(state.costs, state.costPath());
  LoadSettings(state.settings, state.iniPath());
}

}  // namespace qora
