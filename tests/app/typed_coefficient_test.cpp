// With a typed surface coefficient nothing changed when the calculated one moved to the
// insulated surface: the command-line tool's JSON of every chart of both screens, in the
// three unit systems, is byte for byte what it was before (tests/app/data/
// typed_coefficient, written by the tool before that change; regenerate only after a
// deliberate change of typed-coefficient results, with the same arguments as below).
#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include "test_support.h"

namespace {

using qora::test::TempHome;

const char* const kAnalyses[] = {
    "chilled.kconst", "chilled.rhconst", "chilled.tsurf",      "chilled.tline",
    "chilled.ttime",  "chilled.energy",  "chilled.energycost", "chilled.overall",
    "hot.kconst",     "hot.tconst",      "hot.tsurf",          "hot.tline",
    "hot.ttime",      "hot.heatloss",    "hot.heatlosscost",   "hot.overall"};

TEST(TypedCoefficient, EveryChartIsTheSameToTheLastDigit) {
  // The shipped tables and texts, every setting at its default (ha typed, 9 W/(m²·K)).
  TempHome home;
  for (const char* f : {"QORApara.qdt", "QORAInsu.qdt", "QORAcost.qdt", "EN"}) {
    home.copyShipped(f);
  }
  for (int unit = 1; unit <= 3; ++unit) {
    const bool ip = unit == 1;
    for (const char* analysis : kAnalyses) {
      SCOPED_TRACE(std::string(analysis) + " in unit system " + std::to_string(unit));
      const QStringList args = {"chart",  analysis,
                                "--home", home.path(),
                                "--set",  QString("QORA2000.Units=%1").arg(unit),
                                "--set",  "PARAMETERS.PipeSizes=1",
                                "--set",  QString("CHILLED-WATER.Tdb=%1").arg(ip ? 86 : 30),
                                "--set",  QString("CHILLED-WATER.Top=%1").arg(ip ? 44 : 7),
                                "--set",  QString("HOT-WATER.Top=%1").arg(ip ? 180 : 80),
                                "--set",  QString("HOT-WATER.Tdb=%1").arg(ip ? 77 : 25)};
      QProcess p;
      p.start(QStringLiteral(QORA_BIN_DIR "/qora2000-cli"), args);
      ASSERT_TRUE(p.waitForFinished(60000));
      const QByteArray out = p.readAllStandardOutput();
      QFile expected(QStringLiteral(QORA_TEST_DATA_DIR "/typed_coefficient/%1.%2.json")
                         .arg(analysis)
                         .arg(unit));
      ASSERT_TRUE(expected.open(QIODevice::ReadOnly));
      EXPECT_EQ(out.toStdString(), expected.readAll().toStdString());
    }
  }
}

}  // namespace
