#pragma once

namespace tavelor {

// Sizes of the drawing areas the phasors and histories are laid out for, read from
// the windows at show time.
struct TGeometrieAffichage {
    int LongueurHistorique = 380; // ZU_droi of the middle oscillogram frame
    // Paint boxes of the three-phase window; the phasors start at their centre (108, 104).
    int LargeurTriphase = 217;
    int HauteurTriphase = 209;
    // Paint box of the single-phase diagram; its origin is (50, round(3H/4)) = (50, 283).
    int HauteurDiagramme = 377;
};

} // namespace tavelor
