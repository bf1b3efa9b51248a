// The small borderless "please wait" box shown while a reference page draws.
#pragma once

#include <QDialog>

namespace qora {

struct LanguageTexts;

class WaitDialog : public QDialog {
  Q_OBJECT
 public:
  explicit WaitDialog(QWidget* parent = nullptr);
  void applyLanguage(const LanguageTexts& lang);
  // Shows the box centred on `screen` and paints it at once (the caller then blocks).
  void showNow(const QRect& screen);
};

}  // namespace qora
