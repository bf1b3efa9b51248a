#include "charts/analysis_table.h"

#include <algorithm>
#include <cmath>

#include "charts/chart_drawers.h"
#include "engine/number_text.h"
#include "engine/standard_thickness.h"
#include "engine/units.h"
#include "model/app_state.h"

namespace qora {

namespace {

constexpr int kMoneyDecimals = 2;

// What a one-pipe table lists: the abscissa (message, unit code) and the value (message,
// unit code; 0: the chart's own cost unit).
struct PointColumns {
  AnalysisId id;
  int xMsg, xUnit, yMsg, yUnit;
};
constexpr PointColumns kPointColumns[] = {
    {AnalysisId::ChilledTsurf, 8, kQThickness, 9, kQTemperature},
    {AnalysisId::ChilledTline, 13, kQLength, 10, kQTemperature},
    {AnalysisId::ChilledTtime, 17, kQTime, 10, kQTemperature},
    {AnalysisId::ChilledEnergy, 8, kQThickness, 22, kQHeatPerLength},
    {AnalysisId::ChilledEnergyCost, 8, kQThickness, 24, 0},
    {AnalysisId::HotTsurf, 8, kQThickness, 9, kQTemperature},
    {AnalysisId::HotTline, 13, kQLength, 10, kQTemperature},
    {AnalysisId::HotTtime, 17, kQTime, 10, kQTemperature},
    {AnalysisId::HotHeatLoss, 8, kQThickness, 23, kQHeatPerLength},
    {AnalysisId::HotHeatLossCost, 8, kQThickness, 24, 0},
};

// The series list of a pipe-size chart, the quantity heading its columns (with its unit).
struct SeriesList {
  const std::array<QString, 10>* entries;
  QString quantity, unit;
};

SeriesList SeriesOf(const ChartData& d, const AppState& s) {
  const LanguageTexts& lang = s.lang;
  const int u = std::clamp(d.unitSystem, 1, 3);
  switch (d.analysis) {
    case AnalysisId::ChilledKConst:
      return {&s.params.rh, lang.QuantityName(kQRelHumidity), lang.UnitLabel(u, kQRelHumidity)};
    case AnalysisId::ChilledRHConst:
      return {&s.params.kChilled[u - 1], lang.QuantityName(kQConductivity),
              lang.UnitLabel(u, kQConductivity)};
    case AnalysisId::HotKConst:
      return {&s.params.tsurf[u - 1], lang.MsgText(25).trimmed(), lang.UnitLabel(u, kQTemperature)};
    default:
      return {&s.params.kHot[u - 1], lang.QuantityName(kQConductivity),
              lang.UnitLabel(u, kQConductivity)};
  }
}

TableCell Value(Real v, bool notAchievable) {
  return notAchievable ? TableCell::notAvailable() : TableCell::number(v);
}

TableBlock SizeBlock(const ChartData& d, const AppState& s) {
  const SeriesList series = SeriesOf(d, s);
  TableBlock b;
  b.shape = TableShape::Rows;
  b.groupHeader = series.quantity + QStringLiteral(" (") + series.unit + u')';
  b.label = {s.lang.MsgText(5).trimmed(), d.wording.yUnit, 0};
  const int decimals = TableThicknessDecimals(d.unitSystem);
  const bool rangeOk = d.curveFrom >= 1 && d.curveTo <= 10 && d.curveFrom <= d.curveTo;
  for (int c = 1; c <= 10; ++c) {
    const bool shown = rangeOk && c >= d.curveFrom && c <= d.curveTo;
    // Every position keeps its column; only the chosen ones carry a heading and values.
    // In CSV a column of thicknesses is named by its list entry with the entry's unit.
    TableColumn col{QString(), d.wording.yUnit, decimals};
    if (shown) {
      col.header = (*series.entries)[c - 1].trimmed();
      col.csvName = col.header + u' ' + series.unit.trimmed();
    }
    b.columns.push_back(col);
  }
  for (int j = d.sizeFrom; j >= 1 && j <= d.sizeTo && j <= 40; ++j) {
    std::vector<TableCell> row;
    const QString name =
        j <= static_cast<int>(d.wording.sizeNames.size()) ? d.wording.sizeNames[j - 1] : QString();
    row.push_back(TableCell::label(name.trimmed()));
    for (int c = 1; c <= 10; ++c) {
      row.push_back(b.columns[c - 1].header.isEmpty()
                        ? TableCell{}
                        : Value(d.chartResults[c - 1][j - 1], d.notAchievable[c - 1][j - 1]));
    }
    b.rows.push_back(std::move(row));
  }
  return b;
}

// The abscissa's decimals: the thickness rule, or more when the step between points is
// smaller than the last shown digit (a 2 mm range in steps of 0.05 mm would otherwise
// show every value twice). At most 4.
int AbscissaDecimals(int unitSystem, Real step) {
  int decimals = TableThicknessDecimals(unitSystem);
  const double s = std::fabs(static_cast<double>(step));
  if (!std::isfinite(s) || s <= 0) return decimals;
  while (decimals < 4 && s * std::pow(10.0, decimals) < 1 - 1e-9) ++decimals;
  return decimals;
}

TableBlock PointBlock(const ChartData& d, const AppState& s, const PointColumns& pc) {
  const LanguageTexts& lang = s.lang;
  const int u = std::clamp(d.unitSystem, 1, 3);
  TableBlock b;
  b.shape = TableShape::Cols;
  b.labelWidth = 150;
  b.columnWidth = 150;
  b.label = {lang.MsgText(pc.xMsg).trimmed(), lang.UnitLabel(u, pc.xUnit),
             AbscissaDecimals(u, d.curveX[1] - d.curveX[0])};
  const bool money = pc.yUnit == 0;
  b.columns.push_back({lang.MsgText(pc.yMsg).trimmed(),
                       money ? d.wording.yUnit : lang.UnitLabel(u, pc.yUnit),
                       money ? kMoneyDecimals : 1});
  const auto& values = d.wording.plotE ? d.curveE : d.curveY;
  for (int i = 0; i < 41; ++i) {
    b.rows.push_back({TableCell::number(d.curveX[i]), TableCell::number(values[i])});
  }
  return b;
}

// The overall-cost chart: its three series at the fifteen stocked thicknesses, and the
// thickness marks (condensation or surface limit) it draws.
std::vector<TableBlock> OverallBlocks(const ChartData& d, const AppState& s) {
  const LanguageTexts& lang = s.lang;
  const int u = std::clamp(d.unitSystem, 1, 3);
  const TableBlock wide = [] {
    TableBlock b;
    b.labelWidth = 120;
    b.columnWidth = 130;
    return b;
  }();
  TableBlock stock = wide;
  stock.label = {lang.MsgText(6).trimmed(), QString(), 0};
  for (int m : {24, 38, 39})
    stock.columns.push_back({lang.MsgText(m).trimmed(), d.wording.yUnit, kMoneyDecimals});
  for (int n = 0; n < 15; ++n) {
    stock.rows.push_back(
        {TableCell::label(QString::fromStdString(InsulThicknessNames[n]).simplified()),
         TableCell::number(d.stockEnergyCost[n]), TableCell::number(d.stockInsulationCost[n]),
         TableCell::number(d.stockTotalCost[n])});
  }
  std::vector<TableBlock> blocks = {stock};

  TableBlock marks = wide;
  marks.label =
      IsHotAnalysis(d.analysis)
          ? TableColumn{lang.MsgText(25).trimmed(), lang.UnitLabel(u, kQTemperature), 0}
          : TableColumn{lang.QuantityName(kQRelHumidity), lang.UnitLabel(u, kQRelHumidity), 0};
  marks.columns.push_back({lang.MsgText(6).trimmed(), d.wording.xUnit, TableThicknessDecimals(u)});
  for (int r = 0; r < 10; ++r) {
    if (d.wording.markLabels[r].isEmpty()) continue;
    marks.rows.push_back({TableCell::label(d.wording.markLabels[r]),
                          Value(d.chartResults[r][0], d.notAchievable[r][0])});
  }
  if (!marks.rows.empty()) blocks.push_back(marks);
  return blocks;
}

// The R-value tables: the flat sheet of each chosen row (nominal thickness or R-value),
// then every chosen tube under each row, both in the unit the chart plots. R takes 2
// decimals in inch-pound units and 4 in the others (per metre), thicknesses the thickness
// rule.
std::vector<TableBlock> RValueBlocks(const ChartData& d, const AppState& s) {
  const LanguageTexts& lang = s.lang;
  const bool rAtK = d.analysis == AnalysisId::RValueKConst;
  const int decimals =
      rAtK ? (d.unitSystem == kInchPound ? 2 : 4) : TableThicknessDecimals(d.unitSystem);
  const QString unit = d.wording.yUnit;
  const QString inUnit = QStringLiteral(" (") + unit + u')';
  const QString rowName = rAtK ? lang.MsgText(57).trimmed() + u' ' + lang.MsgText(61).trimmed()
                               : lang.MsgText(59).trimmed();
  const bool rowsOk = d.curveFrom >= 1 && d.curveTo <= kMaxCurves && d.curveFrom <= d.curveTo;
  const bool tubesOk = d.sizeFrom >= 1 && d.sizeTo <= 40 && d.sizeFrom <= d.sizeTo;

  TableBlock flat;
  flat.caption = lang.MsgText(rAtK ? 67 : 71).trimmed() + inUnit;
  flat.label = {rowName, QString(), 0};
  flat.columns.push_back({lang.MsgText(69).trimmed(), unit, decimals});
  flat.labelWidth = 150;
  flat.columnWidth = 130;
  for (int r = d.curveFrom; rowsOk && r <= d.curveTo; ++r) {
    flat.rows.push_back({TableCell::label(d.wording.curveLabels[r - 1].trimmed()),
                         TableCell::number(d.rowValues[r - 1])});
  }

  TableBlock tube;
  tube.caption = lang.MsgText(rAtK ? 68 : 72).trimmed() + inUnit;
  tube.groupHeader = rowName;
  tube.label = {lang.MsgText(70).trimmed(), QString(), 0};
  for (int r = d.curveFrom; rowsOk && r <= d.curveTo; ++r) {
    const QString header = d.wording.curveLabels[r - 1].trimmed();
    tube.columns.push_back({header, unit, decimals, header + u' ' + unit});
  }
  // Up to twelve columns beside the tube names within the sheet's 550 units.
  tube.labelWidth = 56;
  tube.columnWidth =
      tube.columns.empty() ? 42 : std::min(42.0, (550 - tube.labelWidth) / tube.columns.size());
  for (int j = d.sizeFrom; tubesOk && j <= d.sizeTo; ++j) {
    std::vector<TableCell> row;
    const QString name =
        j <= static_cast<int>(d.wording.sizeNames.size()) ? d.wording.sizeNames[j - 1] : QString();
    row.push_back(TableCell::label(name.trimmed()));
    for (int r = d.curveFrom; rowsOk && r <= d.curveTo; ++r) {
      // A tube not made with that wall has no R (0 in the chart): the cell stays empty.
      const Real v = d.chartResults[r - 1][j - 1];
      const bool none = v == 0 && !d.notAchievable[r - 1][j - 1];
      row.push_back(none ? TableCell{} : Value(v, d.notAchievable[r - 1][j - 1]));
    }
    tube.rows.push_back(std::move(row));
  }
  return {flat, tube};
}

}  // namespace

int TableThicknessDecimals(int unitSystem) {
  return unitSystem == kInchPound ? 2 : 1;
}

DataTable AnalysisTable(const ChartData& d, const AppState& s) {
  DataTable t;
  t.title = d.wording.title;
  t.lines = d.wording.lines;
  if (IsRValueAnalysis(d.analysis)) {
    t.blocks = RValueBlocks(d, s);
    return t;
  }
  switch (KindOf(d.analysis)) {
    case ChartKind::Grid:
      t.blocks.push_back(SizeBlock(d, s));
      break;
    case ChartKind::Overall:
      t.blocks = OverallBlocks(d, s);
      // The economic thickness under the heading lines.
      t.lines.push_back({t.headingRows() + 1, 0, d.wording.resultText});
      break;
    case ChartKind::Curve:
      for (const PointColumns& pc : kPointColumns) {
        if (pc.id == d.analysis) t.blocks.push_back(PointBlock(d, s, pc));
      }
      if (d.analysis == AnalysisId::ChilledTsurf) {
        // The dew point in the right column, in the first row it leaves free.
        int row = 1;
        while (std::any_of(t.lines.begin(), t.lines.end(),
                           [&](const HeadingLine& l) { return l.row == row && l.column == 1; })) {
          ++row;
        }
        const int u = std::clamp(d.unitSystem, 1, 3);
        t.lines.push_back({row, 1,
                           s.lang.MsgText(15) +
                               QString::fromStdString(ValueToStr(0, 1, d.chartDewPoint)) +
                               s.lang.UnitLabel(u, kQTemperature)});
      }
      break;
  }
  return t;
}

}  // namespace qora
