// Entry of the desktop program: options, the program state from the program folder, and
// the main window, full screen and borderless (or at the size --screen asks for).
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <cstdio>

#include "model/app_state.h"
#include "print/print_job.h"
#include "shell/gui_options.h"
#include "shell/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setStyle(QStringLiteral("Fusion"));
  QStringList args = app.arguments().mid(1);
  // --print-to DIR: every print job becomes a numbered PDF in DIR, without the print dialog
  // (tests and batch use). Taken out before the other options are parsed.
  if (const qsizetype at = args.indexOf(QStringLiteral("--print-to")); at >= 0) {
    if (at + 1 >= args.size() || args[at + 1].isEmpty()) {
      std::fprintf(stderr, "qora2000: --print-to needs a folder\n");
      return 2;
    }
    qora::SetPrintToDirectory(QDir(args[at + 1]).absolutePath());
    args.remove(at, 2);
  }
  const qora::GuiOptions options = qora::ParseGuiOptions(args);
  if (!options.error.isEmpty()) {
    std::fprintf(stderr, "qora2000: %s\n", qPrintable(options.error));
    return 2;
  }
  const QString home = options.home.isEmpty() ? QCoreApplication::applicationDirPath()
                                              : QDir(options.home).absolutePath();
  if (!QDir(home).exists()) {
    std::fprintf(stderr, "qora2000: the program folder '%s' does not exist\n", qPrintable(home));
    return 2;
  }

  qora::AppState state;
  qora::LoadProgramState(state, QDir::cleanPath(home));
  qora::MainWindow window(state);
  window.setWindowFlag(Qt::FramelessWindowHint);
  if (options.screen.isValid()) {
    window.setGeometry(QRect(QPoint(0, 0), options.screen));
    window.setFixedSize(options.screen);
    window.show();
  } else {
    // Cover the primary screen even where no window manager applies the full-screen state.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
      window.setGeometry(screen->geometry());
    }
    window.showFullScreen();
  }
  return app.exec();
}
