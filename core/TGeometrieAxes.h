#pragma once

namespace tavelor {

// What a sampled curve needs from the axes frame it is drawn in: the origin
// (Largeur_gau, Longueur_sup) and the plotting width ZU_droi, one pixel per sample.
struct TGeometrieAxes {
    int Largeur_gau = 0;
    int Longueur_sup = 0;
    int ZU_droi = 0;
};

} // namespace tavelor
