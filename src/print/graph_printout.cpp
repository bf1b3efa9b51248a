#include "print/graph_printout.h"

#include "charts/chart_drawers.h"
#include "model/app_state.h"
#include "print/page_frame.h"
#include "toolkit/canvas.h"

namespace qora {

ChartGeometry PageChartGeometry(double W, double H, ChartKind kind) {
  ChartGeometry g;
  g.pixels = false;
  PlotRectOnPage(kind == ChartKind::Grid ? 1 : 2, W, H, g.plot.x0, g.plot.y0, g.plot.x1, g.plot.y1);

  g.xLeft = 20;
  g.xRight = W / 2;
  g.titleY = 23;
  g.rowStep = 10;
  g.footerX = W / 2;
  g.footerY = H - 5;
  g.title = {8, 18, kBlue};
  g.line = {9, 14, kBlue};
  g.footer = {9, 14, kBlue};

  g.axisText = {6, 14, kBlue};
  g.labelGap = 3;
  g.secondRowGap = 9;
  g.unitRaise = 3;
  g.unitAtTopTick = false;
  g.unitBottomAligned = true;
  g.gridColour = kSilver;
  g.gridPen = 0.05;
  g.framePen = 0.8;
  g.curvePen = 0.4;
  g.markerPen = 0.4;
  g.markerRadius = 1;

  g.legendText = {7, 14, kBlack};
  g.legendHeading = {7, 14, kBlue};
  g.legendX = g.plot.x1 + 0.03 * W;
  g.legendStep = 0.034 * W;
  g.legendStroke = 0.025 * W;
  g.legendGap = 3;
  g.leaderPen = 0.4;

  g.referenceText = {9, 14, kRed};
  g.referencePen = 0.4;
  g.referenceX = W / 2;
  g.referenceGap = 1;

  g.markText = {7, 12, kBlue};
  g.resultText = {9, 14, kBlue};
  g.seriesText = {7, 14, kBlack};
  g.markPen = 0.2;
  g.markGap = 1.5;
  g.seriesGap = 1;
  // Under the thickness labels and left of the axis caption, where no curve, mark, series
  // label or heading line can reach it.
  g.resultInside = false;
  g.resultX = g.plot.x0;
  g.resultY = g.plot.y1 + 16;
  return g;
}

void PrintAnalysisGraph(Canvas& page, const ChartData* chart, const AppState& state) {
  PrintGraphPageFrame(page, state);
  if (!chart) return;
  const QSizeF size = page.size();
  ChartGeometry g = PageChartGeometry(size.width(), size.height(), KindOf(chart->analysis));
  // Twelve nominal thicknesses: the legend closes up so that its top entry stays below
  // the legend's heading, as on the screen.
  if (chart->analysis == AnalysisId::RValueKConst) g.legendStep = g.plot.height() / 13;
  DrawChart(page, g, state.lang, *chart);
}

void PrintChilledGraph(Canvas& page, const ChartData* chart, const AppState& state) {
  PrintAnalysisGraph(page, chart && !IsHotAnalysis(chart->analysis) ? chart : nullptr, state);
}

void PrintHotGraph(Canvas& page, const ChartData* chart, const AppState& state) {
  PrintAnalysisGraph(page, chart && IsHotAnalysis(chart->analysis) ? chart : nullptr, state);
}

}  // namespace qora
