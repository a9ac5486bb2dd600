#pragma once

namespace tavelor {

// Real to pixel: nearest integer, halves to the even neighbour (108.5 -> 108, 104.5 -> 104).
// Non-finite values give 0 and values beyond the int range are clamped, so that a
// degenerate scale can never produce undefined behaviour.
int Arrondi(double x);

} // namespace tavelor
