#pragma once

#include "TCablage.h"
#include "TPoint.h"

#include <array>

namespace tavelor {

// Centres of the six terminals in the bench's wire area, as the main window lays them
// out (indexed by TBorne): the switch side at x = 14, the grid side at x = 49.
inline constexpr std::array<TPoint, 6> CentresBornesBanc{{{14, 16}, {14, 51}, {14, 86}, {49, 16}, {49, 51}, {49, 86}}};

// The four ways of wiring S2 and S3: the draw at start (below 0.5 the stator phases
// behind S2 and S3 are swapped) and the grid terminals wired to S2 and S3; two give the
// grid's phase order, two cross it.
struct TCasCablage {
    double aleatoire;
    TBorne r2, r3;
    bool ordreJuste;
};
inline constexpr std::array<TCasCablage, 4> CasCablages{{
    {0.75, TBorne::ShapeR2, TBorne::ShapeR3, true},
    {0.25, TBorne::ShapeR2, TBorne::ShapeR3, false},
    {0.75, TBorne::ShapeR3, TBorne::ShapeR2, false},
    {0.25, TBorne::ShapeR3, TBorne::ShapeR2, true},
}};

} // namespace tavelor
