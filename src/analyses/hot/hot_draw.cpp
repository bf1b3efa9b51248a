// The hot-water charts on the shared chart drawers. What differs from the chilled-water
// twins is stated here: the legend places run downward from the top of the axes box, the
// room-temperature label sits below its line and the line and limit labels above theirs,
// the overall-cost chart marks the thickness of each standard surface temperature.
#include "analyses/hot/hot_draw.h"

#include "analyses/hot/hot_heading.h"
#include "charts/chart_background.h"
#include "charts/chart_drawers.h"
#include "engine/number_text.h"
#include "engine/units.h"
#include "model/app_state.h"
#include "toolkit/canvas.h"

namespace qora::hot {

namespace {

void BeginChart(Canvas& canvas, const ChartLayout& layout, const AppState& s, const QString& title,
                const std::vector<HeadingItem>& items, const QString& footer) {
  DrawChartBackground(canvas, layout, BrandPicturesFor(s));
  DrawHeading(canvas, layout, s.lang, title, items, footer);
}

Real Number(const QString& text) {
  return StrToValue(text.toStdString());
}

// --- thickness over pipe sizes ---

PixelTables DrawGrid(const ChartData& d, const AppState& s, Canvas& canvas,
                     const ChartLayout& layout, std::vector<HeadingItem> items,
                     GridChartOptions options) {
  const HotTexts t{s, d.unitSystem};
  items.push_back({1, 0, t.tdbLine()});
  items.push_back({1, 1, t.topLine()});
  items.push_back({4, 1, t.haLine()});
  BeginChart(canvas, layout, s, t.msg(26), items, t.sizeFooter());
  options.direction = LegendDirection::Downward;
  options.sizeNames = t.sizeNames();
  options.yDecimals = d.unitSystem == kInchPound ? 2 : 1;
  options.yUnit = t.unitLabel(kQThickness);
  return DrawGridChart(canvas, layout, s.lang, d, options);
}

}  // namespace

PixelTables DrawKConst(const ChartData& d, const AppState& s, Canvas& canvas,
                       const ChartLayout& layout) {
  const HotTexts t{s, d.unitSystem};
  GridChartOptions options;
  options.legendHeading = s.lang.caption("ParamDlg.TsufSheet");
  for (int r = 0; r < 10; ++r) {
    const QString& ts = t.tsurfList()[r];
    if (!ts.isEmpty()) options.curveLabels[r] = ts + t.unitLabel(kQTemperature);
  }
  return DrawGrid(d, s, canvas, layout, {{2, 1, t.kLine(t.listEntry(t.kList(), "k_Const_k"))}},
                  options);
}

PixelTables DrawTConst(const ChartData& d, const AppState& s, Canvas& canvas,
                       const ChartLayout& layout) {
  const HotTexts t{s, d.unitSystem};
  GridChartOptions options;
  options.legendHeading = s.lang.caption("ParamDlg.kSheet");
  for (int r = 0; r < 10; ++r) {
    const QString& k = t.kList()[r];
    if (!k.isEmpty()) options.curveLabels[r] = k + " " + t.unitLabel(kQConductivity);
  }
  const QString tsurf = t.listEntry(t.tsurfList(), "T_Const_Tsuf");
  return DrawGrid(d, s, canvas, layout,
                  {{2, 0, t.msg(27) + tsurf + t.unitLabel(kQTemperature)},
                   {2, 1, s.lang.QuantityName(kQConductivity) + " " + t.unitLabel(kQConductivity)}},
                  options);
}

namespace {

// --- one curve over thickness, length or time ---

// Room temperature below its line, line temperature above (the mirror of the chilled
// charts, whose line lies below the room).
std::vector<ReferenceLine> TdbTopLines(const HotTexts& t) {
  const Real tdb = Number(t.setting("Tdb"));
  const Real top = Number(t.setting("Top"));
  return {{tdb, t.temperatureLabel(2, tdb), LabelSide::Below},
          {top, t.temperatureLabel(3, top), LabelSide::Above}};
}

CurveChartOptions TemperatureSpec(const HotTexts& t, int xDecimals) {
  CurveChartOptions options;
  options.xDecimals = xDecimals;
  options.yDecimals = 1;
  options.yUnit = t.unitLabel(kQTemperature);
  options.references = TdbTopLines(t);
  return options;
}

// Heading of the charts of one pipe size: size and room temperature on the left, the
// line's conditions on the right (thickness, line temperature, k, ha). The left column
// keeps two rows: a third would run into the unit title above the axes box.
std::vector<HeadingItem> PipeItems(const HotTexts& t, const char* prefix) {
  const std::string p(prefix);
  return {{1, 0, t.pipeLine((p + "_PpSz").c_str())},
          {2, 0, t.tdbLine()},
          {1, 1, t.thicknessLine((p + "_Thc").c_str())},
          {2, 1, t.topLine()},
          {3, 1, t.kLine(t.listEntry(t.kList(), (p + "_k").c_str()))},
          {4, 1, t.haLine()}};
}

constexpr size_t kThicknessItem = 2;  // index of the thickness line in PipeItems

int ThicknessDecimals(int unit) {
  return unit == kInchPound ? 1 : 0;
}

}  // namespace

PixelTables DrawTsurf(const ChartData& d, const AppState& s, Canvas& canvas,
                      const ChartLayout& layout) {
  const HotTexts t{s, d.unitSystem};
  BeginChart(canvas, layout, s, t.msg(27), PipeItems(t, "Tsurface"), t.axisFooter(6, kQThickness));
  CurveChartOptions options = TemperatureSpec(t, ThicknessDecimals(d.unitSystem));
  const QString limitText = t.listEntry(t.tsurfList(), "Tsurface_Tsuf");
  const Real limit = Number(limitText);
  // A limit outside the vertical range is not drawn (the shared rule for every line).
  options.references.push_back({limit, t.temperatureLabel(27, limit), LabelSide::Above});
  return DrawCurveChart(canvas, layout, s.lang, d, options);
}

PixelTables DrawTline(const ChartData& d, const AppState& s, Canvas& canvas,
                      const ChartLayout& layout) {
  const HotTexts t{s, d.unitSystem};
  std::vector<HeadingItem> items = PipeItems(t, "Tlen");
  items[kThicknessItem].text += "  " + t.flowLine();
  BeginChart(canvas, layout, s, t.msg(28), items, t.axisFooter(14, kQLength));
  return DrawCurveChart(canvas, layout, s.lang, d, TemperatureSpec(t, 0));
}

PixelTables DrawTtime(const ChartData& d, const AppState& s, Canvas& canvas,
                      const ChartLayout& layout) {
  const HotTexts t{s, d.unitSystem};
  BeginChart(canvas, layout, s, t.msg(29), PipeItems(t, "Ttime"), t.axisFooter(18, kQTime));
  return DrawCurveChart(canvas, layout, s.lang, d, TemperatureSpec(t, 1));
}

namespace {

PixelTables DrawLossChart(const ChartData& d, const AppState& s, Canvas& canvas,
                          const ChartLayout& layout, int title, const char* prefix,
                          const QString& yUnit) {
  const HotTexts t{s, d.unitSystem};
  BeginChart(canvas, layout, s, t.msg(title), PipeItems(t, prefix), t.axisFooter(6, kQThickness));
  CurveChartOptions options;
  options.plotE = true;
  options.xDecimals = ThicknessDecimals(d.unitSystem);
  options.yDecimals = 1;
  options.yUnit = yUnit;
  return DrawCurveChart(canvas, layout, s.lang, d, options);
}

}  // namespace

PixelTables DrawHeatLoss(const ChartData& d, const AppState& s, Canvas& canvas,
                         const ChartLayout& layout) {
  const HotTexts t{s, d.unitSystem};
  return DrawLossChart(d, s, canvas, layout, 30, "Elos", t.unitLabel(kQHeatPerLength));
}

PixelTables DrawHeatLossCost(const ChartData& d, const AppState& s, Canvas& canvas,
                             const ChartLayout& layout) {
  const HotTexts t{s, d.unitSystem};
  return DrawLossChart(d, s, canvas, layout, 31, "ElosCst", t.costUnit());
}

PixelTables DrawOverall(const ChartData& d, const AppState& s, Canvas& canvas,
                        const ChartLayout& layout) {
  const HotTexts t{s, d.unitSystem};
  // The largest thickness is the end of the x axis; its heading place holds the economic
  // conditions: price and operating time on one line when it fits beside the title column,
  // else the operating time as a third left row.
  std::vector<HeadingItem> items = PipeItems(t, "OvallCst");
  const QString both = t.priceLine() + "  " + t.hoursLine();
  SetChartFont(canvas, s.lang, 2, layout.ChartFontSize, kBlue);
  const HeadingAnchors a = HeadingLayout(layout);
  if (canvas.textSize(both).width() <= layout.PlotRight - a.xCentre - layout.ChartFontSize) {
    items[kThicknessItem].text = both;
  } else {
    items[kThicknessItem].text = t.priceLine();
    items.push_back({3, 0, t.hoursLine()});
  }
  BeginChart(canvas, layout, s, t.msg(42), items, t.axisFooter(6, kQThickness));
  OverallChartOptions options;
  options.xDecimals = ThicknessDecimals(d.unitSystem);
  options.yDecimals = 1;
  options.yUnit = t.costUnit();
  for (int r = 0; r < 10; ++r) {
    const QString& ts = t.tsurfList()[r];
    if (!ts.isEmpty()) options.markLabels[r] = ts + t.unitLabel(kQTemperature);
  }
  options.insulationLabel = "  " + t.msg(38);
  options.totalLabel = "  " + t.msg(39);
  options.resultText = t.msg(40) + " " + QString::fromStdString(d.economicThicknessName);
  return DrawOverallChart(canvas, layout, s.lang, d, options);
}

}  // namespace qora::hot
