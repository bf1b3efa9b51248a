// `qora2000-cli chart` run as a script would: the program folder's data and settings, the
// --set overrides, JSON values against hand calculations, exit codes and the picture.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <cmath>

#include "test_support.h"

namespace {

using qora::test::TempHome;

struct ChartRun {
  int exitCode = -1;
  QJsonObject json;
  QString err;
};

// A program folder with the shipped tables and English texts, and no settings file: every
// setting at its default until --set changes it.
class CliChart : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"QORApara.qdt", "QORAcost.qdt", "QORAInsu.qdt", "EN"}) {
      home.copyShipped(f);
    }
  }

  ChartRun chart(QStringList args) {
    args.prepend("chart");
    args << "--home" << home.path();
    QProcess p;
    p.start(QStringLiteral(QORA_BIN_DIR "/qora2000-cli"), args);
    ChartRun r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.json = QJsonDocument::fromJson(p.readAllStandardOutput()).object();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
  }

  TempHome home;
};

// SI, iron pipe DN50 (60.3 mm, list position 8 of the shipped table), 25 °C room, 10 °C
// line, ha 9 W/(m²·K) typed in.
QStringList SiDn50(const char* sizeKey) {
  return {"--set", "QORA2000.Units=2",
          "--set", "PARAMETERS.PipeSizes=1",
          "--set", QString("CHILLED-WATER.%1=8").arg(sizeKey)};
}

TEST_F(CliChart, CondensationThicknessOfTheShippedTables) {
  // 80 % (position 6), k 0.0346 W/(m·K) (position 4): dew point 21.307 °C,
  // Leq = 0.0346·11.307/(3.693·9) m = 11.771 mm, r2·ln(r2/30.15) = 11.771: 10.210 mm.
  QStringList args = {"chilled.kconst"};
  args << SiDn50("k_Const_PpSzFrom") << "--set"
       << "CHILLED-WATER.k_Const_PpSzTo=8"
       << "--set"
       << "CHILLED-WATER.k_Const_RHFrom=6"
       << "--set"
       << "CHILLED-WATER.k_Const_RHTo=6"
       << "--set"
       << "CHILLED-WATER.k_Const_k=4";
  const ChartRun r = chart(args);
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.json["analysis"].toString(), "chilled.kconst");
  EXPECT_EQ(r.json["unitSystem"].toInt(), 2);
  EXPECT_TRUE(r.json["drawn"].toBool());
  const QJsonArray rows = r.json["chartResults"].toArray();
  ASSERT_EQ(rows.size(), 10);
  ASSERT_EQ(rows[6].toArray().size(), 40);
  EXPECT_NEAR(rows[6].toArray()[8].toDouble(), 10.2096, 0.005);
  EXPECT_EQ(rows[6].toArray()[7].toDouble(), 0);
  EXPECT_EQ(rows[5].toArray()[8].toDouble(), 0);
  // 1.1 × 10.21 = 11.23: a range up to 20 takes steps of 2, axis 0..12
  EXPECT_EQ(r.json["yAxis"].toObject()["hi"].toDouble(), 12);
  EXPECT_EQ(r.json["yAxis"].toObject()["step"].toDouble(), 2);
}

TEST_F(CliChart, EnergyAndCostOfTheBarePipe) {
  // q = 15 K · 9 W/(m²·K) · π · 0.0603 m = 25.574 W/m; × 1.50 kW/TR × 0.284 = 10.895 W/m;
  // default electricity 3.0 per kWh, 8 h × 200 days: 3.0 · 1600 · 10.895 / 1000 = 52.294.
  QStringList energy = {"chilled.energy"};
  energy << SiDn50("EInsTh_PpSz") << "--set"
         << "CHILLED-WATER.EInsTh_Thc=50";
  const ChartRun e = chart(energy);
  ASSERT_EQ(e.exitCode, 0) << e.err.toStdString();
  ASSERT_EQ(e.json["curveE"].toArray().size(), 41);
  EXPECT_NEAR(e.json["curveE"].toArray()[0].toDouble(), 10.8946, 0.0005);
  EXPECT_EQ(e.json["curveX"].toArray()[40].toDouble(), 50);
  EXPECT_EQ(e.json["xAxis"].toObject()["hi"].toDouble(), 50);  // exactly the maximum
  EXPECT_FALSE(e.json.contains("curveY"));

  QStringList cost = {"chilled.energycost"};
  cost << SiDn50("ECsInsTh_PpSz") << "--set"
       << "CHILLED-WATER.ECsInsTh_Thc=40";
  const ChartRun c = chart(cost);
  ASSERT_EQ(c.exitCode, 0) << c.err.toStdString();
  EXPECT_NEAR(c.json["curveE"].toArray()[0].toDouble(), 52.294, 0.002);
  // NiceScale(0, 40) gives 0..45; the axis ends at 40 with ticks every 5.
  EXPECT_EQ(c.json["xAxis"].toObject()["hi"].toDouble(), 40);
  EXPECT_EQ(c.json["xAxis"].toObject()["step"].toDouble(), 5);
}

TEST_F(CliChart, OverallCostNamesAStockedThickness) {
  QStringList args = {"chilled.overall"};
  args << SiDn50("OvallCst_PpSz") << "--set"
       << "CHILLED-WATER.OvallCst_Thc=100";
  const ChartRun r = chart(args);
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.json["stockTotalCost"].toArray().size(), 15);
  // Each total is the sum of the two parts rounded to 0.1.
  for (int n = 0; n < 15; ++n) {
    const double e = r.json["stockEnergyCost"].toArray()[n].toDouble();
    const double i = r.json["stockInsulationCost"].toArray()[n].toDouble();
    EXPECT_NEAR(r.json["stockTotalCost"].toArray()[n].toDouble(),
                std::round(e * 10) / 10 + std::round(i * 10) / 10, 1e-9);
  }
  // The label holds the inch mark: the JSON text must survive it.
  EXPECT_TRUE(r.json["economicThicknessName"].toString().contains(" mm.("));
  EXPECT_EQ(r.json["chartResults"].toArray().size(), 10);
}

TEST_F(CliChart, RefusalsExitWith3AndNameTheCheck) {
  const struct {
    QStringList args;
    const char* refusal;
  } cases[] = {
      {{"chilled.tsurf", "--set", "CHILLED-WATER.Tdb="}, "tdb-empty"},
      {{"chilled.kconst", "--set", "CHILLED-WATER.k_Const_PpSzFrom=9"}, "sizes-out-of-order"},
      {{"chilled.tline", "--set", "CHILLED-WATER.Tdb=10"}, "tdb-not-above-top"},
      {{"chilled.energycost", "--set", "PARAMETERS.Source=2", "--set", "PARAMETERS.Gas-Energy=0"},
       "price-undefined"},
  };
  for (const auto& c : cases) {
    const ChartRun r = chart(c.args);
    EXPECT_EQ(r.exitCode, 3) << c.refusal;
    EXPECT_FALSE(r.json["drawn"].toBool(true)) << c.refusal;
    EXPECT_EQ(r.json["refusal"].toString().toStdString(), c.refusal);
    EXPECT_FALSE(r.json.contains("curveY"));
  }
  // A calculated coefficient needs no typed ha.
  const ChartRun calc =
      chart({"chilled.tsurf", "--set", "CHILLED-WATER.Hair=", "--set", "PARAMETERS.FactorBy=2"});
  EXPECT_EQ(calc.exitCode, 0) << calc.json["refusal"].toString().toStdString();
}

TEST_F(CliChart, BadArgumentsExitWith2AndOneLine) {
  const QStringList cases[] = {
      {"chilled.kconst", "--set", "CHILLED-WATER.NoSuchKey=1"},
      {"chilled.kconst", "--set", "NOSECTION.Tdb=1"},
      {"chilled.kconst", "--set", "CHILLED-WATER.k_Const_k=abc"},
      {"chilled.kconst", "--set", "CHILLED-WATER.Tdb"},
      {"chilled.nosuch"},
      {"chilled.kconst", "--png", "x.png"},
      {"chilled.kconst", "--png", "x.png", "--screen", "1024"},
      {"chilled.kconst", "--png", "x.png", "--screen", "9000x300"},
      {"chilled.kconst", "--bogus"},
  };
  for (const QStringList& args : cases) {
    const ChartRun r = chart(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(r.err.startsWith("qora2000-cli: ")) << r.err.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
  }
}

TEST_F(CliChart, PngIsTheChartAreaOfTheScreen) {
  const QString png = home.path() + "/chart.png";
  const ChartRun r = chart({"chilled.tsurf", "--png", png, "--screen", "1024x768"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();  // a script reads stderr as errors
  // PNG signature, then the IHDR chunk with width and height (big-endian) at bytes 16..23.
  QFile f(png);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray head = f.read(24);
  ASSERT_EQ(head.size(), 24);
  EXPECT_TRUE(head.startsWith("\x89PNG\r\n\x1a\n"));
  auto be32 = [&](int at) {
    return (static_cast<unsigned char>(head[at]) << 24) |
           (static_cast<unsigned char>(head[at + 1]) << 16) |
           (static_cast<unsigned char>(head[at + 2]) << 8) |
           static_cast<unsigned char>(head[at + 3]);
  };
  EXPECT_EQ(be32(16), 1024);
  EXPECT_EQ(be32(20), 768 - 130);
  // A refused chart writes no picture.
  const QString none = home.path() + "/none.png";
  EXPECT_EQ(
      chart({"chilled.tsurf", "--set", "CHILLED-WATER.Tdb=", "--png", none, "--screen", "800x600"})
          .exitCode,
      3);
  EXPECT_FALSE(QFile::exists(none));
}

}  // namespace
