// Entry of the desktop program: options (parsed before the GUI application exists, so
// --help, --version and a wrong option need no display), the program state from the
// program folder, and the main window, full screen and borderless (or at the size
// --screen asks for).
#include <QApplication>
#include <QDir>
#include <QScreen>
#include <cstdio>

#include "model/app_state.h"
#include "print/print_job.h"
#include "shell/gui_options.h"
#include "shell/main_window.h"

int main(int argc, char* argv[]) {
  QStringList arguments;
  for (int i = 0; i < argc; ++i) arguments << QString::fromLocal8Bit(argv[i]);
  const qora::GuiOptions options = qora::ParseGuiOptions(arguments);
  switch (options.action) {
    case qora::GuiOptions::Action::Help:
    case qora::GuiOptions::Action::Version:
      std::fputs(qPrintable(options.text), stdout);
      return 0;
    case qora::GuiOptions::Action::Error:
      std::fprintf(stderr, "qora2000: %s\n", qPrintable(options.text));
      return 2;
    case qora::GuiOptions::Action::Run:
      break;
  }

  QApplication app(argc, argv);
  app.setStyle(QStringLiteral("Fusion"));
  if (!options.printTo.isEmpty()) {
    qora::SetPrintToDirectory(QDir(options.printTo).absolutePath());
  }
  const QString home = options.home.isEmpty() ? QCoreApplication::applicationDirPath()
                                              : QDir(options.home).absolutePath();
  if (!QDir(home).exists()) {
    std::fprintf(stderr, "qora2000: the program folder '%s' does not exist\n", qPrintable(home));
    return 2;
  }

  qora::AppState state;
  state.appDir = QDir::cleanPath(home);
  // The chosen edition is the settings' Language from now on; a folder that cannot be
  // written still runs in it for this start.
  if (options.edition != 0) qora::WriteLanguageIndex(state.iniPath(), options.edition);
  qora::LoadProgramState(state, state.appDir, options.edition);
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
