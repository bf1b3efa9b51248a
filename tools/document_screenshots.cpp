// Takes the screenshots of the reference documents as the program shows them (tabs, page,
// print button, calculator) on an X server (run under xvfb-run), each captured with
// ImageMagick's `import -window root`.
// Usage: qora_document_screenshots PROGRAM_DIR WxH OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QScrollBar>
#include <QTabBar>
#include <QTest>
#include <cstdio>

#include "model/app_state.h"
#include "shell/document_page_view.h"
#include "shell/document_screen.h"
#include "shell/gui_options.h"
#include "shell/main_window.h"
#include "shell/psychro_panel.h"

namespace {

void Shoot(const QString& dir, const QString& name) {
  QTest::qWait(500);
  QProcess::execute("import", {"-window", "root", dir + "/" + name + ".png"});
}

// The document screen of a menu item, opened.
qora::DocumentScreen& Open(qora::MainWindow& w, int item) {
  w.openItem(item);
  return *static_cast<qora::DocumentScreen*>(w.screen(item));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setStyle(QStringLiteral("Fusion"));
  const QStringList args = app.arguments();
  if (args.size() != 4) {
    std::fprintf(stderr, "usage: qora_document_screenshots PROGRAM_DIR WxH OUTPUT_DIR\n");
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
  w.start();

  qora::DocumentScreen* s = &Open(w, 0);
  s->tabs().setCurrentIndex(1);
  Shoot(out, "screen_catalogue_tab2");
  s->pageView().verticalScrollBar()->setValue(600);
  Shoot(out, "screen_catalogue_tab2_scrolled");

  s = &Open(w, 7);
  s->tabs().setCurrentIndex(6);
  s->calculator()->roomTemperature().setText("25");
  s->calculator()->dewPoint().setText("12");
  s->calculator()->relativeHumidity().setText("80");
  Shoot(out, "screen_appendix_tab7");

  s = &Open(w, 8);
  s->tabs().setCurrentIndex(11);
  Shoot(out, "screen_conversion_tab12");
  w.hide();  // leaves the settings file alone: no close, no save
  return 0;
}
