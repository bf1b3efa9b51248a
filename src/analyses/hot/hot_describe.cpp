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
ChartWording GridSpec(const HotTexts& t) {
  ChartWording wording;
  wording.title = t.msg(26);
  wording.footer = t.sizeFooter();
  // Three rows: on a printed page the plot of these charts starts under the third.
  wording.lines = {{1, 0, t.tdbLine()}, {1, 1, t.topLine()}, {3, 1, t.haLine()}};
  wording.direction = LegendDirection::Downward;
  wording.sizeNames = t.sizeNames();
  wording.yDecimals = t.unit == kInchPound ? 2 : 1;
  wording.yUnit = t.unitLabel(kQThickness);
  return wording;
}

// A chart of one pipe size: size and room temperature on the left, the line's conditions
// on the right (thickness, line temperature, k, ha). The left column keeps two rows here:
// a third would run into the unit title above the plot.
ChartWording PipeSpec(const HotTexts& t, int title, const QString& footer, const char* prefix) {
  const std::string p(prefix);
  ChartWording wording;
  wording.title = t.msg(title);
  wording.footer = footer;
  wording.lines = {{1, 0, t.pipeLine(KeyName::runtime(p + "_PpSz"))},
                {2, 0, t.tdbLine()},
                {1, 1, t.thicknessLine(KeyName::runtime(p + "_Thc"))},
                {2, 1, t.topLine()},
                {3, 1, t.kLine(t.listAt(t.kList(), KeyName::runtime(p + "_k")))},
                {4, 1, t.haLine()}};
  return wording;
}
constexpr size_t kThicknessLine = 2;  // index of the thickness line in PipeSpec

int ThicknessDecimals(int unit) {
  return unit == kInchPound ? 1 : 0;
}

// Room temperature below its line, line temperature above (the mirror of the chilled
// charts, whose line lies below the room).
ChartWording TemperatureSpec(const HotTexts& t, ChartWording wording, int xDecimals, int xUnit) {
  const Real tdb = Number(t.setting("Tdb"));
  const Real top = Number(t.setting("Top"));
  wording.xDecimals = xDecimals;
  wording.xUnit = t.unitLabel(xUnit);
  wording.yDecimals = 1;
  wording.yUnit = t.unitLabel(kQTemperature);
  wording.references = {{tdb, t.temperatureLabel(2, tdb), LabelSide::Below},
                     {top, t.temperatureLabel(3, top), LabelSide::Above}};
  return wording;
}

ChartWording LossSpec(const HotTexts& t, int title, const char* prefix, const QString& yUnit) {
  ChartWording wording = PipeSpec(t, title, t.axisFooter(6, kQThickness), prefix);
  wording.plotE = true;
  wording.xDecimals = ThicknessDecimals(t.unit);
  wording.xUnit = t.unitLabel(kQThickness);
  wording.yDecimals = 1;
  wording.yUnit = yUnit;
  return wording;
}

}  // namespace

ChartWording DescribeKConst(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  ChartWording wording = GridSpec(t);
  wording.lines.push_back({2, 1, t.kLine(t.listAt(t.kList(), "k_Const_k"))});
  wording.legendHeading = s.lang.caption("ParamDlg.TsufSheet");
  for (int r = 0; r < 10; ++r) {
    const QString& ts = t.tsurfList()[r];
    if (!ts.isEmpty()) wording.curveLabels[r] = ts + t.unitLabel(kQTemperature);
  }
  return wording;
}

ChartWording DescribeTConst(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  ChartWording wording = GridSpec(t);
  wording.lines.push_back(
      {2, 0, t.msg(27) + t.listAt(t.tsurfList(), "T_Const_Tsuf") + t.unitLabel(kQTemperature)});
  wording.lines.push_back(
      {2, 1, s.lang.QuantityName(kQConductivity) + " " + t.unitLabel(kQConductivity)});
  wording.legendHeading = s.lang.caption("ParamDlg.kSheet");
  for (int r = 0; r < 10; ++r) {
    const QString& k = t.kList()[r];
    if (!k.isEmpty()) wording.curveLabels[r] = k + " " + t.unitLabel(kQConductivity);
  }
  return wording;
}

ChartWording DescribeTsurf(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  ChartWording wording = TemperatureSpec(t, PipeSpec(t, 27, t.axisFooter(6, kQThickness), "Tsurface"),
                                   ThicknessDecimals(d.unitSystem), kQThickness);
  const Real limit = Number(t.listAt(t.tsurfList(), "Tsurface_Tsuf"));
  // A limit outside the vertical range is not drawn (the shared rule for every line).
  wording.references.push_back({limit, t.temperatureLabel(27, limit), LabelSide::Above});
  return wording;
}

ChartWording DescribeTline(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  ChartWording wording = PipeSpec(t, 28, t.axisFooter(14, kQLength), "Tlen");
  wording.lines[kThicknessLine].text +=
      "  " + t.flowLine() + "  " + t.msg(14) + t.setting("Tlen_Length") + t.unitLabel(kQLength);
  return TemperatureSpec(t, wording, 0, kQLength);
}

ChartWording DescribeTtime(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  ChartWording wording = PipeSpec(t, 29, t.axisFooter(18, kQTime), "Ttime");
  wording.lines[kThicknessLine].text += "  " + t.msg(18) +
                                     QString::number(std::min(t.position("TtimeHr"), kMaxHours)) +
                                     t.unitLabel(kQTime);
  return TemperatureSpec(t, wording, 1, kQTime);
}

ChartWording DescribeHeatLoss(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  return LossSpec(t, 30, "Elos", t.unitLabel(kQHeatPerLength));
}

ChartWording DescribeHeatLossCost(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  return LossSpec(t, 31, "ElosCst", t.costUnit());
}

ChartWording DescribeOverall(const ChartData& d, const AppState& s) {
  const HotTexts t{s, d.unitSystem};
  ChartWording wording = LossSpec(t, 42, "OvallCst", t.costUnit());
  // The largest thickness is the end of the x axis; its heading place holds the energy
  // price, and the operating time has a row of its own on the left.
  wording.lines[kThicknessLine].text = t.priceLine();
  wording.lines.push_back({3, 0, t.hoursLine()});
  for (int r = 0; r < 10; ++r) {
    const QString& ts = t.tsurfList()[r];
    if (!ts.isEmpty()) wording.markLabels[r] = ts + t.unitLabel(kQTemperature);
  }
  wording.insulationLabel = "  " + t.msg(38);
  wording.totalLabel = "  " + t.msg(39);
  wording.resultText = t.msg(40) + " " + QString::fromStdString(d.economicThicknessName);
  return wording;
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
