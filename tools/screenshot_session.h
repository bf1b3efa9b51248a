// What the screenshot tools share: their arguments PROGRAM_DIR WxH OUTPUT_DIR, the program
// folder's state with the main window of that size, frameless in the top-left corner of an
// X server (run the tools under xvfb-run), and shots of the whole screen taken with
// ImageMagick's `import -window root`.
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

#include "model/app_state.h"
#include "shell/main_window.h"

class ScreenshotSession {
 public:
  // Reads the application's arguments (the program name first) and shows the window; when
  // they are wrong, prints the usage of `tool` on stderr and ok() is false.
  ScreenshotSession(const char* tool, const QStringList& args);

  bool ok() const { return window_ != nullptr; }
  qora::MainWindow& window() const { return *window_; }
  const QString& outputDir() const { return out_; }
  // "_WxH" of the window, for names of shots taken at several sizes.
  QString sizeTag() const;
  // Lets the window paint, then saves the screen as OUTPUT_DIR/name.png.
  void shoot(const QString& name) const;

 private:
  QString out_;
  qora::AppState state_;
  std::unique_ptr<qora::MainWindow> window_;
};
