#include "print/graph_printout.h"

#include <vector>

#include "model/app_state.h"
#include "print/graph_parts.h"
#include "print/page_frame.h"
#include "toolkit/canvas.h"
#include "toolkit/draw.h"

namespace qora {

namespace {

using printout::GraphContext;
using printout::IsHotAnalysis;
using printout::PanelTexts;

// The heading's parameter lines.
enum class Cell {
  Room,
  Line,
  K,
  KLabel,
  Ha,
  Rh,
  Pipe,
  Flow,
  Thickness,
  EnergyUnit,
  Hours,
  TsurfLimit
};
enum class Caption { Sizes, Thickness, Length, Time };

struct Placed {
  Cell cell;
  bool right;  // right column at W/2, else left at x = 20
  double y;    // bottom of the line, mm
};

struct Layout {
  int chilledTitle, hotTitle;
  std::vector<Placed> cells;
  Caption caption;
  int plotCode;
};

constexpr double kLeftX = 20;
constexpr double kTitleSize = 18;  // pt

// By position of the analysis in its screen's selector order; the second analysis prints
// its fixed RH (chilled) or surface-temperature limit (hot) at L43, and the hot
// surface-temperature page has no RH line.
Layout LayoutFor(int kind, bool hot) {
  switch (kind) {
    case 0:
      return {1,
              26,
              {{Cell::Room, false, 33},
               {Cell::Line, true, 33},
               {Cell::K, true, 43},
               {Cell::Ha, true, 53}},
              Caption::Sizes,
              1};
    case 1:
      return {1,
              26,
              {{Cell::Room, false, 33},
               {Cell::Line, true, 33},
               {hot ? Cell::TsurfLimit : Cell::Rh, false, 43},
               {Cell::KLabel, true, 43},
               {Cell::Ha, true, 53}},
              Caption::Sizes,
              1};
    case 2: {
      Layout l{7,
               27,
               {{Cell::Pipe, false, 33},
                {Cell::Room, false, 43},
                {Cell::Line, true, 43},
                {Cell::K, true, 53},
                {Cell::Ha, true, 63}},
               Caption::Thickness,
               2};
      if (!hot) l.cells.push_back({Cell::Rh, false, 53});
      return l;
    }
    case 3:
      return {11,
              28,
              {{Cell::Pipe, false, 33},
               {Cell::Flow, true, 33},
               {Cell::Room, false, 43},
               {Cell::Line, true, 43},
               {Cell::Thickness, false, 53},
               {Cell::K, true, 53},
               {Cell::Ha, true, 63}},
              Caption::Length,
              2};
    case 4:
      return {16,
              29,
              {{Cell::Pipe, false, 33},
               {Cell::Room, false, 43},
               {Cell::Line, true, 43},
               {Cell::Thickness, false, 53},
               {Cell::K, true, 53},
               {Cell::Ha, true, 63}},
              Caption::Time,
              2};
    case 5:
    case 6:
      return {kind == 5 ? 19 : 20,
              kind == 5 ? 30 : 31,
              {{Cell::Pipe, false, 33},
               {Cell::Room, false, 43},
               {Cell::Line, true, 43},
               {Cell::K, true, 53},
               {Cell::Ha, true, 63}},
              Caption::Thickness,
              2};
    default:
      // The thickness caption names its unit here as on every other thickness axis.
      return {34,
              42,
              {{Cell::Pipe, false, 33},
               {Cell::EnergyUnit, true, 33},
               {Cell::Room, false, 43},
               {Cell::Line, true, 43},
               {Cell::Hours, false, 53},
               {Cell::K, true, 53},
               {Cell::Ha, true, 63}},
              Caption::Thickness,
              2};
  }
}

QString CellText(Cell cell, const GraphContext& g) {
  const PanelTexts& p = g.panel;
  const QString space = QStringLiteral(" ");
  const QString kName = g.state.lang.QuantityName(2);
  switch (cell) {
    case Cell::Room:
      return g.msg(2) + p.tdb + g.unitLabel(1);
    case Cell::Line:
      return g.msg(3) + p.top + g.unitLabel(1);
    case Cell::K:
      return kName + space + p.k + space + g.unitLabel(2);
    case Cell::KLabel:
      return kName + space + g.unitLabel(2);
    case Cell::Ha:
      return p.haCaption + space + p.ha + space + g.unitLabel(3);
    case Cell::Rh:
      return g.state.lang.QuantityName(5) + space + p.rh + g.unitLabel(5);
    case Cell::Pipe:
      return g.msg(4) + p.pipe + "(" + g.unitLabel(4) + ")";
    case Cell::Flow:
      return g.msg(12) + p.flow + g.unitLabel(8);
    case Cell::Thickness:
      return g.msg(6) + p.thickness + g.unitLabel(4);
    case Cell::EnergyUnit:
      // The messages carry no blanks of their own here; the screen joins them the same way.
      return g.msg(41) + space + p.currency;
    case Cell::Hours:
      return g.msg(35) + space + p.hoursPerDay + space + g.msg(36) + " x " + p.daysPerYear + space +
             g.msg(37);
    case Cell::TsurfLimit:
      return g.msg(27) + p.tsurf + g.unitLabel(1);
  }
  return {};
}

QString CaptionText(Caption c, const GraphContext& g) {
  switch (c) {
    case Caption::Sizes:
      return g.msg(4) + "(" + g.state.lang.UnitSystemName(g.unit) + ")";
    case Caption::Thickness:
      return g.msg(6) + "(" + g.unitLabel(4) + ")";
    case Caption::Length:
      return g.msg(14) + "(" + g.unitLabel(7) + ")";
    case Caption::Time:
      return g.msg(18) + "(" + g.unitLabel(10) + ")";
  }
  return {};
}

void DrawHeading(Canvas& page, const GraphContext& g, const Layout& layout) {
  SetPrnBrush(page, kWhite, BrushStyle::Clear);
  SetPrnFont(page, g.font(8), kTitleSize, kBlue, kRegular);
  printout::PageText(page, 0, 2, g.msg(g.hot ? layout.hotTitle : layout.chilledTitle), kLeftX, 23);
  SetPrnFont(page, g.font(9), printout::kPointSize, kBlue, kRegular);
  for (const Placed& c : layout.cells) {
    printout::PageText(page, 0, 2, CellText(c.cell, g), c.right ? g.W / 2 : kLeftX, c.y);
  }
  printout::PageText(page, 1, 2, CaptionText(layout.caption, g), g.W / 2, g.H - 5);
}

}  // namespace

void PrintAnalysisGraph(Canvas& page, const ChartData* chart, const AppState& state) {
  PrintGraphPageFrame(page, state);
  if (!chart) return;
  const int unit = chart->unitSystem >= 1 && chart->unitSystem <= 3 ? chart->unitSystem
                                                                    : state.settings.unitSystem();
  GraphContext g{*chart, state, unit, IsHotAnalysis(chart->analysis),
                 printout::ReadPanelTexts(chart->analysis, state, unit)};
  g.W = page.size().width();
  g.H = page.size().height();
  const int kind = static_cast<int>(chart->analysis) % 8;
  const Layout layout = LayoutFor(kind, g.hot);
  DrawHeading(page, g, layout);
  printout::PlotRect plot;
  PlotRectOnPage(layout.plotCode, g.W, g.H, plot.L, plot.T, plot.R, plot.B);
  if (layout.plotCode == 1) {
    printout::DrawSizeGraph(page, g, plot);
  } else {
    printout::DrawPipeGraph(page, g, plot);
  }
}

void PrintChilledGraph(Canvas& page, const ChartData* chart, const AppState& state) {
  PrintAnalysisGraph(page, chart && !IsHotAnalysis(chart->analysis) ? chart : nullptr, state);
}

void PrintHotGraph(Canvas& page, const ChartData* chart, const AppState& state) {
  PrintAnalysisGraph(page, chart && IsHotAnalysis(chart->analysis) ? chart : nullptr, state);
}

}  // namespace qora
