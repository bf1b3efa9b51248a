// Where a chart lies on its picture: the frame, the font size of the chart texts, the
// heading anchors and the axes box. Every size follows from the screen width, so a chart
// looks the same on every screen; pixel geometry rounds halves to even.
#pragma once

#include <optional>

namespace qora {

struct ChartLayout {
  int ChartFontSize = 8;  // points
  int PlotWidth = 0;
  int PlotHeight = 0;
  int PlotLeft = 0;
  int PlotTop = 5;
  int PlotRight = 0;
  int PlotBottom = 0;
};

// Nearest integer, halves to even (the rounding of every pixel position).
int RoundPixel(double value);

// The frame from the screen width: font 8 below 811 pixels, else 10; the frame 0.8 of the
// width, 1/1.4 as high, 0.1 of the width from the left, 5 from the top.
// pictureHeight > 0: when the frame and its drop shadow would not fit that height (wide
// screens), the frame is shrunk to the height and centred horizontally; the font size stays
// that of the screen width.
ChartLayout LayoutFromScreen(int screenWidth, int pictureHeight = 0);

// The chart picture of a line screen: the whole screen width, and the screen height less
// the title bar, the input panels and the bottom bar above and below it.
inline constexpr int kChartAreaReserve = 130;
struct PictureSize {
  int width = 0, height = 0;
};
PictureSize ChartAreaSize(int screenWidth, int screenHeight);

// Anchors of the heading lines: title at (xLeft, yFirst), condition lines lineStep apart
// below it at xLeft (ambient) and xCentre (operating conditions).
struct HeadingAnchors {
  int xLeft = 0, xCentre = 0, yFirst = 0, lineStep = 0;
};
HeadingAnchors HeadingLayout(const ChartLayout& layout);

// The axes box in picture pixels: (x0, y0) top-left, (x1, y1) bottom-right.
struct AxesRect {
  int x0 = 0, y0 = 0, y1 = 0, x1 = 0;
  int width() const { return x1 - x0; }
  int height() const { return y1 - y0; }
};
// Mode 1: charts with a legend column at the right; mode 2: charts without. Any other
// mode: no box.
std::optional<AxesRect> AxesBox(const ChartLayout& layout, int mode);

}  // namespace qora
