// The stocked insulation thicknesses, in millimetres, and the labels that pair each with
// its nominal inch size.
#include "engine/standard_thickness.h"

namespace qora {

const std::array<int, 15> InsulThicknessMM = {3,  6,  10, 13, 20, 25, 32, 38,
                                              44, 50, 56, 63, 70, 75, 100};

const std::array<std::string, 15> InsulThicknessNames = {
    "  3 mm.(  1/8\")", "  6 mm.(  1/4\")", " 10 mm.(  3/8\")", " 13 mm.(  1/2\")",
    " 20 mm.(  3/4\")", " 25 mm.(    1\")", " 32 mm.(1-1/4\")", " 38 mm.(1-1/2\")",
    " 44 mm.(1-3/4\")", " 50 mm.(    2\")", " 56 mm.(2-1/4\")", " 63 mm.(2-1/2\")",
    " 70 mm.(2-3/4\")", " 75 mm.(    3\")", "100 mm.(    4\")"};

}  // namespace qora
