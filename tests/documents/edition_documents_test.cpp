// The reference documents of the Chinese and Japanese editions against the English ones
// they are written from: the same sections, the same tables, every number carried over,
// written in the edition's own script, and every character in the face that draws it.
#include <gtest/gtest.h>

#include <QFile>
#include <QFont>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QSet>
#include <algorithm>
#include <set>
#include <string>

#include "document_home.h"
#include "documents/page_sources.h"
#include "documents/page_text.h"

namespace qora {
namespace {

using test::DocumentHome;

struct Edition {
  int langIndex;
  const char* folder;
  const char* codePage;  // of the older files of the same kind
};
constexpr Edition kEditions[] = {{3, "CN", "GBK"}, {4, "JP", "Shift_JIS"}};

struct Document {
  const char* base;
  std::vector<int> faces;  // the message file's faces the pages of this file are drawn in
};
const Document kDocuments[] = {
    {"prd.qdt", {11, 12, 13}}, {"pdp.qdt", {14, 15, 16}}, {"apd.qdt", {4}}, {"cnv.qdt", {5}}};

// The keys of a shipped section file, in file order.
QStringList Keys(const QString& folder, const QString& base) {
  QFile f(QStringLiteral(QORA_SHIPPED_DATA_DIR "/%1/%1-%2").arg(folder, base));
  EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << f.fileName().toStdString();
  QStringList keys;
  for (const QString& line : QString::fromUtf8(f.readAll()).split('\n'))
    if (line.startsWith('@')) keys << line;
  return keys;
}

// The numbers a section writes, each as often as it is written.
std::multiset<QString> Numbers(const QStringList& lines) {
  static const QRegularExpression number(R"(\d+(?:\.\d+)?)");
  std::multiset<QString> out;
  for (const QString& line : lines) {
    auto it = number.globalMatch(PlainText(line));
    while (it.hasNext()) out.insert(it.next().captured());
  }
  return out;
}

// Calls `check` with every section of the English documents and the same section of each
// edition's.
template <typename Check>
void ForEachSection(Check check) {
  for (const Edition& e : kEditions) {
    DocumentHome en, ed;
    DocumentHome::Shipped(en, 1);
    DocumentHome::Shipped(ed, e.langIndex);
    PageSources english(en.state), edition(ed.state);
    for (const Document& d : kDocuments)
      for (const QString& key : Keys("EN", d.base))
        check(std::string(e.folder) + " " + d.base + " " + key.toStdString(),
              english.section(d.base, key), edition.section(d.base, key));
  }
}

TEST(EditionDocuments, SameSectionsAndTablesAsTheEnglishDocuments) {
  for (const Edition& e : kEditions) {
    for (const Document& d : kDocuments) {
      const QStringList keys = Keys("EN", d.base);
      ASSERT_GE(keys.size(), 10) << d.base;
      QStringList own = Keys(e.folder, d.base);
      EXPECT_EQ(QSet<QString>(own.begin(), own.end()), QSet<QString>(keys.begin(), keys.end()))
          << e.folder << " " << d.base;
      EXPECT_EQ(own.removeDuplicates(), 0) << e.folder << " " << d.base;
    }
  }
  ForEachSection([](const std::string& where, const QStringList& a, const QStringList& b) {
    EXPECT_EQ(a.isEmpty(), b.isEmpty()) << where;
    if (a.isEmpty() || !a.first().contains('\t')) return;
    // A table: row for row, cell for cell.
    ASSERT_EQ(a.size(), b.size()) << where;
    for (qsizetype r = 0; r < a.size(); ++r)
      EXPECT_EQ(a[r].count('\t'), b[r].count('\t')) << where << " row " << r;
  });
}

// Unit factors, constants, sizes and project figures: a number of the English text that
// the translation lacks was dropped or mistyped.
TEST(EditionDocuments, EveryNumberOfTheEnglishTextIsCarriedOver) {
  ForEachSection([](const std::string& where, const QStringList& english,
                    const QStringList& edition) {
    const auto want = Numbers(english), have = Numbers(edition);
    for (const QString& n : std::set<QString>(want.begin(), want.end()))
      EXPECT_GE(have.count(n), want.count(n)) << where << ": " << n.toStdString();
  });
}

// Written in the edition's script (not an English or a neighbour's file put in its folder),
// and every character present in each face its pages are drawn with, so nothing is drawn
// from a fallback font or as a missing-glyph box.
TEST(EditionDocuments, WrittenInTheEditionsScriptAndCoveredByItsFaces) {
  const auto kana = [](char32_t c) { return c >= 0x3040 && c <= 0x30FF; };
  const auto han = [](char32_t c) { return c >= 0x4E00 && c <= 0x9FFF; };
  for (const Edition& e : kEditions) {
    DocumentHome ed;
    DocumentHome::Shipped(ed, e.langIndex);
    PageSources src(ed.state);
    for (const Document& d : kDocuments) {
      std::set<char32_t> used;
      for (const QString& key : Keys(e.folder, d.base))
        for (char32_t c : PlainText(src.section(d.base, key).join(QString())).toUcs4())
          if (c > 0x20 && c != '\t') used.insert(c);
      const auto count = [&](auto pred) { return std::count_if(used.begin(), used.end(), pred); };
      EXPECT_GT(count(han), 50) << e.folder << " " << d.base;
      if (e.langIndex == 4) {
        EXPECT_GT(count(kana), 40) << d.base;
      } else {
        EXPECT_EQ(count(kana), 0) << d.base;
      }
      for (int face : d.faces) {
        const QString family = ed.state.lang.Font(face);
        const QFont font(family, 12);
        ASSERT_EQ(QFontInfo(font).family(), family) << e.folder << " face " << face;
        const QFontMetricsF m(font);
        for (char32_t c : used)
          EXPECT_TRUE(m.inFontUcs4(c)) << e.folder << " " << d.base << " " << family.toStdString()
                                       << " U+" << std::hex << static_cast<unsigned>(c);
      }
    }
  }
}

// Every character has a code in the edition's legacy code page: a copy converted to it (as
// an older installation would hold it) draws the same pages.
TEST(EditionDocuments, LegacyCodePageCopiesReadAsTheShippedFiles) {
  for (const Edition& e : kEditions) {
    DocumentHome shipped, legacy;
    DocumentHome::Shipped(shipped, e.langIndex);
    DocumentHome::Shipped(legacy, e.langIndex);
    for (const Document& d : kDocuments) {
      const QString file = QStringLiteral("%1/%1-%2").arg(e.folder, d.base);
      QStringEncoder encode(e.codePage);
      ASSERT_TRUE(encode.isValid()) << e.codePage;
      const QByteArray bytes = encode.encode(QString::fromUtf8(shipped.home.readFile(file)));
      EXPECT_FALSE(encode.hasError()) << file.toStdString();
      QStringDecoder utf8(QStringDecoder::Utf8);
      const QString asUtf8 = utf8.decode(bytes);
      EXPECT_TRUE(utf8.hasError()) << file.toStdString();  // so the reader takes the legacy path
      legacy.write(file, bytes);
    }
    PageSources a(shipped.state), b(legacy.state);
    for (const Document& d : kDocuments)
      for (const QString& key : Keys(e.folder, d.base))
        EXPECT_EQ(a.section(d.base, key), b.section(d.base, key))
            << e.folder << " " << d.base << " " << key.toStdString();
  }
}

}  // namespace
}  // namespace qora
