#include "charts/chart_layout.h"

#include <algorithm>
#include <cmath>

namespace qora {

int RoundPixel(double value) {
  // The default floating-point environment rounds to nearest, ties to even.
  return static_cast<int>(std::nearbyint(value));
}

ChartLayout LayoutFromScreen(int screenWidth, int pictureHeight) {
  ChartLayout l;
  l.ChartFontSize = screenWidth < 811 ? 8 : 10;
  l.PlotWidth = RoundPixel(screenWidth * 0.8);
  l.PlotHeight = RoundPixel(l.PlotWidth / 1.4);
  l.PlotLeft = RoundPixel(screenWidth * 0.1);
  l.PlotTop = 5;
  // The drop shadow reaches 4 pixels below the frame.
  if (pictureHeight > 0 && l.PlotTop + l.PlotHeight + 4 >= pictureHeight) {
    const int height = std::max(1, pictureHeight - l.PlotTop - 5);
    l.PlotWidth = static_cast<int>(std::floor(height * 1.4));
    l.PlotHeight = RoundPixel(l.PlotWidth / 1.4);
    l.PlotLeft = RoundPixel((screenWidth - l.PlotWidth) / 2.0);
  }
  l.PlotRight = l.PlotLeft + l.PlotWidth;
  l.PlotBottom = l.PlotTop + l.PlotHeight;
  return l;
}

PictureSize ChartAreaSize(int screenWidth, int screenHeight) {
  return {std::max(1, screenWidth), std::max(1, screenHeight - kChartAreaReserve)};
}

HeadingAnchors HeadingLayout(const ChartLayout& l) {
  HeadingAnchors a;
  a.xLeft = l.PlotLeft + 2 * l.ChartFontSize;
  a.xCentre = l.PlotLeft + RoundPixel(l.PlotWidth / 2.0);
  a.yFirst = l.PlotTop + 4 * l.ChartFontSize;
  a.lineStep = RoundPixel(l.ChartFontSize * 1.8);
  return a;
}

std::optional<AxesRect> AxesBox(const ChartLayout& l, int mode) {
  const int a = l.PlotLeft + l.PlotRight;
  const int b = l.PlotTop + l.PlotBottom;
  AxesRect r;
  r.x0 = l.PlotLeft + RoundPixel(a * 0.1);
  r.y0 = l.PlotTop + RoundPixel(b * 0.2);
  if (mode == 1) {
    r.x1 = l.PlotRight - 2 * RoundPixel(a * 0.1);
    r.y1 = l.PlotBottom - RoundPixel(b * 0.15);
  } else if (mode == 2) {
    r.x1 = l.PlotRight - RoundPixel(a * 0.15);
    r.y1 = l.PlotBottom - RoundPixel(b * 0.1);
  } else {
    return std::nullopt;
  }
  return r;
}

}  // namespace qora
