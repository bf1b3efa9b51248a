// The shipped catalogue agrees with the program's own data: the conductivities of the
// specification table are rows of the parameter file's k tables, and the packing tables
// list exactly the tube and sheet sizes of the insulation-size file. Every edition with a
// catalogue of its own, screen and printed texts.
#include <gtest/gtest.h>

#include <QRegularExpression>
#include <map>
#include <set>

#include "document_home.h"
#include "documents/page_sources.h"
#include "model/insul_tables.h"
#include "model/param_tables.h"

namespace qora {
namespace {

using test::DocumentHome;

QStringList Cells(const QString& row) {
  return row.split('\t');
}

// Each conductivity of the table is written in three lines of one column: SI, inch-pound,
// kcal. Together they must be one row of the chilled or the hot k table.
void CheckConductivities(const QStringList& rows, const ParamTables& p, const char* where) {
  const QRegularExpression si(R"(^([0-9.]+) W/m\.°C$)");
  int found = 0;
  for (qsizetype r = 0; r + 2 < rows.size(); ++r) {
    const QStringList a = Cells(rows[r]), b = Cells(rows[r + 1]), c = Cells(rows[r + 2]);
    for (qsizetype col = 1; col < a.size(); ++col) {
      const auto m = si.match(a[col]);
      if (!m.hasMatch()) continue;
      ASSERT_LT(col, b.size());
      ASSERT_LT(col, c.size());
      const QString ip = b[col].section(' ', 0, 0), kcal = c[col].section(' ', 0, 0);
      EXPECT_TRUE(b[col].endsWith(QString::fromUtf8("Btu.in/hr.sqft.°F"))) << where;
      EXPECT_TRUE(c[col].endsWith(QString::fromUtf8("kCal/hr.m.°C"))) << where;
      bool inTables = false;
      for (const auto* table : {&p.kChilled, &p.kHot}) {
        for (int row = 0; row < 10; ++row) {
          inTables |= (*table)[1][row] == m.captured(1) && (*table)[0][row] == ip &&
                      (*table)[2][row] == kcal;
        }
      }
      EXPECT_TRUE(inTables) << where << ": " << m.captured(1).toStdString() << " / "
                            << ip.toStdString() << " / " << kcal.toStdString();
      ++found;
    }
  }
  EXPECT_EQ(found, 6) << where;  // two brands at three mean temperatures
}

TEST(ShippedCatalogue, SpecificationConductivitiesAreRowsOfTheKTables) {
  for (int lang : {1, 3, 4, 6}) {
    DocumentHome h;
    DocumentHome::Shipped(h, lang);
    ParamTables p;
    ASSERT_TRUE(ReadParamFile(p, h.state.paramPath()));
    PageSources src(h.state);
    CheckConductivities(src.section("prd.qdt", "@SPECTBL1"), p, "screen");
    CheckConductivities(src.section("pdp.qdt", "@P_SPECTBL1"), p, "printed");
  }
}

// Size name -> its value (inside diameter of a tube, thickness of a sheet) as the table
// of one unit system lists it.
std::map<QString, QString> Sizes(const std::array<std::array<QString, 40>, 2>& t) {
  std::map<QString, QString> out;
  for (int r = 0; r < 40; ++r)
    if (!t[0][r].isEmpty()) out[t[0][r]] = t[1][r];
  return out;
}
std::map<QString, QString> Sizes(const std::array<std::array<QString, 12>, 2>& t) {
  std::map<QString, QString> out;
  for (int r = 0; r < 12; ++r)
    if (!t[0][r].isEmpty()) out[t[0][r]] = t[1][r];
  return out;
}

// The sizes a table section lists: every cell that names a size of the file, with the cell
// after it (its inside diameter or thickness). A row may hold two records side by side.
std::map<QString, QString> Listed(const QStringList& rows, const std::map<QString, QString>& file) {
  std::map<QString, QString> out;
  for (qsizetype r = 1; r < rows.size(); ++r) {
    const QStringList cells = Cells(rows[r]);
    for (qsizetype c = 0; c + 1 < cells.size(); ++c)
      if (file.count(cells[c])) out[cells[c]] = cells[c + 1];
  }
  return out;
}

TEST(ShippedCatalogue, PackingTablesListExactlyTheSizesOfTheInsulationFile) {
  for (int lang : {1, 3, 4, 6}) {
    DocumentHome h;
    DocumentHome::Shipped(h, lang);
    InsulTables t;
    ASSERT_TRUE(ReadInsulFile(t, h.state.insulPath()));
    PageSources src(h.state);
    struct Case {
      const char* what;
      QStringList rows;
      std::map<QString, QString> file;
    };
    const auto tubesIp = Sizes(t.tube[0]), tubesSi = Sizes(t.tube[1]);
    const auto sheetsIp = Sizes(t.sheet[0]), sheetsSi = Sizes(t.sheet[1]);
    const Case cases[] = {
        {"imperial tubes",
         src.section("prd.qdt", "@PACKIMPT1-1") + src.section("prd.qdt", "@PACKIMPT1-2"), tubesIp},
        {"imperial tubes, printed", src.section("pdp.qdt", "@P_PACKIMPT1"), tubesIp},
        {"imperial sheets", src.section("prd.qdt", "@PACKIMPT2"), sheetsIp},
        {"imperial sheets, printed", src.section("pdp.qdt", "@P_PACKIMPT2"), sheetsIp},
        {"metric tubes",
         src.section("prd.qdt", "@PACKMTRT1-1") + src.section("prd.qdt", "@PACKMTRT1-2"), tubesSi},
        {"metric tubes, printed", src.section("pdp.qdt", "@P_PACKMTRT1"), tubesSi},
        {"metric sheets", src.section("prd.qdt", "@PACKMTRT2"), sheetsSi},
        {"metric sheets, printed", src.section("pdp.qdt", "@P_PACKMTRT2"), sheetsSi},
    };
    for (const Case& c : cases) {
      EXPECT_EQ(t.tube[0][0][0], "CU 1/4\"");  // the file is the one described
      const auto listed = Listed(c.rows, c.file);
      EXPECT_EQ(listed.size(), c.file.size()) << lang << " " << c.what;
      for (const auto& [name, value] : c.file) {
        ASSERT_TRUE(listed.count(name)) << lang << " " << c.what << " " << name.toStdString();
        EXPECT_DOUBLE_EQ(listed.at(name).toDouble(), value.toDouble())
            << lang << " " << c.what << " " << name.toStdString();
      }
    }
    // The nominal and actual wall table: each nominal thickness with the actual wall the
    // file gives its tubes.
    for (const char* key : {"@PACKIMPT4", "@PACKMTRT3"}) {
      const int sys = QString(key).contains("IMP") ? 0 : 1;
      const QStringList rows = src.section("prd.qdt", key);
      ASSERT_EQ(rows.size(), 13) << key;
      for (int r = 0; r < 12; ++r) {
        const QStringList cells = Cells(rows[r + 1]);
        EXPECT_EQ(cells[0], t.sheet[sys][0][r]) << key;
        QString actual;
        for (int c = 0; c < 40 && actual.isEmpty(); ++c) actual = t.tubeThickness[sys][r][c];
        EXPECT_EQ(cells[1], actual) << key << " " << cells[0].toStdString();
      }
    }
  }
}

}  // namespace
}  // namespace qora
