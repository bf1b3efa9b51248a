// The tables behind the charts: which columns and rows an analysis gives, the decimals a
// number is shown with, and the CSV text of a table (RFC 4180).
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "analyses/analysis_registry.h"
#include "charts/analysis_table.h"
#include "charts/chart_drawers.h"
#include "print_test_support.h"

namespace qora {
namespace {

class AnalysisTableTest : public ::testing::Test {
 protected:
  test::TempHome home;
  AppState state = test::MakePrintState(home.path());
};

// The headings of the value columns that carry one.
QStringList ShownHeaders(const TableBlock& b) {
  QStringList out;
  for (const TableColumn& c : b.columns) {
    if (!c.header.isEmpty()) out << c.header;
  }
  return out;
}

TEST_F(AnalysisTableTest, PipeSizeTablesKeepEveryListPositionInItsColumn) {
  ChartData c = test::SampleChart(AnalysisId::ChilledKConst, state);
  c.curveFrom = 2, c.curveTo = 4;
  c.sizeFrom = 3, c.sizeTo = 5;
  c.notAchievable[2][3] = true;  // position 3, size 4
  const DataTable t = AnalysisTable(c, state);
  ASSERT_EQ(t.blocks.size(), 1u);
  const TableBlock& b = t.blocks[0];
  ASSERT_EQ(b.columns.size(), 10u);
  EXPECT_EQ(ShownHeaders(b),
            (QStringList{state.params.rh[1], state.params.rh[2], state.params.rh[3]}));
  EXPECT_TRUE(b.columns[0].header.isEmpty());
  ASSERT_EQ(b.rows.size(), 3u);  // sizes 3..5
  const auto& size4 = b.rows[1];
  EXPECT_EQ(size4[0].text, c.wording.sizeNames[3]);
  EXPECT_EQ(size4[1].kind, TableCell::Kind::Empty);
  EXPECT_EQ(size4[2].kind, TableCell::Kind::Number);
  EXPECT_EQ(size4[3].kind, TableCell::Kind::NotAvailable);
  EXPECT_EQ(CellText(size4[2], b.columns[1].decimals), "6.0");  // 2 + 2 + 0.5·4
  EXPECT_EQ(CellText(size4[3], 1), "N/A");
}

TEST_F(AnalysisTableTest, ThicknessesShowTwoDecimalsInInchPoundAndOneOtherwise) {
  const struct {
    int unit;
    Real value;
    const char* shown;
  } cases[] = {{2, 25.46L, "25.5"}, {1, 1.234L, "1.23"}, {3, 0.05L, "0.1"}, {1, -0.005L, "-0.01"}};
  for (const auto& k : cases) {
    ChartData c = test::SampleChart(AnalysisId::HotKConst, state);
    c.unitSystem = k.unit;
    c.chartResults[0][0] = k.value;
    const TableBlock b = AnalysisTable(c, state).blocks.at(0);
    EXPECT_EQ(CellText(b.rows[0][1], b.columns[0].decimals), k.shown) << k.shown;
  }
}

TEST_F(AnalysisTableTest, OnePipeTablesListEveryPointWithTheChartsQuantities) {
  for (AnalysisId id : {AnalysisId::ChilledTsurf, AnalysisId::ChilledTline, AnalysisId::HotTtime,
                        AnalysisId::HotHeatLoss, AnalysisId::ChilledEnergyCost}) {
    const ChartData c = test::SampleChart(id, state);
    const DataTable t = AnalysisTable(c, state);
    ASSERT_EQ(t.blocks.size(), 1u);
    const TableBlock& b = t.blocks[0];
    EXPECT_EQ(b.shape, TableShape::Cols);
    ASSERT_EQ(b.rows.size(), 41u);
    const auto& plotted = c.wording.plotE ? c.curveE : c.curveY;
    EXPECT_EQ(b.rows[40][0].value, c.curveX[40]);
    EXPECT_EQ(b.rows[40][1].value, plotted[40]);
    EXPECT_EQ(t.title, c.wording.title);
    EXPECT_EQ(t.lines.size(), c.wording.lines.size() + (id == AnalysisId::ChilledTsurf ? 1 : 0));
  }
}

TEST_F(AnalysisTableTest, ShortRangesShowEnoughDecimalsToTellThePointsApart) {
  ChartData c = test::SampleChart(AnalysisId::ChilledTsurf, state);
  const struct {
    Real range;
    int unit, decimals;
  } cases[] = {{40, 2, 1}, {2, 2, 2}, {0.1L, 2, 3}, {0.001L, 2, 4}, {0.4L, 1, 2}, {0.2L, 1, 3}, {0, 2, 1}};
  for (const auto& k : cases) {
    c.unitSystem = k.unit;
    for (int i = 0; i <= 40; ++i) c.curveX[i] = k.range * i / 40;
    const TableBlock b = AnalysisTable(c, state).blocks.at(0);
    EXPECT_EQ(b.label.decimals, k.decimals) << static_cast<double>(k.range);
  }
}

TEST_F(AnalysisTableTest, SurfaceTemperatureHeadingAddsTheDewPointInAFreeRightRow) {
  const ChartData c = test::SampleChart(AnalysisId::ChilledTsurf, state);
  const DataTable t = AnalysisTable(c, state);
  const HeadingLine& dew = t.lines.back();
  EXPECT_EQ(dew.column, 1);
  EXPECT_TRUE(dew.text.contains("21.3")) << dew.text.toStdString();
  for (size_t i = 0; i + 1 < t.lines.size(); ++i) {
    EXPECT_FALSE(t.lines[i].row == dew.row && t.lines[i].column == 1);
  }
}

TEST_F(AnalysisTableTest, OverallCostTablesGiveTheStockedSeriesAndTheMarks) {
  const ChartData c = test::SampleChart(AnalysisId::HotOverall, state);
  const DataTable t = AnalysisTable(c, state);
  ASSERT_GE(t.blocks.size(), 1u);
  const TableBlock& stock = t.blocks[0];
  ASSERT_EQ(stock.rows.size(), 15u);
  ASSERT_EQ(stock.columns.size(), 3u);
  EXPECT_EQ(stock.rows[4][3].value, c.stockTotalCost[4]);
  EXPECT_EQ(stock.columns[2].decimals, 2);  // money
  EXPECT_TRUE(t.lines.back().text.contains("20 mm")) << t.lines.back().text.toStdString();
  if (t.blocks.size() > 1) {
    for (const auto& row : t.blocks[1].rows) EXPECT_FALSE(row[0].text.isEmpty());
  }
}

TEST_F(AnalysisTableTest, ValuesThatAreNotNumbersShowNotAvailable) {
  ChartData c = test::SampleChart(AnalysisId::ChilledEnergy, state);
  c.curveE[3] = std::numeric_limits<Real>::quiet_NaN();
  c.curveE[4] = std::numeric_limits<Real>::infinity();
  const DataTable t = AnalysisTable(c, state);
  const TableBlock& b = t.blocks[0];
  EXPECT_EQ(CellText(b.rows[3][1], 1), "N/A");
  EXPECT_EQ(CellText(b.rows[4][1], 1), "N/A");
  const QString csv = TableCsv(t);
  EXPECT_FALSE(csv.contains("nan", Qt::CaseInsensitive));
  EXPECT_FALSE(csv.contains("inf", Qt::CaseInsensitive));
}

TEST_F(AnalysisTableTest, CsvNamesColumnsWithUnitsAndQuotesWhatItMust) {
  for (auto& type : state.params.pipeSize) type[1][0][0] = "1\", \"A\"";  // a quote and a comma
  ChartData c = test::SampleChart(AnalysisId::ChilledKConst, state);
  c.wording = FindAnalysis(AnalysisId::ChilledKConst)->describe(c, state);
  c.curveFrom = 2, c.curveTo = 3;
  c.sizeFrom = 1, c.sizeTo = 2;
  c.notAchievable[2][1] = true;
  bool ok = false;
  const auto records = test::ParseCsvRecords(TableCsv(AnalysisTable(c, state)), &ok);
  ASSERT_TRUE(ok);
  ASSERT_EQ(records.size(), 3u);  // header, two sizes
  const QString thicknessUnit = state.lang.UnitLabel(2, 4);
  EXPECT_EQ(records[0][0], state.lang.MsgText(5).trimmed());  // names: no unit
  EXPECT_EQ(records[0][1], state.params.rh[1] + " " + state.lang.UnitLabel(2, 5).trimmed() + " (" +
                               thicknessUnit.trimmed() + ")");
  // The label, two shown columns, their two raw twins.
  ASSERT_EQ(records[0].size(), 5);
  EXPECT_TRUE(records[0][3].endsWith(" raw"));
  for (const QStringList& r : records) EXPECT_EQ(r.size(), records[0].size());
  EXPECT_EQ(records[1][0], "1\", \"A\"");
  EXPECT_EQ(records[1][1], "4.5");  // position 2, size 1: 2 + 2 + 0.5
  EXPECT_EQ(records[2][2], "N/A");
  EXPECT_EQ(records[2][4], "");  // no raw value for a point no thickness reaches
  EXPECT_DOUBLE_EQ(records[1][3].toDouble(), 4.5);
}

TEST(CsvField, QuotesOnlyFieldsThatNeedIt) {
  EXPECT_EQ(CsvField("plain text"), "plain text");
  EXPECT_EQ(CsvField("a,b"), "\"a,b\"");
  EXPECT_EQ(CsvField("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(CsvField("two\nlines"), "\"two\nlines\"");
  EXPECT_EQ(CsvField(QString::fromUtf8("25 °C")), QString::fromUtf8("25 °C"));
}

}  // namespace
}  // namespace qora
