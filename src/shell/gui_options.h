// Command-line options of the desktop program.
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>

namespace qora {

struct GuiOptions {
  QString home;   // program folder with the settings and data files; empty: the executable's
  QSize screen;   // layout size instead of the primary screen's; invalid: the screen's
  QString error;  // one line for stderr when the options are refused (exit status 2)
};

// Parses the arguments after the program name (Qt's own options already removed).
GuiOptions ParseGuiOptions(const QStringList& args);

}  // namespace qora
