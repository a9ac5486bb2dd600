#include "Arrondi.h"

#include <cmath>
#include <limits>

namespace tavelor {

int Arrondi(double x)
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
