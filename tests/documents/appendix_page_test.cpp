// The appendix: rich-text lines with raised and lowered small characters, the convection
// chart at the end of chapter 6, and the shipped chapters inside the page.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>

#include "document_home.h"
#include "documents/appendix_page.h"
#include "documents/document_render.h"
#include "documents/page_sources.h"
#include "draw_log.h"

namespace qora {
namespace {

using test::DocumentHome;
using test::DrawLog;
using test::FixedMetricsCanvas;
using test::Inside;
using test::ParseLog;

const test::LoggedText* Find(const DrawLog& log, const QString& text, double after = -1) {
  for (const auto& t : log.texts) {
    if (t.text == text && t.box.left() > after) return &t;
  }
  return nullptr;
}

TEST(AppendixPage, SuperscriptsAndSubscriptsAreSmallerAndShareTheLine) {
  DocumentHome h;
  h.write("EN/EN-apd.qdt",
          "@APDX1\nTitle\n\n"
          R"(A = 2 m\U2\U, T\Ds\D = 7)"
          "\n");
  h.load(1);
  PageSources src(h.state);
  FixedMetricsCanvas pic(QSizeF(1004, 1000));
  RenderAppendixPage(pic, src, 0);
  const DrawLog log = ParseLog(pic.log());
  // Base 12 pt (18 high), small 8 pt (12 high), raised or lowered by a third of 18.
  const auto* base = Find(log, "A = 2 m");
  const auto* up = Find(log, "2", base ? base->box.right() - 1 : 0);
  const auto* middle = Find(log, ", T");
  const auto* down = Find(log, "s");
  ASSERT_TRUE(base && up && middle && down);
  EXPECT_EQ(base->size, 12);
  EXPECT_EQ(up->size, 8);
  EXPECT_EQ(down->size, 8);
  EXPECT_EQ(middle->size, 12);
  EXPECT_DOUBLE_EQ(base->box.top(), 20 + 2 * 25);  // line 2 of the section
  EXPECT_DOUBLE_EQ(up->box.left(), base->box.right());
  EXPECT_DOUBLE_EQ(down->box.left(), middle->box.right());
  EXPECT_LT(up->box.bottom(), base->box.bottom());    // raised
  EXPECT_GT(down->box.bottom(), base->box.bottom());  // lowered
  EXPECT_GT(down->box.top(), base->box.top());
}

TEST(AppendixPage, ChapterSixEndsWithTheChartAndScrolls530Further) {
  DocumentHome h;
  h.write("EN/EN-apd.qdt", "@APDX5\nFive\n\nline\n@APDX6\nSix\n\nline\n");
  h.load(1);
  for (int tab : {4, 5}) {
    PageSources src(h.state);
    src.setPictureLoader([](const QString& name) {
      QImage image(name == kConvectionChart ? 760 : 1, name == kConvectionChart ? 520 : 1,
                   QImage::Format_RGB32);
      image.fill(Qt::white);
      return Picture::fromImage(image);
    });
    FixedMetricsCanvas pic(QSizeF(1004, 2000));
    const double height = RenderAppendixPage(pic, src, tab);
    const DrawLog log = ParseLog(pic.log());
    const double textEnd = 20 + 3 * 25;  // three lines of 25 pixels from y = 20
    if (tab == 5) {
      ASSERT_EQ(log.pictures.size(), 1u);
      EXPECT_EQ(log.pictures[0].box, QRectF(10, textEnd, 760, 520));  // unscaled
      EXPECT_DOUBLE_EQ(height, textEnd + 530 + 10);
    } else {
      EXPECT_TRUE(log.pictures.empty());
      EXPECT_DOUBLE_EQ(height, textEnd + 10);
    }
  }
}

// Every shipped chapter of every edition inside the page at the narrowest common screens,
// each with raised or lowered characters somewhere in the document (the editions without
// an appendix of their own draw the English one).
TEST(AppendixPage, ShippedChaptersFitThePageAndUseTheCodes) {
  for (int lang = 1; lang <= 6; ++lang) {
    DocumentHome h;
    DocumentHome::Shipped(h, lang);
    int small = 0;
    for (int screen : {800, 1024}) {
      for (int tab = 0; tab < kAppendixChapters; ++tab) {
        PageSources src(h.state);
        const double width = PageWidthForScreen(screen);
        RecordingCanvas pic(QSizeF(width, 6000));
        const double height = RenderAppendixPage(pic, src, tab);
        const DrawLog log = ParseLog(pic.log());
        EXPECT_GT(log.texts.size(), 10u) << tab;
        for (const auto& t : log.texts) {
          EXPECT_TRUE(Inside(t.box, QRectF(0, 0, width, height)))
              << "lang " << lang << " screen " << screen << " tab " << tab << " \""
              << t.text.toStdString() << "\" " << t.box.right();
          if (t.size < 12) ++small;
        }
        EXPECT_TRUE(src.missingSections().isEmpty()) << tab;
      }
    }
    EXPECT_GT(small, 100);
  }
}

}  // namespace
}  // namespace qora
