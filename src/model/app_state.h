// Everything the program holds between user actions, with no widgets: the program folder,
// the settings, the parameter, insulation and cost tables and the language texts. The
// windows, the command-line tool and the tests share this one model.
#pragma once

#include <QString>

#include "model/insul_tables.h"
#include "model/language.h"
#include "model/param_tables.h"
#include "model/settings.h"

namespace qora {

struct AppState {
  QString appDir;  // program folder, without a trailing separator
  Settings settings;
  ParamTables params;
  InsulTables insul;
  CostTables costs;
  LanguageTexts lang = BuiltinLanguageTexts();

  QString iniPath() const { return appDir + "/QORA2000.ini"; }
  QString paramPath() const { return appDir + "/QORApara.qdt"; }
  QString insulPath() const { return appDir + "/QORAInsu.qdt"; }
  QString costPath() const { return appDir + "/QORAcost.qdt"; }
  QString picturePath(const QString& name) const { return appDir + "/QDTgraph/" + name; }
};

// The program's start as one call: early read of Language, the language texts, the
// parameter, insulation and cost files, then the settings. Missing files leave defaults;
// a language without its message file takes the English one (the brand stays as the
// language index sets it). An `edition` of 1..6 (a command line's choice) stands for the
// settings' Language in every step; 0 keeps the settings' own.
void LoadProgramState(AppState& state, const QString& appDir, int edition = 0);

}  // namespace qora
