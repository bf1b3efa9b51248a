// The section readers: where each line goes, what a missing or empty section leaves, and
// that the next block starts where an empty one would have started.
#include <gtest/gtest.h>

#include <QFile>
#include <QImage>

#include "document_home.h"
#include "documents/catalogue_page.h"
#include "documents/page_sources.h"
#include "documents/page_text.h"
#include "draw_log.h"
#include "toolkit/draw.h"

namespace qora {
namespace {

using test::DocumentHome;
using test::FixedMetricsCanvas;
using test::ParseLog;

TEST(SectionReaders, LinesStepDownFromTheFirstAndTheResultIsBelowTheLast) {
  // 12 pt with fixed metrics: a line is 18 high. Plain text hangs from its bottom edge,
  // rich text from its top edge; the empty line takes its step and draws nothing.
  const QStringList lines = {"one", "", "three"};
  struct Case {
    const char* reader;
    double (*draw)(Canvas&, const QStringList&, double, double, double);
    double firstTop;  // of line 0, for y0 = 100
  };
  const Case cases[] = {{"text", DrawTextSection, 100 - 18},
                        {"rich", DrawRichSection, 100},
                        {"printed", DrawPrintedSection, 100 - 18}};
  for (const Case& c : cases) {
    FixedMetricsCanvas pic(QSizeF(400, 400));
    SetPicFont(pic, "Liberation Sans", 12, kRegular, kBlack);
    EXPECT_DOUBLE_EQ(c.draw(pic, lines, 20, 30, 100), 190) << c.reader;
    const auto texts = ParseLog(pic.log()).texts;
    ASSERT_EQ(texts.size(), 2u) << c.reader;
    EXPECT_DOUBLE_EQ(texts[0].box.top(), c.firstTop) << c.reader;
    EXPECT_DOUBLE_EQ(texts[1].box.top(), c.firstTop + 60) << c.reader;
    EXPECT_DOUBLE_EQ(texts[0].box.left(), 20) << c.reader;
  }
}

TEST(SectionReaders, NoLinesLeaveYWhereItWasAndDrawNothing) {
  for (auto draw : {DrawTextSection, DrawRichSection, DrawPrintedSection}) {
    FixedMetricsCanvas pic(QSizeF(400, 400));
    EXPECT_DOUBLE_EQ(draw(pic, {}, 20, 30, 123.5), 123.5);
    EXPECT_TRUE(ParseLog(pic.log()).texts.empty());
  }
}

TEST(SectionReaders, CellsSplitAtTabsAndExtraCellsJoinTheLast) {
  struct Case {
    const char* line;
    int columns;
    QStringList cells;
  };
  const Case cases[] = {{"a\tb\tc", 3, {"a", "b", "c"}},
                        {"a\tb", 3, {"a", "b"}},
                        {"a\tb\tc\td", 3, {"a", "b", "c d"}},
                        {"\tb", 2, {"", "b"}},
                        {"plain", 1, {"plain"}}};
  for (const Case& c : cases) EXPECT_EQ(SplitCells(c.line, c.columns), c.cells) << c.line;
}

TEST(SectionReaders, PlainTextDropsTheRichTextCodes) {
  EXPECT_EQ(PlainText(R"(m\U2\U and T\Ds\D, \Gshadow\G\)"), "m2 and Ts, shadow");
}

// The chapter's first picture follows the introduction; an introduction that is present
// but empty, or missing altogether, puts the picture where the heading left y.
TEST(SectionReaders, AnEmptySectionLetsTheNextBlockStartAtTheSameY) {
  auto pictureTop = [](const QByteArray& prd) {
    DocumentHome h;
    h.write("EN/EN-prd.qdt", prd);
    h.load(1);
    PageSources src(h.state);
    src.setPictureLoader([](const QString&) {
      QImage image(10, 10, QImage::Format_RGB32);
      image.fill(Qt::gray);
      return Picture::fromImage(image);
    });
    FixedMetricsCanvas pic(QSizeF(1004, 3000));
    RenderCataloguePage(pic, src, 0, 1024);
    const auto pictures = ParseLog(pic.log()).pictures;
    return pictures.empty() ? -1.0 : pictures.back().box.top();
  };
  const double empty = pictureTop("@INTROT\nIntroduction\n@INTRO\n@OTHER\nx\n");
  const double missing = pictureTop("@INTROT\nIntroduction\n");
  const double oneLine = pictureTop("@INTROT\nIntroduction\n@INTRO\nA line\n");
  EXPECT_GT(empty, 60);  // below the rule
  EXPECT_DOUBLE_EQ(empty, missing);
  EXPECT_DOUBLE_EQ(oneLine, empty + 30);  // one body line of 30 pixels
}

TEST(SectionReaders, AKeyLineWithATrailingBlankIsNotTheKey) {
  DocumentHome h;
  h.write("EN/EN-prd.qdt", "@INTRO \nnot this\n@INTRO\nthis\n");
  h.load(1);
  PageSources src(h.state);
  EXPECT_EQ(src.section("prd.qdt", "@INTRO"), QStringList{"this"});
  EXPECT_TRUE(src.missingSections().isEmpty());
  EXPECT_TRUE(src.section("prd.qdt", "@NONE").isEmpty());
  EXPECT_TRUE(src.section("apd.qdt", "@APDX1").isEmpty());  // no such file
  EXPECT_EQ(src.missingSections(), (QStringList{"prd.qdt @NONE", "apd.qdt @APDX1"}));
}

// An edition without a document of its own reads the English file, decoded as the English
// edition's (windows-1252 °, not the Thai letter of the same byte), and the page is written
// in the English edition's faces; an edition with its own file keeps its text and faces.
TEST(SectionReaders, AnEditionWithoutItsOwnFileDrawsTheEnglishOneInEnglishFaces) {
  struct Case {
    int edition;
    const char* ownFile;  // nullptr: the edition has no prd.qdt
    const char* expected;
    bool englishFaces;
  };
  const Case cases[] = {
      {5, nullptr, "25 \u00B0C", true},
      {5, "THAI/THAI-prd.qdt", "own", false},
      {6, "QORAPUR/QORAPUR-prd.qdt", "own", false},
      {1, nullptr, "25 \u00B0C", false},  // the English edition itself
  };
  for (const Case& c : cases) {
    DocumentHome h;
    for (const char* folder : {"EN", "THAI", "QORAPUR"}) h.home.copyShipped(folder);
    h.write("EN/EN-prd.qdt",
            "@INTRO\n25 \xB0"
            "C\n");
    if (c.ownFile) h.write(c.ownFile, "@INTRO\nown\n");
    else if (c.edition != 1)  // the shipped edition has a catalogue of its own: take it away
      QFile::remove(LanguageFilePath(h.home.path(), c.edition, "prd.qdt"));
    h.load(c.edition);
    LanguageTexts english = BuiltinLanguageTexts();
    ASSERT_TRUE(LoadLanguageTexts(english, h.home.path(), 1));
    PageSources src(h.state);
    EXPECT_EQ(src.section("prd.qdt", "@INTRO"), QStringList{QString::fromUtf8(c.expected)})
        << c.edition;
    const LanguageTexts& faces = src.faces("prd.qdt");
    for (int i : {11, 12, 13}) {
      const QString own = c.englishFaces ? english.Font(i) : h.state.lang.Font(i);
      // Garuda's lines (1.9 em) would run into each other at the page's line steps: the
      // page names the Latin family and the Thai glyphs come from the fallbacks.
      const QString expected = own == QStringLiteral("Garuda") ? QStringLiteral("Liberation Sans") : own;
      EXPECT_EQ(faces.Font(i), expected) << c.edition << " face " << i;
    }
  }
}

}  // namespace
}  // namespace qora
