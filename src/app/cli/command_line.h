// The arguments of one qora2000-cli command, parsed with Qt's command-line parser: the
// command's options and positional arguments, --help on every command, and the tool's
// conventions (a usage error is one line on stderr and exit code 2; --help prints the
// command's usage on stdout and exits 0).
#pragma once

#include <QCommandLineParser>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace qora::cli {

struct OptionSpec {
  const char* name;       // without the dashes: "home"
  const char* valueName;  // nullptr for a flag
  const char* description;
};

class CommandLine {
 public:
  // `synopsis` is the usage line after "qora2000-cli"; `positional` names the positional
  // arguments for the help text.
  CommandLine(std::string synopsis, const std::vector<OptionSpec>& options,
              const std::vector<std::pair<const char*, const char*>>& positional = {});

  // Parses the arguments after the command name. Returns an exit code when the command
  // should not run (--help: 0 after printing the help; a usage error: 2 after printing
  // it), nothing when it should. A negative number such as "-40" standing where a
  // positional argument stands is that argument, not a cluster of short options.
  std::optional<int> parse(const std::vector<std::string>& args);

  bool isSet(const char* name) const;
  // The value of an option; empty when it was not given.
  QString value(const char* name) const;
  QStringList values(const char* name) const;
  QStringList positional() const;
  // The option's value when it was given exactly once; otherwise a usage error
  // message names the option ("missing option '--tdb'", "option '--units' given twice").
  std::optional<std::string> single(const char* name, QString& out) const;

  std::string helpText() const;

 private:
  std::string synopsis_;
  std::vector<OptionSpec> specs_;
  QCommandLineParser parser_;
};

// "option '--name'": how messages name an option.
std::string OptionName(const char* name);

}  // namespace qora::cli
