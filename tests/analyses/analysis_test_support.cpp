#include "analysis_test_support.h"

#include <gtest/gtest.h>
#include "fixed_metrics_canvas.h"

#include "charts/chart_drawers.h"
#include "charts/chart_layout.h"
#include "model/settings.h"
#include "toolkit/recording_canvas.h"

namespace qora::test {

namespace {

struct PipeRow {
  const char* dn;
  const char* inch;
  double odMm, idMm, odIn, idIn;
};
constexpr PipeRow kPipes[] = {
    {"DN15", "1/2", 21.3, 15.8, 0.840, 0.622},     {"DN20", "3/4", 26.9, 20.9, 1.050, 0.824},
    {"DN25", "1", 33.7, 26.6, 1.315, 1.049},       {"DN32", "1-1/4", 42.4, 35.1, 1.660, 1.380},
    {"DN40", "1-1/2", 48.3, 40.9, 1.900, 1.610},   {"DN50", "2", 60.3, 52.5, 2.375, 2.067},
    {"DN65", "2-1/2", 76.1, 62.7, 2.875, 2.469},   {"DN80", "3", 88.9, 77.9, 3.500, 3.068},
    {"DN100", "4", 114.3, 102.3, 4.500, 4.026},    {"DN125", "5", 139.7, 128.2, 5.563, 5.047},
    {"DN150", "6", 168.3, 154.1, 6.625, 6.065},    {"DN200", "8", 219.1, 202.7, 8.625, 7.981},
    {"DN250", "10", 273.0, 254.5, 10.750, 10.020}, {"DN300", "12", 323.9, 303.2, 12.750, 11.938},
};

QString Num(double v) {
  return QString::number(v, 'g', 10);
}

}  // namespace

AppState FixedState(int unit) {
  AppState s;
  s.appDir = QStringLiteral("/nonexistent-qora-home");  // no brand pictures
  s.settings.setUnitSystem(unit);
  s.settings.setInteger(kSecParams, "PipeSizes", 1);
  for (int pt = 0; pt < 2; ++pt) {
    for (int u = 0; u < 3; ++u) {
      for (int r = 0; r < 14; ++r) {
        const PipeRow& p = kPipes[r];
        auto& row = s.params.pipeSize[pt][u][r];
        const bool ip = u == 0;
        row[0] = ip ? QString(p.inch) + "\"" : QString(p.dn);
        row[1] = Num(ip ? p.odIn : p.odMm);
        row[2] = Num(ip ? p.idIn : p.idMm);
      }
    }
  }
  for (int i = 0; i < 10; ++i) s.params.rh[i] = QString::number(50 + 5 * i);
  // 0.030, 0.035, 0.040 W/(m·K) = 0.208, 0.243, 0.277 Btu·in/(h·ft²·°F)
  //                             = 0.0258, 0.0301, 0.0344 kcal/(h·m·°C)
  s.params.kChilled[0] = {"0.208", "0.243", "0.277"};
  s.params.kChilled[1] = {"0.030", "0.035", "0.040"};
  s.params.kChilled[2] = {"0.0258", "0.0301", "0.0344"};
  s.params.kHot = s.params.kChilled;
  s.params.tsurf[0] = {"104", "113", "122"};
  s.params.tsurf[1] = {"40", "45", "50"};
  s.params.tsurf[2] = {"40", "45", "50"};
  for (int c = 0; c < 40; ++c) {
    for (int n = 0; n < 15; ++n) {
      s.costs.ips[c][n] = 10.0L * (c + 1) + 5.0L * (n + 1);
      s.costs.copper[c][n] = s.costs.ips[c][n];
    }
  }
  for (int i = 0; i < static_cast<int>(s.lang.msg.size()); ++i) {
    s.lang.msg[i] = QString("M%1 ").arg(i);
  }
  return s;
}

void Set(AppState& state, const std::string& name, const std::string& value) {
  const auto dot = name.find('.');
  const SettingKey* key = FindSettingKey(name.substr(0, dot), name.substr(dot + 1));
  ASSERT_NE(key, nullptr) << name;
  if (key->kind == KeyKind::Int) {
    state.settings.setInteger(key->section, KeyName::runtime(key->key), std::stoi(value));
  } else {
    state.settings.setText(key->section, KeyName::runtime(key->key), QString::fromStdString(value));
  }
}

const AnalysisDef& FindAnalysis(const std::vector<AnalysisDef>& list, const std::string& cli) {
  for (const AnalysisDef& d : list) {
    if (cli == d.cliName) return d;
  }
  ADD_FAILURE() << "no analysis " << cli;
  return list.front();
}

std::string DrawList(const AnalysisDef& def, const AppState& state, int screenWidth) {
  const ComputeResult r = ComputeChart(def, state);
  if (!r.drawn) return "refused: " + r.refusal;
  const PictureSize area = ChartAreaSize(screenWidth, screenWidth * 3 / 4);
  FixedMetricsCanvas canvas(QSizeF(area.width, area.height));
  DrawScreenChart(canvas, LayoutFromScreen(screenWidth, area.height), state, r.data);
  return canvas.log();
}

}  // namespace qora::test
