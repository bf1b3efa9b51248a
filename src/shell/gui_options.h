// Command-line options of the desktop program, parsed with Qt's command-line parser before
// the GUI application exists, so --help, --version and a wrong option answer on any
// machine, with or without a display.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace qora {

struct GuiOptions {
  enum class Action { Run, Help, Version, Error };
  Action action = Action::Run;
  QString home;     // program folder with the settings and data files; empty: the executable's
  QSize screen;     // layout size instead of the primary screen's; invalid: the screen's
  QString printTo;  // --print-to DIR: every print job becomes a PDF in DIR; empty: the dialog
  int edition = 0;  // --edition NAME: language index 1..6 to start in and keep; 0: the settings'
  QString text;     // the help or version text, or one line naming the fault (Error)
};

// Parses the whole command line (the program name first).
GuiOptions ParseGuiOptions(const QStringList& arguments);

}  // namespace qora
