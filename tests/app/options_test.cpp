// Both executables answer --help, --version and a wrong option the way desktop programs
// do, with no display at all: help and version on stdout with status 0, a wrong option one
// line on stderr with status 2, and the command-line tool the same for every command.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

namespace {

struct ProcessRun {
  int exitCode = -1;
  QString out, err;
};

// Without a display and without a platform choice: nothing that needs a window may run.
ProcessRun Start(const QString& program, const QStringList& args) {
  QProcess p;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* v : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(v);
  p.setProcessEnvironment(env);
  p.start(QStringLiteral(QORA_BIN_DIR "/") + program, args);
  ProcessRun r;
  if (!p.waitForFinished(60000)) return r;
  r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
  r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
  r.err = QString::fromLocal8Bit(p.readAllStandardError());
  return r;
}

TEST(Options, HelpAndVersionPrintAndExitZeroWithoutADisplay) {
  const struct {
    const char* program;
    QStringList args;
    const char* contains;
  } cases[] = {
      {"qora2000", {"--help"}, "--print-to <DIR>"},
      {"qora2000", {"-h"}, "--screen <WxH>"},
      {"qora2000", {"--version"}, "qora2000 " QORA_VERSION},
      {"qora2000-cli", {"--help"}, "chart ANALYSIS"},
      {"qora2000-cli", {"--version"}, "qora2000-cli " QORA_VERSION},
      {"qora2000-cli", {"chart", "--help"}, "--set <SECTION.Key=VALUE>"},
      {"qora2000-cli", {"dewpoint", "--help"}, "--rh <RH>"},
      {"qora2000-cli", {"convert", "--help"}, "VALUE"},
      {"qora2000-cli", {"page", "--help"}, "--png <FILE>"},
      {"qora2000", {"--help"}, "EU (German)"},
      {"qora2000-cli", {"chart", "--help"}, "--edition <NAME>"},
      {"qora2000-cli", {"form", "--help"}, "JP (Japanese)"},
      {"qora2000-cli", {"page", "--help"}, "THAI (Thai)"},
      {"qora2000-cli", {"table", "--help"}, "CN (Simplified Chinese)"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.program) + " " + c.args.join(' ').toStdString());
    const ProcessRun r = Start(c.program, c.args);
    EXPECT_EQ(r.exitCode, 0);
    // Qt wraps the help at 80 columns.
    EXPECT_TRUE(r.out.simplified().contains(QLatin1String(c.contains))) << r.out.toStdString();
    EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
  }
}

TEST(Options, AWrongOptionIsOneLineAndStatusTwoWithoutADisplay) {
  const struct {
    const char* program;
    QStringList args;
    const char* named;
  } cases[] = {
      {"qora2000", {"--no-such-option"}, "--no-such-option"},
      {"qora2000", {"--screen", "huge"}, "huge"},
      {"qora2000", {"stray"}, "stray"},
      {"qora2000-cli", {"--no-such-option"}, "no-such-option"},
      {"qora2000-cli", {"chart", "--no-such-option"}, "--no-such-option"},
      {"qora2000-cli", {"page", "--no-such-option"}, "--no-such-option"},
      {"qora2000-cli", {"nosuchcommand"}, "nosuchcommand"},
      {"qora2000", {"--edition", "German"}, "German"},
      {"qora2000-cli", {"chart", "chilled.tsurf", "--edition", "XX"}, "XX"},
      {"qora2000-cli", {"form", "duct", "--edition", "de"}, "'de'"},
      {"qora2000-cli",
       {"page", "catalogue", "1", "--png", "/nonexistent/p.png", "--screen", "800x600", "--edition",
        "EUR"},
       "EUR"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.program) + " " + c.args.join(' ').toStdString());
    const ProcessRun r = Start(c.program, c.args);
    EXPECT_EQ(r.exitCode, 2);
    EXPECT_TRUE(r.out.isEmpty()) << r.out.toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << r.err.toStdString();
    EXPECT_TRUE(r.err.contains(QLatin1String(c.named))) << r.err.toStdString();
  }
}

}  // namespace
