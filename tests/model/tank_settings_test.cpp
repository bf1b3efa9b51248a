// The storage tank's shape and dimensions in the settings file: written in the [STORAGE]
// section after its older keys, read back, and defaulted for files written before them.
#include <gtest/gtest.h>

#include "model/settings.h"
#include "test_support.h"

namespace qora {
namespace {

using test::TempHome;

TEST(TankSettings, AnOlderFileLoadsTheDefaultTank) {
  TempHome home;
  home.writeFile("QORA2000.ini",
                 "[STORAGE]\nk_CHILL=1\nTdb=30\nTst=8\nPercent=90\n[OPERATING]\nTdb=27\n");
  Settings s;
  s.setText(kSecStorage, "BoxWidth", "9");  // a load replaces what was there
  ASSERT_TRUE(LoadSettings(s, home.path() + "/QORA2000.ini"));
  EXPECT_EQ(s.text(kSecStorage, "Tdb"), "30");
  EXPECT_EQ(s.integer(kSecStorage, "Shape"), 0);
  const std::pair<const char*, const char*> defaults[] = {
      {"BoxWidth", "2.0"},    {"BoxHeight", "2.0"}, {"BoxLength", "3.0"},
      {"CylDiameter", "2.0"}, {"CylLength", "3.0"}, {"SphDiameter", "2.5"}};
  for (const auto& [key, value] : defaults) {
    EXPECT_EQ(s.text(kSecStorage, KeyName::runtime(key)), value) << key;
  }
}

TEST(TankSettings, WrittenInTheStorageSectionAndReadBack) {
  TempHome home;
  const QString ini = home.path() + "/QORA2000.ini";
  Settings s;
  s.setInteger(kSecStorage, "Shape", 2);
  s.setText(kSecStorage, "SphDiameter", "3.75");
  s.setText(kSecStorage, "BoxLength", "abc");  // text stays as typed
  ASSERT_TRUE(SaveSettings(s, ini));
  const QByteArray file = home.readFile("QORA2000.ini");
  const qsizetype storage = file.indexOf("[STORAGE]");
  const qsizetype operating = file.indexOf("[OPERATING]");
  for (const char* line :
       {"\nPercent=", "\nShape=2\n", "\nSphDiameter=3.75\n", "\nBoxLength=abc\n"}) {
    const qsizetype at = file.indexOf(line, storage);
    EXPECT_GT(at, storage) << line;
    EXPECT_LT(at, operating) << line;
  }
  EXPECT_LT(file.indexOf("\nPercent=", storage), file.indexOf("\nShape=2", storage));
  Settings back;
  ASSERT_TRUE(LoadSettings(back, ini));
  EXPECT_EQ(back.integer(kSecStorage, "Shape"), 2);
  EXPECT_EQ(back.text(kSecStorage, "SphDiameter"), "3.75");
  EXPECT_EQ(back.text(kSecStorage, "BoxLength"), "abc");
  // The surface shape of the parameters keeps its own key of the same name.
  EXPECT_EQ(back.surfaceShape(), 0);
}

}  // namespace
}  // namespace qora
