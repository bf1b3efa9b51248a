// A save that cannot complete leaves the previous file whole and reports false; readers
// take any bytes without harm.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <functional>

#include <unistd.h>

#include "model/app_state.h"
#include "test_support.h"

namespace qora {
namespace {

using test::TempHome;

struct Writer {
  const char* file;
  std::function<bool(const QString&)> write;
};

std::vector<Writer> AllWriters() {
  static const AppState state;
  return {
      {"QORA2000.ini", [](const QString& p) { return SaveSettings(state.settings, p); }},
      {"QORApara.qdt",
       [](const QString& p) { return WriteParamFile(state.params, state.lang, p); }},
      {"QORAInsu.qdt", [](const QString& p) { return WriteInsulFile(state.insul, state.lang, p); }},
      {"QORAcost.qdt", [](const QString& p) { return WriteCostFile(state.costs, p); }},
  };
}

TEST(FileSafety, ReadOnlyFolderKeepsThePreviousFile) {
  if (geteuid() == 0) GTEST_SKIP() << "permissions do not bind the superuser";
  for (const Writer& w : AllWriters()) {
    TempHome home;
    home.writeFile(w.file, "previous\n");
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool ok = w.write(home.path() + "/" + w.file);
    QFile::setPermissions(home.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    EXPECT_FALSE(ok) << w.file;
    EXPECT_EQ(home.readFile(w.file), "previous\n") << w.file;
  }
}

TEST(FileSafety, DirectoryInTheFilesPlaceIsNeitherReadNorReplaced) {
  for (const Writer& w : AllWriters()) {
    TempHome home;
    home.writeFile(QString(w.file) + "/inside.txt", "kept\n");
    EXPECT_FALSE(w.write(home.path() + "/" + w.file)) << w.file;
    EXPECT_EQ(home.readFile(QString(w.file) + "/inside.txt"), "kept\n") << w.file;
  }
  TempHome home;
  home.writeFile("QORA2000.ini/x", "");
  home.writeFile("QORApara.qdt/x", "");
  home.writeFile("EN/EN-msg.qdt/x", "");
  AppState state;
  LoadProgramState(state, home.path());
  EXPECT_EQ(state.settings.unitSystem(), 1);
  EXPECT_EQ(state.lang.MsgText(1), "");
}

TEST(FileSafety, OversizedSettingsFileIsNotSavedOver) {
  TempHome home;
  const QByteArray big = "[Notes]\n" + QByteArray(17 * 1024 * 1024, 'x') + "\n";
  home.writeFile("QORA2000.ini", big);
  Settings s;
  EXPECT_FALSE(SaveSettings(s, home.path() + "/QORA2000.ini"));
  EXPECT_EQ(home.readFile("QORA2000.ini").size(), big.size());
}

TEST(FileSafety, BinaryBytesAreReadWithoutHarm) {
  TempHome home;
  QByteArray junk;
  for (int i = 0; i < 4096; ++i) junk += static_cast<char>((i * 37 + 11) % 256);
  for (const char* f :
       {"QORA2000.ini", "QORApara.qdt", "QORAInsu.qdt", "QORAcost.qdt", "EN/EN-msg.qdt"}) {
    home.writeFile(f, junk);
  }
  AppState state;
  LoadProgramState(state, home.path());
  EXPECT_GE(state.settings.unitSystem(), 1);
  EXPECT_LE(state.settings.unitSystem(), 3);
  // Saving over a file that held junk keeps the junk's sections and adds ours.
  ASSERT_TRUE(SaveSettings(state.settings, state.iniPath()));
  Settings back;
  ASSERT_TRUE(LoadSettings(back, state.iniPath()));
  EXPECT_EQ(back.text(kSecChilled, "Tdb"), state.settings.text(kSecChilled, "Tdb"));
}

}  // namespace
}  // namespace qora
