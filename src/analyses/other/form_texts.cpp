#include "analyses/other/form_texts.h"

#include "analyses/other/form_rules.h"
#include "model/app_state.h"

namespace qora {

namespace {

QString Line(const QString& caption, const QString& value, const QString& unit) {
  QString line = caption + u' ' + value;
  if (!unit.isEmpty()) line += u' ' + unit;
  return line;
}

bool Calculated(const AppState& state, const FormField& field) {
  return field.kind == FormFieldKind::SurfaceCoef && state.settings.factorBy() == 2;
}

}  // namespace

QString FormCaption(const LanguageTexts& lang, const char* component, const char* fallback) {
  QString text = lang.caption(QStringLiteral("QORAForm.") + QString::fromLatin1(component));
  if (text.startsWith(u'-')) text.remove(0, 1);
  return text.isEmpty() ? QString::fromUtf8(fallback) : text;
}

QString AstmText(const LanguageTexts& lang) {
  const QString name = lang.factorByNames[1].trimmed();
  return name.isEmpty() ? QStringLiteral("By ASTM C680") : name;
}

QStringList FieldList(const AppState& state, const FormField& field) {
  const int u = state.settings.unitSystem();
  switch (field.kind) {
    case FormFieldKind::RhList:
      return NonEmpty(state.params.rh);
    case FormFieldKind::KChilledList:
      return NonEmpty(state.params.kChilled[u - 1]);
    case FormFieldKind::KTankList:
      return NonEmpty(state.settings.storageChilled() ? state.params.kChilled[u - 1]
                                                      : state.params.kHot[u - 1]);
    default:
      return {};
  }
}

QString FieldValueText(const AppState& state, const FormDef& def, const FormField& field) {
  const KeyName key = KeyName::runtime(field.key);
  if (Calculated(state, field)) return AstmText(state.lang);
  if (field.kind == FormFieldKind::Number || field.kind == FormFieldKind::SurfaceCoef) {
    return state.settings.text(def.section, key);
  }
  const int position = state.settings.integer(def.section, key);
  const QStringList list = FieldList(state, field);
  return position >= 0 && position < list.size() ? list[position] : QString();
}

QString FieldUnitText(const AppState& state, const FormField& field) {
  if (Calculated(state, field)) return {};
  if (field.unitCode > 0) return state.lang.UnitLabel(state.settings.unitSystem(), field.unitCode);
  if (field.unitRole) return FormCaption(state.lang, field.unitRole, "hr.");
  return field.unitText ? QString::fromUtf8(field.unitText) : QString();
}

bool FieldShown(const AppState& state, const FormField& field) {
  return field.shape < 0 || field.shape == TankShape(state.settings);
}

QString TankServiceText(const AppState& state) {
  const bool chilled = state.settings.storageChilled();
  const QString service = FormCaption(state.lang, chilled ? "ChillRadio" : "HotRadio",
                                      chilled ? "Chilled Water" : "Hot Water");
  return service + QStringLiteral(" - ") +
         state.lang.tankShapeNames[static_cast<std::size_t>(TankShape(state.settings))];
}

QString AnswerValueText(const FormAnswer& answer, const FormResult& result) {
  return answer.kind == FormAnswerKind::HeatGain ? result.heatGainText : result.answer;
}

QString AnswerUnitText(const AppState& state, const FormAnswer& answer, const FormResult& result) {
  if (AnswerValueText(answer, result) == QLatin1String("N/A")) return {};
  return state.lang.UnitLabel(result.unitSystem, answer.unitCode);
}

FormPage FormPageTexts(const FormDef& def, const FormResult& result, const AppState& state) {
  FormPage page;
  page.title = FormCaption(state.lang, def.title, def.titleFallback);
  if (def.id == FormId::Storage) page.lines << TankServiceText(state);
  for (const FormField& f : def.fields) {
    if (!FieldShown(state, f)) continue;
    page.lines << Line(FormCaption(state.lang, f.label, f.fallback), FieldValueText(state, def, f),
                       FieldUnitText(state, f));
  }
  for (const FormAnswer& a : def.answers) {
    page.answers << Line(FormCaption(state.lang, a.printLabel, a.fallback),
                         AnswerValueText(a, result), AnswerUnitText(state, a, result));
  }
  return page;
}

}  // namespace qora
