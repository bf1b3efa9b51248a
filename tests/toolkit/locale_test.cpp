// What the program writes for machines and for itself (draw-list records, axis limits,
// number texts) is the same under a decimal-comma locale as under "C": the GUI takes the
// desktop's locale at start, so nothing may format or parse numbers through it.
#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "engine/number_text.h"
#include "toolkit/draw.h"
#include "toolkit/nice_scale.h"
#include "toolkit/recording_canvas.h"

namespace qora {
namespace {

// Everything that turns numbers into text or back, in one string.
std::string NumberTexts() {
  RecordingCanvas page(QSizeF(280, 200), RecordingCanvas::Units::Millimetres);
  SetPrnPen(page, kRed, PenStyle::Dash, 0.25);
  PrnLine(page, 10.125, 20.5, 190.75, -3.5);
  SetPrnFont(page, "Liberation Sans", 10.5, kRegular, kBlack);
  PrnText(page, HAlign::Centre, VAlign::Bottom, "1,5 and 2.25", 100.5, 50.25);
  Real lo = 0.123L, hi = 47.9L;
  const Real step = NiceScale(lo, hi);
  return page.log() + ValueToStr(0, 2, 1.5L) + " " + ValueToStr(0, 1, StrToValue("12.75")) + " " +
         ValueToStr(0, 6, lo) + " " + ValueToStr(0, 6, hi) + " " + ValueToStr(0, 6, step);
}

TEST(Locale, NumberTextsAreTheSameUnderADecimalCommaLocale) {
  const std::string before = std::setlocale(LC_ALL, nullptr);
  ASSERT_NE(std::setlocale(LC_ALL, "C"), nullptr);
  const std::string c = NumberTexts();
  const char* comma = nullptr;
  for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
    if (std::setlocale(LC_ALL, name) && *std::localeconv()->decimal_point == ',') {
      comma = name;
      break;
    }
  }
  const std::string underComma = comma ? NumberTexts() : std::string();
  std::setlocale(LC_ALL, before.c_str());
  if (!comma) GTEST_SKIP() << "no decimal-comma locale is installed (the set-up installs one)";
  EXPECT_EQ(underComma, c) << "under " << comma;
  EXPECT_NE(c.find("line 10.125 20.5 190.75 -3.5 pen 0x0000FF dash 0.25"), std::string::npos) << c;
  EXPECT_NE(c.find(" 10.5 regular"), std::string::npos) << c;
  EXPECT_NE(c.find("1.50 12.8 0.000000 50.000000 5.000000"), std::string::npos) << c;
}

}  // namespace
}  // namespace qora
