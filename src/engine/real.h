// The number type of every calculation and the engine's "not found" marker.
#pragma once

namespace qora {

// All arithmetic is done in extended precision (80-bit on x86-64).
using Real = long double;

// Returned instead of an error by the psychrometric lookups, the radiation coefficient at
// equal temperatures, the unit converter for an unhandled pair and some routines given an
// unknown unit system.
inline constexpr Real kNotFound = 99999.0L;

}  // namespace qora
