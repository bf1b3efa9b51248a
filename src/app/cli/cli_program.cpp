#include "cli_program.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QSaveFile>
#include <filesystem>

namespace qora::cli {

QString ExecutableFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return QStringLiteral(".");
  return QString::fromStdString(exe.parent_path().string());
}

std::unique_ptr<QGuiApplication> MakeGuiApplication() {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  if (qEnvironmentVariableIsEmpty("XDG_RUNTIME_DIR")) {
    // A headless session often has no runtime folder; give Qt a private one as it would
    // make itself, without its warning on the tool's stderr.
    const QString dir = QDir::tempPath() + "/qora2000-runtime-" + QString::number(getuid());
    QDir().mkpath(dir);
    QFile::setPermissions(dir, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("XDG_RUNTIME_DIR", QFile::encodeName(dir));
  }
  static int argc = 1;
  static char arg0[] = "qora2000-cli";
  static char* argv[] = {arg0, nullptr};
  return std::make_unique<QGuiApplication>(argc, argv);
}

std::string ParseScreenSize(const std::string& v, int& width, int& height) {
  const auto x = v.find_first_of("xX");
  if (x == std::string::npos) return "--screen expects WxH, got '" + v + "'";
  bool okW = false, okH = false;
  const int w = QString::fromStdString(v.substr(0, x)).toInt(&okW);
  const int h = QString::fromStdString(v.substr(x + 1)).toInt(&okH);
  // Up to an 8K screen: anything larger would only make a huge picture.
  if (!okW || !okH || w < 200 || h < 200 || w > 7680 || h > 4320) {
    return "--screen expects WxH from 200x200 to 7680x4320, got '" + v + "'";
  }
  width = w;
  height = h;
  return {};
}

bool SavePng(const QImage& image, const QString& file) {
  QSaveFile out(file);
  if (!out.open(QIODevice::WriteOnly)) return false;
  if (!image.save(&out, "PNG")) {
    out.cancelWriting();
    return false;
  }
  return out.commit();
}

}  // namespace qora::cli
