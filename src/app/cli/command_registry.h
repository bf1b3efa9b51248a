// The commands of qora2000-cli. Each command file registers its commands with a static
// CliCommandRegistration object, so adding a command touches no other file.
#pragma once

#include <string>
#include <vector>

namespace qora::cli {

// Exit codes shared by every command.
constexpr int kExitOk = 0;
constexpr int kExitUsage = 2;    // missing or malformed argument
constexpr int kExitRefused = 3;  // the inputs were refused by the analysis

struct CliCommand {
  std::string name;
  std::string usage;                                 // one line: "name --opt VALUE ..."
  int (*run)(const std::vector<std::string>& args);  // args after the command name
};

std::vector<CliCommand>& Commands();

struct CliCommandRegistration {
  explicit CliCommandRegistration(CliCommand c) { Commands().push_back(std::move(c)); }
};

// Prints "qora2000-cli: <message>" on stderr and returns kExitUsage.
int UsageError(const std::string& message);

// Writes a number with 17 significant digits, as every command prints numbers.
std::string FormatNumber(long double value);

}  // namespace qora::cli
