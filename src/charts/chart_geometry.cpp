#include "charts/chart_geometry.h"

#include <cmath>

#include "charts/chart_drawers.h"

namespace qora {

double ChartGeometry::snap(double v) const {
  return pixels ? RoundPixel(v) : v;
}

double ChartGeometry::snapDown(double v) const {
  return pixels ? std::trunc(v) : v;
}

ChartGeometry ScreenChartGeometry(const ChartLayout& l, ChartKind kind) {
  ChartGeometry g;
  g.pixels = true;
  const AxesRect box = *AxesBox(l, kind == ChartKind::Grid ? 1 : 2);
  g.plot = {double(box.x0), double(box.y0), double(box.x1), double(box.y1)};
  const int fs = l.ChartFontSize;

  const HeadingAnchors a = HeadingLayout(l);
  g.xLeft = a.xLeft;
  g.xRight = a.xCentre;
  g.titleY = a.yFirst;
  g.rowStep = a.lineStep;
  g.footerX = a.xCentre;
  g.footerY = l.PlotBottom - a.lineStep;
  g.title = {1, double(fs + 2), kBlue};
  g.line = {2, double(fs), kBlue};
  g.footer = {2, double(fs), kBlue};

  g.axisText = {2, double(fs), kBlack};
  g.labelGap = fs;
  g.secondRowGap = 3 * fs;
  // Grid charts carry the unit over their highest tick; curve charts start it at the axis
  // just above the box, clear of the heading's third row and of the top tick label.
  g.unitAtTopTick = kind == ChartKind::Grid;
  g.unitRaise = g.unitAtTopTick ? 2 * fs : fs / 2;
  g.unitBottomAligned = !g.unitAtTopTick;
  g.unitOverAxis = !g.unitAtTopTick;
  g.gridColour = kSilver;
  g.gridPen = 1;
  g.framePen = 3;
  g.curvePen = 2;
  g.markerPen = 1;
  g.markerRadius = fs / 2;

  g.legendText = {2, double(fs), kBlack};
  g.legendHeading = {2, double(fs), kBlue};
  g.legendX = box.x1 + RoundPixel(l.PlotWidth / 30.0);
  g.legendStep = RoundPixel(l.PlotWidth / 26.0);
  g.legendStroke = RoundPixel(l.PlotWidth / 40.0);
  g.legendGap = fs;
  g.leaderPen = 1;

  g.referenceText = {2, double(fs), kRed};
  g.referencePen = 2;
  g.referenceX = a.xCentre;
  g.referenceGap = fs / 2;

  g.markText = {2, double(fs), kBlue};
  g.resultText = {2, double(fs), kBlue};
  g.seriesText = {2, double(fs), kBlack};
  g.markPen = 1;
  g.markGap = fs;
  g.seriesGap = 2;
  g.resultInside = true;
  g.resultX = box.x0 + box.width() / 2;
  g.resultY = box.y0 + fs;
  return g;
}

ChartGeometry ScreenChartGeometry(const ChartLayout& l, AnalysisId analysis) {
  ChartGeometry g = ScreenChartGeometry(l, KindOf(analysis));
  if (analysis == AnalysisId::RValueKConst) g.legendStep = RoundPixel(l.PlotWidth / 29.0);
  return g;
}

}  // namespace qora
