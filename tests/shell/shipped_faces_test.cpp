// Every face a shipped message file names is a family the set-up installs, and it has a
// glyph for every character of its edition's texts (no boxes on any screen).
#include <gtest/gtest.h>

#include <QFontDatabase>
#include <QRawFont>
#include <QSet>

#include "model/language.h"
#include "model/language_roles.h"
#include "test_support.h"

namespace qora {
namespace {

// Every text an edition shows: messages, the fixed part, the menu descriptions and the
// refusals a chart screen shows in place of its chart.
QString EditionText(const LanguageTexts& t, const QString& home, int lang) {
  QStringList all(t.msg.begin(), t.msg.end());
  all += MessageFileFixedPart(t);
  for (const char* key :
       {"@IMPORTANT", "@PROD", "@CHILLED", "@HOT", "@DUCT", "@STORAGE", "@OPERATING", "@RVALUE",
        "@APPENDIX", "@CONVERSION", "@QUIT", "@REFUSALS"}) {
    all += ReadSection(LanguageFilePath(home, lang, "mnu.qdt"), key, lang);
  }
  return all.join(QString());
}

TEST(ShippedFaces, EveryFaceIsInstalledAndHasTheGlyphsOfItsEdition) {
  for (int lang = 1; lang <= 6; ++lang) {
    test::TempHome home;
    home.copyShipped(LanguageFolder(lang));
    LanguageTexts t = BuiltinLanguageTexts();
    ASSERT_TRUE(LoadLanguageTexts(t, home.path(), lang)) << lang;
    const QString text = EditionText(t, home.path(), lang);
    QSet<char32_t> chars;
    for (char32_t c : text.toUcs4()) {
      if (!QChar::isSpace(c)) chars.insert(c);
    }
    const QSet<QString> faces(t.fonts.begin(), t.fonts.end());
    for (const QString& face : faces) {
      // hasFamily rather than families(): under a Japanese or Chinese locale fontconfig
      // lists the IPA and WenQuanYi families by their local names only.
      EXPECT_TRUE(QFontDatabase::hasFamily(face)) << lang << " " << face.toStdString();
      // A missing face would be drawn by a substitute; the raw font names what draws.
      const QRawFont raw = QRawFont::fromFont(QFont(face));
      EXPECT_EQ(raw.familyName(), face) << lang;
      for (char32_t c : chars) {
        EXPECT_TRUE(raw.supportsCharacter(c))
            << lang << " " << face.toStdString() << " U+" << std::hex << static_cast<int>(c);
      }
    }
  }
}

}  // namespace
}  // namespace qora
