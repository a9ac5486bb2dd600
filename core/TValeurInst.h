#pragma once

#include "TCanevas.h"
#include "TCouleur.h"
#include "TGeometrieAxes.h"

#include <vector>

namespace tavelor {

// One sampled curve with no phasor of its own: the voltage across a switch pole,
// in volts, oldest sample first. The history is sized once and shifted in place.
class TValeurInst {
public:
    std::vector<double> Valeurs;
    double Echelle = 0.0; // pixels per volt
    TCouleur Couleur = clBlack;

    // Drops the oldest sample and stores v as the newest.
    void AjouteValeur(double v) { Decale(Valeurs, v); }
    void TraceValeurs(TCanevas &canevas, const TGeometrieAxes &axes) const
    {
        TraceCourbe(canevas, axes, Valeurs, Echelle, Couleur);
    }

    // Shared with the phasors' histories. Decale leaves an empty history empty.
    static void Decale(std::vector<double> &valeurs, double v);
    // Sample i at x = Largeur_gau + i, y = Longueur_sup - round(echelle * value): one
    // segment per pair of neighbouring samples, at most ZU_droi - 1 of them and never
    // more than the history holds.
    static void TraceCourbe(TCanevas &canevas, const TGeometrieAxes &axes, const std::vector<double> &valeurs,
                            double echelle, TCouleur couleur);
};

} // namespace tavelor
