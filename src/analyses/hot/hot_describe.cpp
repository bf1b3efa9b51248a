#include "analyses/hot/hot_describe.h"

#include <algorithm>
#include <array>
#include <string>

#include "analyses/hot/hot_heading.h"
#include "engine/number_text.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora::hot {

namespace {

// The track bar of the time panel runs from 1 to 48 hours.
constexpr int kMaxHours = 48;

Real Number(const QString& text) {
  return StrToValue(text.toStdString());
}

// Thickness over pipe sizes: the conditions both charts print, the size axis, the
// thickness axis, legend places downward.
ChartSpec GridSpec(const HotTexts& t) {
  ChartSpec spec;
  spec.title = t.msg(26);
  spec.footer = t.sizeFooter();
  // Three rows: on a printed page the plot of these charts starts under the third.
  spec.lines = {{1, 0, t.tdbLine()}, {1, 1, t.topLine()}, {3, 1, t.haLine()}};
  spec.direction = LegendDirection::Downward;
  spec.sizeNames = t.sizeNames();
  spec.yDecimals = t.unit == kInchPound ? 2 : 1;
  spec.yUnit = t.unitLabel(kQThickness);
  return spec;
}

// A chart of one pipe size: size and room temperature on the left, the line's conditions
// on the right (thickness, line temperature, k, ha). The left column keeps two rows here:
// a third would run into the unit title above the plot.
ChartSpec PipeSpec(const HotTexts& t, int title, const QString& footer, const char* prefix) {
  const std::string p(prefix);
  ChartSpec spec;
  spec.title = t.msg(title);
  spec.footer = footer;
  spec.lines = {{1, 0, t.pipeLine(KeyName::runtime(p + "_PpSz"))},
                {2, 0, t.tdbLine()},
                {1, 1, t.thicknessLine(KeyName::runtime(p + "_Thc"))},
                {2, 1, t.topLine()},
                {3, 1, t.kLine(t.listAt(t.kList(), KeyName::runtime(p + "_k")))},
                {4, 1, t.haLine()}};
  return spec;
}
constexpr size_t kThicknessLine = 2;  // index of the thickness line in PipeSpec

int ThicknessDecimals(int unit) {
  return unit == kInchPound ? 1 : 0;
}

// Room temperature below its line, line temperature above (the mirror of the chilled
// charts, whose line lies below the room).
ChartSpec TemperatureSpec(const HotTexts& t, ChartSpec spec, int xDecimals, int xUnit) {
  const Real tdb = Number(t.setting("Tdb"));
  const Real top = Number(t.setting("Top"));
  spec.xDecimals = xDecimals;
  spec.xUnit = t.unitLabel(xUnit);
  spec.yDecimals = 1;
  spec.yUnit = t.unitLabel(kQTemperature);
  spec.references = {{tdb, t.temperatureLabel(2, tdb), LabelSide::Below},
                     {top, t.temperatureLabel(3, top), LabelSide::Above}};
  return spec;
}

ChartSpec LossSpec(const HotTexts& t, int title, const char* prefix, const QString& yUnit) {
  ChartSpec spec = PipeSpec(t, title, t.axisFooter(6, kQThickness), prefix);
  spec.plotE = true;
  spec.xDecimals = ThicknessDecimals(t.unit);
  spec.xUnit = t.unitLabel(kQThickness);
  spec.yDecimals = 1;
  spec.yUnit = yUnit;
  return spec;
}

}  // namespace

ChartSpec DescribeKConst(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  ChartSpec spec = GridSpec(t);
  spec.lines.push_back({2, 1, t.kLine(t.listAt(t.kList(), "k_Const_k"))});
  spec.legendHeading = s.lang.caption("ParamDlg.TsufSheet");
  for (int r = 0; r < 10; ++r) {
    const QString& ts = t.tsurfList()[r];
    if (!ts.isEmpty()) spec.curveLabels[r] = ts + t.unitLabel(kQTemperature);
  }
  return spec;
}

ChartSpec DescribeTConst(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  ChartSpec spec = GridSpec(t);
  spec.lines.push_back(
      {2, 0, t.msg(27) + t.listAt(t.tsurfList(), "T_Const_Tsuf") + t.unitLabel(kQTemperature)});
  spec.lines.push_back(
      {2, 1, s.lang.QuantityName(kQConductivity) + " " + t.unitLabel(kQConductivity)});
  spec.legendHeading = s.lang.caption("ParamDlg.kSheet");
  for (int r = 0; r < 10; ++r) {
    const QString& k = t.kList()[r];
    if (!k.isEmpty()) spec.curveLabels[r] = k + " " + t.unitLabel(kQConductivity);
  }
  return spec;
}

ChartSpec DescribeTsurf(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  ChartSpec spec = TemperatureSpec(t, PipeSpec(t, 27, t.axisFooter(6, kQThickness), "Tsurface"),
                                   ThicknessDecimals(d.unitSystem), kQThickness);
  const Real limit = Number(t.listAt(t.tsurfList(), "Tsurface_Tsuf"));
  // A limit outside the vertical range is not drawn (the shared rule for every line).
  spec.references.push_back({limit, t.temperatureLabel(27, limit), LabelSide::Above});
  return spec;
}

ChartSpec DescribeTline(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  ChartSpec spec = PipeSpec(t, 28, t.axisFooter(14, kQLength), "Tlen");
  spec.lines[kThicknessLine].text +=
      "  " + t.flowLine() + "  " + t.msg(14) + t.setting("Tlen_Length") + t.unitLabel(kQLength);
  return TemperatureSpec(t, spec, 0, kQLength);
}

ChartSpec DescribeTtime(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  ChartSpec spec = PipeSpec(t, 29, t.axisFooter(18, kQTime), "Ttime");
  spec.lines[kThicknessLine].text += "  " + t.msg(18) +
                                     QString::number(std::min(t.position("TtimeHr"), kMaxHours)) +
                                     t.unitLabel(kQTime);
  return TemperatureSpec(t, spec, 1, kQTime);
}

ChartSpec DescribeHeatLoss(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  return LossSpec(t, 30, "Elos", t.unitLabel(kQHeatPerLength));
}

ChartSpec DescribeHeatLossCost(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  return LossSpec(t, 31, "ElosCst", t.costUnit());
}

ChartSpec DescribeOverall(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  ChartSpec spec = LossSpec(t, 42, "OvallCst", t.costUnit());
  // The largest thickness is the end of the x axis; its heading place holds the energy
  // price, and the operating time has a row of its own on the left.
  spec.lines[kThicknessLine].text = t.priceLine();
  spec.lines.push_back({3, 0, t.hoursLine()});
  for (int r = 0; r < 10; ++r) {
    const QString& ts = t.tsurfList()[r];
    if (!ts.isEmpty()) spec.markLabels[r] = ts + t.unitLabel(kQTemperature);
  }
  spec.insulationLabel = "  " + t.msg(38);
  spec.totalLabel = "  " + t.msg(39);
  spec.resultText = t.msg(40) + " " + QString::fromStdString(d.economicThicknessName);
  return spec;
}

const PanelDesc& Panel(int selector) {
  using K = FieldKind;
  using C = CaptionKind;
  static const std::array<PanelDesc, 8> panels = {{
      {"HotkConstPanel",
       kSecHot,
       {SizeField("k_Const_PpSzFrom", "HotkConstPpSzFrComboBox", "HotkConstPpSzLabel1"),
        SizeToField("k_Const_PpSzTo", "HotkConstPpSzToComboBox", "HotkConstPpSzLabel2"),
        TsurfField(K::TsurfList, "k_Const_TsufFrom", "HotkConstTsufFrComboBox",
                   "HotkConstTsufLabel1"),
        {K::TsurfList, "k_Const_TsufTo", "HotkConstTsufToComboBox", "HotkConstTsufLabel2", "to"},
        {K::KHotTyped, "k_Const_k", "HotkConstkComboBox", "HotkConstkLabel", "k", C::Role,
         kQConductivity}}},
      {"HotTConstPanel",
       kSecHot,
       {SizeField("T_Const_PpSzFrom", "HotTConstPpSzFrComboBox", "HotTConstPpSzLabel1"),
        SizeToField("T_Const_PpSzTo", "HotTConstPpSzToComboBox", "HotTConstPpSzLabel2"),
        {K::KHotList, "T_Const_kFrom", "HotTConstkFrComboBox", "HotTConstkLabel1", "k from"},
        KField("T_Const_kTo", "HotTConstkToComboBox", "HotTConstkLabel2"),
        TsurfField(K::TsurfTyped, "T_Const_Tsuf", "HotTConstTsufComboBox", "HotTConstTsufLabel")}},
      {"HotTsufPanel",
       kSecHot,
       {SizeField("Tsurface_PpSz", "HotTsufPpSzComboBox", "HotTsufPpSzLabel"),
        TsurfField(K::TsurfList, "Tsurface_Tsuf", "HotTsufTsufComboBox", "HotTsufTsufLabel"),
        KField("Tsurface_k", "HotTsufkComboBox", "HotTsufkLabel"),
        ThicknessField("Tsurface_Thc", "HotTsufThEdit", "HotTsufThLabel", "Max. thickness")}},
      {"HotTlnPanel",
       kSecHot,
       {SizeField("Tlen_PpSz", "HotTlnPpSzComboBox", "HotTlnPpSzLabel"),
        KField("Tlen_k", "HotTlnkComboBox", "HotTlnkLabel"),
        ThicknessField("Tlen_Thc", "HotTlnThEdit", "HotTlnThLabel"),
        {K::Number, "Tlen_Length", "HotTlnLenEdit", "HotTlnLenLabel", "Length", C::Role, kQLength},
        {K::Number, "Tlen_Flow", "HotTlnFlowEdit", "HotTlnFlowLabel", "Flow", C::Role, kQFlow}}},
      {"HotTtimePanel",
       kSecHot,
       {SizeField("Ttime_PpSz", "HotTtimePpSzComboBox", "HotTtimePpSzLabel"),
        KField("Ttime_k", "HotTtimekComboBox", "HotTtimekLabel"),
        ThicknessField("Ttime_Thc", "HotTtimeThEdit", "HotTtimeThLabel"),
        {K::Hours, "TtimeHr", "HotTtimehrTrackBar", "HotTtimeTimeLabel", "Time"}}},
      {"HotElosPanel",
       kSecHot,
       {SizeField("Elos_PpSz", "HotElosPpSzComboBox", "HotElosPpSzLabel"),
        KField("Elos_k", "HotEloskComboBox", "HotEloskLabel"),
        ThicknessField("Elos_Thc", "HotElosThEdit", "HotElosThLabel", "Max. thickness")}},
      {"HotElosCstPanel",
       kSecHot,
       {SizeField("ElosCst_PpSz", "HotElosCstPpSzComboBox", "HotElosCstPpSzLabel"),
        KField("ElosCst_k", "HotElosCstkComboBox", "HotElosCstkLabel"),
        ThicknessField("ElosCst_Thc", "HotElosCstThEdit", "HotElosCstThLabel", "Max. thickness")}},
      {"HotOvallCstPanel",
       kSecHot,
       {SizeField("OvallCst_PpSz", "HotOvallCstPpSzComboBox", "HotOvallCstPpSzLabel"),
        KField("OvallCst_k", "HotOvallCstkComboBox", "HotOvallCstkLabel"),
        ThicknessField("OvallCst_Thc", "HotOvallCstThEdit", "HotOvallCstThLabel"),
        {K::Number, "OvallCst_Depre_Yr", "HotOvallCstYrEdit", "HotOvallCstYrLabel", "Years"},
        {K::Number, "OvallCst_Interest", "HotOvallCstIntrEdit", "HotOvallCstIntrLabel",
         "Interest (%)"}}},
  }};
  return panels[static_cast<size_t>(std::clamp(selector, 1, 8) - 1)];
}

}  // namespace qora::hot
