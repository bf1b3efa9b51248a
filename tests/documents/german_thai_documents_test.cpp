// The German and Thai reference documents against the English ones they are written from:
// the same sections, the same numbers in every table, conversion factor and equation, rich
// text codes that close on the line they open, and characters the pages' faces can draw.
#include <gtest/gtest.h>

#include <QFont>
#include <QFontMetrics>
#include <QRegularExpression>
#include <QSet>
#include <algorithm>

#include "document_home.h"
#include "documents/page_text.h"
#include "model/language.h"

namespace qora {
namespace {

using test::DocumentHome;

constexpr int kEnglish = 1;
constexpr int kGerman = 2;
constexpr int kThai = 5;
const char* const kBases[] = {"prd.qdt", "pdp.qdt", "apd.qdt", "cnv.qdt"};

// The lines of an edition's own file; fails the test when the edition reads another's.
QStringList OwnLines(const DocumentHome& h, int lang, const QString& base) {
  int edition = 0;
  const QString path = LanguageFileOrEnglish(h.state.appDir, lang, base, &edition);
  EXPECT_EQ(edition, lang) << base.toStdString() << " falls back to " << edition;
  bool opened = false;
  const QStringList lines = ReadLanguageLines(path, edition, &opened);
  EXPECT_TRUE(opened) << path.toStdString();
  return lines;
}

QStringList Keys(const QStringList& lines) {
  QStringList keys;
  for (const QString& l : lines)
    if (l.startsWith('@')) keys.append(l);
  return keys;
}

// The numbers a text writes, in order ("1 055.056" is two numbers on every side alike).
QStringList Numbers(const QString& text) {
  static const QRegularExpression number(R"([0-9]+(?:\.[0-9]+)?)");
  QStringList out;
  for (auto it = number.globalMatch(PlainText(text)); it.hasNext();) out.append(it.next().captured());
  return out;
}

class GermanThaiDocuments : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override {
    DocumentHome::Shipped(home_, GetParam());
    DocumentHome::Shipped(english_, kEnglish);
  }
  std::string where(const QString& base, const QString& key) const {
    return "edition " + std::to_string(GetParam()) + " " + base.toStdString() + " " +
           key.toStdString();
  }
  DocumentHome home_, english_;
};

TEST_P(GermanThaiDocuments, EveryEnglishSectionHasItsTwinAndNoOther) {
  for (const char* base : kBases) {
    const QStringList own = Keys(OwnLines(home_, GetParam(), base));
    const QStringList en = Keys(OwnLines(english_, kEnglish, base));
    EXPECT_EQ(own, en) << base;
    EXPECT_EQ(QSet<QString>(own.begin(), own.end()).size(), own.size()) << base << " repeats a key";
    for (const QString& key : own)
      EXPECT_FALSE(SectionOf(OwnLines(home_, GetParam(), base), key).join("").trimmed().isEmpty())
          << where(base, key) << " is empty";
  }
}

// Tables are compared row by row and cell by cell: the same rows, the same columns and the
// same numbers in each cell (the words around them are the edition's).
TEST_P(GermanThaiDocuments, TablesHaveTheEnglishRowsColumnsAndNumbers) {
  int tables = 0;
  for (const char* base : kBases) {
    const QStringList own = OwnLines(home_, GetParam(), base);
    const QStringList en = OwnLines(english_, kEnglish, base);
    for (const QString& key : Keys(en)) {
      const QStringList enRows = SectionOf(en, key);
      if (std::none_of(enRows.begin(), enRows.end(), [](const QString& r) { return r.contains('\t'); }))
        continue;
      ++tables;
      const QStringList rows = SectionOf(own, key);
      ASSERT_EQ(rows.size(), enRows.size()) << where(base, key);
      for (qsizetype r = 0; r < rows.size(); ++r) {
        const QStringList cells = rows[r].split('\t'), enCells = enRows[r].split('\t');
        ASSERT_EQ(cells.size(), enCells.size()) << where(base, key) << " row " << r;
        for (qsizetype c = 0; c < cells.size(); ++c)
          EXPECT_EQ(Numbers(cells[c]), Numbers(enCells[c]))
              << where(base, key) << " \"" << cells[c].toStdString() << "\" / \""
              << enCells[c].toStdString() << "\"";
      }
    }
  }
  EXPECT_GE(tables, 20);  // specification, packing (screen and print), length, temperature
}

// Every "1 unit = factor unit" line of a conversion page gives the English factors in the
// English order (they are checked against the unit definitions elsewhere), and every
// appendix chapter writes the same numbers: constants, coefficients, worked examples.
TEST_P(GermanThaiDocuments, FactorsConstantsAndEquationsAreTheEnglishOnes) {
  static const QRegularExpression factor(R"(^1 .+ = (\S+) .+$)");
  const QStringList cnv = OwnLines(home_, GetParam(), "cnv.qdt");
  const QStringList enCnv = OwnLines(english_, kEnglish, "cnv.qdt");
  int factors = 0;
  for (const QString& key : Keys(enCnv)) {
    auto factorsOf = [&](const QStringList& lines) {
      QStringList out;
      for (const QString& l : lines) {
        const auto m = factor.match(PlainText(l));
        if (m.hasMatch()) out.append(m.captured(1));
      }
      return out;
    };
    const QStringList own = factorsOf(SectionOf(cnv, key));
    EXPECT_EQ(own, factorsOf(SectionOf(enCnv, key))) << where("cnv.qdt", key);
    factors += static_cast<int>(own.size());
  }
  EXPECT_GT(factors, 100);

  const QStringList apd = OwnLines(home_, GetParam(), "apd.qdt");
  const QStringList enApd = OwnLines(english_, kEnglish, "apd.qdt");
  for (const QString& key : Keys(enApd)) {
    QStringList own = Numbers(SectionOf(apd, key).join('\n'));
    QStringList en = Numbers(SectionOf(enApd, key).join('\n'));
    own.sort();
    en.sort();
    EXPECT_EQ(own, en) << where("apd.qdt", key);
  }
}

// A code left open runs on to the end of the line in the wrong size or position.
TEST_P(GermanThaiDocuments, RichTextCodesCloseOnTheirLine) {
  for (const char* base : {"apd.qdt", "cnv.qdt"}) {
    for (const QString& line : OwnLines(home_, GetParam(), base)) {
      for (QChar code : {'B', 'S', 'U', 'D', 'G'}) {
        const QString pair = QStringLiteral("\\") + code;
        EXPECT_EQ(line.count(pair, Qt::CaseInsensitive) % 2, 0)
            << base << " \\" << code.toLatin1() << " in \"" << line.toStdString() << "\"";
      }
    }
  }
}

// The faces the pages draw with (catalogue 11–13, printed catalogue 14–16, appendix 4,
// conversion 5), with the system's fallback: no character becomes a missing-glyph box.
TEST_P(GermanThaiDocuments, EveryCharacterHasAGlyphInThePagesFaces) {
  const struct {
    const char* base;
    std::vector<int> faces;
  } files[] = {{"prd.qdt", {11, 12, 13}}, {"pdp.qdt", {14, 15, 16}}, {"apd.qdt", {4}}, {"cnv.qdt", {5}}};
  for (const auto& f : files) {
    QSet<char32_t> chars;
    for (const QString& line : OwnLines(home_, GetParam(), f.base))
      for (char32_t c : PlainText(line).toUcs4())
        if (c > 0x20 && c != 0x7F) chars.insert(c);
    for (int face : f.faces) {
      const QFontMetrics m(QFont(home_.state.lang.Font(face), 12));
      for (char32_t c : chars)
        EXPECT_TRUE(m.inFontUcs4(c)) << f.base << " face " << face << " U+" << std::hex
                                     << static_cast<unsigned>(c);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(GermanAndThai, GermanThaiDocuments, ::testing::Values(kGerman, kThai));

// The Thai pages are in Thai script and the German pages in German: a known word of the
// field in each, read from the shipped UTF-8 files.
TEST(GermanThaiDocumentsLanguage, TheTextsAreInTheEditionsLanguage) {
  const struct {
    int lang;
    const char* base;
    const char* word;
  } cases[] = {{kGerman, "prd.qdt", "Wärmeleitfähigkeit"}, {kGerman, "prd.qdt", "Taupunkt"},
               {kGerman, "apd.qdt", "Wärmeübergangskoeffizient"},
               {kThai, "prd.qdt", "ค่าการนำความร้อน"}, {kThai, "prd.qdt", "จุดน้ำค้าง"},
               {kThai, "apd.qdt", "ความชื้นสัมพัทธ์"}};
  for (const auto& c : cases) {
    DocumentHome h;
    DocumentHome::Shipped(h, c.lang);
    EXPECT_TRUE(OwnLines(h, c.lang, c.base).join('\n').contains(QString::fromUtf8(c.word)))
        << c.lang << " " << c.word;
  }
}

}  // namespace
}  // namespace qora
