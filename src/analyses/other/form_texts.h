// The texts of a form as its screen shows them and its printout copies them: captions,
// each field's value and unit, the tank's service line and the answer lines.
#pragma once

#include <QString>
#include <QStringList>

#include "analyses/other/form_def.h"

namespace qora {

struct LanguageTexts;

// The caption of a main-window component ("DuctLabel1"): the language's text, without a
// layout placeholder's leading '-', else the English fallback.
QString FormCaption(const LanguageTexts& lang, const char* component, const char* fallback);
// What takes the ha box's place when the surface coefficient is calculated.
QString AstmText(const LanguageTexts& lang);

// The entries a list field offers in the current unit system (and, for the tank's k, its
// service); empty for a typed field.
QStringList FieldList(const AppState& state, const FormField& field);
// A field's value as its control shows it: the typed text, or the list entry its stored
// position names (empty for none). The ha field shows AstmText when ha is calculated.
QString FieldValueText(const AppState& state, const FormDef& def, const FormField& field);
// The unit label of a field; empty for the ha field when ha is calculated.
QString FieldUnitText(const AppState& state, const FormField& field);
// Whether a field is part of the form for the tank shape now chosen.
bool FieldShown(const AppState& state, const FormField& field);

// "Chilled Water - SQUARE TANK": the checked service's caption and the tank shape's name.
QString TankServiceText(const AppState& state);

// An answer's value as the screen shows it, and its unit (none beside "N/A").
QString AnswerValueText(const FormAnswer& answer, const FormResult& result);
QString AnswerUnitText(const AppState& state, const FormAnswer& answer, const FormResult& result);

// The printed page's texts, each line "caption value unit".
struct FormPage {
  QString title;
  QStringList lines;    // the service line (storage), then one per field shown
  QStringList answers;  // bold, after one blank line
};
FormPage FormPageTexts(const FormDef& def, const FormResult& result, const AppState& state);

}  // namespace qora
