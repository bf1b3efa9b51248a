// Entry of qora2000-cli: dispatches to the registered commands.
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

}  // namespace qora::cli

int main(int argc, char* argv[]) {
  using namespace qora::cli;
  auto& commands = Commands();
  std::sort(commands.begin(), commands.end(),
            [](const CliCommand& a, const CliCommand& b) { return a.name < b.name; });
  if (argc < 2) {
    std::cerr << "usage:\n";
    for (const auto& c : commands) std::cerr << "  qora2000-cli " << c.usage << "\n";
    return kExitUsage;
  }
  const std::string name = argv[1];
  for (const auto& c : commands) {
    if (c.name == name) return c.run(std::vector<std::string>(argv + 2, argv + argc));
  }
  return UsageError("unknown command '" + name + "'");
}
