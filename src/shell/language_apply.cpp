#include "shell/language_apply.h"

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QWidget>

#include "model/language.h"
#include "toolkit/canvas_state.h"

namespace qora {

namespace {

void SetFace(QWidget& w, const QString& face) {
  if (face.isEmpty()) return;
  QFont f = w.font();
  f.setFamilies(FontFamilies(face));
  w.setFont(f);
}

void ApplyCaption(QWidget& w, const QString& text) {
  if (auto* label = qobject_cast<QLabel*>(&w)) {
    label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(&w)) {
    button->setText(text);
  } else if (auto* group = qobject_cast<QGroupBox*>(&w)) {
    group->setTitle(text);
  }
}

// A page of a tab widget takes its caption as the tab's text.
void ApplyTabCaption(QWidget& page, const QString& text) {
  for (QWidget* p = page.parentWidget(); p; p = p->parentWidget()) {
    if (auto* tabs = qobject_cast<QTabWidget*>(p)) {
      const int i = tabs->indexOf(&page);
      if (i >= 0) tabs->setTabText(i, text);
      return;
    }
  }
}

}  // namespace

QString FaceFor(const LanguageTexts& lang, const QString& role, const QString& fallback) {
  const QString face = lang.faces.value(role);
  return face.isEmpty() ? fallback : face;
}

void ApplyApplicationFont(const LanguageTexts& lang) {
  QFont f = QApplication::font();
  f.setFamilies(FontFamilies(lang.Font(22)));
  QApplication::setFont(f);
}

void ApplyLanguage(QWidget& form, const LanguageTexts& lang, const QString& formName) {
  if (const QString title = lang.caption(formName); !title.isEmpty()) form.setWindowTitle(title);
  SetFace(form, lang.faces.value(formName));
  for (QWidget* w : form.findChildren<QWidget*>()) {
    if (w->objectName().isEmpty()) continue;
    const QString role = formName + "." + w->objectName();
    if (const QString text = lang.caption(role); !text.isEmpty()) {
      ApplyCaption(*w, text);
      ApplyTabCaption(*w, text);
    }
    if (const QString hint = lang.hint(role); !hint.isEmpty()) w->setToolTip(hint);
    SetFace(*w, lang.faces.value(role));
  }
}

}  // namespace qora
