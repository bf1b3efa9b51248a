#include "shell/shell_style.h"

#include <QWidget>

namespace qora {

void ApplyDialogStyle(QWidget& dialog) {
  dialog.setStyleSheet(QStringLiteral(R"(
QLabel[role="heading"] { color: #14365f; font-weight: bold; padding-top: 4px; }
QPushButton:checkable { background: #e9eef4; border: 1px solid #8aa0b8; border-radius: 3px;
                        padding: 4px 8px; }
QPushButton:checkable:hover { background: #d7e3f0; }
QPushButton:checked { background: #14365f; color: white; border-color: #0b2340; }
QHeaderView::section { background: #dfe6ee; color: #14365f; border: 0px;
                       border-right: 1px solid #b8c6d6; border-bottom: 1px solid #b8c6d6;
                       padding: 3px; font-weight: bold; }
QTabWidget::pane { border: 1px solid #b8c6d6; }
QTabBar::tab { background: #e9eef4; border: 1px solid #b8c6d6; padding: 5px 12px;
               margin-right: 1px; }
QTabBar::tab:selected { background: white; color: #14365f; font-weight: bold;
                        border-bottom-color: white; }
)"));
}

}  // namespace qora
