// At 1024 x 768 every caption of every edition fits its widget: labels, buttons, tabs and
// the menu items, over every screen of the registry (each analysis of the line screens),
// the bar and the dialogs. German words are long and Thai lines tall; a text wider (or, when
// it wraps, taller) than its widget would be cut off on screen.
#include <QAbstractButton>
#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QRegularExpression>
#include <QStyle>
#include <QTabBar>
#include <QTabWidget>
#include <algorithm>

#include "shell/insul_cost_dialog.h"
#include "shell/insul_size_dialog.h"
#include "shell/local_conditions_dialog.h"
#include "shell/main_bar.h"
#include "shell/main_menu.h"
#include "shell/param_dialog.h"
#include "shell/screen_registry.h"
#include "shell/wait_dialog.h"
#include "shell_fixture.h"

namespace qora::test {
namespace {

// The widest line of a caption, without the '&' of a keyboard shortcut.
int TextWidth(const QFontMetrics& fm, QString text) {
  text.remove(QRegularExpression(QStringLiteral("&(?!&)")));
  int w = 0;
  for (const QString& line : text.split('\n')) w = std::max(w, fm.horizontalAdvance(line));
  return w;
}

// One line per widget whose text does not fit: "where/objectName 'text' needs N, has M".
class FitCheck {
 public:
  void widgetsOf(QWidget* root, const QString& where) {
    for (QWidget* w : root->findChildren<QWidget*>()) {
      if (w->isVisible()) widget(w, where);
    }
  }
  void need(const QString& where, const QString& text, int required, int has) {
    if (required > has) {
      faults_
          << QStringLiteral("%1 '%2' needs %3 px, has %4").arg(where, text).arg(required).arg(has);
    }
  }
  const QStringList& faults() const { return faults_; }

 private:
  void widget(QWidget* w, const QString& where) {
    const QString at = where + '/' + w->objectName();
    if (auto* l = qobject_cast<QLabel*>(w)) {
      if (l->text().isEmpty()) return;
      if (l->wordWrap()) {
        need(at, l->text(), l->heightForWidth(l->width()), l->height());
      } else {
        need(at, l->text(), l->minimumSizeHint().width(), l->width());
        need(at, l->text(), l->fontMetrics().height(), l->contentsRect().height());
      }
    } else if (qobject_cast<QCheckBox*>(w) || qobject_cast<QRadioButton*>(w)) {
      auto* b = static_cast<QAbstractButton*>(w);
      if (!b->text().isEmpty()) need(at, b->text(), b->sizeHint().width(), b->width());
    } else if (auto* b = qobject_cast<QAbstractButton*>(w)) {
      if (b->text().isEmpty()) return;
      const int icon = b->icon().isNull() ? 0 : b->iconSize().width() + 4;
      // A few pixels of frame on either side.
      need(at, b->text(), TextWidth(b->fontMetrics(), b->text()) + icon + 6, b->width());
    } else if (auto* g = qobject_cast<QGroupBox*>(w)) {
      need(at, g->title(), TextWidth(g->fontMetrics(), g->title()) + 10, g->width());
    } else if (auto* bar = qobject_cast<QTabBar*>(w)) {
      for (int i = 0; i < bar->count(); ++i) {
        // A tab narrower than its text and the style's spacing has its text elided.
        const int space = bar->style()->pixelMetric(QStyle::PM_TabBarTabHSpace, nullptr, bar);
        need(at, bar->tabText(i), TextWidth(bar->fontMetrics(), bar->tabText(i)) + space,
             bar->tabRect(i).width());
        if (!bar->usesScrollButtons())
          need(at, bar->tabText(i), bar->tabRect(i).right(), bar->width());
      }
    }
  }

  QStringList faults_;
};

class EditionFit : public ShellTest, public ::testing::WithParamInterface<int> {
 protected:
  void showDialog(QDialog& d, FitCheck& check, const QString& where) {
    d.show();
    QApplication::processEvents();
    if (auto* pages = d.findChild<QTabWidget*>()) {
      for (int i = 0; i < pages->count(); ++i) {
        pages->setCurrentIndex(i);
        QApplication::processEvents();
        check.widgetsOf(&d, QStringLiteral("%1[%2]").arg(where).arg(i));
      }
    } else {
      check.widgetsOf(&d, where);
    }
    d.hide();
  }
};

TEST_P(EditionFit, EveryCaptionFitsItsWidgetAt1024x768) {
  const int lang = GetParam();
  home.copyShipped(LanguageFolder(lang));
  open(QByteArray("[QORA2000]\nLanguage=") + QByteArray::number(lang) + "\n");
  start();
  FitCheck check;
  const QString edition = LanguageFolder(lang);

  // The menu items are drawn on the button pictures.
  MainMenu& menu = window->menu();
  const QFontMetrics menuFont(QFont(state.lang.Font(0), menu.itemPointSize()));
  for (const QString& item : state.lang.menuItemNames) {
    check.need(edition + "/menu", item, menuFont.horizontalAdvance(item),
               menu.geometry().menuWidth - 4);
  }

  for (const ScreenEntry& entry : ScreenRegistry()) {
    window->openItem(entry.menuItem);
    QApplication::processEvents();
    const QString where = QStringLiteral("%1/screen%2").arg(edition).arg(entry.menuItem);
    if (entry.menuItem == 1 || entry.menuItem == 2) {
      LocalConditionsDialog& d = entry.menuItem == 1 ? window->chillDialog() : window->hotDialog();
      for (int n = 1; n <= 8; ++n) {
        d.setSelectedAnalysis(n);
        emit d.analysisChosen();
        QApplication::processEvents();
        check.widgetsOf(window->screen(entry.menuItem), QStringLiteral("%1.%2").arg(where).arg(n));
      }
      check.widgetsOf(&d, where + "/dialog");
    } else {
      check.widgetsOf(window->screen(entry.menuItem), where);
    }
    check.widgetsOf(&window->bar(), edition + "/bar");
    window->showMainMenu();
  }

  showDialog(window->paramDialog(), check, edition + "/ParamDlg");
  showDialog(window->insulSizeDialog(), check, edition + "/InsuSzDlg");
  showDialog(window->insulCostDialog(), check, edition + "/InsCostDlg");
  window->waitDialog().showNow(window->geometry());
  check.widgetsOf(&window->waitDialog(), edition + "/WaitDlg");
  window->waitDialog().hide();

  EXPECT_TRUE(check.faults().isEmpty()) << check.faults().join('\n').toStdString();
}

INSTANTIATE_TEST_SUITE_P(Editions, EditionFit, ::testing::Range(1, 7),
                         [](const ::testing::TestParamInfo<int>& info) {
                           return LanguageFolder(info.param).toStdString();
                         });

}  // namespace
}  // namespace qora::test
