// Options of the `chart` command. The options are a table, so a further output (a printed
// page, say) is one more row and one more field.
#pragma once

#include <QString>
#include <string>
#include <utility>
#include <vector>

namespace qora::cli {

struct ChartOptions {
  std::string analysis;  // "chilled.kconst", "hot.overall", ...
  QString home;          // program folder; empty: the executable's folder
  std::vector<std::pair<std::string, std::string>> sets;  // "SECTION.Key", value
  bool json = true;
  QString png;                            // chart picture file
  int screenWidth = 0, screenHeight = 0;  // --screen WxH
  QString pdf;                            // printed page file (the print command's option)
};

struct ChartOption {
  const char* name;  // "--home"
  bool takesValue;
  // Stores the value; returns an error message, empty when the value is fine.
  std::string (*apply)(ChartOptions& o, const std::string& value);
};

// The option table of the command.
std::vector<ChartOption>& ChartOptionTable();

// Parses the arguments after the command name; returns an error message (empty on
// success).
std::string ParseChartOptions(const std::vector<std::string>& args, ChartOptions& out);

}  // namespace qora::cli
