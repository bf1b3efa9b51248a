#include "shell/num_key_filter.h"

#include <QKeyEvent>

namespace qora {

bool NumKeyAccepts(const QString& typed) {
  if (typed.isEmpty()) return false;
  for (QChar c : typed) {
    const bool ok = c == QChar(8) || c == u'-' || c == u'.' || (c >= u'0' && c <= u'9');
    if (!ok) return false;
  }
  return true;
}

bool KeyTypesCharacter(const QKeyEvent& event) {
  if (event.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) return false;
  switch (event.key()) {
    case Qt::Key_Delete:
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Escape:
      return false;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return true;  // Enter is a character here, and the filter refuses it
    default:
      return !event.text().isEmpty();
  }
}

bool NumKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    if (KeyTypesCharacter(*key)) {
      const QString typed = key->key() == Qt::Key_Backspace ? QString(QChar(8)) : key->text();
      if (!NumKeyAccepts(typed)) return true;
    }
  }
  return QObject::eventFilter(watched, event);
}

void InstallNumKeyPress(QObject* widget) {
  widget->installEventFilter(new NumKeyFilter(widget));
}

}  // namespace qora
