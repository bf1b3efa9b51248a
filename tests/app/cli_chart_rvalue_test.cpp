// `qora2000-cli chart rvalue.*` and `kmean` on a program folder with the shipped data: SI,
// tube 1 (10.5 mm bore) with the 6.5 mm wall of the first nominal thickness.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <cmath>

#include "test_support.h"

namespace {

using qora::test::TempHome;

struct CliRun {
  int exitCode = -1;
  QJsonObject json;
  QString out;
};

CliRun Cli(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(QORA_BIN_DIR "/qora2000-cli"), args);
  CliRun r;
  if (!p.waitForFinished(60000)) return r;
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = QString::fromUtf8(p.readAllStandardOutput());
  r.json = QJsonDocument::fromJson(r.out.toUtf8()).object();
  return r;
}

class CliChartRValue : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"QORApara.qdt", "QORAInsu.qdt", "QORAcost.qdt", "EN"}) {
      home.copyShipped(f);
    }
  }
  CliRun Chart(const char* analysis, const QStringList& sets) const {
    QStringList args = {"chart", analysis, "--home", home.path()};
    for (const QString& s :
         QStringList{"QORA2000.Units=2", "Rvalue.Select=1", "Rvalue.k=0.04"} + sets)
      args << "--set" << s;
    return Cli(args);
  }
  TempHome home;
};

TEST_F(CliChartRValue, ResistanceOfTheFirstTube) {
  const CliRun r = Chart("rvalue.kconst", {});
  ASSERT_EQ(r.exitCode, 0) << r.out.toStdString();
  const QJsonArray rows = r.json["chartResults"].toArray();
  ASSERT_EQ(rows.size(), 12);
  ASSERT_EQ(rows[0].toArray().size(), 40);
  // R = r2 · ln(r2 / r1) / k in metres: r1 = 5.25 mm, r2 = 11.75 mm.
  const double expected = 0.01175 * std::log(11.75 / 5.25) / 0.04;
  EXPECT_NEAR(rows[0].toArray()[0].toDouble(), expected, 1e-12);
  EXPECT_EQ(rows[0].toArray()[5].toDouble(), 0);  // beyond the default tubes 1..5
  EXPECT_EQ(rows[5][0].toDouble(), 0);            // beyond the default thicknesses 1..5
  const QJsonArray flat = r.json["rowValues"].toArray();
  ASSERT_EQ(flat.size(), 12);
  EXPECT_NEAR(flat[0].toDouble(), 0.006 / 0.04, 1e-12);  // the 6 mm sheet
  EXPECT_NEAR(r.json["k"].toDouble(), 0.04, 1e-15);
  EXPECT_GT(r.json["yAxis"].toObject()["hi"].toDouble(), expected);
}

TEST_F(CliChartRValue, ThicknessForTheFirstRValue) {
  const CliRun r = Chart("rvalue.rconst", {});
  ASSERT_EQ(r.exitCode, 0) << r.out.toStdString();
  // RSI-0.35 at k 0.04: the flat sheet is 14 mm; the tube wall t on r1 = 5.25 mm gives
  // (r1 + t) · ln((r1 + t) / r1) = 14.
  EXPECT_NEAR(r.json["rowValues"].toArray()[0].toDouble(), 14, 1e-9);
  const double t = r.json["chartResults"].toArray()[0].toArray()[0].toDouble();
  // Within the solver's 0.001 mm of the radius.
  EXPECT_NEAR((5.25 + t) * std::log((5.25 + t) / 5.25), 14, 0.003);
}

TEST_F(CliChartRValue, RefusalsExitWithThree) {
  const struct {
    QStringList sets;
    const char* refusal;
  } cases[] = {
      {{"QORA2000.Units=1", "Rvalue.k=40.0001"}, "k-too-large"},
      {{"Rvalue.k=0"}, "k-not-positive"},
      {{"Rvalue.Select=0", "Rvalue.Tmean="}, "tmean-empty"},
      {{"Rvalue.IDFrom=3", "Rvalue.IDTo=2"}, "tube-order"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.refusal);
    const CliRun r = Chart("rvalue.kconst", c.sets);
    EXPECT_EQ(r.exitCode, 3);
    EXPECT_EQ(r.json["refusal"].toString().toStdString(), c.refusal);
  }
  EXPECT_EQ(Chart("rvalue.kconst", {"QORA2000.Units=1", "Rvalue.k=40"}).exitCode, 0);
}

TEST(CliKMean, KAtTheMeanTemperature) {
  // 0.00011 · 24 + 0.0354 = 0.03804 W/(m·K); 75 °F = 23.889 °C gives 0.038028 W/(m·K),
  // 0.264083 Btu·in/(h·ft²·°F).
  const CliRun si = Cli({"kmean", "--units", "2", "--tmean", "24"});
  EXPECT_EQ(si.exitCode, 0);
  EXPECT_NEAR(si.out.toDouble(), 0.03804, 1e-15);
  const CliRun ip = Cli({"kmean", "--units", "1", "--tmean", "75"});
  EXPECT_NEAR(ip.out.toDouble(), (0.00011 * (75 - 32) * 5 / 9 + 0.0354) / 0.144, 1e-15);
  EXPECT_EQ(Cli({"kmean", "--units", "2"}).exitCode, 2);
  EXPECT_EQ(Cli({"kmean", "--units", "4", "--tmean", "20"}).exitCode, 2);
}

}  // namespace
