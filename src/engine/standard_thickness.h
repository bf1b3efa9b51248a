// The fifteen stocked insulation thicknesses and their labels.
#pragma once

#include <array>
#include <string>

namespace qora {

// Entries 1..15 are at index 0..14: 3, 6, 10, ... 100 mm.
extern const std::array<int, 15> InsulThicknessMM;
// "  3 mm.(  1/8\")" ... : millimetres right-aligned in 3, " mm.(", inch size right-aligned
// in 5, an inch mark, ")".
extern const std::array<std::string, 15> InsulThicknessNames;

}  // namespace qora
