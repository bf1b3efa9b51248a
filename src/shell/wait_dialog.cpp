#include "shell/wait_dialog.h"

#include <QLabel>
#include <QVBoxLayout>

#include "shell/language_apply.h"

namespace qora {

WaitDialog::WaitDialog(QWidget* parent) : QDialog(parent, Qt::FramelessWindowHint | Qt::Tool) {
  setObjectName("QORAWaitDlg");
  setFixedSize(378, 48);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  auto* panel = new QLabel(tr("Please wait ..."), this);
  panel->setObjectName("WaitPanel");
  panel->setAlignment(Qt::AlignCenter);
  panel->setStyleSheet(QStringLiteral(
      "QLabel { background: #c8102e; color: white; font-weight: bold; font-size: 14px;"
      " border: 2px outset #e8506a; }"));
  layout->addWidget(panel);
}

void WaitDialog::applyLanguage(const LanguageTexts& lang) {
  ApplyLanguage(*this, lang, objectName());
}

void WaitDialog::showNow(const QRect& screen) {
  move(screen.center() - rect().center());
  show();
  repaint();
}

}  // namespace qora
