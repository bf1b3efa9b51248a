// Takes the screenshots of the documentation: the window at a given size on an X server
// (run under xvfb-run), driven through splash, menu, a screen and every dialog, each state
// captured with ImageMagick's `import -window root`.
// Usage: qora_shell_screenshots PROGRAM_DIR WxH OUTPUT_DIR
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <cstdio>

#include "model/app_state.h"
#include "shell/gui_options.h"
#include "shell/insul_cost_dialog.h"
#include "shell/insul_size_dialog.h"
#include "shell/local_conditions_dialog.h"
#include "shell/main_bar.h"
#include "shell/main_menu.h"
#include "shell/main_window.h"
#include "shell/param_dialog.h"
#include "shell/splash_view.h"
#include "shell/wait_dialog.h"

namespace {

void Shoot(const QString& dir, const QString& name) {
  QTest::qWait(700);
  QProcess::execute("import", {"-window", "root", dir + "/" + name + ".png"});
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setStyle(QStringLiteral("Fusion"));
  const QStringList args = app.arguments();
  if (args.size() != 4) {
    std::fprintf(stderr, "usage: qora_shell_screenshots PROGRAM_DIR WxH OUTPUT_DIR\n");
    return 2;
  }
  const qora::GuiOptions size = qora::ParseGuiOptions({args[0], "--screen", args[2]});
  if (size.action != qora::GuiOptions::Action::Run) {
    std::fprintf(stderr, "%s\n", qPrintable(size.text));
    return 2;
  }
  const QString out = args[3];
  QDir().mkpath(out);
  qora::AppState state;
  qora::LoadProgramState(state, QDir(args[1]).absolutePath());
  qora::MainWindow w(state);
  w.setWindowFlag(Qt::FramelessWindowHint);
  w.setGeometry(QRect(QPoint(0, 0), size.screen));
  w.show();
  Shoot(out, "splash");

  w.start();
  Shoot(out, "menu_start");
  qora::MainMenu& menu = w.menu();
  for (int item : {1, 9}) {
    menu.hoverAt(menu.geometry().itemTop(item) + 5);
    Shoot(out, QString("menu_item%1").arg(item));
  }

  w.openItem(1);
  w.chillDialog().setSelectedAnalysis(3);
  emit w.chillDialog().analysisChosen();
  Shoot(out, "chilled_with_dialog");
  w.chillDialog().hide();

  w.bar().findChild<QPushButton*>("ConfigBitBtn")->click();
  Shoot(out, "params_pipes");
  auto* pages = w.paramDialog().findChild<QTabWidget*>("ParamPageControl");
  pages->setCurrentIndex(1);
  Shoot(out, "params_k");
  pages->setCurrentIndex(5);
  auto* ha = w.paramDialog().findChild<QComboBox*>("HaComboBox");
  ha->setCurrentIndex(1);
  emit ha->activated(1);  // opens the panel of the calculated coefficient
  QTest::qWait(600);
  Shoot(out, "params_factors");
  w.paramDialog().reject();

  w.bar().findChild<QPushButton*>("InsuSizeBitBtn")->click();
  Shoot(out, "insul_size");
  w.insulSizeDialog().findChild<QTabWidget*>("InsuSzPageControl")->setCurrentIndex(2);
  Shoot(out, "insul_size_actual");
  w.insulSizeDialog().reject();

  w.bar().findChild<QPushButton*>("InsCostBitBtn")->click();
  Shoot(out, "insul_cost");
  w.insulCostDialog().reject();

  w.openItem(2);
  Shoot(out, "hot_dialog");
  w.hotDialog().hide();

  w.showMainMenu();
  w.waitDialog().showNow(w.geometry());
  Shoot(out, "wait");
  w.waitDialog().hide();
  w.hide();  // leaves the settings file alone: no close, no save
  return 0;
}
