#pragma once

namespace tavelor {

// Sizes of the drawing areas the phasors and histories are laid out for, in pixels. The
// main window reads them from the side windows' real widgets at show time; the values
// here are those widgets' sizes, for a model run without windows.
struct TGeometrieAffichage {
    int LongueurHistorique = 380; // ZU_droi of the middle oscillogram frame
    // Paint boxes of the three-phase window: the stator and grid phasors start at the
    // centre of theirs, (Round(W/2), Round(H/2)) = (108, 104).
    int LargeurStator = 217;
    int HauteurStator = 209;
    int LargeurReseau = 217;
    int HauteurReseau = 209;
    // Paint box of the single-phase diagram; its origin is (50, Round(3H/4)) = (50, 283).
    int HauteurDiagramme = 377;
};

} // namespace tavelor
