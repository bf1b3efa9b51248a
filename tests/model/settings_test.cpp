#include "model/settings.h"

#include <gtest/gtest.h>

#include <QFile>

#include "test_support.h"

namespace qora {
namespace {

using test::TempHome;

QString Ini(const TempHome& home) {
  return home.path() + "/QORA2000.ini";
}

TEST(Settings, EveryKeyOfTheEightSectionsIsKnownOnce) {
  // The 129 keys of the file, the analysis each chart screen keeps (chilled, hot, R-value),
  // and the two typed values the hot-water screen keeps aside.
  EXPECT_EQ(SettingKeys().size(), 134u);
  int stored = 0;
  for (const SettingKey& k : SettingKeys()) {
    EXPECT_EQ(FindSettingKey(k.section, k.key), &k) << k.section << " " << k.key;
    stored += k.kind != KeyKind::Transient;
  }
  EXPECT_EQ(stored, 132);
}

// A key name written in the code is checked when it compiles; one made at run time is
// checked when it is used, and a name the table does not have there stops a debug build.
static_assert(IsKeyName("Tdb") && IsKeyName("tdb") && !IsKeyName("Tbd"));

TEST(SettingsDeathTest, AKeyTheTableDoesNotHaveIsAProgrammingError) {
  Settings s;
  EXPECT_DEBUG_DEATH(s.text(kSecChilled, KeyName::runtime("Tbd")), "CHILLED-WATER.Tbd");
  // A key of one section is not a key of another.
  EXPECT_DEBUG_DEATH(s.setInteger(kSecDuct, KeyName::runtime("Tsurface_PpSz"), 1),
                     "DUCT.Tsurface_PpSz");
  EXPECT_EQ(s.text(kSecChilled, KeyName::runtime("tdb")), "25.0");  // case does not matter
}

TEST(Settings, ValuesASelectorCannotHoldLoadAsItsDefaultAndAreSavedValid) {
  TempHome home;
  home.writeFile("QORA2000.ini",
                 "[QORA2000]\nUnits=9\nLanguage=0\n[PARAMETERS]\nSource=9\nShape=12\n"
                 "Emission=-1\n[CHILLED-WATER]\nAnalysis=12\n");
  Settings s;
  ASSERT_TRUE(LoadSettings(s, Ini(home)));
  EXPECT_EQ(s.integer(kSecMain, "Units"), 1);
  EXPECT_EQ(s.integer(kSecMain, "Language"), 1);
  EXPECT_EQ(s.integer(kSecParams, "Source"), 1);
  EXPECT_EQ(s.integer(kSecParams, "Shape"), 0);
  EXPECT_EQ(s.integer(kSecParams, "Emission"), 0);
  EXPECT_EQ(s.integer(kSecChilled, "Analysis"), 0);
  ASSERT_TRUE(SaveSettings(s, Ini(home)));
  const QByteArray file = home.readFile("QORA2000.ini");
  for (const char* line : {"\nUnits=1\n", "\nSource=1\n", "\nShape=0\n", "\nAnalysis=0\n"}) {
    EXPECT_TRUE(file.contains(line)) << line << file.constData();
  }
}

TEST(Settings, TypedValuesOfTheHotBoxesAreNeverWrittenToTheFile) {
  TempHome home;
  Settings s;
  s.setText(kSecHot, "k_Const_kTyped", "0.045");
  ASSERT_TRUE(SaveSettings(s, Ini(home)));
  EXPECT_FALSE(home.readFile("QORA2000.ini").contains("Typed"));
}

TEST(Settings, FirstStartWithoutFileGivesTheDefaults) {
  TempHome home;
  Settings s;
  s.setText(kSecChilled, "Tdb", "99");
  EXPECT_FALSE(LoadSettings(s, Ini(home)));
  EXPECT_EQ(s.unitSystem(), 1);
  EXPECT_EQ(s.langIndex(), 1);
  EXPECT_EQ(s.pipeType(), 2);
  EXPECT_EQ(s.emissivityChoice(), 0);
  EXPECT_EQ(s.text(kSecChilled, "Tdb"), "25.0");
  EXPECT_EQ(s.text(kSecChilled, "Top"), "10.0");
  EXPECT_EQ(s.text(kSecHot, "Top"), "75.0");
  EXPECT_EQ(s.text(kSecParams, "currency"), QString::fromUtf8("\u0E3F"));
  EXPECT_EQ(s.integer(kSecRValue, "IDTo"), 4);
}

TEST(Settings, NamesAreComparedWithoutCaseAndTextIsKeptAsTyped) {
  TempHome home;
  home.writeFile("QORA2000.ini",
                 "[qora2000]\nunits=2\n[Chilled-Water]\nTDB=abc\nk_const_ppszto=17\n");
  Settings s;
  ASSERT_TRUE(LoadSettings(s, Ini(home)));
  EXPECT_EQ(s.unitSystem(), 2);
  EXPECT_EQ(s.text(kSecChilled, "Tdb"), "abc");
  // A list position names no check: it is kept as the user's file has it.
  EXPECT_EQ(s.integer(kSecChilled, "k_Const_PpSzTo"), 17);
}

struct IntCase {
  const char* section;
  const char* key;
  const char* stored;
  int expected;  // through the typed selector or the integer accessor
};

TEST(Settings, InvalidIntegersAndOutOfRangeSelectorsFallBackToDefaults) {
  const IntCase cases[] = {
      {"QORA2000", "Units", "4", 1},
      {"QORA2000", "Units", "0", 1},
      {"QORA2000", "Units", "3", 3},
      {"QORA2000", "Language", "7", 1},
      {"QORA2000", "Language", "6", 6},
      {"PARAMETERS", "PipeSizes", "0", 2},
      {"PARAMETERS", "PipeSizes", "1", 1},
      {"PARAMETERS", "Shape", "9", 0},
      {"CHILLED-WATER", "TtimeHr", "x12", 12},
      {"CHILLED-WATER", "TtimeHr", "", 12},
      {"CHILLED-WATER", "TtimeHr", "99999999999", 12},
      {"CHILLED-WATER", "TtimeHr", " 7 ", 7},
  };
  for (const IntCase& c : cases) {
    TempHome home;
    home.writeFile("QORA2000.ini",
                   QByteArray("[") + c.section + "]\n" + c.key + "=" + c.stored + "\n");
    Settings s;
    LoadSettings(s, Ini(home));
    int got = s.integer(c.section, KeyName::runtime(c.key));
    if (std::string_view(c.key) == "Units") got = s.unitSystem();
    if (std::string_view(c.key) == "Language") got = s.langIndex();
    if (std::string_view(c.key) == "PipeSizes") got = s.pipeType();
    if (std::string_view(c.key) == "Shape") got = s.surfaceShape();
    EXPECT_EQ(got, c.expected) << c.key << "=" << c.stored;
  }
}

TEST(Settings, EarlyLanguageReadAloneAndInRange) {
  TempHome home;
  EXPECT_EQ(ReadLanguageIndex(Ini(home)), 1);
  home.writeFile("QORA2000.ini", "[QORA2000]\nLanguage=5\n");
  EXPECT_EQ(ReadLanguageIndex(Ini(home)), 5);
  home.writeFile("QORA2000.ini", "[QORA2000]\nLanguage=12\n");
  EXPECT_EQ(ReadLanguageIndex(Ini(home)), 1);
}

TEST(Settings, SavedRadioPairsAndFactorByFollowTheirRules) {
  TempHome home;
  home.writeFile("QORA2000.ini", "[STORAGE]\nk_CHILL=2\n[Rvalue]\nSelect=5\n");
  Settings s;
  ASSERT_TRUE(LoadSettings(s, Ini(home)));
  EXPECT_FALSE(s.storageChilled());
  EXPECT_FALSE(s.rValueByMeanTemperature());
  s.setFactorBy(2);
  EXPECT_EQ(s.factorBy(), 2);
  EXPECT_EQ(s.calcContext().factorBy, 2);
  ASSERT_TRUE(SaveSettings(s, Ini(home)));
  const QByteArray file = home.readFile("QORA2000.ini");
  EXPECT_TRUE(file.contains("\nk_CHILL=0\n")) << file.constData();  // hot water
  EXPECT_TRUE(file.contains("\nSelect=1\n"));                       // k radio button
  EXPECT_TRUE(file.contains("\nFactorBy=1\n"));

  Settings again;
  ASSERT_TRUE(LoadSettings(again, Ini(home)));
  EXPECT_EQ(again.factorBy(), 1);
  EXPECT_FALSE(again.storageChilled());
  again.setStorageChilled(true);
  again.setRValueByMeanTemperature(true);
  ASSERT_TRUE(SaveSettings(again, Ini(home)));
  const QByteArray file2 = home.readFile("QORA2000.ini");
  EXPECT_TRUE(file2.contains("\nk_CHILL=1\n"));
  EXPECT_TRUE(file2.contains("\nSelect=0\n"));
}

TEST(Settings, SaveKeepsOtherLinesInPlaceAndRoundTripsEveryValue) {
  TempHome home;
  home.writeFile("QORA2000.ini",
                 "; kept comment\n[Extra]\nfoo=bar\n[qora2000]\nunits=3\nmine=1\n"
                 "[DUCT]\n; duct note\nTdb=30\njunk line\n; end note\n");
  Settings s;
  ASSERT_TRUE(LoadSettings(s, Ini(home)));
  s.setText(kSecHot, "Tlen_Length", QString::fromUtf8("1,200 \u0E3F"));
  s.setText(kSecParams, "currency", "$");
  s.setText(kSecDuct, "Top", "");  // an emptied box stays empty, not the key before it
  ASSERT_TRUE(SaveSettings(s, Ini(home)));

  // The store separates sections with blank lines; only the order of the lines counts.
  QString file = QString::fromUtf8(home.readFile("QORA2000.ini"));
  while (file.contains("\n\n")) file.replace("\n\n", "\n");
  EXPECT_TRUE(file.startsWith("; kept comment\n[Extra]\nfoo=bar\n")) << file.toStdString();
  // Keys the file lacked are added at the end of their section.
  EXPECT_TRUE(file.contains("units=3\nmine=1\nLanguage=1\n")) << file.toStdString();
  EXPECT_TRUE(file.contains("; duct note\nTdb=30\njunk line\n")) << file.toStdString();
  EXPECT_TRUE(file.endsWith("\n; end note\n"));
  EXPECT_EQ(file.count("[DUCT]", Qt::CaseInsensitive), 1);

  Settings back;
  ASSERT_TRUE(LoadSettings(back, Ini(home)));
  for (const SettingKey& k : SettingKeys()) {
    EXPECT_EQ(back.text(k.section, KeyName::runtime(k.key)),
              s.text(k.section, KeyName::runtime(k.key)))
        << k.key;
  }
}

TEST(Settings, LegacyCurrencyByteIsTheBahtSignInEveryEdition) {
  // 0xDF is the Baht sign of the Thai code page, the older files' default; read in the
  // Western code page it would be "ß". Other legacy bytes follow the edition's code page.
  const struct {
    const char* language;
    QByteArray currency;
    const char* expected;
  } cases[] = {{"1", "\xDF", "\u0E3F"},
               {"5", "\xDF", "\u0E3F"},
               {"1", "\xA3", "\u00A3"},
               {"1", "US$", "US$"}};
  for (const auto& c : cases) {
    TempHome home;
    home.writeFile("QORA2000.ini", QByteArray("[QORA2000]\nLanguage=") + c.language +
                                       "\n[PARAMETERS]\ncurrency=" + c.currency + "\n");
    Settings s;
    ASSERT_TRUE(LoadSettings(s, Ini(home)));
    EXPECT_EQ(s.text(kSecParams, "currency"), QString::fromUtf8(c.expected)) << c.language;
  }
}

TEST(Settings, LineBreaksInATypedValueCannotInjectKeys) {
  TempHome home;
  Settings s;
  s.setText(kSecDuct, "Tdb", "25\n[QORA2000]\nUnits=3");
  ASSERT_TRUE(SaveSettings(s, Ini(home)));
  Settings back;
  ASSERT_TRUE(LoadSettings(back, Ini(home)));
  EXPECT_EQ(back.unitSystem(), 1);
}

}  // namespace
}  // namespace qora
