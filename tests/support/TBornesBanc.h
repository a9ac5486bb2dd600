#pragma once

#include "TPoint.h"

#include <array>

namespace tavelor {

// Centres of the six terminals in the bench's wire area, as the main window lays them
// out (indexed by TBorne): the switch side at x = 14, the grid side at x = 49.
inline constexpr std::array<TPoint, 6> CentresBornesBanc{{{14, 16}, {14, 51}, {14, 86}, {49, 16}, {49, 51}, {49, 86}}};

} // namespace tavelor
