// The two line screens: chilled water and hot water.
#pragma once

namespace qora {

enum class LineKind { Chilled, Hot };

}  // namespace qora
