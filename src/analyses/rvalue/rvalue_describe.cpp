// The texts of the R-value charts: the title, the mean temperature when k comes from it,
// the k used, the tube axis and the legend of nominal thicknesses or R-values.
#include "analyses/rvalue/rvalue_parts.h"
#include "engine/number_text.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora::rvalue {

namespace {

ChartWording CommonSpec(const ChartData& d, const AppState& s, int title) {
  const LanguageTexts& lang = s.lang;
  const int u = d.unitSystem;
  const RValueTables t(s, u);
  ChartWording wording;
  wording.title = lang.MsgText(title);
  int row = 1;
  if (s.settings.rValueByMeanTemperature()) {
    wording.lines.push_back({row++, 0,
                          lang.MsgText(64).trimmed() + " " +
                              s.settings.text(kSecRValue, "Tmean").trimmed() +
                              lang.UnitLabel(u, kQTemperature)});
  }
  wording.lines.push_back({row, 0,
                        lang.QuantityName(kQConductivity) + " " +
                            QString::fromStdString(ValueToStr(0, 4, d.k)) + " " +
                            lang.UnitLabel(u, kQConductivity)});
  wording.footer = lang.MsgText(65);
  wording.direction = LegendDirection::Upward;
  wording.sizeNames.resize(40);
  for (int c = 1; c <= 40; ++c) wording.sizeNames[size_t(c - 1)] = t.tubeLabel(c);
  return wording;
}

}  // namespace

ChartWording DescribeRAtK(const ChartData& d, const AppState& s) {
  ChartWording wording = CommonSpec(d, s, 63);
  const RValueTables t(s, d.unitSystem);
  wording.yDecimals = d.unitSystem == kInchPound ? 1 : 2;
  wording.yUnit = s.lang.UnitLabel(d.unitSystem, kQResistance);
  wording.legendHeading = s.lang.MsgText(57) + " " + s.lang.MsgText(61);
  for (int r = 1; r <= 12; ++r) wording.curveLabels[size_t(r - 1)] = t.sheetLabel(r);
  return wording;
}

ChartWording DescribeThicknessAtR(const ChartData& d, const AppState& s) {
  ChartWording wording = CommonSpec(d, s, 66);
  const RValueTables t(s, d.unitSystem);
  wording.yDecimals = d.unitSystem == kInchPound ? 2 : 1;
  wording.yUnit = s.lang.UnitLabel(d.unitSystem, kQThickness);
  wording.legendHeading = s.lang.MsgText(59);
  for (int r = 1; r <= 10; ++r) wording.curveLabels[size_t(r - 1)] = t.rValueLabel(r);
  return wording;
}

}  // namespace qora::rvalue
