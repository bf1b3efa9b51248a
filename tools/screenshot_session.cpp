#include "screenshot_session.h"

#include <QDir>
#include <QProcess>
#include <QTest>
#include <cstdio>

#include "shell/gui_options.h"

ScreenshotSession::ScreenshotSession(const char* tool, const QStringList& args) {
  if (args.size() != 4) {
    std::fprintf(stderr, "usage: %s PROGRAM_DIR WxH OUTPUT_DIR\n", tool);
    return;
  }
  const qora::GuiOptions size = qora::ParseGuiOptions({args[0], "--screen", args[2]});
  if (size.action != qora::GuiOptions::Action::Run) {
    std::fprintf(stderr, "%s\n", qPrintable(size.text));
    return;
  }
  out_ = args[3];
  QDir().mkpath(out_);
  qora::LoadProgramState(state_, QDir(args[1]).absolutePath());
  window_ = std::make_unique<qora::MainWindow>(state_);
  window_->setWindowFlag(Qt::FramelessWindowHint);
  window_->setGeometry(QRect(QPoint(0, 0), size.screen));
  window_->show();
}

QString ScreenshotSession::sizeTag() const {
  return QStringLiteral("_%1x%2").arg(window_->width()).arg(window_->height());
}

void ScreenshotSession::shoot(const QString& name) const {
  QTest::qWait(700);
  QProcess::execute("import", {"-window", "root", out_ + "/" + name + ".png"});
}
