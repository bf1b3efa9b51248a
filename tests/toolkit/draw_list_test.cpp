// Draw lists of small scenes. The canvas measures text with fixed metrics (a character is
// half the point size wide, a line 1.5 times the point size high, in 96 dpi pixels), so
// every expected number below is worked by hand. Scenes with many primitives are compared with
// committed references under data/; regenerate them after an intended change with
// QORA_UPDATE_REFERENCES=1 and review the diff.
#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "fixed_metrics_canvas.h"
#include "test_support.h"
#include "toolkit/draw.h"
#include "toolkit/page_canvas.h"
#include "toolkit/recording_canvas.h"

namespace qora {
namespace {

using test::MatchesReference;

using test::FixedMetricsCanvas;

std::vector<std::string> Lines(const std::string& log) {
  std::vector<std::string> out;
  size_t from = 0;
  for (size_t nl; (nl = log.find('\n', from)) != std::string::npos; from = nl + 1) {
    out.push_back(log.substr(from, nl - from));
  }
  return out;
}

// "text X Y" of every text line, for comparing anchors.
std::vector<std::string> TextAnchors(const std::string& log) {
  std::vector<std::string> out;
  for (const std::string& l : Lines(log)) {
    if (l.rfind("text ", 0) != 0) continue;
    const size_t q = l.find(" size ");
    out.push_back(l.substr(0, q));
  }
  return out;
}

TEST(DrawList, TextAnchorShiftedByHalfOrAllOfTheMeasuredSize) {
  // "Wg" at 12 pt measures 12 × 18.
  struct Case {
    HAlign h;
    VAlign v;
    const char* anchor;
  };
  using H = HAlign;
  using V = VAlign;
  const Case cases[] = {{H::Left, V::Top, "100 100"},    {H::Centre, V::Top, "94 100"},
                        {H::Right, V::Top, "88 100"},    {H::Left, V::Middle, "100 91"},
                        {H::Centre, V::Middle, "94 91"}, {H::Right, V::Middle, "88 91"},
                        {H::Left, V::Bottom, "100 82"},  {H::Centre, V::Bottom, "94 82"},
                        {H::Right, V::Bottom, "88 82"}};
  for (const Case& c : cases) {
    FixedMetricsCanvas pic;
    SetPicFont(pic, "Arial", 12, kRegular, kBlack);
    PicText(pic, c.h, c.v, "Wg", 100, 100);
    EXPECT_EQ(TextAnchors(pic.log()),
              std::vector<std::string>{std::string("text ") + c.anchor + " \"Wg\""})
        << c.anchor;
  }
}

TEST(DrawList, RichTextCodes) {
  // Base 12 pt at (10, 20): H = 18, H/3 = 6; base characters 6 wide, 18 high; small (8 pt)
  // 4 wide, 12 high; big (16 pt) 8 wide, 24 high. A character's top is
  // y + (H - its height) + offset.
  struct Case {
    const char* text;
    std::vector<std::string> anchors;
  };
  const Case cases[] = {
      {R"(m\U2)", {"text 10 20 \"m\"", "text 16 20 \"2\""}},  // raised: bottom 32 = 38 - 6
      {R"(m\D2)", {"text 10 20 \"m\"", "text 16 32 \"2\""}},  // lowered by 6
      {R"(x\S2\Sy)", {"text 10 20 \"x\"", "text 16 26 \"2\"", "text 20 20 \"y\""}},
      {R"(A\Bb\Bc)", {"text 10 20 \"A\"", "text 16 14 \"b\"", "text 24 20 \"c\""}},
      {"ab\\", {"text 10 20 \"ab\""}},                        // trailing backslash ignored
      {R"(a\Qb)", {"text 10 20 \"a\"", "text 16 20 \"b\""}},  // unknown code skipped
      {R"(\\a)", {"text 10 20 \"a\""}},                       // backslash code skipped
      {R"(\U\Bx)", {"text 10 20 \"x\""}},  // big has no effect at small size: still raised
      {R"(\U\Uy)", {"text 10 20 \"y\""}},  // second U back to base, offset 0
      {R"(\U\Sz)", {"text 10 14 \"z\""}},  // S at small: base size, offset kept (-6)
      {R"(\B\Uq)", {"text 10 14 \"q\""}},  // U at big size: no change
      {R"(\D\Dr)", {"text 10 20 \"r\""}},
      {R"(\u2\d3)", {"text 10 20 \"2\"", "text 14 20 \"3\""}},  // lower-case codes
  };
  for (const Case& c : cases) {
    FixedMetricsCanvas pic;
    SetPicFont(pic, "Arial", 12, kBold, 0x123456);
    PicRichText(pic, 10, 20, QString::fromUtf8(c.text));
    EXPECT_EQ(TextAnchors(pic.log()), c.anchors) << c.text;
    EXPECT_EQ(pic.fontSize(), 12) << "base size restored after " << c.text;
    EXPECT_EQ(pic.fontColour(), 0x123456u);
  }
}

TEST(DrawList, RichTextRaisedSmallTwoKeepsTheBaseLine) {
  FixedMetricsCanvas pic;
  SetPicFont(pic, "Arial", 12, kRegular, kBlue);
  PicRichText(pic, 10, 20, R"(m\U2\U and H\D2\DO)");
  EXPECT_EQ(pic.log(),
            "text 10 20 \"m\" size 6 18 font \"Arial\" 12 regular 0xFF0000 on clear\n"
            "text 16 20 \"2\" size 4 12 font \"Arial\" 8 regular 0xFF0000 on clear\n"
            "text 20 20 \" and H\" size 36 18 font \"Arial\" 12 regular 0xFF0000 on clear\n"
            "text 56 32 \"2\" size 4 12 font \"Arial\" 8 regular 0xFF0000 on clear\n"
            "text 60 20 \"O\" size 6 18 font \"Arial\" 12 regular 0xFF0000 on clear\n");
}

TEST(DrawList, RichTextShadowIsGreyTwoPixelsRightAndDownUnderTheCharacter) {
  FixedMetricsCanvas pic;
  SetPicFont(pic, "Arial", 12, kRegular, kRed);
  PicRichText(pic, 10, 20, R"(\Gab\Gc)");
  EXPECT_EQ(pic.log(),
            "text 12 22 \"ab\" size 12 18 font \"Arial\" 12 regular 0x808080 on clear\n"
            "text 10 20 \"ab\" size 12 18 font \"Arial\" 12 regular 0x0000FF on clear\n"
            "text 22 20 \"c\" size 6 18 font \"Arial\" 12 regular 0x0000FF on clear\n");
}

TEST(DrawList, RichTextShadowOnPaperIsTwoScreenPixelsInMillimetres) {
  FixedMetricsCanvas page(RecordingCanvas::Units::Millimetres);
  SetPrnFont(page, "Arial", 12, kRegular, kBlack);
  PicRichText(page, 10, 20, R"(\Ga)");
  // 2 pixels of a 96 dpi screen: 2 × 25.4 / 96 = 0.529 mm.
  EXPECT_EQ(TextAnchors(page.log()),
            (std::vector<std::string>{"text 10.529 20.529 \"a\"", "text 10 20 \"a\""}));
}

TEST(DrawList, RichTextWithTinyBaseFontNeverAsksForANonPositiveSize) {
  FixedMetricsCanvas pic;
  SetPicFont(pic, "Arial", 3, kRegular, kBlack);
  PicRichText(pic, 0, 0, R"(a\Sb)");
  EXPECT_EQ(Lines(pic.log()).at(1).find("\"Arial\" 1 regular") != std::string::npos, true)
      << pic.log();
}

TEST(DrawList, MarkerIsARoundedRectangleWithCornerDiametersTwiceTheRadius) {
  FixedMetricsCanvas pic;
  SetPicPen(pic, kBlack, PenStyle::Solid, 1);
  SetPicBrush(pic, kRed, BrushStyle::Solid);
  PicMarker(pic, 100, 60, 8);
  EXPECT_EQ(pic.log(), "roundrect 92 52 108 68 corner 16 16 pen 0x000000 solid 1 brush 0x0000FF\n");
}

TEST(DrawList, ClearPictureFillsTheWholeAreaAndSetsPenAndBrush) {
  FixedMetricsCanvas pic;
  ClearPicture(pic, kSilver);
  PicRect(pic, 1, 2, 3, 4, kRed);  // the pen keeps width 1 and takes the new colour
  EXPECT_EQ(pic.log(),
            "fill 0 0 400 300 0xC0C0C0\n"
            "rect 1 2 3 4 pen 0x0000FF solid 1 brush 0xC0C0C0\n");
}

// Body rows 1..6 of a frame cycling `count` band colours: row k takes colour (k-1) mod count
// of white, yellow, silver, aqua, lime.
TEST(DrawList, BandsCycleTheFirstCountBandColours) {
  const std::vector<std::string> expected[] = {
      {"0xFFFFFF", "0xFFFFFF", "0xFFFFFF", "0xFFFFFF", "0xFFFFFF", "0xFFFFFF"},
      {"0xFFFFFF", "0x00FFFF", "0xFFFFFF", "0x00FFFF", "0xFFFFFF", "0x00FFFF"},
      {"0xFFFFFF", "0x00FFFF", "0xC0C0C0", "0xFFFFFF", "0x00FFFF", "0xC0C0C0"},
      {"0xFFFFFF", "0x00FFFF", "0xC0C0C0", "0xFFFF00", "0xFFFFFF", "0x00FFFF"},
      {"0xFFFFFF", "0x00FFFF", "0xC0C0C0", "0xFFFF00", "0x00FF00", "0xFFFFFF"}};
  for (int count = 1; count <= 5; ++count) {
    FixedMetricsCanvas pic;
    TableFrame t;
    t.x = 10;
    t.y = 20;
    t.colWidth = 40;
    t.cols = 2;
    t.rowHeight = 10;
    t.headerRows = 2;
    t.bodyRows = 6;
    t.bandCount = count;
    t.fillColour = kSilver;
    PicTableFrameRows(pic, t);
    const std::vector<std::string> lines = Lines(pic.log());
    // Header block first, then body row k from y = 40 + 10 (k - 1).
    EXPECT_EQ(lines.at(0), "fill 10 20 90 40 0xC0C0C0");
    for (int k = 1; k <= 6; ++k) {
      const int y = 40 + 10 * (k - 1);
      EXPECT_EQ(lines.at(k), "fill 10 " + std::to_string(y) + " 90 " + std::to_string(y + 10) +
                                 " " + expected[count - 1][k - 1])
          << count << " colours, row " << k;
    }
    // Turned: six bands 10 high stacked under y = 20, right of a 30 wide label column and
    // across two rows 25 wide: x 40..90.
    FixedMetricsCanvas turned;
    t.cols = 6;
    t.colWidth = 10;
    t.bodyRows = 2;
    t.rowHeight = 25;
    t.labelWidth1 = 10;
    t.labelWidth2 = 20;
    PicTableFrameCols(turned, t);
    const std::vector<std::string> tl = Lines(turned.log());
    EXPECT_EQ(tl.at(0), "fill 10 20 40 80 0xC0C0C0");
    for (int k = 1; k <= 6; ++k) {
      const int y = 20 + 10 * (k - 1);
      EXPECT_EQ(tl.at(k), "fill 40 " + std::to_string(y) + " 90 " + std::to_string(y + 10) + " " +
                              expected[count - 1][k - 1])
          << count << " colours, band " << k;
    }
  }
}

TEST(DrawList, BandedFramesRowsAndCols) {
  FixedMetricsCanvas pic;
  TableFrame t;
  t.x = 45;
  t.y = 100;
  t.colWidth = 42;
  t.cols = 3;
  t.subCols = 2;
  t.subColWidth = 21;
  t.rowHeight = 21;
  t.headerRows = 2;
  t.bodyRows = 3;
  t.bandCount = 3;
  t.fillColour = kSilver;
  t.frameLineWidth = 3;
  t.subLineWidth = 1;
  t.labelWidth1 = 40;
  t.labelWidth2 = 24;
  PicTableFrameRows(pic, t);
  PicTableFrameCols(pic, t);
  EXPECT_TRUE(MatchesReference(pic.log(), "toolkit/data/table_frames.txt"));
}

TEST(DrawList, FramesWithAbsurdCountsDrawABoundedNumberOfPrimitives) {
  FixedMetricsCanvas pic;
  TableFrame t;
  t.cols = -5;
  t.bodyRows = 2000000000;
  t.subCols = -1;
  t.bandCount = 0;  // behaves as 1
  t.rowHeight = 1;
  PicTableFrameRows(pic, t);
  const auto lines = Lines(pic.log());
  EXPECT_LE(lines.size(), 10010u);
  EXPECT_EQ(lines.at(2), "fill 0 2 0 3 0xFFFFFF");
}

TEST(DrawList, PrintedPageSceneInMillimetres) {
  FixedMetricsCanvas page(RecordingCanvas::Units::Millimetres);
  SetPageDefaults(page);
  PrnText(page, HAlign::Centre, VAlign::Top, "Title", 100, 10);
  SetPrnPen(page, kBlack, PenStyle::Solid, 0);  // the thinnest line
  PrnLine(page, 10, 20, 190, 20);
  SetPrnPen(page, kRed, PenStyle::Dash, 0.25);
  PrnRect(page, 10, 30, 60, 50);
  SetPrnBrush(page, kYellow, BrushStyle::Solid);
  PrnMarker(page, 100, 100, 1.5);
  SetPrnFontDefaultCharset(page, "AngsanaUPC", 16, kItalic, kBlack);
  PrnText(page, HAlign::Right, VAlign::Bottom, "x", 190, 270);
  PrnDrawPicture(page, Picture(), 0, 0, 10, 10);  // empty: nothing drawn
  EXPECT_EQ(page.log(),
            // 12 pt: a character is 0.5 · 12 · 25.4 / 96 = 1.5875 mm wide, a line 4.7625 mm
            // high; "Title" 7.9375 mm wide centred on x = 100; white background from the
            // page defaults.
            "text 96.031 10 \"Title\" size 7.938 4.763 font \"Liberation Sans\" 12 regular "
            "0x000000 on 0xFFFFFF\n"
            "line 10 20 190 20 pen 0x000000 solid 0\n"
            "rect 10 30 60 50 pen 0x0000FF dash 0.25 brush 0xFFFFFF\n"
            "roundrect 98.5 98.5 101.5 101.5 corner 3 3 pen 0x0000FF dash 0.25 brush 0x00FFFF\n"
            // 16 pt "x" 2.1167 × 6.35 mm, right and bottom at (190, 270).
            "text 187.883 263.65 \"x\" size 2.117 6.35 font \"AngsanaUPC\" thai 16 italic "
            "0x000000 on 0x00FFFF\n");
}

TEST(PrinterUnits, MillimetresToDotsRoundHalvesToEven) {
  struct Case {
    int dpi;
    double mm;
    int dots;
  };
  const Case cases[] = {{300, 25.4, 300}, {300, 0.5, 6},    {300, 0, 0},    {300, 200, 2362},
                        {300, 280, 3307}, {600, 25.4, 600}, {600, 0.5, 12}, {600, 280, 6614},
                        {300, -0.5, -6},  {1, 12.7, 0},     {2, 12.7, 1}};
  // 12.7 mm at 1 dpi is exactly half a dot (12.7 and 25.4 differ by a factor 2 in binary
  // too): halves go to even.
  for (const Case& c : cases) {
    EXPECT_EQ(MmToDots(c.dpi, c.mm), c.dots) << c.dpi << " dpi, " << c.mm << " mm";
  }
  EXPECT_EQ(MmToDots(300, std::numeric_limits<double>::quiet_NaN()), 0);
  EXPECT_REAL_NEAR(DotsToMm(300, 300), 25.4, 1e-12);
  EXPECT_REAL_NEAR(DotsToMm(600, 6), 0.254, 1e-12);
  EXPECT_EQ(DotsToMm(0, 10), 0);  // no resolution: no division by zero
}

TEST(PrinterUnits, CalibrationSnapsCommonResolutionsAndScalesOthers) {
  struct Case {
    double height;
    int dpi;
  };
  const Case cases[] = {{50, 180},  {55, 180},  {56, 186},  {58, 193},  {59, 200},
                        {64, 200},  {65, 216},  {84, 280},  {85, 300},  {90, 300},
                        {91, 303},  {105, 360}, {110, 360}, {176, 600}, {182, 600},
                        {183, 610}, {49, 163},  {120, 400}, {0, 300},   {-4, 300}};
  for (const Case& c : cases) EXPECT_EQ(CalibratePrinter(c.height), c.dpi) << c.height;
}

}  // namespace
}  // namespace qora
