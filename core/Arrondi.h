#pragma once

#include <cmath>
#include <limits>

namespace tavelor {

// Real to pixel: nearest integer, halves to the even neighbour (108.5 -> 108, 104.5 -> 104).
// Non-finite values give 0 and values beyond the int range are clamped, so that a
// degenerate scale can never produce undefined behaviour. Inline: the oscillograms
// round some thousands of samples per tick.
inline int Arrondi(double x)
{
    if (!std::isfinite(x))
        return 0;
    // std::nearbyint honours the default rounding mode: to nearest, ties to even.
    const double r = std::nearbyint(x);
    constexpr double bas = std::numeric_limits<int>::min();
    constexpr double haut = std::numeric_limits<int>::max();
    if (r <= bas)
        return std::numeric_limits<int>::min();
    if (r >= haut)
        return std::numeric_limits<int>::max();
    return static_cast<int>(r);
}

} // namespace tavelor
