// Captions, hints and font faces from the message file, applied to a window's widgets by
// role "Form.Component" (the component being the widget's objectName). Layout texts stay
// where the message file gives nothing.
#pragma once

#include <QString>

class QWidget;

namespace qora {

struct LanguageTexts;

// Applies to every named descendant of `form` (and to the window title under the role
// "Form" itself): label, button, group box and tab captions; tooltips; font faces.
void ApplyLanguage(QWidget& form, const LanguageTexts& lang, const QString& formName);

// The font face for a role: the message file's face, else `fallback`.
QString FaceFor(const LanguageTexts& lang, const QString& role, const QString& fallback = {});

}  // namespace qora
