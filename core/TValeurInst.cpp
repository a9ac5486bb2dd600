#include "TValeurInst.h"

#include "Arrondi.h"

#include <algorithm>
#include <cstddef>

namespace tavelor {

void TValeurInst::Decale(std::vector<double> &valeurs, double v)
{
    if (valeurs.empty())
        return;
    std::copy(valeurs.begin() + 1, valeurs.end(), valeurs.begin());
    valeurs.back() = v;
}

void TValeurInst::TraceCourbe(TCanevas &canevas, const TGeometrieAxes &axes, const std::vector<double> &valeurs,
                              double echelle, TCouleur couleur)
{
    canevas.CouleurPlume(couleur);
    const std::size_t points = axes.ZU_droi > 0 ? std::min<std::size_t>(axes.ZU_droi, valeurs.size()) : 0;
    for (std::size_t i = 1; i < points; ++i) {
        const int x = axes.Largeur_gau + static_cast<int>(i);
        canevas.DeplaceVers(x - 1, axes.Longueur_sup - Arrondi(echelle * valeurs[i - 1]));
        canevas.LigneVers(x, axes.Longueur_sup - Arrondi(echelle * valeurs[i]));
    }
}

} // namespace tavelor
