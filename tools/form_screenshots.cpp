// Takes the documentation screenshots of the three form screens at a given window size on
// an X server (run under xvfb-run), each captured with ImageMagick's `import -window
// root`, and prints each form's page into the output folder as a PDF.
// Usage: qora_form_screenshots PROGRAM_DIR WxH OUTPUT_DIR
#include <QApplication>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <cstdio>

#include "model/app_state.h"
#include "print/print_job.h"
#include "shell/form_screen.h"
#include "shell/gui_options.h"
#include "shell/main_window.h"

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
    std::fprintf(stderr, "usage: qora_form_screenshots PROGRAM_DIR WxH OUTPUT_DIR\n");
    return 2;
  }
  const qora::GuiOptions size = qora::ParseGuiOptions({args[0], "--screen", args[2]});
  if (size.action != qora::GuiOptions::Action::Run) {
    std::fprintf(stderr, "%s\n", qPrintable(size.text));
    return 2;
  }
  const QString out = args[3];
  QDir().mkpath(out);
  qora::SetPrintToDirectory(out);
  qora::AppState state;
  qora::LoadProgramState(state, QDir(args[1]).absolutePath());
  qora::MainWindow w(state);
  w.setWindowFlag(Qt::FramelessWindowHint);
  w.setGeometry(QRect(QPoint(0, 0), size.screen));
  w.show();
  w.start();
  const QString tag = QStringLiteral("_%1x%2").arg(size.screen.width()).arg(size.screen.height());
  const struct {
    int item;
    const char* name;
  } forms[] = {{3, "form_duct"}, {4, "form_storage"}, {5, "form_operating"}};
  for (const auto& f : forms) {
    w.openItem(f.item);
    Shoot(out, f.name + tag);
    auto* screen = static_cast<qora::FormScreen*>(w.screen(f.item));
    screen->findChild<QPushButton*>(screen->def().printName)->click();
  }
  w.hide();  // leaves the settings file alone: no close, no save
  return 0;
}
