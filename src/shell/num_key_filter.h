// The numeric entry filter shared by the numeric edit boxes and grids: a typed character
// is accepted when it is a backspace, '-', '.' or a digit; every other character, Enter
// included, is discarded. Keys that type no character (arrows, Delete, Tab, shortcuts
// with Ctrl) pass untouched.
#pragma once

#include <QObject>

class QKeyEvent;

namespace qora {

// True when the typed text of a key press may reach a numeric box.
bool NumKeyAccepts(const QString& typed);
// True when a key press types a character at all (the filter judges only those).
bool KeyTypesCharacter(const QKeyEvent& event);

// Event filter form of NumKeyPress: install it on a QLineEdit (or any widget taking text).
class NumKeyFilter : public QObject {
  Q_OBJECT
 public:
  explicit NumKeyFilter(QObject* parent = nullptr) : QObject(parent) {}
  bool eventFilter(QObject* watched, QEvent* event) override;
};

// Installs one shared filter (owned by the widget) on the widget.
void InstallNumKeyPress(QObject* widget);

}  // namespace qora
