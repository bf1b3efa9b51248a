// The appendix calculator's answers: worked values from the saturation table and the cases
// where there is no answer.
#include <gtest/gtest.h>

#include "documents/psychro_calculator.h"

namespace qora {
namespace {

PsychroAnswers Compute(int system, const char* tdb, const char* tdp, const char* rh) {
  const char* t = system == 1 ? "°F" : "°C";
  return ComputePsychro(CalcContext{.unitSystem = system}, {tdb, tdp, rh}, "%",
                        QString::fromUtf8(t));
}

TEST(PsychroCalculator, WorkedValuesWithThePartsDecimals) {
  // 25 °C room, 12 °C dew point: psat(53.6 °F)/psat(77 °F) = 0.20339/0.45948 = 44.27 %,
  // shown without decimals. 25 °C at 80 %: dew point 21.31 °C (70.35 °F), one decimal.
  struct Case {
    int system;
    const char *tdb, *tdp, *rh, *rhAnswer, *dpAnswer;
  };
  const Case cases[] = {
      {2, "25", "12", "80", "44 %", "21.3 °C"},
      {3, "25", "12", "80", "44 %", "21.3 °C"},
      {1, "77", "53.6", "80", "44 %", "70.4 °F"},
      {2, "25", "25", "100", "100 %", "25.0 °C"},    // saturated air: dew point = room
      {2, "1,025", "12", "80", "N/A", "N/A"},        // thousands separator read, 1025 °C off table
      {2, "25", "12,0", "80,0", "44 %", "21.3 °C"},  // decimal commas
  };
  for (const Case& c : cases) {
    const PsychroAnswers a = Compute(c.system, c.tdb, c.tdp, c.rh);
    EXPECT_EQ(a.relativeHumidity, QString::fromUtf8(c.rhAnswer)) << c.system << " " << c.tdb;
    EXPECT_EQ(a.dewPoint, QString::fromUtf8(c.dpAnswer)) << c.system << " " << c.tdb;
  }
}

TEST(PsychroCalculator, NotAvailableWhereThereIsNoAnswer) {
  struct Case {
    const char* why;
    int system;
    const char *tdb, *tdp, *rh;
    bool rhShown, dpShown;
  };
  const Case cases[] = {
      {"empty room temperature", 2, "", "12", "80", false, false},
      {"dew point above the room", 2, "25", "26", "", false, false},
      {"only the room temperature", 2, "25", "", "", false, false},
      {"dew point only", 2, "25", "12", "", true, false},
      {"humidity only", 2, "25", "", "80", false, true},
      {"room below the table (-20 °F)", 1, "-30", "-35", "50", false, false},
      // The marker 99999 °F converted to °C is 55537.2 °C: still no answer.
      {"room above the table, SI", 2, "150", "20", "50", false, false},
      {"room above the table, kcal", 3, "150", "20", "50", false, false},
      {"humidity over 100 %", 2, "25", "", "120", false, false},
      {"humidity of 0 %", 2, "25", "", "0", false, false},
      {"a minus sign alone", 2, "-", "12", "80", false, false},
      {"digits and minus signs mixed", 2, "2-5", "12", "80", false, false},
      {"a point alone as the dew point", 2, "25", ".", "", false, false},
  };
  for (const Case& c : cases) {
    const PsychroAnswers a = Compute(c.system, c.tdb, c.tdp, c.rh);
    EXPECT_EQ(a.relativeHumidity != kNotAvailable, c.rhShown) << c.why;
    EXPECT_EQ(a.dewPoint != kNotAvailable, c.dpShown) << c.why;
  }
}

}  // namespace
}  // namespace qora
