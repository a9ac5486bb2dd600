#pragma once

namespace tavelor {

// A pixel position, x to the right and y downward.
struct TPoint {
    int x = 0;
    int y = 0;

    bool operator==(const TPoint &) const = default;
};

} // namespace tavelor
