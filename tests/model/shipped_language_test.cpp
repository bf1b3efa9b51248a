// The shipped English message and menu files of both editions are complete.
#include <gtest/gtest.h>

#include "model/language.h"
#include "model/language_roles.h"
#include "test_support.h"

namespace qora {
namespace {

using test::TempHome;

TEST(ShippedLanguage, EveryMessageFaceAndCaptionIsFilled) {
  for (int lang : {1, 6}) {
    TempHome home;
    home.copyShipped(LanguageFolder(lang));
    LanguageTexts t = BuiltinLanguageTexts();
    ASSERT_TRUE(LoadLanguageTexts(t, home.path(), lang)) << lang;
    for (int i = 0; i < 73; ++i) EXPECT_FALSE(t.MsgText(i).trimmed().isEmpty()) << lang << " " << i;
    for (int i = 0; i < 23; ++i) EXPECT_FALSE(t.Font(i).isEmpty()) << lang << " " << i;
    for (const RoleLine& r : MessageFileRoles()) {
      const QString role = QString::fromLatin1(r.role);
      const QString text = r.target == RoleTarget::Hint ? t.hint(role) : t.caption(role);
      EXPECT_FALSE(text.isEmpty()) << r.role;
      EXPECT_FALSE(text.startsWith('-')) << r.role;  // no layout placeholder left
    }
    EXPECT_EQ(t.UnitLabel(2, 3), QString::fromUtf8("W/m².°C"));
    EXPECT_EQ(t.menuItemNames[9], "Quit");
    const bool pur = lang == 6;
    EXPECT_EQ(t.hint("QORAForm.kCalcBitBtn"), pur ? "QORAPUR k Value" : "QORALINE k Value");
  }
}

TEST(ShippedLanguage, EnglishFileAgreesWithTheBuiltInTexts) {
  TempHome home;
  home.copyShipped("EN");
  LanguageTexts t = BuiltinLanguageTexts();
  ASSERT_TRUE(LoadLanguageTexts(t, home.path(), 1));
  EXPECT_EQ(MessageFileFixedPart(t), MessageFileFixedPart(BuiltinLanguageTexts()));
}

TEST(ShippedLanguage, EveryMenuSectionHasItsDescription) {
  for (int lang : {1, 6}) {
    TempHome home;
    home.copyShipped(LanguageFolder(lang));
    const QString path = LanguageFilePath(home.path(), lang, "mnu.qdt");
    for (const char* key : {"@IMPORTANT", "@PROD", "@CHILLED", "@HOT", "@DUCT", "@STORAGE",
                            "@OPERATING", "@RVALUE", "@APPENDIX", "@CONVERSION", "@QUIT"}) {
      const QStringList lines = ReadSection(path, key, lang);
      EXPECT_GE(lines.size(), 2) << key;
      for (const QString& l : lines) EXPECT_LE(l.size(), 80) << key << " " << l.toStdString();
    }
  }
}

}  // namespace
}  // namespace qora
