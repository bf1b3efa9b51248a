// qora2000-cli's engine commands run as a script would run them: output on stdout, one
// line naming the fault on stderr and exit code 2 for a bad argument.
#include <gtest/gtest.h>

#include <QProcess>
#include <QString>
#include <QStringList>

#include "test_support.h"

namespace {

struct CliResult {
  int exitCode = -1;
  QString out;
  QString err;
};

CliResult RunCli(const QStringList& args) {
  QProcess p;
  p.start(QStringLiteral(QORA_BIN_DIR "/qora2000-cli"), args);
  CliResult r;
  if (!p.waitForFinished(30000)) return r;
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = QString::fromUtf8(p.readAllStandardOutput());
  r.err = QString::fromUtf8(p.readAllStandardError());
  return r;
}

TEST(CliEngineCommands, PrintsTheEngineResultWith17Digits) {
  const struct {
    QStringList args;
    long double expected;
    long double tol;
  } cases[] = {
      {{"dewpoint", "--units", "2", "--tdb", "25", "--rh", "80"}, 21.31L, 0.005L},
      {{"dewpoint", "--rh", "50", "--tdb", "25", "--units", "2"}, 13.86L, 0.005L},  // any order
      {{"dewpoint", "--units", "1", "--tdb", "77", "--rh", "100"}, 77, 1e-12L},
      {{"rh", "--units", "2", "--tdb", "25", "--tdp", "12"}, 44.27L, 0.005L},
      {{"convert", "--code", "1", "--from", "2", "--to", "1", "100"}, 212, 1e-12L},
      {{"convert", "--code", "3", "--from", "2", "--to", "3", "9.0"}, 7.73264L, 0.00001L},
      {{"convert", "--code", "1", "--from", "1", "--to", "2", "-40"}, -40, 1e-12L},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const CliResult r = RunCli(c.args);
    EXPECT_EQ(r.exitCode, 0);
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
    ASSERT_TRUE(r.out.endsWith('\n'));
    bool ok = false;
    const double value = r.out.trimmed().toDouble(&ok);
    ASSERT_TRUE(ok) << r.out.toStdString();
    EXPECT_REAL_NEAR(value, c.expected, c.tol);
  }
  // 17 significant digits, not the 6 of a default stream: 21.307163556686457
  const QString dew =
      RunCli({"dewpoint", "--units", "2", "--tdb", "25", "--rh", "80"}).out.trimmed();
  EXPECT_EQ(QString(dew).remove('.').size(), 17) << dew.toStdString();
}

TEST(CliEngineCommands, MarkerPrintsLikeAnyValue) {
  EXPECT_EQ(RunCli({"convert", "--code", "7", "--from", "2", "--to", "1", "9"}).out, "99999\n");
  EXPECT_EQ(RunCli({"rh", "--units", "2", "--tdb", "20", "--tdp", "21"}).out, "99999\n");
  EXPECT_EQ(RunCli({"dewpoint", "--units", "1", "--tdb", "250", "--rh", "50"}).out, "99999\n");
}

TEST(CliEngineCommands, BadArgumentsNameTheArgumentAndExit2) {
  const struct {
    QStringList args;
    const char* named;
  } cases[] = {
      {{"dewpoint", "--units", "2", "--tdb", "25"}, "--rh"},
      {{"dewpoint", "--units", "2", "--tdb", "abc", "--rh", "80"}, "abc"},
      {{"dewpoint", "--units", "2", "--tdb", "12abc", "--rh", "80"}, "12abc"},
      {{"dewpoint", "--units", "4", "--tdb", "25", "--rh", "80"}, "--units"},
      {{"dewpoint", "--units", "0", "--tdb", "25", "--rh", "80"}, "--units"},
      {{"dewpoint", "--units", "1.5", "--tdb", "25", "--rh", "80"}, "--units"},
      {{"dewpoint", "--units", "2", "--tdb", "25", "--rh", "80", "extra"}, "extra"},
      {{"dewpoint", "--units", "2", "--tdb", "25", "--rh", "80", "--wind", "3"}, "--wind"},
      {{"dewpoint", "--units", "2", "--units", "1", "--tdb", "25", "--rh", "80"}, "--units"},
      {{"dewpoint", "--units", "--tdb", "25", "--rh", "80"}, "--units"},
      {{"rh", "--units", "2", "--tdb", "25", "--tdp"}, "--tdp"},
      {{"rh", "--units", "2", "--tdb", "inf", "--tdp", "12"}, "inf"},
      {{"convert", "--code", "3", "--from", "2", "--to", "1"}, "VALUE"},
      {{"convert", "--code", "3", "--from", "2", "--to", "1", "9", "10"}, "10"},
      {{"convert", "--code", "3", "--from", "2", "--to", "1", "nine"}, "nine"},
      {{"convert", "--code", "3", "--from", "5", "--to", "1", "9"}, "--from"},
      {{"convert", "--code", "3", "--from", "2", "--to", "0", "9"}, "--to"},
      {{"convert", "--code", "x", "--from", "2", "--to", "1", "9"}, "--code"},
      {{"convert", "--from", "2", "--to", "1", "9"}, "--code"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.args.join(' ').toStdString());
    const CliResult r = RunCli(c.args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QLatin1String(c.named))) << r.err.toStdString();
  }
}

}  // namespace
