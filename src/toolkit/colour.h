// Colours as the program's data and layouts give them: 0x00BBGGRR (blue in the high
// byte), and the sixteen-colour standard palette.
#pragma once

#include <cstdint>

namespace qora {

using Colour = std::uint32_t;

inline constexpr Colour kBlack = 0x000000, kSilver = 0xC0C0C0, kGrey = 0x808080, kRed = 0x0000FF,
                        kBlue = 0xFF0000, kAqua = 0xFFFF00, kYellow = 0x00FFFF, kWhite = 0xFFFFFF,
                        kLime = 0x00FF00, kMaroon = 0x000080, kFuchsia = 0xFF00FF;

// Palette index 0..15; a larger (or negative) index gives black.
Colour PaletteColor(int index);

}  // namespace qora
