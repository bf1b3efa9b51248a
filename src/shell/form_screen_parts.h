// The widgets of a form screen, shared by its construction (form_screen_build.cpp) and its
// behaviour (form_screen.cpp).
#pragma once

#include <QString>
#include <array>
#include <vector>

#include "analyses/other/form_def.h"
#include "shell/form_screen.h"

class QComboBox;
class QFrame;
class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;
class QStackedWidget;

namespace qora {

class ClickLabel;
class PictureBox;

struct FormFieldRow {
  const FormField* field;
  QLabel* caption = nullptr;
  QWidget* control = nullptr;  // QLineEdit or QComboBox
  QLabel* unit = nullptr;
};

struct FormAnswerRow {
  const FormAnswer* answer;
  QLabel* caption = nullptr;
  ClickLabel* value = nullptr;
  QLabel* unit = nullptr;
};

struct FormScreen::Private {
  AppState& state;
  const FormDef& def;

  QLabel* title = nullptr;
  QFrame* card = nullptr;
  PictureBox* picture = nullptr;
  std::vector<FormFieldRow> rows;
  QLabel* astm = nullptr;
  QPlainTextEdit* help = nullptr;
  std::vector<FormAnswerRow> answers;
  QPushButton* back = nullptr;
  QPushButton* print = nullptr;
  // Storage tank only.
  QComboBox* shape = nullptr;
  QRadioButton* chill = nullptr;
  QRadioButton* hot = nullptr;
  QStackedWidget* shapePanels = nullptr;

  int screenWidth = 1024;
  bool filling = false;  // set-up changes controls: nothing is written or computed
  FormResult last;

  Private(AppState& s, const FormDef& d) : state(s), def(d) {}

  // Builds every widget into `screen` (form_screen_build.cpp).
  void build(FormScreen& screen);
  // Point sizes and the picture's size for a screen of this width.
  void scaleFor(int width);
  // Fonts of `base` points (times each widget's scale) and the sizes that follow them.
  void applyScale(double base);
};

}  // namespace qora
