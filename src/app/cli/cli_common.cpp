#include "cli_common.h"

#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QRegularExpression>
#include <QSaveFile>
#include <charconv>
#include <filesystem>
#include <iostream>

#include "model/language.h"

namespace qora::cli {

namespace {

QString ExecutableFolder() {
  std::error_code ec;
  const auto exe = std::filesystem::read_symlink("/proc/self/exe", ec);
  if (ec) return QStringLiteral(".");
  return QString::fromStdString(exe.parent_path().string());
}

// Applies one --set as if the user had typed it: text keys take the text, list and
// selector keys the integer. Returns an error message.
std::string ApplySet(AppState& state, const std::string& name, const std::string& value) {
  const auto dot = name.find('.');
  const std::string section = name.substr(0, dot), key = name.substr(dot + 1);
  const SettingKey* def = FindSettingKey(section, key);
  if (!def) return "unknown setting '" + name + "'";
  if (def->kind == KeyKind::Int) {
    bool ok = false;
    const int v = QString::fromStdString(value).trimmed().toInt(&ok);
    if (!ok) return "setting '" + name + "' expects an integer, got '" + value + "'";
    state.settings.setInteger(def->section, KeyName::runtime(def->key), v);
  } else {
    state.settings.setText(def->section, KeyName::runtime(def->key), QString::fromStdString(value));
  }
  return {};
}

}  // namespace

std::optional<std::string> LoadCommandState(const CommandLine& c, AppState& state) {
  const QString home = c.isSet("home") ? QDir(c.value("home")).absolutePath() : ExecutableFolder();
  int edition = 0;
  if (c.isSet("edition")) {
    QString name;
    if (auto err = c.single("edition", name)) return err;
    edition = EditionIndex(name);
    if (edition == 0) {
      return "--edition expects one of EN, EU, CN, JP, THAI, QORAPUR, got '" + name.toStdString() +
             "'";
    }
  }
  LoadProgramState(state, QDir::cleanPath(home), edition);
  const int langBefore = state.settings.langIndex();
  for (const QString& set : c.values("set")) {
    const std::string v = set.toStdString();
    const auto eq = v.find('=');
    const auto dot = v.find('.');
    if (eq == std::string::npos || dot == std::string::npos || dot > eq || dot == 0 ||
        dot + 1 == eq) {
      return "--set expects SECTION.Key=VALUE, got '" + v + "'";
    }
    if (std::string err = ApplySet(state, v.substr(0, eq), v.substr(eq + 1)); !err.empty()) {
      return err;
    }
  }
  if (state.settings.langIndex() != langBefore) {
    state.lang = BuiltinLanguageTexts();
    LoadLanguageTexts(state.lang, state.appDir, state.settings.langIndex());
  }
  return std::nullopt;
}

std::optional<std::string> ParseScreenSize(const QString& text, int& width, int& height) {
  const qsizetype x = text.indexOf(QRegularExpression(QStringLiteral("[xX]")));
  bool okW = false, okH = false;
  const int w = x < 0 ? 0 : text.left(x).toInt(&okW);
  const int h = x < 0 ? 0 : text.mid(x + 1).toInt(&okH);
  // Up to an 8K screen: anything larger would only make a huge picture.
  if (!okW || !okH || w < 200 || h < 200 || w > 7680 || h > 4320) {
    return "--screen expects WxH from 200x200 to 7680x4320, got '" + text.toStdString() + "'";
  }
  width = w;
  height = h;
  return std::nullopt;
}

// Fonts and pictures need a GUI application; one headless (offscreen) application serves
// both --png and --pdf and lives until the command ends.
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

bool SavePng(const QImage& image, const QString& path) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!image.save(&file, "PNG")) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

std::string JsonString(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char hex[4];
          const auto res = std::to_chars(hex, hex + sizeof hex, c, 16);
          out += "\\u" + std::string(4 - (res.ptr - hex), '0') + std::string(hex, res.ptr);
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

int CannotWrite(const QString& path) {
  std::cerr << "qora2000-cli: cannot write '" << path.toStdString() << "'\n";
  return kExitWriteFailed;
}

}  // namespace qora::cli
