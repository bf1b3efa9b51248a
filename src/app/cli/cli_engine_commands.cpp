// Commands that expose the engine for scripting and checking: dew point, relative
// humidity, k at a mean temperature and unit conversion. Arguments are strictly numeric: unlike a
// typed field, "abc" or "12abc" is an error here, not 0.
#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "command_line.h"
#include "command_registry.h"
#include "engine/calc_context.h"
#include "engine/number_text.h"
#include "engine/psychro.h"
#include "engine/surface.h"
#include "engine/units.h"

namespace qora::cli {

namespace {

// A finite decimal number given once, or the message naming the option.
std::optional<std::string> NumberOption(const CommandLine& c, const char* name,
                                        long double& value) {
  QString text;
  if (auto err = c.single(name, text)) return err;
  const auto v = ParseDecimal(text.toStdString());
  if (!v) return OptionName(name) + " is not a number: '" + text.toStdString() + "'";
  value = *v;
  return std::nullopt;
}

// A whole number (no decimals), or the message naming the option.
std::optional<std::string> IntegerOption(const CommandLine& c, const char* name, int& value) {
  long double v = 0;
  if (auto err = NumberOption(c, name, v)) return err;
  if (v != static_cast<long double>(static_cast<long long>(v)) || v < -1000000 || v > 1000000) {
    return OptionName(name) + " is not a whole number: '" + c.value(name).toStdString() + "'";
  }
  value = static_cast<int>(v);
  return std::nullopt;
}

std::optional<std::string> UnitSystemOption(const CommandLine& c, const char* name, int& value) {
  if (auto err = IntegerOption(c, name, value)) return err;
  if (value < kInchPound || value > kMetricKcal) {
    return OptionName(name) + " must be 1, 2 or 3 (unit system), not '" +
           c.value(name).toStdString() + "'";
  }
  return std::nullopt;
}

std::optional<std::string> NoPositional(const CommandLine& c) {
  if (!c.positional().isEmpty()) {
    return "unexpected argument '" + c.positional().front().toStdString() + "'";
  }
  return std::nullopt;
}

int PrintNumber(long double value) {
  std::cout << FormatNumber(value) << "\n";
  return kExitOk;
}

const OptionSpec kUnits{"units", "N", "unit system: 1 inch-pound, 2 SI, 3 metric-kcal"};
const OptionSpec kTdb{"tdb", "T", "dry-bulb (room) temperature"};

int RunDewPoint(const std::vector<std::string>& args) {
  CommandLine c("dewpoint --units N --tdb T --rh RH",
                {kUnits, kTdb, {"rh", "RH", "relative humidity in percent"}});
  if (auto exit = c.parse(args)) return *exit;
  CalcContext ctx;
  long double tdb = 0;
  long double rh = 0;
  if (auto err = UnitSystemOption(c, "units", ctx.unitSystem)) return UsageError(*err);
  if (auto err = NumberOption(c, "tdb", tdb)) return UsageError(*err);
  if (auto err = NumberOption(c, "rh", rh)) return UsageError(*err);
  if (auto err = NoPositional(c)) return UsageError(*err);
  return PrintNumber(DewPoint(ctx, tdb, rh));
}

int RunKMean(const std::vector<std::string>& args) {
  CommandLine c("kmean --units N --tmean T", {kUnits, {"tmean", "T", "mean temperature"}});
  if (auto exit = c.parse(args)) return *exit;
  CalcContext ctx;
  long double tMean = 0;
  if (auto err = UnitSystemOption(c, "units", ctx.unitSystem)) return UsageError(*err);
  if (auto err = NumberOption(c, "tmean", tMean)) return UsageError(*err);
  if (auto err = NoPositional(c)) return UsageError(*err);
  return PrintNumber(kAtMeanTemperature(ctx, tMean));
}

int RunRelativeHumidity(const std::vector<std::string>& args) {
  CommandLine c("rh --units N --tdb T --tdp T2",
                {kUnits, kTdb, {"tdp", "T2", "dew-point temperature"}});
  if (auto exit = c.parse(args)) return *exit;
  CalcContext ctx;
  long double tdb = 0;
  long double tdp = 0;
  if (auto err = UnitSystemOption(c, "units", ctx.unitSystem)) return UsageError(*err);
  if (auto err = NumberOption(c, "tdb", tdb)) return UsageError(*err);
  if (auto err = NumberOption(c, "tdp", tdp)) return UsageError(*err);
  if (auto err = NoPositional(c)) return UsageError(*err);
  return PrintNumber(RelativeHumidity(ctx, tdb, tdp));
}

// Any whole quantity code is accepted: an unhandled one prints the 99999 marker, as the
// converter returns it.
int RunConvert(const std::vector<std::string>& args) {
  CommandLine c("convert --code C --from S --to S VALUE",
                {{"code", "C", "quantity code 1..12"},
                 {"from", "S", "unit system of VALUE"},
                 {"to", "S", "unit system of the result"}},
                {{"VALUE", "the number to convert"}});
  if (auto exit = c.parse(args)) return *exit;
  int code = 0;
  int from = 0;
  int to = 0;
  if (auto err = IntegerOption(c, "code", code)) return UsageError(*err);
  if (auto err = UnitSystemOption(c, "from", from)) return UsageError(*err);
  if (auto err = UnitSystemOption(c, "to", to)) return UsageError(*err);
  const QStringList values = c.positional();
  if (values.isEmpty()) return UsageError("missing VALUE to convert");
  if (values.size() > 1) return UsageError("unexpected argument '" + values[1].toStdString() + "'");
  const auto value = ParseDecimal(values.front().toStdString());
  if (!value) return UsageError("VALUE is not a number: '" + values.front().toStdString() + "'");
  return PrintNumber(ConvertUnits(code, from, to, *value));
}

const CliCommandRegistration kDewPoint({"dewpoint", "dewpoint --units N --tdb T --rh RH",
                                        RunDewPoint});
const CliCommandRegistration kKMean({"kmean", "kmean --units N --tmean T", RunKMean});
const CliCommandRegistration kRelativeHumidity({"rh", "rh --units N --tdb T --tdp T2",
                                                RunRelativeHumidity});
const CliCommandRegistration kConvert({"convert", "convert --code C --from S --to S VALUE",
                                       RunConvert});

}  // namespace

}  // namespace qora::cli
