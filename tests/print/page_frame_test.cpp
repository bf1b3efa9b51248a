// Page frames and plot rectangles. Expected positions are worked out by hand from the
// frame rules: tiles 0.2 W wide and 0.04 W tall, margin 0.03 W, rows two tile heights
// apart, odd rows shifted 1.25 tiles, tiles 2.5 tiles apart.
#include <gtest/gtest.h>

#include "fixed_metrics_canvas.h"
#include "print/page_frame.h"
#include "print_test_support.h"
#include "toolkit/recording_canvas.h"

namespace qora {
namespace {

using test::MatchesReference;
using test::OfKind;
using test::ParseLog;
using test::Prim;

struct Rect {
  double x1, y1, x2, y2;
};

std::vector<Rect> Pictures(const std::string& log, const std::string& naturalSize) {
  std::vector<Rect> out;
  for (const Prim& p : OfKind(ParseLog(log), "picture")) {
    if (p.line.find(" " + naturalSize) == std::string::npos) continue;
    out.push_back({p.nums[0], p.nums[1], p.nums[2], p.nums[3]});
  }
  return out;
}

void ExpectTiles(const std::vector<Rect>& tiles, const std::vector<std::pair<double, double>>& at,
                 double tw, double th) {
  ASSERT_EQ(tiles.size(), at.size());
  for (std::size_t i = 0; i < at.size(); ++i) {
    SCOPED_TRACE(i);
    EXPECT_NEAR(tiles[i].x1, at[i].first, 0.001);
    EXPECT_NEAR(tiles[i].y1, at[i].second, 0.001);
    EXPECT_NEAR(tiles[i].x2 - tiles[i].x1, tw, 0.001);
    EXPECT_NEAR(tiles[i].y2 - tiles[i].y1, th, 0.001);
  }
}

class PageFrame : public ::testing::Test {
 protected:
  void SetUp() override { test::WriteBrandPictures(home); }
  AppState stateWithLanguage(int lang) {
    AppState s = test::MakePrintState(home.path());
    s.settings.setInteger(kSecMain, "Language", lang);
    return s;
  }
  test::TempHome home;
};

TEST_F(PageFrame, LandscapeTilesRowsAndUprightLogo) {
  test::FixedMetricsCanvas page(QSizeF(280, 200), RecordingCanvas::Units::Millimetres);
  PrintGraphPageFrame(page, stateWithLanguage(1));
  // Rows at 8.4 + 22.4 r while below 200 (r = 0..8); even rows at 8.4 and 148.4, odd rows
  // shifted by 70 mm to 78.4 and 218.4 (the next tile would start past 280).
  std::vector<std::pair<double, double>> at;
  for (int r = 0; r <= 8; ++r) {
    const double y = 8.4 + 22.4 * r;
    const double x0 = r % 2 ? 78.4 : 8.4;
    at.push_back({x0, y});
    at.push_back({x0 + 140, y});
  }
  ExpectTiles(Pictures(page.log(), "500x100"), at, 56, 11.2);
  const auto logo = Pictures(page.log(), "20x100");
  ASSERT_EQ(logo.size(), 1u);
  EXPECT_NEAR(logo[0].x1, 255, 0.001);
  EXPECT_NEAR(logo[0].y1, 90, 0.001);
  EXPECT_NEAR(logo[0].x2, 270, 0.001);
  EXPECT_NEAR(logo[0].y2, 190, 0.001);
  // The logo lies on top of the watermark.
  EXPECT_EQ(page.log().rfind("picture"), page.log().find("picture 255 90 270 190"));
  EXPECT_TRUE(MatchesReference(page.log(), "print/data/graph_frame.txt"));
}

TEST_F(PageFrame, PortraitTilesRowsAndHorizontalLogo) {
  test::FixedMetricsCanvas page(QSizeF(200, 280), RecordingCanvas::Units::Millimetres);
  PrintTablePageFrame(page, stateWithLanguage(1));
  // W = 200: tiles 40 × 8, margin 6, rows 16 mm apart down to y = 278 (r = 0..17), odd
  // rows shifted by 50 mm; tiles 100 mm apart.
  std::vector<std::pair<double, double>> at;
  for (int r = 0; r <= 17; ++r) {
    const double y = 6 + 16.0 * r;
    const double x0 = r % 2 ? 56 : 6;
    at.push_back({x0, y});
    at.push_back({x0 + 100, y});
  }
  ExpectTiles(Pictures(page.log(), "500x100"), at, 40, 8);
  const auto logo = Pictures(page.log(), "400x100");
  ASSERT_EQ(logo.size(), 1u);
  EXPECT_NEAR(logo[0].x1, 85, 0.001);
  EXPECT_NEAR(logo[0].y1, 10, 0.001);
  EXPECT_NEAR(logo[0].x2, 185, 0.001);
  EXPECT_NEAR(logo[0].y2, 25, 0.001);
}

TEST_F(PageFrame, LanguageSixUsesTheSecondBrandOnBothFrames) {
  for (int lang : {1, 5, 6}) {
    SCOPED_TRACE(lang);
    const bool second = lang == 6;
    test::FixedMetricsCanvas graph(QSizeF(280, 200), RecordingCanvas::Units::Millimetres);
    PrintGraphPageFrame(graph, stateWithLanguage(lang));
    EXPECT_EQ(Pictures(graph.log(), "250x50").size(), second ? 18u : 0u);
    EXPECT_EQ(Pictures(graph.log(), "10x50").size(), second ? 1u : 0u);
    EXPECT_EQ(Pictures(graph.log(), "500x100").size(), second ? 0u : 18u);
    test::FixedMetricsCanvas table(QSizeF(200, 280), RecordingCanvas::Units::Millimetres);
    PrintTablePageFrame(table, stateWithLanguage(lang));
    EXPECT_EQ(Pictures(table.log(), "200x50").size(), second ? 1u : 0u);
    EXPECT_EQ(Pictures(table.log(), "400x100").size(), second ? 0u : 1u);
  }
}

TEST(PageFrameNoPictures, MissingPicturesDrawNothing) {
  test::TempHome empty;
  test::FixedMetricsCanvas page(QSizeF(280, 200), RecordingCanvas::Units::Millimetres);
  PrintGraphPageFrame(page, test::MakePrintState(empty.path()));
  EXPECT_TRUE(OfKind(ParseLog(page.log()), "picture").empty());
}

TEST(PlotRectOnPage, CodesOneAndTwoAsPageFractionsOtherCodesUntouched) {
  struct Case {
    int code;
    double W, H;
    Rect expected;
  };
  const Case cases[] = {
      {1, 280, 200, {28, 54, 210, 160}},   {2, 280, 200, {42, 70, 238, 170}},
      {1, 200, 280, {20, 75.6, 150, 224}}, {2, 200, 280, {30, 98, 170, 238}},
      {3, 280, 200, {-1, -2, -3, -4}},     {0, 280, 200, {-1, -2, -3, -4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    double l = -1, t = -2, r = -3, b = -4;
    PlotRectOnPage(c.code, c.W, c.H, l, t, r, b);
    EXPECT_NEAR(l, c.expected.x1, 1e-9);
    EXPECT_NEAR(t, c.expected.y1, 1e-9);
    EXPECT_NEAR(r, c.expected.x2, 1e-9);
    EXPECT_NEAR(b, c.expected.y2, 1e-9);
  }
}

}  // namespace
}  // namespace qora
