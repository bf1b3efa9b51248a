// Frame, heading anchors and axes box from the screen width; background watermark.
#include <gtest/gtest.h>

#include <QImage>
#include <sstream>

#include "charts/chart_background.h"
#include "charts/chart_layout.h"
#include "toolkit/picture.h"
#include "toolkit/recording_canvas.h"

namespace qora {
namespace {

struct LayoutCase {
  int width;
  ChartLayout expected;
};

TEST(ChartLayout, FrameFollowsTheScreenWidth) {
  const LayoutCase cases[] = {
      // 800: 0.8·800 = 640, 640/1.4 = 457.14, 0.1·800 = 80
      {800, {8, 640, 457, 80, 5, 720, 462}},
      {810, {8, 648, 463, 81, 5, 729, 468}},
      // 811: 648.8 -> 649, 463.57 -> 464, 81.1 -> 81
      {811, {10, 649, 464, 81, 5, 730, 469}},
      // 1024: 819.2 -> 819, 585.0 -> 585, 102.4 -> 102
      {1024, {10, 819, 585, 102, 5, 921, 590}},
  };
  for (const auto& c : cases) {
    const ChartLayout l = LayoutFromScreen(c.width);
    EXPECT_EQ(l.ChartFontSize, c.expected.ChartFontSize) << c.width;
    EXPECT_EQ(l.PlotWidth, c.expected.PlotWidth) << c.width;
    EXPECT_EQ(l.PlotHeight, c.expected.PlotHeight) << c.width;
    EXPECT_EQ(l.PlotLeft, c.expected.PlotLeft) << c.width;
    EXPECT_EQ(l.PlotTop, 5) << c.width;
    EXPECT_EQ(l.PlotRight, c.expected.PlotRight) << c.width;
    EXPECT_EQ(l.PlotBottom, c.expected.PlotBottom) << c.width;
  }
}

TEST(ChartLayout, PixelRoundingTakesHalvesToEven) {
  EXPECT_EQ(RoundPixel(0.5), 0);
  EXPECT_EQ(RoundPixel(1.5), 2);
  EXPECT_EQ(RoundPixel(2.5), 2);
  EXPECT_EQ(RoundPixel(-0.5), 0);
  // 1030 · 0.1 = 103 exactly, 1025 · 0.1 = 102.5 -> 102
  EXPECT_EQ(LayoutFromScreen(1025).PlotLeft, 102);
}

TEST(ChartLayout, WideScreenFrameShrinksToThePictureHeight) {
  // 1920 × 950: the width rule would give a frame 1097 high.
  const ChartLayout l = LayoutFromScreen(1920, 950);
  EXPECT_EQ(l.ChartFontSize, 10);
  EXPECT_LE(l.PlotBottom + 4, 950);
  EXPECT_GE(l.PlotBottom, 940);
  EXPECT_NEAR(l.PlotWidth / 1.4, l.PlotHeight, 0.5);
  EXPECT_NEAR(l.PlotLeft, 1920 - l.PlotRight, 1);  // centred
  // A picture tall enough keeps the width rule.
  EXPECT_EQ(LayoutFromScreen(800, 470).PlotWidth, 640);
}

TEST(ChartLayout, HeadingAnchorsAndAxesBoxAt800) {
  const ChartLayout l = LayoutFromScreen(800);
  const HeadingAnchors a = HeadingLayout(l);
  EXPECT_EQ(a.xLeft, 96);     // 80 + 2·8
  EXPECT_EQ(a.xCentre, 400);  // 80 + 320
  EXPECT_EQ(a.yFirst, 37);    // 5 + 4·8
  EXPECT_EQ(a.lineStep, 14);  // 14.4
  // A = 800, B = 467: x0 = 80 + 80, y0 = 5 + round(93.4)
  const auto m1 = AxesBox(l, 1);
  ASSERT_TRUE(m1.has_value());
  EXPECT_EQ(m1->x0, 160);
  EXPECT_EQ(m1->y0, 98);
  EXPECT_EQ(m1->x1, 560);  // 720 − 2·80
  EXPECT_EQ(m1->y1, 392);  // 462 − round(70.05)
  const auto m2 = AxesBox(l, 2);
  ASSERT_TRUE(m2.has_value());
  EXPECT_EQ(m2->x1, 600);  // 720 − 120
  EXPECT_EQ(m2->y1, 415);  // 462 − round(46.7)
  EXPECT_FALSE(AxesBox(l, 0).has_value());
  EXPECT_FALSE(AxesBox(l, 3).has_value());
}

struct Rect {
  double x1, y1, x2, y2;
};

std::vector<Rect> Pictures(const std::string& log) {
  std::vector<Rect> out;
  std::istringstream in(log);
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("picture ", 0) != 0) continue;
    std::istringstream f(line.substr(8));
    Rect r{};
    f >> r.x1 >> r.y1 >> r.x2 >> r.y2;
    out.push_back(r);
  }
  return out;
}

TEST(ChartBackground, WatermarkTilesStayInsideTheFrame) {
  const ChartLayout l = LayoutFromScreen(800);
  BrandPictures pics;
  pics.tile = Picture::fromImage(QImage(20, 4, QImage::Format_RGB32));
  pics.corner = Picture::fromImage(QImage(4, 32, QImage::Format_RGB32));
  RecordingCanvas canvas(QSizeF(800, 470));
  DrawChartBackground(canvas, l, pics);
  const std::vector<Rect> rects = Pictures(canvas.log());
  // Tiles 128 × 26, margin 19, rows every 52 from y 24; even rows at x 99 and 419, odd rows
  // at 259 and 579 (579 + 128 = 707 < 720); the row at 440 would cross the bottom (466).
  // Rows 24, 76, ..., 388: 8 rows of 2 tiles, then the corner logo.
  ASSERT_EQ(rects.size(), 17u);
  for (size_t i = 0; i + 1 < rects.size(); ++i) {
    EXPECT_EQ(rects[i].x2 - rects[i].x1, 128);
    EXPECT_EQ(rects[i].y2 - rects[i].y1, 26);
    EXPECT_GT(rects[i].x1, l.PlotLeft);
    EXPECT_LT(rects[i].x2, l.PlotRight);
    EXPECT_LT(rects[i].y2, l.PlotBottom);
  }
  EXPECT_EQ(rects[0].x1, 99);
  EXPECT_EQ(rects[0].y1, 24);
  EXPECT_EQ(rects[2].x1, 259);
  EXPECT_EQ(rects[3].x1, 579);
  // Corner logo: u = 32, (720 − 48, 462 − 272) to (720 − 16, 462 − 16).
  const Rect c = rects.back();
  EXPECT_EQ(c.x1, 672);
  EXPECT_EQ(c.y1, 190);
  EXPECT_EQ(c.x2, 704);
  EXPECT_EQ(c.y2, 446);
}

TEST(ChartBackground, MissingPicturesDrawNothingButTheFrame) {
  RecordingCanvas canvas(QSizeF(800, 470));
  DrawChartBackground(canvas, LayoutFromScreen(800), BrandPictures{});
  const std::string log = canvas.log();
  EXPECT_TRUE(Pictures(log).empty());
  EXPECT_NE(log.find("rect 80 5 720 462 pen 0x000000 solid 2"), std::string::npos) << log;
}

}  // namespace
}  // namespace qora
