// Number text. Parsing and formatting go through <charconv>, never through strtold or
// printf, because the GUI sets the process locale from the environment and a German
// desktop would otherwise read and write decimal commas.
#include "engine/number_text.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <string>

namespace qora {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

// The longest decimal form ValueToStr rounds, and the most decimals it writes.
constexpr int kMaxSignificant = 17;
constexpr int kMaxDecimals = 40;

// The decimal digits of |x| at `significant` digits, and the power of ten of the first
// digit: |x| ≈ 0.d1d2d3... × 10^(exponent + 1).
struct Digits {
  std::string digits;
  int exponent = 0;
  Real readBack = 0;  // the value of the written form
};

Digits ScientificDigits(Real x, int significant) {
  char buf[80];
  const auto res = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific,
                                 significant - 1);
  Digits d;
  const char* p = buf;
  for (; p != res.ptr && *p != 'e'; ++p) {
    if (*p >= '0' && *p <= '9') d.digits.push_back(*p);
  }
  if (p != res.ptr) std::from_chars(p + 1 + (p[1] == '+' ? 1 : 0), res.ptr, d.exponent);
  std::from_chars(buf, res.ptr, d.readBack);
  return d;
}

// The shortest of the 15-, 16- and 17-digit forms of x that reads back to the same double:
// the number as the user typed it or as a table holds it. A long double that no such form
// reproduces (a computed value) uses its 17-digit form, whose last digit is below the
// resolution any caller displays, so a tie cannot be manufactured by it.
Digits ShortestDigits(Real x) {
  for (int significant = 15; significant < kMaxSignificant; ++significant) {
    Digits d = ScientificDigits(x, significant);
    if (static_cast<double>(d.readBack) == static_cast<double>(std::fabs(x))) return d;
  }
  return ScientificDigits(x, kMaxSignificant);
}

// Fast path for the short texts fields hold ("0.95", "25.0", "1234.5"): up to 19 digits
// with a point and no exponent. The digits form an exact integer m and 10^k is exact in
// extended precision for k ≤ 27, so m / 10^k is one correctly rounded division, the same
// value the general conversion gives.
std::optional<Real> ParseShortDecimal(std::string_view text) {
  std::uint64_t m = 0;
  int digits = 0;
  int scale = -1;  // digits after the point, -1 before a point is seen
  for (char c : text) {
    if (c == '.') {
      if (scale >= 0) return std::nullopt;
      scale = 0;
    } else if (c >= '0' && c <= '9') {
      if (++digits > 19) return std::nullopt;
      m = m * 10 + static_cast<std::uint64_t>(c - '0');
      if (scale >= 0) ++scale;
    } else {
      return std::nullopt;  // exponent or sign: the general conversion decides
    }
  }
  if (digits == 0) return std::nullopt;
  Real power = 1;
  for (int i = 0; i < scale; ++i) power *= 10;
  return static_cast<Real>(m) / power;
}

// Away from a tie, rounding |x|·10^decimals to the nearest integer gives the digits the
// decimal form of x would: its 15- to 17-digit forms lie within 5e-15·|x| of x, far inside
// the margin kept here from the half. Near a tie, and for numbers beyond exact integer
// arithmetic, the decimal form decides (false). The formatting of a long double costs
// microseconds; this costs a few nanoseconds.
bool NearestByInteger(int decimals, Real x, std::string& intPart, std::string& fracPart,
                      bool& nonZero) {
  if (decimals > 12) return false;
  Real scale = 1;
  for (int i = 0; i < decimals; ++i) scale *= 10;
  const Real y = std::fabs(x) * scale;
  if (!(y < 1e13L)) return false;
  const Real whole = std::floor(y);
  const Real frac = y - whole;
  if (std::fabs(frac - 0.5L) <= 1e-9L + y * 1e-13L) return false;
  const std::uint64_t n = static_cast<std::uint64_t>(whole) + (frac > 0.5L ? 1 : 0);
  std::string digits = std::to_string(n);
  const auto d = static_cast<size_t>(decimals);
  if (digits.size() < d + 1) digits.insert(0, d + 1 - digits.size(), '0');
  intPart = digits.substr(0, digits.size() - d);
  fracPart = digits.substr(digits.size() - d);
  nonZero = n != 0;
  return true;
}

}  // namespace

std::optional<Real> ParseDecimal(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  bool negative = false;
  if (!text.empty() && (text.front() == '+' || text.front() == '-')) {
    negative = text.front() == '-';
    text.remove_prefix(1);
  }
  // Only plain decimal notation: no second sign, hexadecimal, "inf" or "nan".
  if (text.empty() ||
      !(std::isdigit(static_cast<unsigned char>(text.front())) || text.front() == '.')) {
    return std::nullopt;
  }
  if (text.find_first_not_of("0123456789.eE+-") != std::string_view::npos) return std::nullopt;
  if (const auto fast = ParseShortDecimal(text)) return negative ? -*fast : *fast;
  Real value = 0;
  const auto res =
      std::from_chars(text.data(), text.data() + text.size(), value, std::chars_format::general);
  if (res.ptr != text.data() + text.size()) return std::nullopt;  // "12abc", "1.2.3"
  if (res.ec == std::errc::result_out_of_range) {
    // Too small to hold is zero; too large to hold is no number at all.
    const auto e = text.find_first_of("eE");
    if (e == std::string_view::npos || text[e + 1] != '-') return std::nullopt;
    value = 0;
  } else if (res.ec != std::errc()) {
    return std::nullopt;
  }
  return negative ? -value : value;
}

namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// 1 to 3 digits not starting with 0, one or more groups of "," and exactly three digits,
// optionally "." and decimals: "1,200", "12,345,678.5". The sign is already taken off.
bool IsGroupedNumber(std::string_view s) {
  size_t i = 0;
  while (i < s.size() && IsDigit(s[i])) ++i;
  if (i < 1 || i > 3 || s[0] == '0') return false;
  int groups = 0;
  while (i < s.size() && s[i] == ',') {
    if (i + 4 > s.size() || !IsDigit(s[i + 1]) || !IsDigit(s[i + 2]) || !IsDigit(s[i + 3])) {
      return false;
    }
    i += 4;
    ++groups;
  }
  if (groups == 0) return false;
  if (i < s.size() && s[i] == '.') {
    ++i;
    while (i < s.size() && IsDigit(s[i])) ++i;
  }
  return i == s.size();
}

}  // namespace

Real StrToValue(std::string_view text) {
  return ParseTyped(text).value_or(0);
}

std::optional<Real> ParseTyped(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && IsBlank(text.back())) text.remove_suffix(1);
  std::string plain(text);
  const size_t commas = static_cast<size_t>(std::count(plain.begin(), plain.end(), ','));
  if (commas > 0) {
    const size_t sign = !plain.empty() && (plain[0] == '+' || plain[0] == '-') ? 1 : 0;
    if (IsGroupedNumber(std::string_view(plain).substr(sign))) {
      std::erase(plain, ',');  // thousands separators
    } else if (commas == 1 && plain.find('.') == std::string::npos) {
      plain[plain.find(',')] = '.';  // a decimal comma: "9,5" is 9.5
    }
    // Any other text with commas is not a number, and ParseDecimal refuses it.
  }
  // Text that is not wholly a number (also "12abc": reading its leading digits would give
  // a plausible but unintended value) is none; StrToValue reads it as 0, which the
  // analyses' "> 0" checks refuse.
  return ParseDecimal(plain);
}

// Rounding: half away from zero, decided on the shortest decimal form of x (see
// ShortestDigits), not on its binary value. 2.675 is held as 2.67499999…, yet it is the
// 2.675 the user typed, so with 2 decimals it becomes "2.68"; 0.125 gives "0.13",
// 2.5 with 0 decimals "3" and -2.5 "-3". printf would round the binary value half to
// even instead. A value that rounds to zero is written without a minus sign.
std::string ValueToStr(int width, int decimals, Real x) {
  decimals = std::clamp(decimals, 0, kMaxDecimals);
  if (!std::isfinite(x)) x = 0;  // never "nan" or "inf" on screen or paper

  std::string intPart = "0";
  std::string fracPart(static_cast<size_t>(decimals), '0');
  bool nonZero = false;
  if (x != 0 && !NearestByInteger(decimals, x, intPart, fracPart, nonZero)) {
    const Digits d = ShortestDigits(x);
    // Digits kept: those down to 10^-decimals. The first digit has weight 10^exponent.
    const int kept = d.exponent + 1 + decimals;
    if (kept >= 0) {
      std::string digits = d.digits;
      if (kept < static_cast<int>(digits.size())) {
        const bool up = digits[static_cast<size_t>(kept)] >= '5';
        digits.resize(static_cast<size_t>(kept));
        if (up) {
          int i = kept - 1;
          for (; i >= 0 && digits[static_cast<size_t>(i)] == '9'; --i) {
            digits[static_cast<size_t>(i)] = '0';
          }
          if (i >= 0) {
            ++digits[static_cast<size_t>(i)];
          } else {
            digits.insert(digits.begin(), '1');  // 9.99 -> 10.0: one more leading digit
          }
        }
      } else {
        digits.append(static_cast<size_t>(kept) - digits.size(), '0');
      }
      // digits now holds the value in units of 10^-decimals.
      nonZero = digits.find_first_not_of('0') != std::string::npos;
      if (static_cast<int>(digits.size()) < decimals + 1) {
        digits.insert(0, static_cast<size_t>(decimals + 1) - digits.size(), '0');
      }
      intPart = digits.substr(0, digits.size() - static_cast<size_t>(decimals));
      fracPart = digits.substr(digits.size() - static_cast<size_t>(decimals));
      const auto firstNonZero = intPart.find_first_not_of('0');
      intPart = firstNonZero == std::string::npos ? "0" : intPart.substr(firstNonZero);
    }
  }

  std::string text = (nonZero && x < 0) ? "-" : "";
  text += intPart;
  if (decimals > 0) text += "." + fracPart;
  if (static_cast<int>(text.size()) < width) {
    text.insert(0, static_cast<size_t>(width) - text.size(), ' ');
  }
  return text;
}

Real RoundValue(int decimals, Real x) {
  return StrToValue(ValueToStr(0, decimals, x));
}

std::string TrimZeros(std::string text) {
  while (!text.empty() && text.back() == '0') text.pop_back();
  if (!text.empty() && text.back() == '.') text.push_back('0');
  return text;
}

std::string DeleteChar(std::string text, char ch) {
  std::erase(text, ch);
  return text;
}

std::string DirOf(std::string_view path) {
  const auto last = path.find_last_of("\\/");
  return last == std::string_view::npos ? std::string() : std::string(path.substr(0, last + 1));
}

}  // namespace qora
