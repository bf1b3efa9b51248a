// The conversion pages: every factor of the shipped files against an independent table of
// unit definitions (NIST SP 811, the SI brochure), the Length and Temperature tables cell by
// cell, and the tables' rows inside their bands.
#include <gtest/gtest.h>

#include <QHash>
#include <QRegularExpression>
#include <algorithm>
#include <cmath>

#include "document_home.h"
#include "documents/conversion_page.h"
#include "documents/document_render.h"
#include "documents/page_sources.h"
#include "documents/page_text.h"
#include "draw_log.h"

namespace qora {
namespace {

using test::DocumentHome;
using test::DrawLog;
using test::Inside;
using test::Overlap;
using test::ParseLog;

// Each unit in SI base units, from its definition. Energy in J, power in W, temperature
// differences in K (1 °F = 5/9 K).
const QHash<QString, double>& Si() {
  static const QHash<QString, double> si = [] {
    const double in = 0.0254, ft = 0.3048, lb = 0.45359237, gn = 9.80665;
    const double btu = 1055.05585262, kcal = 4186.8, usgal = 3.785411784e-3;
    const double degF = 5.0 / 9.0, hour = 3600;
    QHash<QString, double> u;
    // length
    u["mil"] = in / 1000, u["in"] = in, u["ft"] = ft, u["yd"] = 3 * ft, u["mile"] = 1609.344;
    u["nautical mile"] = 1852, u["µm"] = 1e-6, u["mm"] = 1e-3, u["cm"] = 1e-2, u["m"] = 1;
    u["km"] = 1e3;
    // area
    u["in2"] = in * in, u["ft2"] = ft * ft, u["yd2"] = 0.83612736, u["acre"] = 4046.8564224;
    u["mi2"] = 1609.344 * 1609.344, u["mm2"] = 1e-6, u["cm2"] = 1e-4, u["m2"] = 1;
    u["ha"] = 1e4, u["km2"] = 1e6;
    // volume
    u["in3"] = 16.387064e-6, u["ft3"] = 0.028316846592, u["yd3"] = 0.764554857984;
    u["US gal"] = usgal, u["UK gal"] = 4.54609e-3, u["US fl oz"] = usgal / 128;
    u["bbl"] = 42 * usgal, u["mL"] = 1e-6, u["L"] = 1e-3, u["m3"] = 1;
    // mass
    u["grain"] = 64.79891e-6, u["oz"] = 28.349523125e-3, u["lb"] = lb;
    u["short ton"] = 907.18474, u["long ton"] = 1016.0469088, u["g"] = 1e-3, u["kg"] = 1;
    u["t"] = 1000;
    // acceleration
    u["ft/s2"] = ft, u["in/s2"] = in, u["m/s2"] = 1, u["gn"] = gn, u["Gal"] = 0.01;
    // density
    u["lb/ft3"] = 16.01846337, u["lb/in3"] = 27679.90471, u["lb/US gal"] = 119.8264273;
    u["kg/m3"] = 1, u["g/cm3"] = 1000, u["kg/L"] = 1000;
    // energy
    u["Btu"] = btu, u["kcal"] = kcal, u["cal"] = 4.1868, u["J"] = 1, u["kJ"] = 1e3;
    u["MJ"] = 1e6, u["kWh"] = 3.6e6, u["Wh"] = 3600, u["ft·lbf"] = 1.3558179483314004;
    u["therm"] = 105.505585262e6, u["erg"] = 1e-7;
    // mass flow (kg/s)
    u["lb/h"] = lb / hour, u["lb/min"] = lb / 60, u["lb/s"] = lb, u["kg/h"] = 1 / hour;
    u["kg/s"] = 1, u["t/h"] = 1000 / hour;
    // volume flow (m3/s)
    u["US gal/min"] = usgal / 60, u["UK gal/min"] = 4.54609e-3 / 60, u["L/s"] = 1e-3;
    u["L/min"] = 1e-3 / 60, u["m3/h"] = 1 / hour, u["m3/s"] = 1, u["bbl/day"] = 42 * usgal / 86400;
    u["ft3/min"] = 0.028316846592 / 60, u["ft3/s"] = 0.028316846592, u["m3/min"] = 1.0 / 60;
    // volume flow per area (m/s)
    u["ft3/(min·ft2)"] = 0.00508, u["US gal/(min·ft2)"] = usgal / 60 / (ft * ft);
    u["L/(s·m2)"] = 1e-3, u["m3/(h·m2)"] = 1 / hour, u["m/s"] = 1;
    // force
    u["lbf"] = 4.4482216152605, u["kgf"] = gn, u["N"] = 1, u["kN"] = 1e3, u["dyn"] = 1e-5;
    u["kip"] = 4448.2216152605, u["pdl"] = 0.138254954376;
    // power
    u["Btu/h"] = btu / hour, u["kcal/h"] = 1.163, u["W"] = 1, u["kW"] = 1e3;
    u["hp"] = 745.69987158227022, u["metric hp"] = 735.49875;
    u["ton of refrigeration"] = 12000 * btu / hour, u["ft·lbf/s"] = 1.3558179483314004;
    // heat flux
    u["Btu/(h·ft2)"] = 3.1545907451, u["kcal/(h·m2)"] = 1.163, u["W/m2"] = 1;
    u["kW/m2"] = 1e3, u["W/cm2"] = 1e4;
    // heat loss and heat transfer coefficients
    u["Btu/(h·°F)"] = btu / hour / degF, u["kcal/(h·°C)"] = 1.163, u["W/K"] = 1;
    u["Btu/(h·ft2·°F)"] = 5.6782633411, u["kcal/(h·m2·°C)"] = 1.163, u["W/(m2·K)"] = 1;
    u["W/(cm2·K)"] = 1e4;
    u["Btu/(h·ft3·°F)"] = btu / hour / 0.028316846592 / degF, u["kcal/(h·m3·°C)"] = 1.163;
    u["W/(m3·K)"] = 1;
    // thermal conductivity and resistance
    u["Btu·in/(h·ft2·°F)"] = 0.1442279, u["Btu/(h·ft·°F)"] = 1.7307347;
    u["kcal/(h·m·°C)"] = 1.163, u["W/(m·K)"] = 1, u["W/(cm·K)"] = 100;
    u["h·ft2·°F/Btu"] = 0.17611018, u["h·m2·°C/kcal"] = 1 / 1.163, u["m2·K/W"] = 1;
    return u;
  }();
  return si;
}

// "6.213712×10−7" or "0.3048"; NaN for anything else.
double Number(QString text) {
  text.replace(QChar(0x2212), QLatin1Char('-'));
  const qsizetype times = text.indexOf(QChar(0x00D7));
  bool ok = false;
  if (times < 0) {
    const double v = text.toDouble(&ok);
    return ok ? v : std::nan("");
  }
  const double mantissa = text.left(times).toDouble(&ok);
  if (!ok || !text.mid(times + 1).startsWith("10")) return std::nan("");
  const double exponent = text.mid(times + 3).toDouble(&ok);
  return ok ? mantissa * std::pow(10.0, exponent) : std::nan("");
}

double Relative(double a, double b) {
  return std::fabs(a - b) / std::max(std::fabs(b), 1e-300);
}

// 7 significant digits are written, so half a unit in the seventh place at most.
constexpr double kDigits = 5.1e-7;

TEST(ConversionPages, EveryFactorAgreesWithTheUnitDefinitions) {
  const QRegularExpression factor(R"(^1 (.+) = (\S+) (.+)$)");
  for (int lang : {1, 6}) {
    DocumentHome h;
    DocumentHome::Shipped(h, lang);
    PageSources src(h.state);
    int checked = 0;
    for (int page = 1; page <= kConversionPages; ++page) {
      int onPage = 0;
      for (const QString& line : src.section("cnv.qdt", QStringLiteral("@CONV%1").arg(page))) {
        const auto m = factor.match(PlainText(line));
        if (!m.hasMatch()) continue;
        const QString from = m.captured(1), to = m.captured(3);
        ASSERT_TRUE(Si().contains(from)) << page << ": " << from.toStdString();
        ASSERT_TRUE(Si().contains(to)) << page << ": " << to.toStdString();
        const double written = Number(m.captured(2));
        EXPECT_LE(Relative(written, Si()[from] / Si()[to]), kDigits)
            << "page " << page << ": " << PlainText(line).toStdString();
        ++onPage;
      }
      if (page != kTemperatureTab + 1) {
        EXPECT_GE(onPage, 3) << "page " << page;
      }
      checked += onPage;
    }
    EXPECT_GT(checked, 100);
  }
}

TEST(ConversionPages, LengthTableCellsAreTheRowUnitInTheColumnUnit) {
  DocumentHome h;
  DocumentHome::Shipped(h, 1);
  PageSources src(h.state);
  const QStringList rows = src.section("cnv.qdt", "@CONV12-1");
  ASSERT_GE(rows.size(), 5);
  const QStringList columns = rows[0].split('\t');
  for (qsizetype r = 1; r < rows.size(); ++r) {
    const QStringList cells = rows[r].split('\t');
    ASSERT_EQ(cells.size(), columns.size()) << rows[r].toStdString();
    ASSERT_TRUE(cells[0].startsWith("1 "));
    const QString unit = cells[0].mid(2);
    for (qsizetype c = 1; c < cells.size(); ++c) {
      const double expected = Si()[unit] / Si()[columns[c]];
      EXPECT_LE(Relative(Number(PlainText(cells[c])), expected), kDigits)
          << unit.toStdString() << " in " << columns[c].toStdString();
    }
  }
}

TEST(ConversionPages, TemperatureTableRowsAreOneTemperatureInFourScales) {
  DocumentHome h;
  DocumentHome::Shipped(h, 1);
  PageSources src(h.state);
  const QStringList rows = src.section("cnv.qdt", "@CONV15-1");
  ASSERT_GE(rows.size(), 10);
  EXPECT_EQ(rows[0], QString::fromUtf8("°C\t°F\tK\t°R"));
  for (qsizetype r = 1; r < rows.size(); ++r) {
    const QStringList cells = rows[r].split('\t');
    ASSERT_EQ(cells.size(), 4);
    const double c = Number(cells[0]), f = Number(cells[1]), k = Number(cells[2]),
                 rankine = Number(cells[3]);
    EXPECT_NEAR(f, c * 9 / 5 + 32, 1e-9) << rows[r].toStdString();
    EXPECT_NEAR(k, c + 273.15, 1e-9) << rows[r].toStdString();
    EXPECT_NEAR(rankine, f + 459.67, 1e-9) << rows[r].toStdString();
  }
}

// The two tables of every edition at every common screen width: inside the page, each
// cell's text inside one band of the frames (the editions without conversion pages of
// their own draw the English ones).
TEST(ConversionPages, TableRowsLandInTheirBands) {
  for (int lang = 1; lang <= 6; ++lang) {
    DocumentHome h;
    DocumentHome::Shipped(h, lang);
    for (int screen : {800, 1024, 1280}) {
      for (int tab : {kLengthTab, kTemperatureTab}) {
        PageSources src(h.state);
        const double width = PageWidthForScreen(screen);
        RecordingCanvas pic(QSizeF(width, 4000));
        const double height = RenderConversionPage(pic, src, tab, screen);
        const DrawLog log = ParseLog(pic.log());
        ASSERT_FALSE(log.fills.empty());
        int inTable = 0;
        for (const auto& t : log.texts) {
          EXPECT_TRUE(Inside(t.box, QRectF(0, 0, width, height))) << t.text.toStdString();
          const bool overlaps = std::any_of(log.fills.begin(), log.fills.end(),
                                            [&](const auto& f) { return Overlap(t.box, f.box); });
          if (!overlaps) continue;
          ++inTable;
          EXPECT_TRUE(std::any_of(log.fills.begin(), log.fills.end(),
                                  [&](const auto& f) { return Inside(t.box, f.box, 0.5); }))
              << "lang " << lang << " screen " << screen << " tab " << tab << " \""
              << t.text.toStdString() << "\"";
        }
        EXPECT_GT(inTable, 20) << tab;
      }
    }
  }
}

}  // namespace
}  // namespace qora
