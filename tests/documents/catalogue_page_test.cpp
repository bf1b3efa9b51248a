// The catalogue on screen: fonts by screen width, the second brand's own pictures, and the
// shipped chapters laid out without text off the page, overlaps or rows outside their bands.
#include <gtest/gtest.h>

#include <QImage>
#include <algorithm>
#include <set>

#include "document_home.h"
#include "documents/catalogue_page.h"
#include "documents/document_render.h"
#include "documents/page_sources.h"
#include "draw_log.h"

namespace qora {
namespace {

using test::DocumentHome;
using test::DrawLog;
using test::FixedMetricsCanvas;
using test::Inside;
using test::Overlap;
using test::ParseLog;

// A picture of 10 × 10 for every name, so every picture the page asks for is drawn.
Picture Dummy() {
  QImage image(10, 10, QImage::Format_RGB32);
  image.fill(Qt::gray);
  return Picture::fromImage(image);
}

TEST(CataloguePage, BodyAndHeadingSizesFollowTheScreenWidth) {
  struct Case {
    int screen, body, heading;
  };
  const Case cases[] = {{800, 10, 12},  {801, 12, 14},  {1024, 12, 14}, {1025, 14, 16},
                        {1280, 14, 16}, {2000, 14, 16}, {2001, 10, 12}};
  DocumentHome h;
  h.write("EN/EN-prd.qdt", "@INTROT\nHeading\n@INTRO\nBody line\n");
  h.load(1);
  for (const Case& c : cases) {
    PageSources src(h.state);
    FixedMetricsCanvas pic(QSizeF(PageWidthForScreen(c.screen), 2000));
    RenderCataloguePage(pic, src, 0, c.screen);
    const DrawLog log = ParseLog(pic.log());
    ASSERT_EQ(log.texts.size(), 2u) << c.screen;
    EXPECT_EQ(log.texts[0].text, "Heading");
    EXPECT_EQ(log.texts[0].size, c.heading) << c.screen;
    EXPECT_TRUE(log.texts[0].bold);
    EXPECT_EQ(log.texts[1].size, c.body) << c.screen;
    EXPECT_FALSE(log.texts[1].bold);
  }
}

std::set<QString> PicturesOf(const AppState& state, int tab) {
  PageSources src(state);
  std::set<QString> names;
  src.setPictureLoader([&](const QString& name) {
    names.insert(name);
    return Dummy();
  });
  FixedMetricsCanvas pic(QSizeF(1004, 5000));
  RenderCataloguePage(pic, src, tab, 1024);
  return names;
}

TEST(CataloguePage, TheSecondBrandShowsItsOwnPicturesOnTabsZeroOneAndFour) {
  DocumentHome first, second;
  DocumentHome::Shipped(first, 1);
  DocumentHome::Shipped(second, 6);
  struct Case {
    int tab;
    std::set<QString> own;  // the pictures that take the "C" variant
  };
  const Case cases[] = {
      {0, {"C1_1"}},
      {1, {"C1_1", "C2_1", "C2_2", "C2_3", "C2_4", "C2_5", "C2_6"}},
      {4, {"C5_2"}},
  };
  for (const Case& c : cases) {
    const std::set<QString> a = PicturesOf(first.state, c.tab);
    const std::set<QString> b = PicturesOf(second.state, c.tab);
    for (const QString& base : c.own) {
      EXPECT_TRUE(a.count(base + ".jpg")) << c.tab << " " << base.toStdString();
      EXPECT_FALSE(a.count(base + "C.jpg")) << c.tab << " " << base.toStdString();
      EXPECT_TRUE(b.count(base + "C.jpg")) << c.tab << " " << base.toStdString();
      EXPECT_FALSE(b.count(base + ".jpg")) << c.tab << " " << base.toStdString();
    }
  }
  // Elsewhere both editions show the same pictures; the brand name follows the edition.
  EXPECT_TRUE(PicturesOf(second.state, 2).count("C3_1.jpg"));
  EXPECT_TRUE(PicturesOf(second.state, 3).count("QORAPUR.WMF"));
  EXPECT_TRUE(PicturesOf(first.state, 3).count("QORALINE.WMF"));
}

// Every shipped chapter of every edition at the common screen widths, measured with the
// real fonts (the editions without a catalogue of their own draw the English one): text and
// pictures inside the page, pictures apart, no text over a picture or over other text, and
// each table cell's text inside a cell of its table.
TEST(CataloguePage, ShippedChaptersStayInsideThePageWithoutOverlaps) {
  for (int lang = 1; lang <= 6; ++lang) {
    DocumentHome h;
    DocumentHome::Shipped(h, lang);
    for (int screen : {800, 1024, 1280, 1920}) {
      for (int tab = 0; tab < kCatalogueChapters; ++tab) {
        PageSources src(h.state);
        const double width = PageWidthForScreen(screen);
        RecordingCanvas pic(QSizeF(width, 6000));
        const double height = RenderCataloguePage(pic, src, tab, screen);
        const QRectF page(0, 0, width, height);
        const DrawLog log = ParseLog(pic.log());
        const std::string where = "lang " + std::to_string(lang) + " screen " +
                                  std::to_string(screen) + " tab " + std::to_string(tab);
        EXPECT_GT(log.texts.size(), 3u) << where;
        std::vector<QRectF> cells;
        for (const auto& f : log.fills) cells.push_back(f.box);
        for (const auto& r : log.rects) cells.push_back(r.box);
        for (size_t i = 0; i < log.texts.size(); ++i) {
          const auto& t = log.texts[i];
          EXPECT_TRUE(Inside(t.box, page)) << where << " \"" << t.text.toStdString() << "\"";
          for (const auto& p : log.pictures)
            EXPECT_FALSE(Overlap(t.box, p.box)) << where << " " << t.text.toStdString();
          for (size_t j = i + 1; j < log.texts.size(); ++j)
            EXPECT_FALSE(Overlap(t.box, log.texts[j].box))
                << where << " \"" << t.text.toStdString() << "\" / \""
                << log.texts[j].text.toStdString() << "\"";
          const bool inTable = std::any_of(cells.begin(), cells.end(),
                                           [&](const QRectF& c) { return Overlap(t.box, c); });
          if (inTable) {
            EXPECT_TRUE(std::any_of(cells.begin(), cells.end(),
                                    [&](const QRectF& c) { return Inside(t.box, c, 0.5); }))
                << where << " cell text \"" << t.text.toStdString() << "\"";
          }
        }
        for (size_t i = 0; i < log.pictures.size(); ++i) {
          EXPECT_TRUE(Inside(log.pictures[i].box, page)) << where << " picture " << i;
          for (size_t j = i + 1; j < log.pictures.size(); ++j)
            EXPECT_FALSE(Overlap(log.pictures[i].box, log.pictures[j].box)) << where;
        }
        EXPECT_TRUE(src.missingSections().isEmpty())
            << where << " " << src.missingSections().join(", ").toStdString();
      }
    }
  }
}

// The page picture is as tall as the drawing says: the height comes from line steps and
// picture sizes, never from measured text, so the measuring pass agrees with the drawing.
TEST(DocumentPages, ThePictureIsAsTallAsTheDrawnPage) {
  DocumentHome h;
  DocumentHome::Shipped(h, 1);
  for (DocumentKind kind :
       {DocumentKind::Catalogue, DocumentKind::Appendix, DocumentKind::Conversion}) {
    for (int tab = 0; tab < ChapterCount(kind); ++tab) {
      PageSources src(h.state);
      RecordingCanvas pic(QSizeF(1004, 30000));
      const double drawn = RenderDocumentPage(pic, src, kind, tab, 1280);
      const QImage image = RenderDocumentImage(src, kind, tab, 1280, 1004);
      EXPECT_EQ(image.height(), int(std::ceil(drawn))) << int(kind) << " " << tab;
      EXPECT_EQ(image.width(), 1004);
    }
  }
}

}  // namespace
}  // namespace qora
