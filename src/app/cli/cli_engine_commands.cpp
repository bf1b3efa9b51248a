// Commands that expose the engine for scripting and checking: dew point, relative
// humidity and unit conversion. Arguments are strictly numeric: unlike a typed field,
// "abc" or "12abc" is an error here, not 0.
#include <iostream>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "command_registry.h"
#include "engine/calc_context.h"
#include "engine/number_text.h"
#include "engine/psychro.h"
#include "engine/units.h"

namespace qora::cli {

namespace {

// Options of the form "--name VALUE" plus positional values. A token starting with "--"
// is an option; anything else (also "-40") is a value.
struct ParsedArgs {
  std::map<std::string, std::string> options;
  std::vector<std::string> positional;
};

// Fills `out`, or returns the usage message that names the offending argument.
std::optional<std::string> ParseArgs(const std::vector<std::string>& args,
                                     const std::vector<std::string>& known, ParsedArgs& out) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0) {
      out.positional.push_back(a);
      continue;
    }
    const std::string name = a.substr(2);
    bool isKnown = false;
    for (const auto& k : known) isKnown = isKnown || k == name;
    if (!isKnown) return "unknown option '" + a + "'";
    if (out.options.count(name)) return "option '" + a + "' given twice";
    if (i + 1 >= args.size() || args[i + 1].rfind("--", 0) == 0) {
      return "option '" + a + "' needs a value";
    }
    out.options[name] = args[++i];
  }
  return std::nullopt;
}

// A finite decimal number, or the message naming the option.
std::optional<std::string> NumberOption(const ParsedArgs& p, const std::string& name,
                                        long double& value) {
  const auto it = p.options.find(name);
  if (it == p.options.end()) return "missing option '--" + name + "'";
  const auto v = ParseDecimal(it->second);
  if (!v) return "option '--" + name + "' is not a number: '" + it->second + "'";
  value = *v;
  return std::nullopt;
}

// A whole number (no decimals), or the message naming the option.
std::optional<std::string> IntegerOption(const ParsedArgs& p, const std::string& name, int& value) {
  long double v = 0;
  if (auto err = NumberOption(p, name, v)) return err;
  if (v != static_cast<long double>(static_cast<long long>(v)) || v < -1000000 || v > 1000000) {
    return "option '--" + name + "' is not a whole number: '" + p.options.at(name) + "'";
  }
  value = static_cast<int>(v);
  return std::nullopt;
}

std::optional<std::string> UnitSystemOption(const ParsedArgs& p, const std::string& name,
                                            int& value) {
  if (auto err = IntegerOption(p, name, value)) return err;
  if (value < kInchPound || value > kMetricKcal) {
    return "option '--" + name + "' must be 1, 2 or 3 (unit system), not '" + p.options.at(name) +
           "'";
  }
  return std::nullopt;
}

std::optional<std::string> NoPositional(const ParsedArgs& p) {
  if (!p.positional.empty()) return "unexpected argument '" + p.positional.front() + "'";
  return std::nullopt;
}

int PrintNumber(long double value) {
  std::cout << FormatNumber(value) << "\n";
  return kExitOk;
}

int RunDewPoint(const std::vector<std::string>& args) {
  ParsedArgs p;
  CalcContext ctx;
  long double tdb = 0;
  long double rh = 0;
  if (auto err = ParseArgs(args, {"units", "tdb", "rh"}, p)) return UsageError(*err);
  if (auto err = NoPositional(p)) return UsageError(*err);
  if (auto err = UnitSystemOption(p, "units", ctx.unitSystem)) return UsageError(*err);
  if (auto err = NumberOption(p, "tdb", tdb)) return UsageError(*err);
  if (auto err = NumberOption(p, "rh", rh)) return UsageError(*err);
  return PrintNumber(DewPoint(ctx, tdb, rh));
}

int RunRelativeHumidity(const std::vector<std::string>& args) {
  ParsedArgs p;
  CalcContext ctx;
  long double tdb = 0;
  long double tdp = 0;
  if (auto err = ParseArgs(args, {"units", "tdb", "tdp"}, p)) return UsageError(*err);
  if (auto err = NoPositional(p)) return UsageError(*err);
  if (auto err = UnitSystemOption(p, "units", ctx.unitSystem)) return UsageError(*err);
  if (auto err = NumberOption(p, "tdb", tdb)) return UsageError(*err);
  if (auto err = NumberOption(p, "tdp", tdp)) return UsageError(*err);
  return PrintNumber(RelativeHumidity(ctx, tdb, tdp));
}

// Any whole quantity code is accepted: an unhandled one prints the 99999 marker, as the
// converter returns it.
int RunConvert(const std::vector<std::string>& args) {
  ParsedArgs p;
  int code = 0;
  int from = 0;
  int to = 0;
  if (auto err = ParseArgs(args, {"code", "from", "to"}, p)) return UsageError(*err);
  if (auto err = IntegerOption(p, "code", code)) return UsageError(*err);
  if (auto err = UnitSystemOption(p, "from", from)) return UsageError(*err);
  if (auto err = UnitSystemOption(p, "to", to)) return UsageError(*err);
  if (p.positional.empty()) return UsageError("missing VALUE to convert");
  if (p.positional.size() > 1) return UsageError("unexpected argument '" + p.positional[1] + "'");
  const auto value = ParseDecimal(p.positional.front());
  if (!value) return UsageError("VALUE is not a number: '" + p.positional.front() + "'");
  return PrintNumber(ConvertUnits(code, from, to, *value));
}

const CliCommandRegistration kDewPoint({"dewpoint", "dewpoint --units N --tdb T --rh RH",
                                        RunDewPoint});
const CliCommandRegistration kRelativeHumidity({"rh", "rh --units N --tdb T --tdp T2",
                                                RunRelativeHumidity});
const CliCommandRegistration kConvert({"convert", "convert --code C --from S --to S VALUE",
                                       RunConvert});

}  // namespace

}  // namespace qora::cli
