// Captions and hints of the message file reach the widgets named by their roles.
#include <QAbstractButton>
#include <QLabel>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QTabWidget>

#include "shell/insul_size_dialog.h"
#include "shell/local_conditions_dialog.h"
#include "shell/main_bar.h"
#include "shell/param_dialog.h"
#include "shell/splash_view.h"
#include "shell_fixture.h"

namespace qora::test {
namespace {

class LanguageTest : public ShellTest {};

// The text a widget shows: label or button caption, or its tab's text for a page.
QString Shown(QWidget* w) {
  if (auto* l = qobject_cast<QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<QAbstractButton*>(w)) return b->text();
  for (QWidget* p = w->parentWidget(); p; p = p->parentWidget())
    if (auto* tabs = qobject_cast<QTabWidget*>(p)) return tabs->tabText(tabs->indexOf(w));
  return {};
}

TEST_F(LanguageTest, CaptionsAndHintsReachTheirWidgets) {
  // A message file with recognisable captions for a few roles of every window.
  open("");
  state.lang.captions["ChillLocalDlg.TdbLabel"] = "Tdb (test)";
  state.lang.captions["HotLocalDlg.HOT_TConstSpdBtn"] = "T const (test)";
  state.lang.captions["ParamDlg.RHSheet"] = "RH page (test)";
  state.lang.captions["InsuSzDlg.InsuSzREMLabel"] = "Remark (test)";
  state.lang.captions["QORAForm.StartLabel"] = "Start (test)";
  state.lang.hints["QORAForm.ConfigBitBtn"] = "Parameters (test)";
  state.lang.captions["ParamDlg"] = "Parameters window (test)";
  window = std::make_unique<MainWindow>(state);
  const struct {
    QWidget* form;
    const char* name;
    const char* text;
  } cases[] = {
      {&window->chillDialog(), "TdbLabel", "Tdb (test)"},
      {&window->hotDialog(), "HOT_TConstSpdBtn", "T const (test)"},
      {&window->paramDialog(), "RHSheet", "RH page (test)"},
      {&window->insulSizeDialog(), "InsuSzREMLabel", "Remark (test)"},
      {&window->splash(), "StartLabel", "Start (test)"},
  };
  for (const auto& c : cases) {
    QWidget* w = c.form->findChild<QWidget*>(c.name);
    ASSERT_NE(w, nullptr) << c.name;
    EXPECT_EQ(Shown(w), c.text) << c.name;
  }
  EXPECT_EQ(window->bar().findChild<QWidget*>("ConfigBitBtn")->toolTip(), "Parameters (test)");
  EXPECT_EQ(window->paramDialog().windowTitle(), "Parameters window (test)");
  // The return button shows its hint as its caption.
  auto* ret = window->bar().findChild<QAbstractButton*>("RetMainBitBtn");
  EXPECT_EQ(ret->text(), state.lang.hint("QORAForm.RetMainBitBtn"));
}

// The faces of the message file arrive after the dialogs are built; a taller script (Thai
// in Garuda) must still show all five help lines, with the Close button below them.
TEST_F(LanguageTest, LocalConditionsDialogsFitTheFacesOfTheirEdition) {
  home.copyShipped("THAI");
  open("[QORA2000]\nLanguage=5\n");
  for (LocalConditionsDialog* d : {&window->chillDialog(), &window->hotDialog()}) {
    d->show();
    QApplication::processEvents();
    auto* help = d->findChild<QPlainTextEdit*>("haHelp");
    auto* close = d->findChild<QWidget*>("CloseBitBtn");
    EXPECT_EQ(help->font().family(), "Garuda");
    EXPECT_EQ(help->blockCount(), 5);
    EXPECT_EQ(help->verticalScrollBar()->maximum(), 0) << d->objectName().toStdString();
    EXPECT_LT(help->geometry().bottom(), close->geometry().top()) << d->objectName().toStdString();
    d->hide();
  }
}

}  // namespace
}  // namespace qora::test
