// The printed catalogue: the page number at the bottom right, the second brand's own
// pictures, every shipped chapter of both editions on its one page without overlaps, and
// the print job's PDF.
#include <gtest/gtest.h>

#include <QImage>
#include <QRectF>
#include <set>

#include "documents/page_sources.h"
#include "print/catalogue_printout.h"
#include "print/print_job.h"
#include "print_test_support.h"
#include "toolkit/recording_canvas.h"

namespace qora {
namespace {

using test::OfKind;
using test::ParseLog;
using test::Prim;
using test::TempHome;

struct Edition {
  TempHome home;
  AppState state;
  explicit Edition(int langIndex) {
    for (const char* f :
         {"EN", "EU", "CN", "JP", "THAI", "QORAPUR", "QDTgraph", "QORApara.qdt", "QORAInsu.qdt"})
      home.copyShipped(f);
    home.writeFile("QORA2000.ini", "[QORA2000]\nLanguage=" + QByteArray::number(langIndex));
    LoadProgramState(state, home.path());
  }
};

QRectF Box(const Prim& p) {
  if (p.nums.size() < 4) {
    ADD_FAILURE() << "unreadable log line: " << p.line;
    return {};
  }
  if (p.kind == "text") return QRectF(p.nums[0], p.nums[1], p.nums[2], p.nums[3]);
  return QRectF(QPointF(p.nums[0], p.nums[1]), QPointF(p.nums[2], p.nums[3])).normalized();
}

bool Overlap(const QRectF& a, const QRectF& b) {
  const QRectF i = a.intersected(b);
  return i.width() > 0.01 && i.height() > 0.01;
}

std::vector<Prim> Printed(const AppState& state, int tab) {
  PageSources src(state);
  RecordingCanvas page(QSizeF(200, 280), RecordingCanvas::Units::Millimetres);
  PrintCataloguePage(page, src, tab);
  return ParseLog(page.log());
}

TEST(CataloguePrintout, PageNumberAtTheBottomRightFromOneToTen) {
  Edition e(1);
  for (int tab = 0; tab < 10; ++tab) {
    const std::string number = "PAGE " + std::to_string(tab + 1);
    const std::vector<Prim> prims = Printed(e.state, tab);
    const Prim* text = test::FindText(prims, number);
    ASSERT_TRUE(text) << number;
    const QRectF box = Box(*text);
    EXPECT_NEAR(box.right(), 185, 0.001) << number;   // right-aligned at 185 mm
    EXPECT_NEAR(box.bottom(), 265, 0.001) << number;  // bottom-aligned at 265 mm
  }
}

TEST(CataloguePrintout, TheSecondBrandPrintsItsOwnPicturesOnTabsZeroOneAndFour) {
  Edition first(1), second(6);
  auto names = [](const AppState& state, int tab) {
    PageSources src(state);
    std::set<QString> asked;
    src.setPictureLoader([&](const QString& name) {
      asked.insert(name);
      return Picture();
    });
    RecordingCanvas page(QSizeF(200, 280), RecordingCanvas::Units::Millimetres);
    PrintCataloguePage(page, src, tab);
    return asked;
  };
  const std::pair<int, const char*> own[] = {{0, "C1_1"}, {1, "C2_1"}, {1, "C2_6"}, {4, "C5_2"}};
  for (const auto& [tab, base] : own) {
    EXPECT_TRUE(names(first.state, tab).count(QString(base) + ".jpg")) << base;
    EXPECT_TRUE(names(second.state, tab).count(QString(base) + "C.jpg")) << base;
    EXPECT_FALSE(names(second.state, tab).count(QString(base) + ".jpg")) << base;
  }
}

// Every chapter of every edition on its page with the real fonts (the editions without a
// printed catalogue of their own print the English one): texts and pictures on the page,
// clear of each other and of the page number, every section found.
TEST(CataloguePrintout, EveryChapterFitsItsPageWithoutOverlaps) {
  for (int lang = 1; lang <= 6; ++lang) {
    Edition e(lang);
    for (int tab = 0; tab < 10; ++tab) {
      PageSources src(e.state);
      RecordingCanvas page(QSizeF(200, 280), RecordingCanvas::Units::Millimetres);
      PrintCataloguePage(page, src, tab);
      const auto prims = ParseLog(page.log());
      const auto texts = OfKind(prims, "text");
      const auto pictures = OfKind(prims, "picture");
      const std::string where = "lang " + std::to_string(lang) + " tab " + std::to_string(tab);
      EXPECT_TRUE(src.missingSections().isEmpty())
          << where << " " << src.missingSections().join(", ").toStdString();
      EXPECT_GT(texts.size(), 5u) << where;
      const QRectF sheet(0, 0, 200, 280);
      QRectF number;
      for (const Prim& t : texts)
        if (t.text.rfind("PAGE ", 0) == 0) number = Box(t);
      for (size_t i = 0; i < texts.size(); ++i) {
        const QRectF a = Box(texts[i]);
        EXPECT_TRUE(sheet.contains(a)) << where << " " << texts[i].text;
        EXPECT_GE(a.left(), 20) << where << " " << texts[i].text;
        EXPECT_LE(a.right(), 190) << where << " " << texts[i].text;
        for (size_t j = i + 1; j < texts.size(); ++j)
          EXPECT_FALSE(Overlap(a, Box(texts[j])))
              << where << " \"" << texts[i].text << "\" / \"" << texts[j].text << "\"";
        for (const Prim& p : pictures)
          EXPECT_FALSE(Overlap(a, Box(p))) << where << " " << texts[i].text;
      }
      for (size_t i = 0; i < pictures.size(); ++i) {
        EXPECT_TRUE(sheet.contains(Box(pictures[i]))) << where;
        EXPECT_FALSE(Overlap(Box(pictures[i]), number)) << where;
        for (size_t j = i + 1; j < pictures.size(); ++j)
          EXPECT_FALSE(Overlap(Box(pictures[i]), Box(pictures[j]))) << where;
      }
    }
  }
}

TEST(CataloguePrintout, ThePrintButtonsJobIsAPortraitPdfTitledProduct) {
  Edition e(1);
  const QString dir = e.home.path() + "/out";
  SetPrintToDirectory(dir);
  EXPECT_TRUE(PrintCatalogue(nullptr, e.state, 3));
  SetPrintToDirectory(QString());
  const QByteArray pdf = e.home.readFile("out/QORA2000-Product-1.pdf");
  EXPECT_TRUE(pdf.startsWith("%PDF"));
  EXPECT_TRUE(WriteCataloguePdf(e.state, 9, e.home.path() + "/page10.pdf"));
  EXPECT_FALSE(WriteCataloguePdf(e.state, 9, e.home.path() + "/no/such/folder/page.pdf"));
}

}  // namespace
}  // namespace qora
