// Rounding to the nearest integer with halves to the even neighbour, the
// floating-point unit's default mode: 2.5 gives 2, 3.5 gives 4. The widgets'
// position, percentage and colour arithmetic all round this way.
#pragma once

#include <cmath>

// Taken in extended precision: a double widens to it exactly, so a double
// rounds here as it would by itself.
inline int RoundHalfEven(long double value) { return static_cast<int>(std::llrint(value)); }
