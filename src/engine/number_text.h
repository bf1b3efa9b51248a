// Numbers to and from the texts users type and files hold.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "engine/real.h"

namespace qora {

// The plain decimal conversion: optional blanks, an optional sign, digits with an optional
// point and exponent, optional blanks. std::nullopt for anything else (also "12abc", "inf",
// hexadecimal, an empty text or a number too large to hold).
std::optional<Real> ParseDecimal(std::string_view text);

// Reads a typed number. Commas are thousands separators only in a grouped number (1 to 3
// leading digits not starting with 0, then groups of "," and three digits, then optionally
// "." and decimals: "1,200", "12,345,678.5"); in any other text a single comma is the
// decimal point ("9,5" is 9.5, "0,035" is 0.035). Leading and trailing blanks are ignored;
// text that is not a number gives 0.
Real StrToValue(std::string_view text);
// The same, or nothing when the text is not a number (an empty field included).
std::optional<Real> ParseTyped(std::string_view text);

// Fixed-point text with exactly `decimals` digits after the point, right-aligned with
// blanks to at least `width` characters. Rounds half away from zero on the decimal value
// the user sees (see number_text.cpp for how binary ties such as 2.675 are decided).
std::string ValueToStr(int width, int decimals, Real x);

// x rounded to `decimals` places: ValueToStr(0, decimals, x) read back.
Real RoundValue(int decimals, Real x);

// Removes trailing '0's; if the text then ends with '.', appends one '0'.
std::string TrimZeros(std::string text);

// Removes every occurrence of one character.
std::string DeleteChar(std::string text, char ch);

// The part of a path up to and including its last separator ('\\' or '/'); empty when
// there is none.
std::string DirOf(std::string_view path);

}  // namespace qora
