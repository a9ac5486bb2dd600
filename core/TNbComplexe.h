#pragma once

#include "TCanevas.h"
#include "TCouleur.h"
#include "TGeometrieAxes.h"

#include <vector>

namespace tavelor {

// One voltage or current of the machine model as a complex RMS value (Reel + j·Imag,
// in volts or amperes) with what it takes to show it: an arrow drawn from (X0, Y0) at
// Echelle pixels per unit, and a history of instantaneous values for the oscillograms.
// A plain record: the model and the windows read and write the fields directly.
class TNbComplexe {
public:
    static constexpr double AngleFlecheDefaut = 0.5235987755982989; // pi/6

    double Reel = 0.0;
    double Imag = 0.0;
    double Pulsation = 0.0; // rad/s, only for ValeurInstantanee
    int X0 = 0;             // arrow origin, pixels of the target canvas (y downward)
    int Y0 = 0;
    bool Visible = true;
    TCouleur Couleur = clBlack;
    int Epaisseur = 2;
    TStyleTrait StyleTrait = TStyleTrait::psSolid;
    double Echelle = 1.0; // pixels per volt or per ampere
    int LongueurFleche = 10;
    double AngleFleche = AngleFlecheDefaut; // between each barb and the shaft
    std::vector<double> Valeurs;            // oldest sample first; sized once, shifted in place

    // The arrow and its two barbs; leaves the pen 1 pixel wide. Nothing at all when invisible.
    void Dessine(TCanevas &canevas) const;
    double Module() const;
    // In (-pi, pi]; 0 for the zero phasor.
    double Argument() const;
    // Module·sin(Argument + Pulsation·t): RMS value as amplitude, t the model time in seconds.
    double ValeurInstantanee(double t) const;
    void AjouteValeur(double v);
    void TraceValeurs(TCanevas &canevas, const TGeometrieAxes &axes) const;
};

} // namespace tavelor
