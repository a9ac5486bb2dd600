#include "TNbComplexe.h"

#include "Angles.h"
#include "Arrondi.h"
#include "TValeurInst.h"

#include <cmath>

namespace tavelor {

void TNbComplexe::Dessine(TCanevas &canevas) const
{
    if (!Visible)
        return;

    // Direction of the shaft; a zero phasor counts as pointing down, so its head
    // is drawn as a downward arrow at the origin.
    double theta;
    if (Reel > 0.0)
        theta = std::atan(Imag / Reel);
    else if (Reel < 0.0)
        theta = std::atan(Imag / Reel) + Pi;
    else
        theta = Imag > 0.0 ? Pi / 2.0 : -Pi / 2.0;

    canevas.CouleurPlume(Couleur);
    canevas.EpaisseurPlume(Epaisseur);
    canevas.StylePlume(StyleTrait);
    // Only a solid pen can be wider than one pixel.
    if (StyleTrait != TStyleTrait::psSolid)
        canevas.EpaisseurPlume(1);

    const int xt = X0 + Arrondi(Echelle * Reel);
    const int yt = Y0 - Arrondi(Echelle * Imag);
    canevas.DeplaceVers(X0, Y0);
    canevas.LigneVers(xt, yt);
    // A head longer than its shaft would read as a phasor of its own, pointing anywhere:
    // a phasor shorter than its barbs is drawn as its shaft alone.
    if (std::hypot(xt - X0, yt - Y0) < LongueurFleche) {
        canevas.EpaisseurPlume(1);
        return;
    }
    canevas.LigneVers(xt - Arrondi(LongueurFleche * std::cos(theta + AngleFleche)),
                      yt + Arrondi(LongueurFleche * std::sin(theta + AngleFleche)));
    canevas.DeplaceVers(xt, yt);
    canevas.LigneVers(xt - Arrondi(LongueurFleche * std::cos(theta - AngleFleche)),
                      yt + Arrondi(LongueurFleche * std::sin(theta - AngleFleche)));
    canevas.EpaisseurPlume(1);
}

double TNbComplexe::Module() const
{
    return std::sqrt(Reel * Reel + Imag * Imag);
}

double TNbComplexe::Argument() const
{
    if (Reel == 0.0) {
        if (Imag > 0.0)
            return Pi / 2.0;
        if (Imag < 0.0)
            return -Pi / 2.0;
        return 0.0;
    }
    const double angle = std::acos(Reel / Module());
    return Imag >= 0.0 ? angle : -angle;
}

double TNbComplexe::ValeurInstantanee(double t) const
{
    return Module() * std::sin(Argument() + Pulsation * t);
}

void TNbComplexe::AjouteValeur(double v)
{
    TValeurInst::Decale(Valeurs, v);
}

void TNbComplexe::TraceValeurs(TCanevas &canevas, const TGeometrieAxes &axes) const
{
    TValeurInst::TraceCourbe(canevas, axes, Valeurs, Echelle, Couleur);
}

} // namespace tavelor
