// Entry of qora2000-cli: the tool's own options (--help, --version), then dispatch to the
// registered command named by the first argument, which parses the rest itself.
#include <QCommandLineParser>
#include <algorithm>
#include <charconv>
#include <iostream>

#include "command_registry.h"

namespace qora::cli {

std::vector<CliCommand>& Commands() {
  static std::vector<CliCommand> commands;
  return commands;
}

int UsageError(const std::string& message) {
  std::cerr << "qora2000-cli: " << message << "\n";
  return kExitUsage;
}

// std::to_chars, not printf: a command that starts a Qt application gets the desktop's
// locale, which must not turn the decimal point into a comma.
std::string FormatNumber(long double value) {
  char buf[64];
  const auto res = std::to_chars(buf, buf + sizeof buf, value, std::chars_format::general, 17);
  return std::string(buf, res.ptr);
}

namespace {

std::string Usage() {
  std::string text =
      "Usage: qora2000-cli COMMAND [options]\n       qora2000-cli --help | --version\n"
      "\nCommands (each takes --help):\n";
  for (const auto& c : Commands()) text += "  " + c.usage + "\n";
  return text;
}

}  // namespace

}  // namespace qora::cli

int main(int argc, char* argv[]) {
  using namespace qora::cli;
  auto& commands = Commands();
  std::sort(commands.begin(), commands.end(),
            [](const CliCommand& a, const CliCommand& b) { return a.name < b.name; });
  QStringList args;
  for (int i = 0; i < argc; ++i) args << QString::fromLocal8Bit(argv[i]);
  QCommandLineParser parser;
  parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsPositionalArguments);
  parser.addHelpOption();
  parser.addVersionOption();
  parser.addPositionalArgument(QStringLiteral("COMMAND"), QStringLiteral("the command to run"));
  if (!parser.parse(args)) return UsageError(parser.errorText().toStdString());
  if (parser.isSet(QStringLiteral("help"))) {
    std::cout << Usage();
    return kExitOk;
  }
  if (parser.isSet(QStringLiteral("version"))) {
    std::cout << "qora2000-cli " << QORA_VERSION << "\n";
    return kExitOk;
  }
  const QStringList rest = parser.positionalArguments();
  if (rest.isEmpty()) {
    std::cerr << Usage();
    return kExitUsage;
  }
  const std::string name = rest.front().toStdString();
  const int first = argc - static_cast<int>(rest.size()) + 1;  // the command's own arguments
  for (const auto& c : commands) {
    if (c.name == name) return c.run(std::vector<std::string>(argv + first, argv + argc));
  }
  return UsageError("unknown command '" + name + "'");
}
