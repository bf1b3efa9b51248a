// Takes the screenshots of the reference documents as the program shows them (tabs, page,
// print button, calculator) on an X server (run under xvfb-run), each captured with
// ImageMagick's `import -window root`.
// Usage: qora_document_screenshots PROGRAM_DIR WxH OUTPUT_DIR
#include <QApplication>
#include <QLineEdit>
#include <QScrollBar>
#include <QTabBar>

#include "screenshot_session.h"
#include "shell/document_page_view.h"
#include "shell/document_screen.h"
#include "shell/main_window.h"
#include "shell/psychro_panel.h"

namespace {

// The document screen of a menu item, opened.
qora::DocumentScreen& Open(qora::MainWindow& w, int item) {
  w.openItem(item);
  return *static_cast<qora::DocumentScreen*>(w.screen(item));
}

}  // namespace

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  app.setStyle(QStringLiteral("Fusion"));
  const ScreenshotSession session("qora_document_screenshots", app.arguments());
  if (!session.ok()) return 2;
  qora::MainWindow& w = session.window();
  w.start();

  qora::DocumentScreen* s = &Open(w, 0);
  s->tabs().setCurrentIndex(1);
  session.shoot("screen_catalogue_tab2");
  s->pageView().verticalScrollBar()->setValue(600);
  session.shoot("screen_catalogue_tab2_scrolled");

  s = &Open(w, 7);
  s->tabs().setCurrentIndex(6);
  s->calculator()->roomTemperature().setText("25");
  s->calculator()->dewPoint().setText("12");
  s->calculator()->relativeHumidity().setText("80");
  session.shoot("screen_appendix_tab7");

  s = &Open(w, 8);
  s->tabs().setCurrentIndex(11);
  session.shoot("screen_conversion_tab12");
  w.hide();  // leaves the settings file alone: no close, no save
  return 0;
}
