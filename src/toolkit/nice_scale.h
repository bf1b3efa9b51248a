// Round axis limits and a round tick step for a chart.
#pragma once

#include "engine/real.h"

namespace qora {

// lo and hi are widened to round limits; returns the tick step.
Real NiceScale(Real& lo, Real& hi);

}  // namespace qora
