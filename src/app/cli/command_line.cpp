#include "command_line.h"

#include <iostream>

#include "command_registry.h"
#include "engine/number_text.h"

namespace qora::cli {

namespace {

// Marks a negative number that is a positional argument, so that the parser does not read
// "-40" as the short options "-4" and "-0"; taken off again by positional().
constexpr QChar kNumberMark = QChar(0x2063);  // invisible separator: never typed

bool LooksLikeNegativeNumber(const std::string& s) {
  return s.size() >= 2 && s[0] == '-' && s[1] != '-' && ParseDecimal(s).has_value();
}

}  // namespace

std::string OptionName(const char* name) {
  return std::string("option '--") + name + "'";
}

CommandLine::CommandLine(std::string synopsis, const std::vector<OptionSpec>& options,
                         const std::vector<std::pair<const char*, const char*>>& positional)
    : synopsis_(std::move(synopsis)), specs_(options) {
  parser_.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
  parser_.addHelpOption();
  for (const OptionSpec& o : specs_) {
    QCommandLineOption option(QString::fromLatin1(o.name), QString::fromUtf8(o.description));
    if (o.valueName) option.setValueName(QString::fromLatin1(o.valueName));
    parser_.addOption(option);
  }
  for (const auto& [name, description] : positional) {
    parser_.addPositionalArgument(QString::fromLatin1(name), QString::fromUtf8(description));
  }
}

std::optional<int> CommandLine::parse(const std::vector<std::string>& args) {
  QStringList list{QStringLiteral("qora2000-cli")};
  bool valueNext = false;
  for (const std::string& a : args) {
    QString arg = QString::fromLocal8Bit(a.c_str());
    if (!valueNext && LooksLikeNegativeNumber(a)) arg.prepend(kNumberMark);
    valueNext = false;
    if (a.rfind("--", 0) == 0 && a.find('=') == std::string::npos) {
      for (const OptionSpec& o : specs_) {
        if (o.valueName && a.substr(2) == o.name) valueNext = true;
      }
    }
    list << arg;
  }
  if (!parser_.parse(list)) {
    const QStringList unknown = parser_.unknownOptionNames();
    if (!unknown.isEmpty()) {
      const QString name = unknown.front();
      return UsageError("unknown option '" + std::string(name.size() > 1 ? "--" : "-") +
                        name.toStdString() + "'");
    }
    std::string message = parser_.errorText().toStdString();
    while (!message.empty() && (message.back() == '.' || message.back() == '\n')) {
      message.pop_back();
    }
    return UsageError(message);
  }
  if (parser_.isSet(QStringLiteral("help"))) {
    std::cout << helpText();
    return kExitOk;
  }
  return std::nullopt;
}

bool CommandLine::isSet(const char* name) const {
  return parser_.isSet(QString::fromLatin1(name));
}

QString CommandLine::value(const char* name) const {
  return parser_.value(QString::fromLatin1(name));
}

QStringList CommandLine::values(const char* name) const {
  return parser_.values(QString::fromLatin1(name));
}

QStringList CommandLine::positional() const {
  QStringList out = parser_.positionalArguments();
  for (QString& a : out) {
    if (a.startsWith(kNumberMark)) a.remove(0, 1);
  }
  return out;
}

std::optional<std::string> CommandLine::single(const char* name, QString& out) const {
  const QStringList v = values(name);
  if (v.isEmpty()) return "missing " + OptionName(name);
  if (v.size() > 1) return OptionName(name) + " given twice";
  out = v.front();
  return std::nullopt;
}

std::string CommandLine::helpText() const {
  std::string text = "Usage: qora2000-cli " + synopsis_ + "\n";
  // Qt's own list of options and arguments, without its usage line (it would name the
  // executable only).
  const QString qt = parser_.helpText();
  const qsizetype body = qt.indexOf(QLatin1Char('\n'));
  if (body >= 0) text += qt.mid(body).toStdString();
  return text;
}

}  // namespace qora::cli
