// `qora2000-cli chart ANALYSIS`: computes one analysis of a line screen from the program
// folder's settings and data, as the screen would, and prints its values as JSON or writes
// the chart picture as the screen draws it.
#include <unistd.h>
#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImage>
#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <locale>
#include <memory>
#include <sstream>

#include "analyses/analysis_registry.h"
#include "charts/chart_drawers.h"
#include "charts/chart_layout.h"
#include "cli_common.h"
#include "command_registry.h"
#include "model/app_state.h"
#include "model/language.h"
#include "print/print_job.h"
#include "toolkit/image_canvas.h"

namespace qora::cli {

namespace {

std::string JsonAxis(const AxisRange& a) {
  return "{\"lo\":" + FormatNumber(a.lo) + ",\"hi\":" + FormatNumber(a.hi) +
         ",\"step\":" + FormatNumber(a.step) + "}";
}

std::string ChartJson(const std::string& name, int unitSystem, const ComputeResult& r) {
  std::ostringstream o;
  o.imbue(std::locale::classic());
  o << "{\"analysis\":" << JsonString(name) << ",\"unitSystem\":" << unitSystem
    << ",\"drawn\":" << (r.drawn ? "true" : "false");
  if (!r.drawn) {
    o << ",\"refusal\":" << JsonString(r.refusal) << "}\n";
    return o.str();
  }
  const ChartData& d = r.data;
  const ChartKind kind = KindOf(d.analysis);
  if (kind != ChartKind::Curve) {
    // A point no thickness can reach is null.
    // Ten rows of list positions on the line screens, twelve on the R-value screen.
    const size_t rows = IsRValueAnalysis(d.analysis) ? d.chartResults.size() : 10;
    o << ",\"chartResults\":[";
    for (size_t i = 0; i < rows; ++i) {
      o << (i ? "," : "") << "[";
      for (size_t j = 0; j < d.chartResults[i].size(); ++j) {
        o << (j ? "," : "")
          << (d.notAchievable[i][j] ? std::string("null") : FormatNumber(d.chartResults[i][j]));
      }
      o << "]";
    }
    o << "]";
  }
  if (kind != ChartKind::Grid) {
    o << ",\"curveX\":" << JsonArray(d.curveX);
    if (kind == ChartKind::Overall || d.wording.plotE) {
      o << ",\"curveE\":" << JsonArray(d.curveE);
    } else {
      o << ",\"curveY\":" << JsonArray(d.curveY);
    }
  }
  if (IsRValueAnalysis(d.analysis)) {
    o << ",\"rowValues\":" << JsonArray(d.rowValues) << ",\"k\":" << FormatNumber(d.k);
  }
  if (d.analysis == AnalysisId::ChilledTsurf) {
    o << ",\"chartDewPoint\":" << FormatNumber(d.chartDewPoint);
  }
  if (kind == ChartKind::Overall) {
    o << ",\"stockEnergyCost\":" << JsonArray(d.stockEnergyCost)
      << ",\"stockInsulationCost\":" << JsonArray(d.stockInsulationCost)
      << ",\"stockTotalCost\":" << JsonArray(d.stockTotalCost)
      << ",\"economicThicknessName\":" << JsonString(d.economicThicknessName);
  }
  o << ",\"xAxis\":" << JsonAxis(d.xAxis) << ",\"yAxis\":" << JsonAxis(d.yAxis) << "}\n";
  return o.str();
}

// Draws the chart as a screen of the given size would and saves it atomically.
bool WritePng(const QString& path, int screenWidth, int screenHeight, const ChartData& data,
              const AppState& state) {
  const PictureSize area = ChartAreaSize(screenWidth, screenHeight);
  QImage image(area.width, area.height, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    ImageCanvas canvas(image);
    DrawScreenChart(canvas, LayoutFromScreen(screenWidth, area.height), state, data);
  }
  return SavePng(image, path);
}

int RunChart(const std::vector<std::string>& args) {
  CommandLine c(
      "chart ANALYSIS [--home DIR] [--set SECTION.Key=VALUE]... [--edition NAME] [--json] [--png "
      "FILE --screen "
      "WxH] [--pdf FILE]",
      {kHomeOption,
       kSetOption,
       kEditionOption,
       {"json", nullptr, "print the chart's values as JSON (the default)"},
       {"png", "FILE", "write the chart picture as the screen draws it (needs --screen)"},
       kScreenOption,
       {"pdf", "FILE", "write the printed page of the chart"}},
      {{"ANALYSIS",
        "chilled.kconst ... chilled.overall, hot.kconst ... hot.overall, rvalue.kconst, "
        "rvalue.rconst"}});
  if (auto exit = c.parse(args)) return *exit;
  const QStringList names = c.positional();
  if (names.isEmpty()) return UsageError("missing ANALYSIS");
  if (names.size() > 1) return UsageError("unexpected argument '" + names[1].toStdString() + "'");
  const std::string analysis = names.front().toStdString();
  const AnalysisDef* def = FindAnalysis(analysis);
  if (!def) return UsageError("unknown analysis '" + analysis + "'");
  int screenWidth = 0, screenHeight = 0;
  if (c.isSet("screen")) {
    if (auto err = ParseScreenSize(c.value("screen"), screenWidth, screenHeight)) {
      return UsageError(*err);
    }
  }
  const QString png = c.value("png"), pdf = c.value("pdf");
  if (!png.isEmpty() && screenWidth == 0) return UsageError("--png needs --screen WxH");

  AppState state;
  if (auto err = LoadCommandState(c, state)) return UsageError(*err);
  const ComputeResult result = ComputeChart(*def, state);
  std::cout << ChartJson(analysis, state.settings.unitSystem(), result);
  if (!result.drawn) return kExitRefused;
  std::unique_ptr<QGuiApplication> app;
  if (!png.isEmpty() || !pdf.isEmpty()) app = MakeGuiApplication();
  if (!png.isEmpty() && !WritePng(png, screenWidth, screenHeight, result.data, state)) {
    return CannotWrite(png);
  }
  if (!pdf.isEmpty() && !WriteChartPdf(result.data, state, pdf)) {
    return CannotWrite(pdf);
  }
  return kExitOk;
}

const CliCommandRegistration kChart({"chart", "chart ANALYSIS [options]", RunChart});

}  // namespace

}  // namespace qora::cli
