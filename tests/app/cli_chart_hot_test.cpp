// `qora2000-cli chart hot.*` on a program folder with the shipped data files, against hand
// calculations: DN50 iron pipe (60.3 mm; 2.375 in), room 20 °C, line 80 °C, typed
// ha 10 W/(m²·K), k 0.0317 W/(m·K) (first hot k of the shipped SI list).
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStringList>
#include <cmath>

#include "test_support.h"

namespace {

using qora::test::TempHome;

struct ChartRun {
  int exitCode = -1;
  QJsonObject json;
  QString err;
};

ChartRun Chart(const TempHome& home, const QString& analysis, const QStringList& sets) {
  QStringList args = {"chart", analysis, "--home", home.path()};
  for (const QString& s : sets) args << "--set" << s;
  QProcess p;
  p.start(QStringLiteral(QORA_BIN_DIR "/qora2000-cli"), args);
  ChartRun r;
  if (!p.waitForFinished(60000)) return r;
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.json = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
  r.err = QString::fromUtf8(p.readAllStandardError());
  return r;
}

class CliChartHot : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"QORApara.qdt", "QORAInsu.qdt", "QORAcost.qdt", "EN"}) {
      home.copyShipped(f);
    }
  }
  // SI, iron pipe, position 8 (DN50) on every one-size panel, k position 0.
  QStringList Si(QStringList more) const {
    QStringList s = {"QORA2000.Units=2", "PARAMETERS.PipeSizes=1", "PARAMETERS.FactorBy=1",
                     "HOT-WATER.Tdb=20", "HOT-WATER.Top=80",       "HOT-WATER.Hair=10"};
    for (const char* p : {"Tsurface", "Tlen", "Ttime", "Elos", "ElosCst", "OvallCst"}) {
      s << QString("HOT-WATER.%1_PpSz=8").arg(p) << QString("HOT-WATER.%1_k=0").arg(p);
    }
    return s + more;
  }
  TempHome home;
};

double At(const QJsonObject& o, const char* key, int i) {
  return o[key].toArray()[i].toDouble();
}

TEST_F(CliChartHot, HeatLossFromTheBarePipe) {
  const ChartRun r = Chart(home, "hot.heatloss", Si({"HOT-WATER.Elos_Thc=40"}));
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.json["analysis"].toString(), "hot.heatloss");
  EXPECT_TRUE(r.json["drawn"].toBool());
  EXPECT_EQ(r.json["unitSystem"].toInt(), 2);
  // 60 K × 10 W/(m²·K) × π × 0.0603 m = 113.663 W/m; at 40 mm with U referred to the
  // outer surface (Leq = 70.15·ln(70.15/30.15) mm): 13.433 W/m.
  EXPECT_REAL_NEAR(At(r.json, "curveE", 0), 113.662822, 1e-5);
  EXPECT_REAL_NEAR(At(r.json, "curveE", 40), 13.433098, 1e-5);
  EXPECT_REAL_NEAR(At(r.json, "curveX", 40), 40, 1e-12);
  const QJsonObject y = r.json["yAxis"].toObject();
  EXPECT_EQ(y["lo"].toDouble(), 0);
  EXPECT_EQ(y["hi"].toDouble(), 140);  // NiceScale(0, 125.03): step 20
  EXPECT_EQ(y["step"].toDouble(), 20);
}

TEST_F(CliChartHot, CostPerMetreInSiAndPerFootInInchPound) {
  // Shipped defaults: electricity 3.0 per kWh, 8 h × 200 days.
  const ChartRun si = Chart(home, "hot.heatlosscost", Si({}));
  ASSERT_EQ(si.exitCode, 0) << si.err.toStdString();
  EXPECT_REAL_NEAR(At(si.json, "curveE", 0), 3 * 1600 * 113.662822 / 1000, 1e-4);

  // 68 °F / 176 °F, ha 1.761 on the 2.375 in pipe: 118.2539 Btu/(h·ft) ÷ 1.039368 W/m, per
  // foot and year.
  const ChartRun ip =
      Chart(home, "hot.heatlosscost",
            {"QORA2000.Units=1", "PARAMETERS.PipeSizes=1", "HOT-WATER.Tdb=68", "HOT-WATER.Top=176",
             "HOT-WATER.Hair=1.761", "HOT-WATER.ElosCst_PpSz=8", "HOT-WATER.ElosCst_k=0"});
  ASSERT_EQ(ip.exitCode, 0) << ip.err.toStdString();
  EXPECT_REAL_NEAR(At(ip.json, "curveE", 0), 166.457056, 1e-4);
}

TEST_F(CliChartHot, ThicknessForSurfaceTemperatures) {
  // 35 °C: x = 45·0.0317 / (15·10) m = 9.51 mm of Leq on r1 = 30.15 mm: 8.4285 mm;
  // 38 °C: 7.3967 mm of Leq: 6.7016 mm.
  const ChartRun k = Chart(
      home, "hot.kconst",
      Si({"HOT-WATER.k_Const_PpSzFrom=8", "HOT-WATER.k_Const_PpSzTo=8",
          "HOT-WATER.k_Const_TsufFrom=0", "HOT-WATER.k_Const_TsufTo=1", "HOT-WATER.k_Const_k=0"}));
  ASSERT_EQ(k.exitCode, 0) << k.err.toStdString();
  const QJsonArray rows = k.json["chartResults"].toArray();
  ASSERT_EQ(rows.size(), 10);
  EXPECT_REAL_NEAR(rows[0].toArray()[8].toDouble(), 8.428505, 1e-3);
  EXPECT_REAL_NEAR(rows[1].toArray()[8].toDouble(), 6.701625, 1e-3);
  EXPECT_EQ(rows[2].toArray()[8].toDouble(), 0);
  EXPECT_EQ(rows[0].toArray()[7].toDouble(), 0);

  // The overall-cost chart keeps the same thicknesses in column 1.
  const ChartRun o = Chart(home, "hot.overall", Si({}));
  ASSERT_EQ(o.exitCode, 0) << o.err.toStdString();
  const QJsonArray marks = o.json["chartResults"].toArray();
  EXPECT_REAL_NEAR(marks[0].toArray()[0].toDouble(), 8.428505, 1e-3);
  EXPECT_REAL_NEAR(marks[1].toArray()[0].toDouble(), 6.701625, 1e-3);
  EXPECT_FALSE(o.json["economicThicknessName"].toString().isEmpty());
  for (int j = 0; j < 15; ++j) {
    // Totals are sums of parts rounded to 0.1.
    const double e = std::round(At(o.json, "stockEnergyCost", j) * 10) / 10;
    const double i = std::round(At(o.json, "stockInsulationCost", j) * 10) / 10;
    EXPECT_REAL_NEAR(At(o.json, "stockTotalCost", j), e + i, 1e-9) << j;
  }
}

TEST_F(CliChartHot, TimeChartStartsAtTheLineTemperature) {
  const ChartRun r = Chart(home, "hot.ttime", Si({"HOT-WATER.TtimeHr=6"}));
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(At(r.json, "curveY", 0), 80);
  EXPECT_REAL_NEAR(At(r.json, "curveX", 40), 6, 1e-12);
  EXPECT_EQ(r.json["xAxis"].toObject()["hi"].toDouble(), 6);
}

TEST_F(CliChartHot, RefusalsExitWithThree) {
  const struct {
    const char* analysis;
    QStringList sets;
    const char* refusal;
  } cases[] = {
      {"hot.tsurf", {"HOT-WATER.Top=20"}, "tdb-not-below-top"},
      {"hot.heatlosscost", {"PARAMETERS.Source=2", "PARAMETERS.Gas-Energy=0"}, "price-undefined"},
      {"hot.overall", {"HOT-WATER.OvallCst_Depre_Yr=0"}, "years-not-positive"},
      {"hot.kconst", {"HOT-WATER.k_Const_PpSzFrom=9", "HOT-WATER.k_Const_PpSzTo=8"}, "size-order"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.analysis);
    const ChartRun r = Chart(home, c.analysis, Si(c.sets));
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_FALSE(r.json["drawn"].toBool(true));
    EXPECT_EQ(r.json["refusal"].toString().toStdString(), c.refusal);
  }
  // Equal room and line temperature still draws the constant-value charts.
  EXPECT_EQ(Chart(home, "hot.tconst", Si({"HOT-WATER.Top=20"})).exitCode, 0);
}

TEST_F(CliChartHot, WritesThePicture) {
  const QString png = home.path() + "/overall.png";
  QProcess p;
  p.start(QStringLiteral(QORA_BIN_DIR "/qora2000-cli"),
          {"chart", "hot.overall", "--home", home.path(), "--png", png, "--screen", "1024x768"});
  ASSERT_TRUE(p.waitForFinished(60000));
  EXPECT_EQ(p.exitCode(), 0);
  QFile f(png);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(f.read(8).startsWith("\x89PNG"));
}

}  // namespace
