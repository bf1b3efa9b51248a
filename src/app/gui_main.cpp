// Entry of the desktop program.
#include <QApplication>
#include <QMainWindow>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QMainWindow window;
  window.setWindowTitle(QStringLiteral("QORALINE 2001"));
  window.resize(1024, 768);
  window.show();
  return app.exec();
}
