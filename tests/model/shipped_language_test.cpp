// The shipped message and menu files of all six editions are complete, read back line for
// line, speak their language, and read the same from the edition's legacy code page.
#include <gtest/gtest.h>

#include <QStringDecoder>
#include <QStringEncoder>

#include "model/app_state.h"
#include "model/language.h"
#include "model/language_roles.h"
#include "model/refusal_texts.h"
#include "test_support.h"

namespace qora {
namespace {

using test::TempHome;

constexpr int kEditions[] = {1, 2, 3, 4, 5, 6};
const char* const kMenuKeys[] = {"@IMPORTANT", "@PROD",       "@CHILLED",   "@HOT",
                                 "@DUCT",      "@STORAGE",    "@OPERATING", "@RVALUE",
                                 "@APPENDIX",  "@CONVERSION", "@QUIT"};

LanguageTexts Load(const TempHome& home, int lang) {
  LanguageTexts t = BuiltinLanguageTexts();
  EXPECT_TRUE(LoadLanguageTexts(t, home.path(), lang)) << lang;
  return t;
}

LanguageTexts LoadShipped(int lang) {
  TempHome home;
  home.copyShipped(LanguageFolder(lang));
  return Load(home, lang);
}

// Columns a line takes in the menu description: East Asian wide characters take two,
// combining marks (Thai vowels and tones above and below) none.
int Columns(const QString& line) {
  int n = 0;
  for (const QChar c : line) {
    const char16_t u = c.unicode();
    const bool halfWidthForm = u >= 0xFF61 && u <= 0xFFDC;
    if (c.isMark()) continue;
    n += u >= 0x2E80 && u <= 0xFFEF && !halfWidthForm ? 2 : 1;
  }
  return n;
}

TEST(ShippedLanguage, EveryMessageFaceNameAndCaptionIsFilled) {
  for (int lang : kEditions) {
    const LanguageTexts t = LoadShipped(lang);
    for (int i = 0; i < 73; ++i) EXPECT_FALSE(t.MsgText(i).trimmed().isEmpty()) << lang << " " << i;
    for (int i = 0; i < 23; ++i) EXPECT_FALSE(t.Font(i).isEmpty()) << lang << " " << i;
    // Lines 1..120: menu items, unit systems, quantities, the name tables, page titles and
    // unit labels.
    const QStringList fixed = MessageFileFixedPart(t);
    for (int line = 1; line < 121; ++line)
      EXPECT_FALSE(fixed[line - 1].isEmpty()) << lang << " " << line;
    for (const RoleLine& r : MessageFileRoles()) {
      const QString role = QString::fromLatin1(r.role);
      const QString text = r.target == RoleTarget::Hint ? t.hint(role) : t.caption(role);
      EXPECT_FALSE(text.isEmpty()) << lang << " " << r.role;
      EXPECT_FALSE(text.startsWith('-')) << lang << " " << r.role;  // no layout placeholder left
    }
  }
}

// Read back through the tables, the file gives its own lines again: no name is cut to its
// table's width, the ignored lines are empty, and every line sits where its role expects it.
TEST(ShippedLanguage, EveryFileReadsBackLineForLine) {
  for (int lang : kEditions) {
    TempHome home;
    home.copyShipped(LanguageFolder(lang));
    const QString path = LanguageFilePath(home.path(), lang, "msg.qdt");
    bool opened = false;
    const QStringList lines = ReadLanguageLines(path, lang, &opened);
    ASSERT_TRUE(opened) << lang;
    ASSERT_EQ(lines.size(), 73 + 1 + 23 + 1 + kLastFixedLine) << lang;
    EXPECT_EQ(lines[73], "@") << lang;
    EXPECT_EQ(lines[97], "@") << lang;
    EXPECT_EQ(MessageFileFixedPart(Load(home, lang)), lines.mid(98)) << lang;
  }
}

TEST(ShippedLanguage, EachEditionSpeaksItsLanguage) {
  struct Case {
    int lang;
    const char* dewPoint;    // message 15, the chart's dew-point label
    const char* kUnit;       // SI conductivity unit
    const char* quit;        // last menu item
    const char* returnHint;  // the bar's return button
  } const cases[] = {
      {1, "Dew Point = ", "W/m.°C", "Quit", "Main Menu"},
      {2, "Taupunkt = ", "W/(m·K)", "Beenden", "Hauptmenü"},
      {3, "露点 = ", "W/(m·K)", "退出", "主菜单"},
      {4, "露点温度 = ", "W/(m･K)", "終了", "メインメニュー"},
      {5, "จุดน้ำค้าง = ", "W/m.degC", "ออก", "เมนูหลัก"},
      {6, "Dew Point = ", "W/m.°C", "Quit", "Main Menu"},
  };
  for (const Case& c : cases) {
    const LanguageTexts t = LoadShipped(c.lang);
    EXPECT_EQ(t.MsgText(15), QString::fromUtf8(c.dewPoint)) << c.lang;
    EXPECT_EQ(t.UnitLabel(2, 2), QString::fromUtf8(c.kUnit)) << c.lang;
    EXPECT_EQ(t.menuItemNames[9], QString::fromUtf8(c.quit)) << c.lang;
    EXPECT_EQ(t.hint("QORAForm.RetMainBitBtn"), QString::fromUtf8(c.returnHint)) << c.lang;
    // The second brand's edition names its own product; the others the first brand's.
    const char* brand = c.lang == 6 ? "QORAPUR" : "QORALINE";
    EXPECT_TRUE(t.hint("QORAForm.kCalcBitBtn").contains(brand)) << c.lang;
    EXPECT_TRUE(t.caption("InsuSzDlg.InsuSzREMLabel").contains(brand)) << c.lang;
  }
}

// The chilled-water energy chart plots the chiller's electrical power, which the
// translated editions name apart from the heat gain the operating-equipment screen shows.
TEST(ShippedLanguage, ChillerPowerIsNotCalledHeatGain) {
  for (int lang : {2, 3, 4, 5}) {
    const LanguageTexts t = LoadShipped(lang);
    const QString heatGain = t.caption("QORAForm.OprtAnsHLabel");
    EXPECT_NE(t.caption("ChillLocalDlg.CH_EInsThSpdBtn"), heatGain) << lang;
    EXPECT_NE(t.MsgText(22), heatGain) << lang;
    EXPECT_FALSE(t.MsgText(19).contains(heatGain)) << lang;
  }
}

// Every section key of the English menu file, in the order the file has them.
QStringList EnglishMenuKeys() {
  TempHome home;
  home.copyShipped("EN");
  bool opened = false;
  QStringList keys;
  for (const QString& l :
       ReadLanguageLines(LanguageFilePath(home.path(), 1, "mnu.qdt"), 1, &opened))
    if (l.startsWith('@')) keys << l;
  return keys;
}

// "code=text" lines of a refusal section by code.
QHash<QString, QString> RefusalLines(const QStringList& section) {
  QHash<QString, QString> out;
  for (const QString& l : section) {
    const qsizetype eq = l.indexOf('=');
    if (eq > 0) out.insert(l.left(eq), l.mid(eq + 1));
  }
  return out;
}

// Whatever the English menu file has (a section added for a new screen, a refusal code),
// every edition has too, in its own words: a translated edition that repeats the English
// text has not been translated.
TEST(ShippedLanguage, EveryEditionHasEverySectionAndRefusalOfTheEnglishMenuFile) {
  const QStringList keys = EnglishMenuKeys();
  ASSERT_TRUE(keys.contains("@REFUSALS"));
  TempHome en;
  en.copyShipped("EN");
  const QString enPath = LanguageFilePath(en.path(), 1, "mnu.qdt");
  const QHash<QString, QString> english = RefusalLines(ReadSection(enPath, "@REFUSALS", 1));
  ASSERT_GE(english.size(), 30);
  for (int lang : kEditions) {
    TempHome home;
    home.copyShipped(LanguageFolder(lang));
    const QString path = LanguageFilePath(home.path(), lang, "mnu.qdt");
    for (const QString& key : keys) {
      const QStringList lines = ReadSection(path, key, lang);
      EXPECT_FALSE(lines.isEmpty()) << lang << " " << key.toStdString();
      for (const QString& l : lines)
        EXPECT_FALSE(l.trimmed().isEmpty()) << lang << " " << key.toStdString();
    }
    const QHash<QString, QString> own = RefusalLines(ReadSection(path, "@REFUSALS", lang));
    EXPECT_EQ(own.size(), english.size()) << lang;
    const bool translated = lang >= 2 && lang <= 5;
    for (auto it = english.cbegin(); it != english.cend(); ++it) {
      const QString text = own.value(it.key());
      EXPECT_FALSE(text.trimmed().isEmpty()) << lang << " " << it.key().toStdString();
      if (translated) EXPECT_NE(text, it.value()) << lang << " " << it.key().toStdString();
    }
  }
}

// The refusal a chart screen shows comes from the edition's own file.
TEST(ShippedLanguage, RefusalsSpeakTheEditionsLanguage) {
  const struct {
    int lang;
    const char* code;
    const char* text;
  } cases[] = {
      {2, "tdb-empty", "Raumtemperatur fehlt"},
      {3, "dew-point-not-found", "该室温和相对湿度下不存在露点"},
      {4, "k-not-selected", "熱伝導率 k を選択してください"},
      {5, "thickness-not-positive", "ความหนาฉนวนต้องมากกว่า 0"},
  };
  for (const auto& c : cases) {
    TempHome home;
    home.copyShipped(LanguageFolder(c.lang));
    AppState state;
    state.appDir = home.path();
    state.settings.setLangIndex(c.lang);
    EXPECT_EQ(RefusalText(state, c.code), QString::fromUtf8(c.text)) << c.lang;
  }
}

TEST(ShippedLanguage, EveryMenuSectionHasItsDescription) {
  for (int lang : kEditions) {
    TempHome home;
    home.copyShipped(LanguageFolder(lang));
    const QString path = LanguageFilePath(home.path(), lang, "mnu.qdt");
    for (const char* key : kMenuKeys) {
      const QStringList lines = ReadSection(path, key, lang);
      EXPECT_GE(lines.size(), 2) << lang << " " << key;
      for (const QString& l : lines) {
        EXPECT_LE(Columns(l), 80) << lang << " " << key << " " << l.toStdString();
      }
    }
  }
}

// A copy of an edition's files in its legacy code page: every character has a code there,
// the bytes are not UTF-8 (so the reader takes the legacy path), and the texts read equal.
TEST(ShippedLanguage, LegacyCodePageCopiesReadAsTheShippedFiles) {
  const struct {
    int lang;
    const char* codePage;
  } cases[] = {
      {2, "windows-1252"},
      {3, "GBK"},
      {4, "Shift_JIS"},
      {5, "windows-874"},
  };
  for (const auto& c : cases) {
    const QString folder = LanguageFolder(c.lang);
    TempHome shipped;
    shipped.copyShipped(folder);
    TempHome legacy;
    for (const char* base : {"msg.qdt", "mnu.qdt"}) {
      const QString file = folder + "/" + folder + "-" + base;
      const QString text = QString::fromUtf8(shipped.readFile(file));
      QStringEncoder encode(c.codePage);
      ASSERT_TRUE(encode.isValid()) << c.codePage;
      const QByteArray bytes = encode.encode(text);
      EXPECT_FALSE(encode.hasError()) << c.codePage << " " << base;
      QStringDecoder utf8(QStringDecoder::Utf8);
      const QString asUtf8 = utf8.decode(bytes);
      EXPECT_TRUE(utf8.hasError()) << c.codePage << " " << base;
      legacy.writeFile(file, bytes);
    }
    const LanguageTexts a = Load(shipped, c.lang);
    const LanguageTexts b = Load(legacy, c.lang);
    EXPECT_EQ(a.msg, b.msg) << c.lang;
    EXPECT_EQ(a.fonts, b.fonts) << c.lang;
    EXPECT_EQ(MessageFileFixedPart(a), MessageFileFixedPart(b)) << c.lang;
    for (const QString& key : EnglishMenuKeys()) {
      const QStringList utf8Lines =
          ReadSection(LanguageFilePath(shipped.path(), c.lang, "mnu.qdt"), key, c.lang);
      EXPECT_FALSE(utf8Lines.isEmpty()) << c.lang << " " << key.toStdString();
      EXPECT_EQ(utf8Lines,
                ReadSection(LanguageFilePath(legacy.path(), c.lang, "mnu.qdt"), key, c.lang))
          << c.lang << " " << key.toStdString();
    }
  }
}

TEST(ShippedLanguage, EnglishFileAgreesWithTheBuiltInTexts) {
  TempHome home;
  home.copyShipped("EN");
  LanguageTexts t = BuiltinLanguageTexts();
  ASSERT_TRUE(LoadLanguageTexts(t, home.path(), 1));
  EXPECT_EQ(MessageFileFixedPart(t), MessageFileFixedPart(BuiltinLanguageTexts()));
}

}  // namespace
}  // namespace qora
