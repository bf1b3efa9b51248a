// `qora2000-cli chart ANALYSIS`: computes one analysis of a line screen from the program
// folder's settings and data, as the screen would, and prints its values as JSON or writes
// the chart picture as the screen draws it.
#include <QGuiApplication>
#include <QImage>
#include <iostream>
#include <memory>
#include <sstream>

#include "analyses/chilled/chilled_analyses.h"
#include "analyses/hot/hot_analyses.h"
#include "charts/chart_drawers.h"
#include "charts/chart_layout.h"
#include "cli_chart_options.h"
#include "cli_program.h"
#include "command_registry.h"
#include "model/app_state.h"
#include "model/language.h"
#include "print/print_job.h"
#include "toolkit/image_canvas.h"

namespace qora::cli {

namespace {

std::string ParseScreen(ChartOptions& o, const std::string& v) {
  return ParseScreenSize(v, o.screenWidth, o.screenHeight);
}

}  // namespace

std::vector<ChartOption>& ChartOptionTable() {
  static std::vector<ChartOption> table = {
      {"--home", true,
       [](ChartOptions& o, const std::string& v) {
         o.home = QString::fromStdString(v);
         return std::string();
       }},
      {"--set", true,
       [](ChartOptions& o, const std::string& v) {
         const auto eq = v.find('=');
         const auto dot = v.find('.');
         if (eq == std::string::npos || dot == std::string::npos || dot > eq || dot == 0 ||
             dot + 1 == eq) {
           return "--set expects SECTION.Key=VALUE, got '" + v + "'";
         }
         o.sets.emplace_back(v.substr(0, eq), v.substr(eq + 1));
         return std::string();
       }},
      {"--json", false,
       [](ChartOptions& o, const std::string&) {
         o.json = true;
         return std::string();
       }},
      {"--png", true,
       [](ChartOptions& o, const std::string& v) {
         o.png = QString::fromStdString(v);
         return std::string();
       }},
      {"--screen", true, ParseScreen},
      // The printed page of the chart (the print button's page) as a PDF file.
      {"--pdf", true,
       [](ChartOptions& o, const std::string& v) {
         o.pdf = QString::fromStdString(v);
         return std::string();
       }},
  };
  return table;
}

std::string ParseChartOptions(const std::vector<std::string>& args, ChartOptions& out) {
  for (size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    if (a.rfind("--", 0) != 0) {
      if (!out.analysis.empty()) return "unexpected argument '" + a + "'";
      out.analysis = a;
      continue;
    }
    const ChartOption* opt = nullptr;
    for (const ChartOption& o : ChartOptionTable()) {
      if (a == o.name) opt = &o;
    }
    if (!opt) return "unknown option '" + a + "'";
    std::string value;
    if (opt->takesValue) {
      if (i + 1 >= args.size()) return std::string(opt->name) + " needs a value";
      value = args[++i];
    }
    if (std::string err = opt->apply(out, value); !err.empty()) return err;
  }
  if (out.analysis.empty()) return "missing ANALYSIS";
  if (!out.png.isEmpty() && out.screenWidth == 0) return "--png needs --screen WxH";
  return {};
}

namespace {

const AnalysisDef* FindAnalysis(const std::string& name) {
  for (const auto* list : {&ChilledAnalyses(), &HotAnalyses()}) {
    for (const AnalysisDef& def : *list) {
      if (name == def.cliName) return &def;
    }
  }
  return nullptr;
}

// Applies one --set as if the user had typed it: text keys take the text, list and
// selector keys the integer. Returns an error message.
std::string ApplySet(AppState& state, const std::string& name, const std::string& value) {
  const auto dot = name.find('.');
  const std::string section = name.substr(0, dot), key = name.substr(dot + 1);
  const SettingKey* def = FindSettingKey(section, key);
  if (!def) return "unknown setting '" + name + "'";
  if (def->kind == KeyKind::Int) {
    bool ok = false;
    const int v = QString::fromStdString(value).trimmed().toInt(&ok);
    if (!ok) return "setting '" + name + "' expects an integer, got '" + value + "'";
    state.settings.setInteger(def->section, def->key, v);
  } else {
    state.settings.setText(def->section, def->key, QString::fromStdString(value));
  }
  return {};
}

std::string JsonString(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    switch (c) {
      case '"':
        out += "\\\"";
        break;
      case '\\':
        out += "\\\\";
        break;
      case '\n':
        out += "\\n";
        break;
      case '\r':
        out += "\\r";
        break;
      case '\t':
        out += "\\t";
        break;
      default:
        if (c < 0x20) {
          char buf[8];
          std::snprintf(buf, sizeof buf, "\\u%04x", c);
          out += buf;
        } else {
          out += static_cast<char>(c);
        }
    }
  }
  return out + "\"";
}

template <typename Array>
std::string JsonArray(const Array& values) {
  std::string out = "[";
  for (size_t i = 0; i < values.size(); ++i) {
    if (i) out += ",";
    out += FormatNumber(values[i]);
  }
  return out + "]";
}

std::string JsonAxis(const AxisRange& a) {
  return "{\"lo\":" + FormatNumber(a.lo) + ",\"hi\":" + FormatNumber(a.hi) +
         ",\"step\":" + FormatNumber(a.step) + "}";
}

std::string ChartJson(const std::string& name, int unitSystem, const ComputeResult& r) {
  std::ostringstream o;
  o << "{\"analysis\":" << JsonString(name) << ",\"unitSystem\":" << unitSystem
    << ",\"drawn\":" << (r.drawn ? "true" : "false");
  if (!r.drawn) {
    o << ",\"refusal\":" << JsonString(r.refusal) << "}\n";
    return o.str();
  }
  const ChartData& d = r.data;
  const ChartKind kind = KindOf(d.analysis);
  if (kind != ChartKind::Curve) {
    o << ",\"chartResults\":[";
    for (size_t i = 0; i < d.chartResults.size(); ++i) {
      o << (i ? "," : "") << JsonArray(d.chartResults[i]);
    }
    o << "]";
  }
  if (kind != ChartKind::Grid) {
    o << ",\"curveX\":" << JsonArray(d.curveX);
    if (kind == ChartKind::Overall || PlotsCurveE(d.analysis)) {
      o << ",\"curveE\":" << JsonArray(d.curveE);
    } else {
      o << ",\"curveY\":" << JsonArray(d.curveY);
    }
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
bool WritePng(const ChartOptions& opt, const AnalysisDef& def, const ChartData& data,
              const AppState& state) {
  const PictureSize area = ChartAreaSize(opt.screenWidth, opt.screenHeight);
  QImage image(area.width, area.height, QImage::Format_RGB32);
  image.fill(Qt::white);
  {
    ImageCanvas canvas(image);
    def.draw(data, state, canvas, LayoutFromScreen(opt.screenWidth, area.height));
  }
  return SavePng(image, opt.png);
}

// --pdf: the page the screen's print button prints, written atomically.
bool WritePdf(const ChartOptions& opt, const ChartData& data, const AppState& state) {
  return WriteChartPdf(data, state, opt.pdf);
}

// A picture that cannot be written; distinct from a usage error and from a refusal.
constexpr int kExitWriteFailed = 1;

int RunChart(const std::vector<std::string>& args) {
  ChartOptions opt;
  if (std::string err = ParseChartOptions(args, opt); !err.empty()) return UsageError(err);
  const AnalysisDef* def = FindAnalysis(opt.analysis);
  if (!def) return UsageError("unknown analysis '" + opt.analysis + "'");

  AppState state;
  const QString home = opt.home.isEmpty() ? ExecutableFolder() : opt.home;
  LoadProgramState(state, home);
  const int langBefore = state.settings.langIndex();
  for (const auto& [name, value] : opt.sets) {
    if (std::string err = ApplySet(state, name, value); !err.empty()) return UsageError(err);
  }
  if (state.settings.langIndex() != langBefore) {
    state.lang = BuiltinLanguageTexts();
    LoadLanguageTexts(state.lang, state.appDir, state.settings.langIndex());
  }

  const ComputeResult result = def->compute(state);
  if (opt.json) std::cout << ChartJson(opt.analysis, state.settings.unitSystem(), result);
  if (!result.drawn) return kExitRefused;
  std::unique_ptr<QGuiApplication> app;
  if (!opt.png.isEmpty() || !opt.pdf.isEmpty()) app = MakeGuiApplication();
  if (!opt.png.isEmpty() && !WritePng(opt, *def, result.data, state)) {
    std::cerr << "qora2000-cli: cannot write '" << opt.png.toStdString() << "'\n";
    return kExitWriteFailed;
  }
  if (!opt.pdf.isEmpty() && !WritePdf(opt, result.data, state)) {
    std::cerr << "qora2000-cli: cannot write '" << opt.pdf.toStdString() << "'\n";
    return kExitWriteFailed;
  }
  return kExitOk;
}

const CliCommandRegistration kChart(
    {"chart",
     "chart ANALYSIS [--home DIR] [--set SECTION.Key=VALUE]... [--json] [--png FILE --screen "
     "WxH] [--pdf FILE]",
     RunChart});

}  // namespace

}  // namespace qora::cli
