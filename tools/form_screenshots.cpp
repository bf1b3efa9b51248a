// Takes the documentation screenshots of the three form screens at a given window size on
// an X server (run under xvfb-run), each captured with ImageMagick's `import -window
// root`, and prints each form's page into the output folder as a PDF.
// Usage: qora_form_screenshots PROGRAM_DIR WxH OUTPUT_DIR
#include <QApplication>
#include <QPushButton>

#include "print/print_job.h"
#include "screenshot_session.h"
#include "shell/form_screen.h"
#include "shell/main_window.h"

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setStyle(QStringLiteral("Fusion"));
  const ScreenshotSession session("qora_form_screenshots", app.arguments());
  if (!session.ok()) return 2;
  qora::SetPrintToDirectory(session.outputDir());
  qora::MainWindow& w = session.window();
  w.start();
  const QString tag = session.sizeTag();
  const struct {
    int item;
    const char* name;
  } forms[] = {{3, "form_duct"}, {4, "form_storage"}, {5, "form_operating"}};
  for (const auto& f : forms) {
    w.openItem(f.item);
    session.shoot(f.name + tag);
    auto* screen = static_cast<qora::FormScreen*>(w.screen(f.item));
    screen->findChild<QPushButton*>(screen->def().printName)->click();
  }
  w.hide();  // leaves the settings file alone: no close, no save
  return 0;
}
