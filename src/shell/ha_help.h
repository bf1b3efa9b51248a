// The surface-coefficient help text shown beside every ha box: a heading, the unit, and
// three typical ranges of ha in the active unit system.
#pragma once

#include <QStringList>

class QPlainTextEdit;

namespace qora {

struct LanguageTexts;

// The five lines of the help for unit system `unit` (1..3; other values read as 1).
QStringList HaHelpLines(const LanguageTexts& lang, int unit);
// Clears the memo and writes the five lines.
void FillHaHelp(QPlainTextEdit& memo, const LanguageTexts& lang, int unit);
// Black box, green fixed-pitch text, read-only: the look of every help box.
void StyleHaHelp(QPlainTextEdit& memo);

}  // namespace qora
