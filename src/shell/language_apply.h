// Captions, hints and font faces from the message file, applied to a window's widgets by
// role "Form.Component" (the component being the widget's objectName). Layout texts stay
// where the message file gives nothing.
#pragma once

#include <QString>

class QWidget;

namespace qora {

struct LanguageTexts;

// The program's default widget font takes the caption face of the language (face 22 by the
// font rule), so no widget is left to a face the font system picks on its own.
void ApplyApplicationFont(const LanguageTexts& lang);

// Applies to every named descendant of `form` (and to the window title under the role
// "Form" itself): label, button, group box and tab captions; tooltips; font faces.
void ApplyLanguage(QWidget& form, const LanguageTexts& lang, const QString& formName);

// The font face for a role: the message file's face, else `fallback`.
QString FaceFor(const LanguageTexts& lang, const QString& role, const QString& fallback = {});

}  // namespace qora
