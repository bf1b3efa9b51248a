// Parameter, insulation-size and cost files: positions, cuts, short files, round trips.
#include <gtest/gtest.h>

#include <QFile>

#include "model/insul_tables.h"
#include "model/language.h"
#include "model/param_tables.h"
#include "test_support.h"

namespace qora {
namespace {

using test::TempHome;

int LineCount(const QByteArray& bytes) {
  return static_cast<int>(bytes.count('\n'));
}

QByteArray Lines(int n, const QByteArray& text) {
  QByteArray out;
  for (int i = 0; i < n; ++i) out += text + "\n";
  return out;
}

TEST(ParamFile, ShippedFileRoundTripsByteForByte) {
  TempHome home;
  home.copyShipped("QORApara.qdt");
  ParamTables t;
  ASSERT_TRUE(ReadParamFile(t, home.path() + "/QORApara.qdt"));
  ASSERT_TRUE(WriteParamFile(t, BuiltinLanguageTexts(), home.path() + "/out.qdt"));
  EXPECT_EQ(LineCount(home.readFile("out.qdt")), 901);
  EXPECT_EQ(home.readFile("out.qdt"), home.readFile("QORApara.qdt"));
}

TEST(ParamFile, ShippedTablesHoldRealPipeDimensions) {
  TempHome home;
  home.copyShipped("QORApara.qdt");
  ParamTables t;
  ASSERT_TRUE(ReadParamFile(t, home.path() + "/QORApara.qdt"));
  // NPS 2": 2.375 in = 60.3 mm outside, Schedule 40 inside 2.067 in = 52.5 mm.
  const int row2 = PipeSizeNames(t, 1, 1).indexOf("2\"") + 1;
  ASSERT_GT(row2, 0);
  EXPECT_EQ(t.PipeSize(1, 1, row2, 2), "2.375");
  EXPECT_EQ(t.PipeSize(1, 1, row2, 3), "2.067");
  EXPECT_EQ(t.PipeSize(1, 2, row2, 2), "60.3");
  EXPECT_EQ(t.PipeSize(1, 3, row2, 3), "52.5");
  // Copper type L 3/4": 0.875 in outside, 0.785 in inside.
  const int cu = PipeSizeNames(t, 2, 1).indexOf("3/4\"") + 1;
  ASSERT_GT(cu, 0);
  EXPECT_EQ(t.PipeSize(2, 1, cu, 2), "0.875");
  EXPECT_EQ(t.PipeSize(2, 1, cu, 3), "0.785");
  EXPECT_EQ(NonEmpty(t.rh).size(), 10);
}

TEST(ParamFile, ValueLinesAreCutToTenCharactersAndCommentsSkippedUnread) {
  TempHome home;
  // Every line, comment lines included, holds the same long text: a comment line that
  // were read would shift every later entry.
  QByteArray file = Lines(901, "12345678901234");
  home.writeFile("p.qdt", file);
  ParamTables t;
  ASSERT_TRUE(ReadParamFile(t, home.path() + "/p.qdt"));
  EXPECT_EQ(t.PipeSize(1, 1, 1, 1), "1234567890");
  EXPECT_EQ(t.tsurf[2][9], "1234567890");

  // Line 3 is the first value (after the pipe-type and unit-system comments); the
  // first R label sits after 805 lines and the R comment.
  QByteArray marked = Lines(901, "x");
  QList<QByteArray> lines = marked.split('\n');
  lines[2] = "first";
  lines[806] = "R-label";
  lines[807] = "R-number";
  lines[900] = "last";
  home.writeFile("m.qdt", lines.join('\n'));
  ASSERT_TRUE(ReadParamFile(t, home.path() + "/m.qdt"));
  EXPECT_EQ(t.PipeSize(1, 1, 1, 1), "first");
  EXPECT_EQ(t.rValue[0][0][0], "R-label");
  EXPECT_EQ(t.rValue[0][1][0], "R-number");
  EXPECT_EQ(t.tsurf[2][9], "last");
}

TEST(ParamFile, ShortAndMissingFilesGiveEmptyEntries) {
  TempHome home;
  ParamTables t;
  t.rh[0] = "50";
  t.kHot[0][0] = "0.25";
  EXPECT_FALSE(ReadParamFile(t, home.path() + "/none.qdt"));
  EXPECT_TRUE(t.kHot[0][0].isEmpty());  // cleared before the file is opened
  EXPECT_EQ(t.rh[0], "50");             // the others keep their contents

  home.writeFile("short.qdt", ";IPS\r\n;Eng\r\n1/8\"\r\n0.405\r\n");
  ASSERT_TRUE(ReadParamFile(t, home.path() + "/short.qdt"));
  EXPECT_EQ(t.PipeSize(1, 1, 1, 1), "1/8\"");  // CR LF ends are stripped
  EXPECT_EQ(t.PipeSize(1, 1, 1, 2), "0.405");
  EXPECT_TRUE(t.PipeSize(1, 1, 1, 3).isEmpty());
  EXPECT_TRUE(t.rh[0].isEmpty());
}

TEST(InsulFile, ShippedFileRoundTripsAndEmptyTablesWriteAllLines) {
  TempHome home;
  home.copyShipped("QORAInsu.qdt");
  InsulTables t;
  ASSERT_TRUE(ReadInsulFile(t, home.path() + "/QORAInsu.qdt"));
  EXPECT_FALSE(t.sheet[0][0][11].isEmpty());  // twelve nominal thicknesses
  ASSERT_TRUE(WriteInsulFile(t, BuiltinLanguageTexts(), home.path() + "/out.qdt"));
  EXPECT_EQ(home.readFile("out.qdt"), home.readFile("QORAInsu.qdt"));

  InsulTables empty;
  EXPECT_FALSE(ReadInsulFile(empty, home.path() + "/none.qdt"));
  ASSERT_TRUE(WriteInsulFile(empty, BuiltinLanguageTexts(), home.path() + "/e.qdt"));
  EXPECT_EQ(LineCount(home.readFile("e.qdt")), 1764);
}

TEST(InsulFile, PositionsOfTheThreeBlocks) {
  TempHome home;
  QList<QByteArray> lines = Lines(1764, "").split('\n');
  lines[2] = "1/4\"";            // sheet, system 1, row 1, column 1
  lines[3] = "0.25";             // row 1, column 2
  lines[76 + 2] = "CU 3/8\"";    // tube block: title, system comment, then row 1
  lines[320 + 2 + 39] = "0.52";  // actual thickness system 1, row 1, tube 40
  lines[1763] = "99.5";          // system 3, row 12, tube 40
  home.writeFile("i.qdt", lines.join('\n'));
  InsulTables t;
  ASSERT_TRUE(ReadInsulFile(t, home.path() + "/i.qdt"));
  EXPECT_EQ(t.sheet[0][0][0], "1/4\"");
  EXPECT_EQ(t.sheet[0][1][0], "0.25");
  EXPECT_EQ(t.tube[0][0][0], "CU 3/8\"");
  EXPECT_EQ(t.tubeThickness[0][0][39], "0.52");
  EXPECT_EQ(t.tubeThickness[2][11][39], "99.5");
}

TEST(CostFile, ShippedFileRoundTripsAndCostsRiseWithSizeAndThickness) {
  TempHome home;
  home.copyShipped("QORAcost.qdt");
  CostTables t;
  ASSERT_TRUE(ReadCostFile(t, home.path() + "/QORAcost.qdt"));
  EXPECT_FALSE(t.remark.isEmpty());
  for (const auto* table : {&t.ips, &t.copper}) {
    EXPECT_GT((*table)[0][0], 0.0L);
    EXPECT_GT((*table)[0][14], (*table)[0][0]);
    EXPECT_GT((*table)[10][5], (*table)[0][5]);
  }
  ASSERT_TRUE(WriteCostFile(t, home.path() + "/out.qdt"));
  EXPECT_EQ(home.readFile("out.qdt"), home.readFile("QORAcost.qdt"));
}

TEST(CostFile, NumbersWithTwoDecimalsAndTolerantReading) {
  TempHome home;
  CostTables t;
  t.remark = "net prices\nsecond line";
  t.ips[0][0] = 125.5L;
  t.ips[39][14] = -3.0L;
  t.copper[0][0] = 1234.567L;
  ASSERT_TRUE(WriteCostFile(t, home.path() + "/c.qdt"));
  const QList<QByteArray> lines = home.readFile("c.qdt").split('\n');
  ASSERT_EQ(lines.size(), 1204);                  // 1203 lines and the final line end
  EXPECT_EQ(lines[0], "net prices second line");  // a line break would shift every cost
  EXPECT_EQ(lines[1], "IPS : Insulation cost");
  EXPECT_EQ(lines[2], "125.50");
  EXPECT_EQ(lines[3], "0.00");
  EXPECT_EQ(lines[601], "-3.00");
  EXPECT_EQ(lines[602], "Copper Pipe : Insulation cost");
  EXPECT_EQ(lines[603], "1234.57");

  home.writeFile("r.qdt", "remark\r\nIPS\r\n1,250.5\r\n\r\nabc\r\n1e9999\r\n");
  CostTables r;
  r.copper[5][5] = 7.0L;
  ASSERT_TRUE(ReadCostFile(r, home.path() + "/r.qdt"));
  EXPECT_EQ(r.remark, "remark");
  EXPECT_REAL_NEAR(r.ips[0][0], 1250.5L, 1e-9L);
  EXPECT_REAL_NEAR(r.ips[0][1], 0.0L, 0.0L);
  EXPECT_REAL_NEAR(r.ips[0][2], 0.0L, 0.0L);
  EXPECT_REAL_NEAR(r.ips[0][3], 0.0L, 0.0L);     // no infinity from an overflowing number
  EXPECT_REAL_NEAR(r.copper[5][5], 0.0L, 0.0L);  // past the end: 0

  CostTables kept;
  kept.remark = "unchanged";
  EXPECT_FALSE(ReadCostFile(kept, home.path() + "/none.qdt"));
  EXPECT_EQ(kept.remark, "unchanged");
}

TEST(TableFiles, NamesInTheEditionsLegacyCodePageKeepTheirCharacters) {
  // A sheet name in the Thai code page: read as Thai by the Thai edition (the Western code
  // page would turn it into accented Latin letters).
  TempHome home;
  home.copyShipped("QORAInsu.qdt");
  QByteArray bytes = home.readFile("QORAInsu.qdt");
  const qsizetype at = bytes.indexOf("1/4\"");
  ASSERT_GE(at, 0);
  bytes.replace(at, 4, "\xCB\xB9\xD2");  // "หนา" (thick) in windows-874
  home.writeFile("t.qdt", bytes);
  InsulTables thai, western;
  ASSERT_TRUE(ReadInsulFile(thai, home.path() + "/t.qdt", 5));
  ASSERT_TRUE(ReadInsulFile(western, home.path() + "/t.qdt", 1));
  EXPECT_EQ(thai.sheet[0][0][0], QString::fromUtf8("\u0E2B\u0E19\u0E32"));
  EXPECT_NE(western.sheet[0][0][0], thai.sheet[0][0][0]);
}

}  // namespace
}  // namespace qora
