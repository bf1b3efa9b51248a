// `qora2000-cli form` run as a script would: the shipped tables, --set as if typed, JSON
// values against hand calculations, exit codes, and the printed page.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include "test_support.h"

namespace {

using qora::test::TempHome;

struct FormRun {
  int exitCode = -1;
  QByteArray out;
  QJsonObject json;
  QString err;
};

class CliForm : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* f : {"QORApara.qdt", "QORAcost.qdt", "QORAInsu.qdt", "EN", "QDTgraph"}) {
      home.copyShipped(f);
    }
  }

  FormRun form(QStringList args) {
    args.prepend("form");
    args << "--home" << home.path();
    QProcess p;
    p.start(QStringLiteral(QORA_BIN_DIR "/qora2000-cli"), args);
    FormRun r;
    if (!p.waitForFinished(60000)) return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    r.out = p.readAllStandardOutput();
    r.json = QJsonDocument::fromJson(r.out).object();
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
  }

  TempHome home;
};

// SI, 25 °C room at 80 % (list position 6: dew point 21.307 °C), 10 °C inside, typed ha
// 9 W/(m²·K), k 0.0346 W/(m·K) (chilled list position 4).
QStringList Flat(const char* section) {
  QStringList a = {"--set", "QORA2000.Units=2", "--set", "PARAMETERS.FactorBy=1"};
  for (const QString& kv : {QString("Tdb=25"), QString("Top=10"), QString("Hair=9"),
                            QString("%RH=6"), QString("k=4")}) {
    a << "--set" << QString("%1.%2").arg(section, kv);
  }
  return a;
}

// t = 11.307 · 0.0346 / (3.693 · 9) · 1000 = 11.771 mm.
TEST_F(CliForm, DuctThicknessAsTheScreenShowsIt) {
  const FormRun r = form(QStringList{"duct"} << Flat("DUCT"));
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.json["form"].toString(), "duct");
  EXPECT_EQ(r.json["unitSystem"].toInt(), 2);
  EXPECT_TRUE(r.json["computed"].toBool());
  EXPECT_NEAR(r.json["dewPoint"].toDouble(), 21.307, 0.005);
  EXPECT_EQ(r.json["surfaceCoef"].toDouble(), 9);
  EXPECT_NEAR(r.json["thickness"].toDouble(), 11.771, 0.02);
  EXPECT_EQ(r.json["answer"].toString(), "12");
  EXPECT_TRUE(r.err.isEmpty()) << r.err.toStdString();
}

// q = h · (Tdb − Tdp) = 9 · 3.693 = 33.24 W/m² through the least thickness.
TEST_F(CliForm, OperatingAddsTheHeatGain) {
  const FormRun r = form(QStringList{"operating", "--json"} << Flat("OPERATING"));
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.json["answer"].toString(), "12");
  EXPECT_NEAR(r.json["heatGain"].toDouble(), 33.24, 0.05);
  EXPECT_EQ(r.json["heatGainText"].toString(), "33.2");
  // Numbers carry 17 significant digits and a point, whatever the locale.
  EXPECT_TRUE(QRegularExpression(R"("heatGain":33\.2\d{14,15}[,}])")
                  .match(QString::fromUtf8(r.out))
                  .hasMatch())
      << r.out.toStdString();
}

// The shipped defaults: box 2 × 2 × 3 m at 80 %, 25 °C room, 10 -> 15 °C; here 48 h and k
// 0.0346: 1000 · 0.0346 · (3.6·48·32 / (1000·9.6·4.186·ln 1.5) − 1/9) = 7.898 mm.
TEST_F(CliForm, StorageTankOfTheDefaults) {
  const FormRun r = form({"storage", "--set", "QORA2000.Units=2", "--set", "PARAMETERS.FactorBy=1",
                          "--set", "STORAGE.Time-hr=48", "--set", "STORAGE.k=4"});
  ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
  EXPECT_EQ(r.json["shape"].toInt(), 0);
  EXPECT_EQ(r.json["area"].toDouble(), 32);
  EXPECT_NEAR(r.json["volume"].toDouble(), 9.6, 1e-12);
  EXPECT_NEAR(r.json["thickness"].toDouble(), 7.898, 0.002);
  EXPECT_EQ(r.json["answer"].toString(), "8");
  EXPECT_FALSE(r.json.contains("refusal"));
}

TEST_F(CliForm, RefusedFormsExitThreeWithNullValuesAndNotAvailable) {
  const struct {
    QStringList args;
    const char* refusal;
  } cases[] = {
      {{"storage", "--set", "STORAGE.Percent=0"}, "no-water"},
      {{"storage", "--set", "STORAGE.Tend=25"}, "temperatures-out-of-order"},
      {{"storage", "--set", "STORAGE.BoxLength=0"}, "dimension-not-positive"},
      {{"duct", "--set", "DUCT.Hair="}, "ha-not-positive"},
      {{"operating", "--set", "OPERATING.k=40"}, "k-not-selected"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.refusal);
    const FormRun r = form(c.args);
    EXPECT_EQ(r.exitCode, 3) << r.err.toStdString();
    EXPECT_FALSE(r.json["computed"].toBool());
    EXPECT_EQ(r.json["refusal"].toString(), c.refusal);
    EXPECT_TRUE(r.json["thickness"].isNull()) << r.out.toStdString();
    EXPECT_EQ(r.json["answer"].toString(), "N/A");
    EXPECT_FALSE(r.out.contains("nan") || r.out.contains("inf"));
  }
}

TEST_F(CliForm, UsageErrorsExitTwo) {
  for (const QStringList& args :
       {QStringList{}, QStringList{"tank"}, QStringList{"duct", "storage"},
        QStringList{"duct", "--set", "DUCT.Nope=1"}, QStringList{"duct", "--png", "x.png"}}) {
    const FormRun r = form(args);
    EXPECT_EQ(r.exitCode, 2) << args.join(' ').toStdString();
    EXPECT_TRUE(r.out.isEmpty());
    EXPECT_FALSE(r.err.isEmpty());
  }
}

TEST_F(CliForm, PdfIsThePrintedPortraitPage) {
  const QString pdf = home.path() + "/tank.pdf";
  const FormRun r = form({"storage", "--pdf", pdf});
  EXPECT_EQ(r.exitCode, 0) << r.err.toStdString();
  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  EXPECT_TRUE(bytes.startsWith("%PDF-"));
  // The job title is the document's title (UTF-16, big-endian); one page, A4 upright.
  QByteArray title("\xFE\xFF");
  for (char c : QByteArray("QORA2000-Storage")) title.append('\0').append(c);
  EXPECT_TRUE(bytes.contains("/Title (" + title + ")"));
  EXPECT_EQ(bytes.count("/Type /Page\n"), 1);
  EXPECT_TRUE(bytes.contains("/MediaBox [0 0 595.000000 842.000000]"));
  // A folder that cannot be written: the tool says so and exits 1.
  const FormRun bad = form({"duct", "--pdf", home.path() + "/no/such/folder/duct.pdf"});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_FALSE(bad.err.isEmpty());
}

}  // namespace
