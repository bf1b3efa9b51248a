// `qora2000-cli table ANALYSIS`: the table behind one chart, as the preview shows it, from
// the program folder's settings and data: CSV (RFC 4180, UTF-8) on standard output or in a
// file, the printed pages as a PDF, and the preview sheet as a picture.
#include <QImage>
#include <QString>
#include <iostream>
#include <optional>

#include "analyses/analysis_registry.h"
#include "charts/analysis_table.h"
#include "cli_common.h"
#include "command_registry.h"
#include "model/app_state.h"
#include "model/text_file.h"
#include "print/table_preview.h"
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
  CommandLine c(
      "table ANALYSIS [--home DIR] [--set SECTION.Key=VALUE]... [--edition NAME] [--csv FILE] "
      "[--pdf FILE] [--png FILE]",
      {kHomeOption,
       kSetOption,
       kEditionOption,
       {"csv", "FILE", "write the table as CSV to FILE (default: standard output)"},
       {"pdf", "FILE", "write the printed table pages"},
       {"png", "FILE", "write the preview sheet as the dialog shows it"}},
      {{"ANALYSIS",
        "chilled.kconst ... chilled.overall, hot.kconst ... hot.overall, rvalue.kconst, "
        "rvalue.rconst"}});
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
  const QString csvFile = c.value("csv"), pdf = c.value("pdf"), png = c.value("png");
  if (!csvFile.isEmpty()) {
    if (!WriteFileAtomically(csvFile, csv)) {
      return CannotWrite(csvFile);
    }
  } else if (pdf.isEmpty() && png.isEmpty()) {
    std::cout.write(csv.constData(), csv.size());
    std::cout.flush();
  }
  std::unique_ptr<QGuiApplication> app;
  if (!pdf.isEmpty() || !png.isEmpty()) app = MakeGuiApplication();
  if (!pdf.isEmpty() && !WriteTablePdf(result->table, state, pdf)) {
    return CannotWrite(pdf);
  }
  if (!png.isEmpty() && !SavePng(RenderTablePreview(result->table, state), png)) {
    return CannotWrite(png);
  }
  return kExitOk;
}

const CliCommandRegistration kTable({"table", "table ANALYSIS [options]", RunTable});

}  // namespace

}  // namespace qora::cli
