// The printed pages of the three forms on a recording portrait page (millimetres). By the
// page's rules every text is left-aligned at x = 25 on its bottom edge: the title at 40,
// the lines from 60 every 10 mm, the answers one blank line (20 mm) below the last line.
#include <gtest/gtest.h>

#include "analyses/other/form_def.h"
#include "fixed_metrics_canvas.h"
#include "print/form_printout.h"
#include "print_test_support.h"
#include "toolkit/recording_canvas.h"

namespace qora {
namespace {

using test::OfKind;
using test::ParseLog;
using test::Prim;

class FormPrintout : public ::testing::Test {
 protected:
  void SetUp() override {
    test::WriteBrandPictures(home);
    Settings& s = state.settings;
    s.setFactorBy(1);
    for (const char* section : {kSecDuct, kSecOperating}) {
      s.setText(section, "Tdb", "25");
      s.setText(section, "Top", "10");
      s.setText(section, "Hair", "9.0");
      s.setInteger(section, "%RH", 3);  // 80 %
      s.setInteger(section, "k", 1);    // 0.035
    }
    s.setText(kSecStorage, "Tdb", "25");
    s.setText(kSecStorage, "Tst", "10");
    s.setText(kSecStorage, "Tend", "15");
    s.setText(kSecStorage, "Hair", "9.0");
    s.setText(kSecStorage, "Time-hr", "48");
    s.setText(kSecStorage, "Percent", "80");
    s.setInteger(kSecStorage, "k", 1);
  }

  // The texts of the printed page, in drawing order (the frame draws pictures only).
  std::vector<Prim> print(FormId id) {
    const FormDef& def = FormOf(id);
    test::FixedMetricsCanvas page(QSizeF(200, 280), RecordingCanvas::Units::Millimetres);
    PrintFormPage(page, def, def.compute(state), state);
    log = page.log();
    return OfKind(ParseLog(log), "text");
  }

  test::TempHome home;
  AppState state = test::MakePrintState(home.path());
  std::string log;
};

double Bottom(const Prim& p) {
  return p.nums[1] + p.nums[3];
}

// Every text at x 25, bottoms at 40, then 60, 70, .. for the lines, then 20 below the last
// line for the first answer and 10 more for each further one.
void ExpectPlaces(const std::vector<Prim>& texts, std::size_t lines) {
  ASSERT_GE(texts.size(), lines + 2);
  for (const Prim& t : texts) EXPECT_NEAR(t.nums[0], 25, 1e-9) << t.line;
  EXPECT_NEAR(Bottom(texts[0]), 40, 0.001);
  for (std::size_t i = 0; i < lines; ++i) {
    EXPECT_NEAR(Bottom(texts[1 + i]), 60 + 10.0 * i, 0.001) << texts[1 + i].line;
  }
  for (std::size_t a = lines + 1; a < texts.size(); ++a) {
    EXPECT_NEAR(Bottom(texts[a]), 60 + 10.0 * (lines - 1) + 20 + 10.0 * (a - lines - 1), 0.001)
        << texts[a].line;
  }
}

TEST_F(FormPrintout, DuctPageListsTheFiveInputsThenTheAnswerInBold) {
  const std::vector<Prim> texts = print(FormId::Duct);
  ASSERT_EQ(texts.size(), 7u) << log;
  EXPECT_EQ(texts[0].text, "Duct System");
  EXPECT_NE(texts[0].line.find("16 regular 0xFF0000"), std::string::npos) << texts[0].line;
  const char* lines[] = {"Room Temperature Tdb 25 °C", "Air Temperature in Duct 10 °C",
                         "Relative Humidity 80 %", "Surface Coefficient ha 9.0 W/m².°C",
                         "Thermal Conductivity k 0.035 W/m.°C"};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(texts[1 + i].text, lines[i]);
    EXPECT_NE(texts[1 + i].line.find("14 regular 0xFF0000"), std::string::npos);
  }
  // 11.907 mm (dew point 21.307 °C): see the form's worked example.
  EXPECT_EQ(texts[6].text, "Answer : Minimum Insulation Thickness 12 mm.");
  EXPECT_NE(texts[6].line.find("16 bold 0xFF0000"), std::string::npos) << texts[6].line;
  ExpectPlaces(texts, 5);
}

TEST_F(FormPrintout, OperatingPagePrintsBothAnswers) {
  const std::vector<Prim> texts = print(FormId::Operating);
  ASSERT_EQ(texts.size(), 8u) << log;
  EXPECT_EQ(texts[0].text, "Operating Equipment");
  EXPECT_EQ(texts[2].text, "Operating Temperature 10 °C");
  EXPECT_EQ(texts[6].text, "Answer : Minimum Insulation Thickness 12 mm.");
  // q = h · (Tdb − Tdp) = 9 · 3.693 = 33.2 W/m².
  EXPECT_EQ(texts[7].text, "Heat Gain 33.2 W/m²");
  ExpectPlaces(texts, 5);
}

TEST_F(FormPrintout, TankShapesPrintTheirOwnDimensionLinesAndTheRestMovesUp) {
  const struct {
    int shape;
    std::vector<const char*> dimensions;
  } cases[] = {
      {0, {"Width 2.0 m.", "Height 2.0 m.", "Length 3.0 m."}},
      {1, {"Diameter 2.0 m.", "Length 3.0 m."}},
      {2, {"Diameter 2.5 m."}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.shape);
    state.settings.setInteger(kSecStorage, "Shape", c.shape);
    const std::vector<Prim> texts = print(FormId::Storage);
    const std::size_t lines = 1 + c.dimensions.size() + 7;
    ASSERT_EQ(texts.size(), lines + 2) << log;
    EXPECT_EQ(texts[0].text, "Storage Tank");
    const char* shapes[] = {"SQUARE TANK", "CYLINDER TANK", "SPHERE TANK"};
    EXPECT_EQ(texts[1].text, std::string("Chilled Water - ") + shapes[c.shape]);
    for (std::size_t i = 0; i < c.dimensions.size(); ++i) {
      EXPECT_EQ(texts[2 + i].text, c.dimensions[i]);
    }
    const Prim& room = texts[2 + c.dimensions.size()];
    EXPECT_EQ(room.text, "Room Temperature Tdb 25 °C");
    EXPECT_NEAR(Bottom(room), 70 + 10.0 * c.dimensions.size(), 0.001);
    EXPECT_EQ(texts[lines - 1].text, "Storage Time 48 hr.");
    EXPECT_EQ(texts[lines].text, "Tank Filled with Water 80 %");
    ExpectPlaces(texts, lines);
  }
}

TEST_F(FormPrintout, AnAnswerThatIsNoNumberPrintsWithoutAUnit) {
  state.settings.setText(kSecStorage, "Tend", "25");  // chilled water may not reach the room
  std::vector<Prim> texts = print(FormId::Storage);
  EXPECT_EQ(texts.back().text, "Answer : Minimum Insulation Thickness N/A");
  state.settings.setStorageChilled(false);
  texts = print(FormId::Storage);
  EXPECT_EQ(texts[1].text, "Hot Water - SQUARE TANK");
}

TEST_F(FormPrintout, ACalculatedCoefficientPrintsItsMethodInsteadOfTheTypedValue) {
  state.settings.setFactorBy(2);
  const std::vector<Prim> texts = print(FormId::Duct);
  EXPECT_EQ(texts[4].text, "Surface Coefficient ha By ASTM C680");
}

}  // namespace
}  // namespace qora
