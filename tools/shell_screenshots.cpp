// Takes the screenshots of the documentation: the window at a given size on an X server
// (run under xvfb-run), driven through splash, menu, a screen and every dialog, each state
// captured with ImageMagick's `import -window root`.
// Usage: qora_shell_screenshots PROGRAM_DIR WxH OUTPUT_DIR
#include <QApplication>
#include <QComboBox>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "analyses/rvalue/k_line.h"
#include "screenshot_session.h"
#include "shell/insul_cost_dialog.h"
#include "shell/insul_size_dialog.h"
#include "shell/k_value_dialog.h"
#include "shell/local_conditions_dialog.h"
#include "shell/main_bar.h"
#include "shell/main_menu.h"
#include "shell/param_dialog.h"
#include "shell/rvalue_dialog.h"
#include "shell/splash_view.h"
#include "shell/wait_dialog.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setStyle(QStringLiteral("Fusion"));
  const ScreenshotSession session("qora_shell_screenshots", app.arguments());
  if (!session.ok()) return 2;
  qora::MainWindow& w = session.window();
  session.shoot("splash");

  w.start();
  session.shoot("menu_start");
  qora::MainMenu& menu = w.menu();
  for (int item : {1, 9}) {
    menu.hoverAt(menu.geometry().itemTop(item) + 5);
    session.shoot(QString("menu_item%1").arg(item));
  }

  w.openItem(1);
  w.chillDialog().setSelectedAnalysis(3);
  emit w.chillDialog().analysisChosen();
  session.shoot("chilled_with_dialog");
  w.chillDialog().hide();

  w.bar().findChild<QPushButton*>("ConfigBitBtn")->click();
  session.shoot("params_pipes");
  auto* pages = w.paramDialog().findChild<QTabWidget*>("ParamPageControl");
  pages->setCurrentIndex(1);
  session.shoot("params_k");
  pages->setCurrentIndex(5);
  auto* ha = w.paramDialog().findChild<QComboBox*>("HaComboBox");
  ha->setCurrentIndex(1);
  emit ha->activated(1);  // opens the panel of the calculated coefficient
  QTest::qWait(600);
  session.shoot("params_factors");
  w.paramDialog().reject();

  w.bar().findChild<QPushButton*>("InsuSizeBitBtn")->click();
  session.shoot("insul_size");
  w.insulSizeDialog().findChild<QTabWidget*>("InsuSzPageControl")->setCurrentIndex(2);
  session.shoot("insul_size_actual");
  w.insulSizeDialog().reject();

  w.bar().findChild<QPushButton*>("InsCostBitBtn")->click();
  session.shoot("insul_cost");
  w.insulCostDialog().reject();

  w.openItem(2);
  session.shoot("hot_dialog");
  w.hotDialog().hide();

  // The R-value screen: both charts with the dialog beside them, then the k-value dialog
  // with its point dragged to the middle of the line.
  w.openItem(6);
  for (const char* chart : {"kConstSpdBtn", "RConstSpdBtn"}) {
    w.rValueDialog().findChild<QPushButton*>(chart)->click();
    session.shoot(QString("rvalue_") + (chart[0] == 'k' ? "kconst" : "rconst"));
  }
  w.rValueDialog().hide();
  w.bar().findChild<QPushButton*>("kCalcBitBtn")->click();
  w.kValueDialog().movePointTo((qora::kline::kMinX + qora::kline::kMaxX) / 2);
  session.shoot("k_value");
  w.kValueDialog().hide();

  w.showMainMenu();
  w.waitDialog().showNow(w.geometry());
  session.shoot("wait");
  w.waitDialog().hide();
  w.hide();  // leaves the settings file alone: no close, no save
  return 0;
}
