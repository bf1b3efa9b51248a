// Entry of the desktop program: options, the program state from the program folder, and
// the main window, full screen and borderless (or at the size --screen asks for).
#include <QApplication>
#include <QDir>
#include <cstdio>

#include "model/app_state.h"
#include "shell/gui_options.h"
#include "shell/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setStyle(QStringLiteral("Fusion"));
  const qora::GuiOptions options = qora::ParseGuiOptions(app.arguments().mid(1));
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
    window.showFullScreen();
  }
  return app.exec();
}
