#include "print_test_support.h"

#include "analyses/analysis_registry.h"
#include "charts/axis_rules.h"
#include "charts/chart_drawers.h"
#include "engine/number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <sstream>

namespace qora::test {

namespace {

QByteArray SvgRect(int w, int h, const char* colour) {
  return QStringLiteral(
             "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%2\" "
             "viewBox=\"0 0 %1 %2\"><rect width=\"%1\" height=\"%2\" fill=\"%3\"/></svg>")
      .arg(w)
      .arg(h)
      .arg(QString::fromLatin1(colour))
      .toUtf8();
}

}  // namespace

void WriteBrandPictures(const TempHome& home) {
  home.writeFile("QDTgraph/LogoBgd.svg", SvgRect(500, 100, "#00ff00"));
  home.writeFile("QDTgraph/Logo.svg", SvgRect(20, 100, "#00ff00"));
  home.writeFile("QDTgraph/Logop.svg", SvgRect(400, 100, "#00ff00"));
  home.writeFile("QDTgraph/Logo2Bgd.svg", SvgRect(250, 50, "#ff00ff"));
  home.writeFile("QDTgraph/Logo2.svg", SvgRect(10, 50, "#ff00ff"));
  home.writeFile("QDTgraph/Logop2.svg", SvgRect(200, 50, "#ff00ff"));
}

AppState MakePrintState(const QString& appDir, int unitSystem) {
  AppState s;
  s.appDir = appDir;
  s.settings.setUnitSystem(unitSystem);
  for (QString& f : s.lang.fonts) f = QStringLiteral("DejaVu Sans");
  const std::pair<int, const char*> messages[] = {
      {1, "Condensation control thickness"},
      {2, "Room "},
      {3, "Line "},
      {4, "Pipe size "},
      {6, "Thickness "},
      {7, "Surface temperature"},
      {11, "Temperature along the line"},
      {12, "Flow "},
      {14, "Length "},
      {15, "Dew point "},
      {16, "Temperature over time"},
      {18, "Time "},
      {19, "Energy gain"},
      {20, "Energy gain cost"},
      {21, ".year"},
      {26, "Hot-water thickness"},
      {27, "Surface limit "},
      {28, "Hot line along the length"},
      {29, "Hot line over time"},
      {30, "Heat loss"},
      {31, "Heat loss cost"},
      {34, "Overall cost"},
      {35, "Operating time"},
      {36, "hr/day"},
      {37, "days/year"},
      {38, "Insulation"},
      {39, "Total"},
      {40, "Economic thickness"},
      {41, "Energy Price"},
      {42, "Hot overall cost"},
  };
  for (const auto& [i, text] : messages) s.lang.msg[i] = QString::fromUtf8(text);
  // Copper pipe (the default pipe type 2) in every unit system.
  const char* sizes[] = {"15",  "20",  "25",  "32",  "40",  "50",  "65",  "80",
                         "100", "125", "150", "200", "250", "300", "350", "400"};
  for (auto& unit : s.params.pipeSize[1]) {
    for (int r = 0; r < 16; ++r) unit[r][0] = QString::fromLatin1(sizes[r]);
  }
  const char* rh[] = {"50", "60", "70", "80", "90"};
  const char* k[] = {"0.030", "0.035", "0.040", "0.045", "0.050"};
  const char* ts[] = {"40", "45", "50", "55", "60"};
  for (int r = 0; r < 5; ++r) {
    s.params.rh[r] = rh[r];
    for (int u = 0; u < 3; ++u) {
      s.params.kChilled[u][r] = k[r];
      s.params.kHot[u][r] = k[r];
      s.params.tsurf[u][r] = ts[r];
    }
  }
  return s;
}

std::vector<Prim> ParseLog(const std::string& log) {
  std::vector<Prim> out;
  std::istringstream in(log);
  std::string line;
  while (std::getline(in, line)) {
    Prim p;
    p.line = line;
    std::istringstream words(line);
    words >> p.kind;
    if (p.kind == "text") {
      double x = 0, y = 0;
      words >> x >> y;
      p.nums = {x, y};
      const auto open = line.find('"');
      const auto close = line.find("\" size ", open + 1);
      // The log escapes quotes and backslashes with a backslash.
      for (std::size_t i = open + 1; i < close; ++i) {
        if (line[i] == '\\' && i + 1 < close) ++i;
        p.text += line[i];
      }
      std::istringstream rest(line.substr(close + 7));
      double w = 0, h = 0;
      rest >> w >> h;
      p.nums.push_back(w);
      p.nums.push_back(h);
    } else {
      std::string word;
      while (words >> word) {
        if (word == "nan") {
          p.nums.push_back(std::nan(""));
          continue;
        }
        // from_chars, not strtod: the numbers are read the same under every locale.
        double v = 0;
        const auto [end, ec] = std::from_chars(word.data(), word.data() + word.size(), v);
        if (ec == std::errc() && end == word.data() + word.size() && !word.empty()) {
          p.nums.push_back(v);
        } else if (word != "corner") {
          break;  // pen, brush and the rest are compared as text
        }
      }
    }
    out.push_back(p);
  }
  return out;
}

std::vector<Prim> OfKind(const std::vector<Prim>& prims, const std::string& kind) {
  std::vector<Prim> out;
  for (const Prim& p : prims) {
    if (p.kind == kind) out.push_back(p);
  }
  return out;
}

const Prim* FindText(const std::vector<Prim>& prims, const std::string& text,
                     const std::string& with) {
  for (const Prim& p : prims) {
    if (p.kind == "text" && p.text == text && p.line.find(with) != std::string::npos) return &p;
  }
  return nullptr;
}

ChartData SampleChart(AnalysisId id, const AppState& state) {
  ChartData c;
  c.analysis = id;
  c.unitSystem = 2;
  c.sizeFrom = 1, c.sizeTo = 5;
  c.curveFrom = 1, c.curveTo = 5;
  for (int s = 1; s <= 5; ++s) {
    for (int i = 1; i <= 5; ++i) c.chartResults[s - 1][i - 1] = 2 + s + 0.5L * i;
  }
  const bool hot = static_cast<int>(id) >= static_cast<int>(AnalysisId::HotKConst);
  const int kind = static_cast<int>(id) % 8;
  for (int i = 0; i <= 40; ++i) {
    const Real e = std::exp(-i / 10.0L);
    switch (kind) {
      case 3:  // 500 m of line
        c.curveX[i] = 12.5L * i;
        c.curveY[i] = hot ? 75 - 0.2L * i : 10 + 0.05L * i;
        break;
      case 4:  // 12 hours
        c.curveX[i] = 0.3L * i;
        c.curveY[i] = hot ? 75 - 0.5L * i : 10 + 0.2L * i;
        break;
      case 7:  // 100 mm
        c.curveX[i] = 2.5L * i;
        c.curveE[i] = 10 / (1 + i / 8.0L);
        break;
      default:  // 40 mm
        c.curveX[i] = i;
        c.curveY[i] = hot ? 25 + 50 * e : 25 - 15 * e;
        c.curveE[i] = (kind == 5 ? 30 : 8) / (1 + i / 5.0L);
        break;
    }
  }
  c.chartDewPoint = 21.31L;
  if (kind == 7) {
    c.chartResults = {};
    for (int r = 0; r < 5; ++r) c.chartResults[r][0] = 5 + 12 * r;
    const int mm[] = {3, 6, 10, 13, 20, 25, 32, 38, 44, 50, 56, 63, 70, 75, 100};
    for (int n = 0; n < 15; ++n) {
      c.stockEnergyCost[n] = 10 / (1 + mm[n] / 20.0L);
      c.stockInsulationCost[n] = 0.5L + 0.08L * mm[n];
      c.stockTotalCost[n] = c.stockEnergyCost[n] + c.stockInsulationCost[n];
    }
    c.economicThicknessName = " 20 mm.(  3/4\")";
  }
  // The axes as the analysis computes them, the texts as it describes them.
  if (KindOf(id) == ChartKind::Grid) {
    c.xAxis = {1, 5, 1};
    Real m = 0;
    for (const auto& row : c.chartResults)
      for (Real v : row) m = std::max(m, v);
    c.yAxis = ValueAxis(&m, 1);
  } else {
    c.xAxis = ExactAxis(c.curveX[40]);
    const char* section = hot ? kSecHot : kSecChilled;
    const Real tdb = StrToValue(state.settings.text(section, "Tdb").toStdString());
    const Real top = StrToValue(state.settings.text(section, "Top").toStdString());
    c.yAxis = kind >= 2 && kind <= 4 ? TemperatureAxis(tdb, top) : ValueAxis(c.curveE.data(), 41);
  }
  c.wording = FindAnalysis(id)->describe(c, state);
  return c;
}

}  // namespace qora::test
