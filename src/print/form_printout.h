// The printed page of a duct, operating-equipment or storage-tank form: the portrait
// frame, the title, one line per input (caption, value, unit) and the answers in bold, as
// the form's screen shows them. Millimetres of the portrait page (200 × 280).
#pragma once

#include <QString>

#include "analyses/other/form_def.h"

class QWidget;

namespace qora {

class Canvas;

// Where the page's texts go: title at (25, 40), the lines from 60 every 10 mm, the
// answers after one blank line; every text left-aligned on its bottom edge.
inline constexpr double kFormLeftMm = 25;
inline constexpr double kFormTitleMm = 40;
inline constexpr double kFormStepMm = 10;

// Draws the whole page from the result the screen (or the command) computed.
void PrintFormPage(Canvas& page, const FormDef& def, const FormResult& result,
                   const AppState& state);
// The form's print button: the print job titled by the form (portrait, one page).
bool PrintForm(QWidget* parent, const FormDef& def, const FormResult& result,
               const AppState& state);
// The same page as a PDF file (qora2000-cli form ... --pdf FILE).
bool WriteFormPdf(const FormDef& def, const FormResult& result, const AppState& state,
                  const QString& file);

}  // namespace qora
