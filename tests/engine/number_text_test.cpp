// Number text: reading typed numbers, fixed-point text with half-away-from-zero rounding
// on the decimal value the user sees, and the small text helpers.
#include "engine/number_text.h"

#include <gtest/gtest.h>

#include <limits>

#include "test_support.h"

namespace qora {
namespace {

TEST(StrToValue, ReadsDecimalTextAndRefusesEverythingElseAsZero) {
  const struct {
    const char* text;
    Real expected;
  } cases[] = {
      {"1,234.5", 1234.5L},  // thousands separators removed
      {"1,000,000", 1000000},
      {" 12 ", 12},  // blanks around the number
      {"-3.5e2", -350},
      {".5", 0.5L},
      {"+7", 7},
      {"", 0},
      {"   ", 0},
      {"abc", 0},
      {"12abc", 0},  // a partly numeric text is not a number
      {"1.2.3", 0},
      {"--1", 0},
      {"inf", 0},  // never an infinite or NaN value from a field
      {"nan", 0},
      {"0x10", 0},     // no hexadecimal
      {"1e5000", 0},   // too large to hold
      {"1e-5000", 0},  // too small to hold is zero anyway
      {"1 234", 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StrToValue(c.text), c.expected);
  }
}

TEST(StrToValue, ACommaIsADecimalCommaUnlessTheNumberIsGrouped) {
  const struct {
    const char* text;
    Real expected;
  } cases[] = {
      // Grouped: 1 to 3 leading digits, groups of exactly three, optional decimals.
      {"1,200", 1200},
      {"1,500", 1500},
      {"12,345,678.5", 12345678.5L},
      {"-1,000", -1000},
      {" 999,999 ", 999999},
      // Anything else with one comma: the decimal point.
      {"9,5", 9.5L},
      {"0,035", 0.035L},
      {"1,5", 1.5L},
      {"1,5000", 1.5L},
      {"1234,5", 1234.5L},
      {"-2,25", -2.25L},
      {",5", 0.5L},
      {"0,500", 0.5L},  // a leading 0 is no group leader
      // Neither: not a number.
      {"1,2,3", 0},
      {"1,23.5", 0},
      {"1,234,5", 0},
      {"1,", 1},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(StrToValue(c.text), c.expected);
  }
}

TEST(ParseTyped, TextThatIsNoNumberIsNothingRatherThanZero) {
  const struct {
    const char* text;
    std::optional<Real> expected;
  } cases[] = {
      {"0", 0},
      {" -0,5 ", -0.5L},
      {"1,200", 1200},
      {"", std::nullopt},
      {"-", std::nullopt},
      {"2-5", std::nullopt},
      {"1,2,3", std::nullopt},
      {".", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseTyped(c.text), c.expected) << c.text;
}

TEST(StrToValue, CorrectlyRoundedLikeTheCompilersLiterals) {
  const struct {
    const char* text;
    Real literal;
  } cases[] = {
      {"0.95", 0.95L},
      {"0.1", 0.1L},
      {"1234.5678", 1234.5678L},
      {"123456789.123456789", 123456789.123456789L},
      {"3.141592653589793238", 3.141592653589793238L},
      {"0.00000000000000000001", 0.00000000000000000001L},
      {"12345678901234567890123", 12345678901234567890123.0L},
      {"2.675e-3", 2.675e-3L},
  };
  for (const auto& c : cases) EXPECT_EQ(StrToValue(c.text), c.literal) << c.text;
}

TEST(ParseDecimal, KeepsCommasAsNonNumeric) {
  EXPECT_FALSE(ParseDecimal("1,5").has_value());
  EXPECT_FALSE(ParseDecimal("").has_value());
  ASSERT_TRUE(ParseDecimal(" -0.25 ").has_value());
  EXPECT_EQ(*ParseDecimal(" -0.25 "), -0.25L);
}

TEST(ValueToStr, RoundsHalfAwayFromZeroOnTheDecimalValue) {
  const struct {
    int width;
    int decimals;
    Real x;
    const char* expected;
  } cases[] = {
      {0, 2, 0.125L, "0.13"},
      {0, 0, 2.5L, "3"},
      {0, 0, -2.5L, "-3"},
      {0, 0, 0.5L, "1"},
      {0, 2, 2.675L, "2.68"},                      // held as 2.67499999...: the typed 2.675 decides
      {0, 2, static_cast<double>(2.675), "2.68"},  // the same number read as a double
      {0, 2, 1.005L, "1.01"},
      {0, 2, 0.1249999999999999, "0.12"},  // a genuinely smaller number stays below
      {0, 2, 0.005L, "0.01"},
      {0, 2, 0.0049L, "0.00"},
      {0, 1, 9.96L, "10.0"},  // carry into a new leading digit
      {0, 1, 99.95L, "100.0"},
      {0, 2, 12345.678L, "12345.68"},
      {0, 3, 25, "25.000"},
      {0, 1, -0.04L, "0.0"},  // rounds to zero: no minus sign
      {0, 2, 1e20L, "100000000000000000000.00"},
      {0, 5, 1.0L / 3, "0.33333"},
      {8, 3, -1.5L, "  -1.500"},    // right-aligned to the width
      {2, 3, 1234.5L, "1234.500"},  // a narrower width adds nothing
      {5, 0, 999.5L, " 1000"},
      {0, -2, 3.7L, "4"},  // negative decimals count as none
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.expected);
    EXPECT_EQ(ValueToStr(c.width, c.decimals, c.x), c.expected);
  }
}

TEST(ValueToStr, EveryTypedThousandthRoundsHalfUpToHundredths) {
  // k/1000 typed as text, e.g. "12.345"; the expected hundredths by integer arithmetic.
  for (int k = 0; k < 20000; ++k) {
    const std::string typed = std::to_string(k / 1000) + "." +
                              std::string(1, static_cast<char>('0' + k / 100 % 10)) +
                              std::string(1, static_cast<char>('0' + k / 10 % 10)) +
                              std::string(1, static_cast<char>('0' + k % 10));
    const int hundredths = (k + 5) / 10;
    const std::string expected = std::to_string(hundredths / 100) + "." +
                                 std::string(1, static_cast<char>('0' + hundredths / 10 % 10)) +
                                 std::string(1, static_cast<char>('0' + hundredths % 10));
    const Real value = StrToValue(typed);
    ASSERT_EQ(ValueToStr(0, 2, value), expected) << typed;
    ASSERT_EQ(ValueToStr(0, 2, static_cast<double>(value)), expected) << typed << " as double";
    const std::string negative = hundredths == 0 ? expected : "-" + expected;
    ASSERT_EQ(ValueToStr(0, 2, -value), negative) << "-" << typed;
  }
}

TEST(ValueToStr, WritesNonFiniteValuesAsZero) {
  EXPECT_EQ(ValueToStr(0, 2, std::numeric_limits<Real>::quiet_NaN()), "0.00");
  EXPECT_EQ(ValueToStr(6, 1, std::numeric_limits<Real>::infinity()), "   0.0");
  EXPECT_EQ(ValueToStr(0, 0, -std::numeric_limits<Real>::infinity()), "0");
}

TEST(RoundValue, RoundsAsTheTextShowsIt) {
  EXPECT_EQ(RoundValue(1, 2.25L), 2.3L);
  EXPECT_EQ(RoundValue(2, 2.675L), 2.68L);
  EXPECT_EQ(RoundValue(0, -2.5L), -3);
  EXPECT_REAL_NEAR(RoundValue(1, 388.0335L), 388.0L, 1e-15L);
}

TEST(TextHelpers, TrimDeleteAndDirectory) {
  const struct {
    const char* in;
    const char* out;
  } trims[] = {{"12.500", "12.5"}, {"3.000", "3.0"},   {"100", "1"},
               {"0.000", "0.0"},   {"7.733", "7.733"}, {"", ""}};
  for (const auto& t : trims) EXPECT_EQ(TrimZeros(t.in), t.out) << t.in;

  EXPECT_EQ(DeleteChar("1,234,567", ','), "1234567");
  EXPECT_EQ(DeleteChar("abc", 'x'), "abc");

  EXPECT_EQ(DirOf("C:\\QORA\\QORA2000.exe"), "C:\\QORA\\");
  EXPECT_EQ(DirOf("/opt/qora/bin/qora2000"), "/opt/qora/bin/");
  EXPECT_EQ(DirOf("qora2000"), "");
  EXPECT_EQ(DirOf("/"), "/");
}

}  // namespace
}  // namespace qora
