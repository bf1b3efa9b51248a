// `qora2000-cli table ANALYSIS`: the table behind one chart, as the preview shows it, from
// the program folder's settings and data: CSV (RFC 4180, UTF-8) on standard output or in a
// file, and the printed pages as a PDF.
#include <QString>
#include <iostream>
#include <optional>

#include "analyses/analysis_registry.h"
#include "charts/analysis_table.h"
#include "cli_common.h"
#include "command_registry.h"
#include "model/app_state.h"
#include "model/text_file.h"
#include "print/table_printout.h"

namespace qora::cli {

namespace {

struct TableResult {
  bool drawn = false;
  std::string refusal;
  DataTable table;
};

// The table of a named chart, or nothing for a name no table answers to.
std::optional<TableResult> ComputeTable(const std::string& name, const AppState& state) {
  if (const AnalysisDef* def = FindAnalysis(name)) {
    const ComputeResult r = ComputeChart(*def, state);
    TableResult t{r.drawn, r.refusal, {}};
    if (r.drawn) t.table = AnalysisTable(r.data, state);
    return t;
  }
  return std::nullopt;
}

int RunTable(const std::vector<std::string>& args) {
  CommandLine c("table ANALYSIS [--home DIR] [--set SECTION.Key=VALUE]... [--csv FILE] [--pdf FILE]",
                {kHomeOption,
                 kSetOption,
                 {"csv", "FILE", "write the table as CSV to FILE (default: standard output)"},
                 {"pdf", "FILE", "write the printed table pages"}},
                {{"ANALYSIS", "chilled.kconst ... chilled.overall, hot.kconst ... hot.overall"}});
  if (auto exit = c.parse(args)) return *exit;
  const QStringList names = c.positional();
  if (names.isEmpty()) return UsageError("missing ANALYSIS");
  if (names.size() > 1) return UsageError("unexpected argument '" + names[1].toStdString() + "'");
  const std::string name = names.front().toStdString();

  AppState state;
  if (auto err = LoadCommandState(c, state)) return UsageError(*err);
  const std::optional<TableResult> result = ComputeTable(name, state);
  if (!result) return UsageError("unknown analysis '" + name + "'");
  if (!result->drawn) {
    std::cerr << "qora2000-cli: no table: " << result->refusal << "\n";
    return kExitRefused;
  }
  const QByteArray csv = TableCsv(result->table).toUtf8();
  const QString csvFile = c.value("csv"), pdf = c.value("pdf");
  if (!csvFile.isEmpty()) {
    if (!WriteFileAtomically(csvFile, csv)) {
      std::cerr << "qora2000-cli: cannot write '" << csvFile.toStdString() << "'\n";
      return kExitWriteFailed;
    }
  } else if (pdf.isEmpty()) {
    std::cout.write(csv.constData(), csv.size());
    std::cout.flush();
  }
  if (!pdf.isEmpty()) {
    const auto app = MakeGuiApplication();
    if (!WriteTablePdf(result->table, state, pdf)) {
      std::cerr << "qora2000-cli: cannot write '" << pdf.toStdString() << "'\n";
      return kExitWriteFailed;
    }
  }
  return kExitOk;
}

const CliCommandRegistration kTable({"table", "table ANALYSIS [options]", RunTable});

}  // namespace

}  // namespace qora::cli
