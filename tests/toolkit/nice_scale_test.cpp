#include "toolkit/nice_scale.h"

#include <gtest/gtest.h>

#include <cmath>

#include "test_support.h"
#include "toolkit/colour.h"

namespace qora {
namespace {

struct ScaleCase {
  Real lo, hi;                // data range
  Real step, niceLo, niceHi;  // by hand: ladder step, centre cut, then stepping out
};

// Each case worked by hand: range → step from the ladder; centre written %15.5f and cut;
// limits stepped out from the cut centre until they pass lo/hi by more than 0.00001.
const ScaleCase kScaleCases[] = {
    {0, 7.3L, 1, 0, 8},                 // centre 3.65 cut to 3
    {0, 40, 5, 0, 45},                  // centre 20; hi 40 < 40.00001 steps once more
    {5, 5, 0.0001L, 5, 5.0001L},        // empty range: smallest step
    {0, 10, 1, 0, 11},                  // step 1 (threshold inclusive); centre 5 cut to 0
    {0, 10.01L, 2, 0, 12},              // centre 5.005 cut to 0 (tens)
    {-12.5L, 37.5L, 5, -15, 40},        // centre 12.5 cut to 10 (tens)
    {-7.3L, 0, 1, -8, 1},               // centre -3.65 cut toward zero to -3; 0 < 0.00001
    {100, 250, 20, 100, 260},           // centre 175 cut to 100 (hundreds)
    {0.12L, 0.47L, 0.05L, 0.1L, 0.5L},  // centre 0.295 cut to 0.2
    {1000, 1000.0005L, 0.0001L, 1000, 1000.0006L},  // centre 1000.00025 → 1000.0002
    {0, 2.5e7L, 1e6L, 0, 2.6e7L},  // beyond the ladder: step 1 000 000; centre cut to 1e7
};

TEST(NiceScale, LadderAndCentreCutGiveHandWorkedLimits) {
  for (const ScaleCase& c : kScaleCases) {
    Real lo = c.lo, hi = c.hi;
    const Real step = NiceScale(lo, hi);
    SCOPED_TRACE(testing::Message()
                 << "range " << static_cast<double>(c.lo) << ".." << static_cast<double>(c.hi));
    EXPECT_REAL_NEAR(step, c.step, 1e-12L);
    EXPECT_REAL_NEAR(lo, c.niceLo, 1e-9L);
    EXPECT_REAL_NEAR(hi, c.niceHi, 1e-9L);
  }
}

TEST(NiceScale, LimitsThatAreNotNumbersGiveAFiniteAxis) {
  Real lo = NAN, hi = 3;
  const Real step = NiceScale(lo, hi);
  EXPECT_TRUE(std::isfinite(lo) && std::isfinite(hi) && step > 0);
  EXPECT_LT(lo, hi);
}

TEST(NiceScale, ReversedLimitsAreScaledAsTheSameRange) {
  Real lo = 7.3L, hi = 0;
  EXPECT_REAL_NEAR(NiceScale(lo, hi), 1, 1e-12L);
  EXPECT_REAL_NEAR(lo, 0, 1e-12L);
  EXPECT_REAL_NEAR(hi, 8, 1e-12L);
}

TEST(NiceScale, AbsurdLimitsStillGiveAnAxisOfSomeWidthPromptly) {
  for (Real v : {1e20L, -1e30L, 1e4000L}) {
    Real lo = v, hi = v;
    const Real step = NiceScale(lo, hi);
    EXPECT_GT(hi, lo) << static_cast<double>(v);
    EXPECT_REAL_NEAR(hi - lo, step, step * 1e-3L);
  }
  Real lo = -1e30L, hi = 1e30L;
  EXPECT_REAL_NEAR(NiceScale(lo, hi), 1e6L, 0);
  EXPECT_TRUE(std::isfinite(lo) && std::isfinite(hi) && lo < hi);
}

TEST(PaletteColor, SixteenColoursThenBlack) {
  EXPECT_EQ(PaletteColor(0), 0x000000u);
  EXPECT_EQ(PaletteColor(1), 0x000080u);  // maroon: red in the low byte
  EXPECT_EQ(PaletteColor(4), 0x800000u);  // navy: blue in the high byte
  EXPECT_EQ(PaletteColor(7), 0xC0C0C0u);
  EXPECT_EQ(PaletteColor(9), 0x0000FFu);   // red
  EXPECT_EQ(PaletteColor(13), 0xFF00FFu);  // fuchsia
  EXPECT_EQ(PaletteColor(14), 0xFFFF00u);  // aqua
  EXPECT_EQ(PaletteColor(15), 0xFFFFFFu);
  EXPECT_EQ(PaletteColor(16), kBlack);
  EXPECT_EQ(PaletteColor(-1), kBlack);
}

}  // namespace
}  // namespace qora
