// `qora2000-cli table` run as a script would: the CSV of an analysis against the values the
// `chart` command gives for the same inputs, rounded as the table shows them; valid CSV for
// any pipe-size name; the exit codes and files of the `chart` command.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <algorithm>
#include <cmath>

#include "test_support.h"

namespace {

using qora::test::TempHome;

struct CliRun {
  int exitCode = -1;
  QByteArray out;
  QString err;
};

QString Rounded(double v, int decimals) {
  // The independent rounding: half away from zero at the shown digit.
  const double f = std::pow(10.0, decimals);
  return QString::number(std::round(v * f) / f, 'f', decimals);
}

class CliTable : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"QORApara.qdt", "QORAcost.qdt", "QORAInsu.qdt", "EN", "QDTgraph"}) {
      home.copyShipped(f);
    }
  }
  CliRun run(const QString& command, QStringList args) {
    args.prepend(command);
    args << "--home" << home.path();
    QProcess p;
    p.start(QStringLiteral(QORA_BIN_DIR "/qora2000-cli"), args);
    CliRun r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
  }
  TempHome home;
};

const QStringList kSi = {"--set", "QORA2000.Units=2", "--set", "PARAMETERS.PipeSizes=1"};

TEST_F(CliTable, PipeSizeTableMatchesTheChartValuesRoundedAsShown) {
  for (const char* unit : {"1", "2"}) {
    const QStringList args = {"chilled.kconst",
                              "--set",
                              QString("QORA2000.Units=") + unit,
                              "--set",
                              "CHILLED-WATER.k_Const_PpSzFrom=3",
                              "--set",
                              "CHILLED-WATER.k_Const_PpSzTo=12",
                              "--set",
                              "CHILLED-WATER.k_Const_RHFrom=2",
                              "--set",
                              "CHILLED-WATER.k_Const_RHTo=5"};
    const CliRun chart = run("chart", args);
    ASSERT_EQ(chart.exitCode, 0) << chart.err.toStdString();
    const QJsonArray grid = QJsonDocument::fromJson(chart.out).object()["chartResults"].toArray();
    const CliRun table = run("table", args);
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    const auto records = qora::test::ParseCsvRecords(QString::fromUtf8(table.out));
    ASSERT_EQ(records.size(), 11u);  // header and sizes 3..12
    ASSERT_EQ(records[0].size(), 1 + 4 + 4) << records[0].join('|').toStdString();
    const int decimals = QString(unit) == "1" ? 2 : 1;
    for (int row = 1; row <= 10; ++row) {
      for (int s = 0; s < 4; ++s) {
        // 0-based list positions 2.. and 3..: JSON indexes of the 1-based positions.
        const QJsonValue v = grid[2 + s].toArray()[3 + row - 1];
        const QString shown = records[row][1 + s];
        if (v.isNull()) {
          EXPECT_EQ(shown, "N/A");
        } else {
          EXPECT_EQ(shown, Rounded(v.toDouble(), decimals)) << row << " " << s;
          EXPECT_NEAR(records[row][5 + s].toDouble(), v.toDouble(), 1e-12);
        }
      }
    }
  }
}

TEST_F(CliTable, PointTablesMatchTheChartCurves) {
  const struct {
    const char* analysis;
    const char* values;  // the JSON array the chart plots
    int decimals;
    QStringList extra;
  } cases[] = {
      {"chilled.tsurf",
       "curveY",
       1,
       {"--set", "CHILLED-WATER.Tsurface_PpSz=8", "--set", "CHILLED-WATER.Tsurface_Thc=40"}},
      {"hot.heatloss",
       "curveE",
       1,
       {"--set", "HOT-WATER.Elos_PpSz=8", "--set", "HOT-WATER.Elos_Thc=40"}},
      {"chilled.energycost",
       "curveE",
       2,
       {"--set", "CHILLED-WATER.ECsInsTh_PpSz=8", "--set", "CHILLED-WATER.ECsInsTh_Thc=40"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.analysis);
    const QStringList args = QStringList{c.analysis} + kSi + c.extra;
    const CliRun chart = run("chart", args);
    ASSERT_EQ(chart.exitCode, 0) << chart.err.toStdString();
    const QJsonObject json = QJsonDocument::fromJson(chart.out).object();
    const CliRun table = run("table", args);
    ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
    const auto records = qora::test::ParseCsvRecords(QString::fromUtf8(table.out));
    ASSERT_EQ(records.size(), 42u);
    EXPECT_TRUE(records[0][0].contains("(mm")) << records[0][0].toStdString();
    for (int i = 0; i < 41; ++i) {
      EXPECT_EQ(records[1 + i][0], Rounded(json["curveX"].toArray()[i].toDouble(), 1));
      EXPECT_EQ(records[1 + i][1], Rounded(json[c.values].toArray()[i].toDouble(), c.decimals));
    }
  }
}

TEST_F(CliTable, APipeNameWithACommaOrAQuoteStaysValidCsv) {
  QFile para(home.path() + "/QORApara.qdt");
  ASSERT_TRUE(para.open(QIODevice::ReadOnly));
  QByteArray bytes = para.readAll();
  para.close();
  // The first iron-pipe size name in SI ("DN6" in the shipped table) becomes awkward.
  const QByteArray from = "\nDN6\n", to = "\n15,\"A\"\n";
  ASSERT_TRUE(bytes.contains(from));
  bytes.replace(bytes.indexOf(from), from.size(), to);
  home.writeFile("QORApara.qdt", bytes);
  const CliRun table =
      run("table", QStringList{"hot.kconst", "--set", "HOT-WATER.k_Const_PpSzFrom=0", "--set",
                               "HOT-WATER.k_Const_PpSzTo=1"} +
                       kSi);
  ASSERT_EQ(table.exitCode, 0) << table.err.toStdString();
  EXPECT_TRUE(table.out.contains("\"15,\"\"A\"\"\"")) << table.out.toStdString();
  const auto records = qora::test::ParseCsvRecords(QString::fromUtf8(table.out));
  ASSERT_EQ(records.size(), 3u);
  EXPECT_EQ(records[1][0], "15,\"A\"");
  for (const QStringList& r : records) EXPECT_EQ(r.size(), records[0].size());
}

TEST_F(CliTable, RValueTablesGiveTheFlatSheetThenEveryTubeUnderItsCaption) {
  const QStringList rv = {"--set", "QORA2000.Units=2", "--set", "Rvalue.Select=1",
                          "--set", "Rvalue.k=0.04"};
  const CliRun k = run("table", QStringList{"rvalue.kconst"} + rv);
  ASSERT_EQ(k.exitCode, 0) << k.err.toStdString();
  const QStringList lines = QString::fromUtf8(k.out).split(QStringLiteral("\r\n"));
  const auto flat = std::find_if(lines.begin(), lines.end(),
                                 [](const QString& l) { return l.startsWith("R Value of Flat Sheet"); });
  const auto tube = std::find_if(lines.begin(), lines.end(),
                                 [](const QString& l) { return l.startsWith("R Value of Insulation Tube"); });
  ASSERT_NE(flat, lines.end());
  ASSERT_NE(tube, lines.end());
  EXPECT_LT(flat, tube);
  // The first tube (10.5 mm bore, 6.5 mm wall) at k 0.04, per metre with 4 decimals:
  // R = 0.01175 · ln(11.75 / 5.25) / 0.04.
  const QString first = *(tube + 2);
  const QStringList cells = first.split(u',');
  ASSERT_GE(cells.size(), 2);
  EXPECT_EQ(cells[1], Rounded(0.01175 * std::log(11.75 / 5.25) / 0.04, 4)) << first.toStdString();

  const CliRun r = run("table", QStringList{"rvalue.rconst"} + rv);
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.contains("Thickness of Flat Sheet"));
  EXPECT_TRUE(r.out.contains("Thickness of Insulation Tube"));
}

TEST_F(CliTable, ExitCodesAndFilesAsTheChartCommand) {
  EXPECT_EQ(run("table", {}).exitCode, 2);
  EXPECT_EQ(run("table", {"chilled.nothing"}).exitCode, 2);
  EXPECT_EQ(run("table", {"chilled.kconst", "extra"}).exitCode, 2);
  EXPECT_EQ(run("table", {"chilled.tsurf", "--set", "CHILLED-WATER.Tdb="}).exitCode, 3);

  const QString csv = home.path() + "/t.csv", pdf = home.path() + "/t.pdf";
  const CliRun r = run("table", QStringList{"hot.tline", "--csv", csv, "--pdf", pdf} + kSi);
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.out.isEmpty());
  EXPECT_TRUE(home.readFile("t.csv").endsWith("\r\n"));
  EXPECT_TRUE(home.readFile("t.pdf").startsWith("%PDF-"));
  // A file that cannot be written: exit 1, nothing half written.
  const CliRun bad = run("table", {"hot.tline", "--csv", home.path() + "/no/such/dir/t.csv"});
  EXPECT_EQ(bad.exitCode, 1);
}

}  // namespace
