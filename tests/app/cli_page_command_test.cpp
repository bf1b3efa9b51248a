// `qora2000-cli page` run as a script would: the whole page as a PNG, the catalogue's
// printed page as a PDF, and one line on stderr with status 2 for every usage error.
#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QProcess>

#include "test_support.h"

namespace {

using qora::test::TempHome;

// Width and height from a PNG file's header chunk (0 × 0 for anything else).
std::pair<int, int> PngSize(const QByteArray& png) {
  if (!png.startsWith("\x89PNG") || png.size() < 24) return {0, 0};
  auto be = [&](int at) {
    return int((uchar(png[at]) << 24) | (uchar(png[at + 1]) << 16) | (uchar(png[at + 2]) << 8) |
               uchar(png[at + 3]));
  };
  return {be(16), be(20)};
}

struct PageRun {
  int exitCode = -1;
  QString out, err;
};

class CliPage : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"EN", "QDTgraph", "QORApara.qdt", "QORAInsu.qdt"}) home.copyShipped(f);
  }

  PageRun page(QStringList args) {
    args.prepend("page");
    args << "--home" << home.path();
    QProcess p;
    p.start(QStringLiteral(QORA_BIN_DIR "/qora2000-cli"), args);
    PageRun r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
  }

  TempHome home;
};

TEST_F(CliPage, WritesTheWholePageAsTheScreenDrawsIt) {
  const QString png = home.path() + "/page.png";
  const PageRun r = page({"catalogue", "8", "--png", png, "--screen", "1024x768"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
  const auto [width, height] = PngSize(home.readFile("page.png"));
  EXPECT_EQ(width, 1004);   // the screen less the room of a scroll bar
  EXPECT_GT(height, 1500);  // the whole page, not the screen's height
}

TEST_F(CliPage, ChaptersCountFromOneForEachDocument) {
  struct Case {
    const char* document;
    int last;
  };
  for (const Case& c : {Case{"catalogue", 10}, Case{"appendix", 10}, Case{"conversion", 18}}) {
    for (int chapter : {1, c.last}) {
      const QString png = home.path() + QString("/%1-%2.png").arg(c.document).arg(chapter);
      const PageRun r =
          page({c.document, QString::number(chapter), "--png", png, "--screen", "800x600"});
      EXPECT_EQ(r.exitCode, 0) << c.document << " " << chapter << r.err.toStdString();
      EXPECT_EQ(PngSize(home.readFile(QFileInfo(png).fileName())).first, 780);
    }
    const PageRun past = page({c.document, QString::number(c.last + 1), "--png",
                               home.path() + "/x.png", "--screen", "800x600"});
    EXPECT_EQ(past.exitCode, 2) << c.document;
  }
}

TEST_F(CliPage, SetChoosesTheEditionAsTheProgramWould) {
  home.copyShipped("QORAPUR");
  const QString first = home.path() + "/first.png", second = home.path() + "/second.png";
  EXPECT_EQ(page({"catalogue", "1", "--png", first, "--screen", "800x600"}).exitCode, 0);
  const PageRun r = page(
      {"catalogue", "1", "--png", second, "--screen", "800x600", "--set", "QORA2000.Language=6"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  // The second brand's edition has its own introduction picture and texts.
  EXPECT_NE(home.readFile("first.png"), home.readFile("second.png"));
}

// --edition is the program's choice of edition for this run only: the page is the one the
// settings' Language would give, and the settings file stays as it was.
TEST_F(CliPage, EditionChoosesTheEditionForThisRunOnly) {
  home.copyShipped("QORAPUR");
  home.writeFile("QORA2000.ini", "[QORA2000]\nLanguage=1\n");
  const QString bySet = home.path() + "/set.png", byOption = home.path() + "/option.png";
  const QString english = home.path() + "/en.png";
  ASSERT_EQ(page({"catalogue", "1", "--png", bySet, "--screen", "800x600", "--set",
                  "QORA2000.Language=6"})
                .exitCode,
            0);
  const PageRun r =
      page({"catalogue", "1", "--png", byOption, "--screen", "800x600", "--edition", "qorapur"});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  ASSERT_EQ(
      page({"catalogue", "1", "--png", english, "--screen", "800x600", "--edition", "EN"}).exitCode,
      0);
  EXPECT_EQ(home.readFile("option.png"), home.readFile("set.png"));
  EXPECT_NE(home.readFile("option.png"), home.readFile("en.png"));
  EXPECT_EQ(home.readFile("QORA2000.ini"), "[QORA2000]\nLanguage=1\n");
}

TEST_F(CliPage, PdfIsTheCataloguesPrintedPage) {
  const QString pdf = home.path() + "/page.pdf";
  const PageRun r = page({"catalogue", "10", "--pdf", pdf});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_TRUE(home.readFile("page.pdf").startsWith("%PDF"));
}

TEST_F(CliPage, UsageErrorsGiveOneLineAndStatusTwo) {
  const QString png = home.path() + "/u.png";
  const QStringList cases[] = {
      {},
      {"catalogue"},
      {"catalogue", "0", "--png", png, "--screen", "1024x768"},
      {"catalogue", "one", "--png", png, "--screen", "1024x768"},
      {"brochure", "1", "--png", png, "--screen", "1024x768"},
      {"catalogue", "1"},                // nothing to write
      {"catalogue", "1", "--png", png},  // no screen size
      {"catalogue", "1", "--png", png, "--screen", "1024"},
      {"appendix", "1", "--pdf", home.path() + "/a.pdf"},  // only the catalogue prints
      {"catalogue", "1", "2", "--pdf", home.path() + "/a.pdf"},
      {"catalogue", "1", "--colour", "red"},
      {"catalogue", "1", "--png"},
      {"catalogue", "1", "--pdf", home.path() + "/a.pdf", "--set", "Language=6"},
      {"catalogue", "1", "--pdf", home.path() + "/a.pdf", "--set", "QORA2000.NoSuchKey=1"},
  };
  for (const QStringList& args : cases) {
    const PageRun r = page(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_EQ(r.err.count('\n'), 1) << args.join(' ').toStdString() << ": " << r.err.toStdString();
    EXPECT_TRUE(r.err.startsWith("qora2000-cli: ")) << r.err.toStdString();
  }
  EXPECT_FALSE(QFile::exists(png));
}

TEST_F(CliPage, AFileThatCannotBeWrittenIsNotAUsageError) {
  const PageRun r =
      page({"appendix", "1", "--png", home.path() + "/no/such/dir/a.png", "--screen", "1024x768"});
  EXPECT_EQ(r.exitCode, 1);
  EXPECT_TRUE(r.err.contains("cannot write")) << r.err.toStdString();
}

}  // namespace
