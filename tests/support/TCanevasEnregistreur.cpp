#include "TCanevasEnregistreur.h"

namespace tavelor {

void TCanevasEnregistreur::CouleurPlume(TCouleur couleur)
{
    Couleur = couleur;
    Journal.push_back({TOperation::Couleur, {}, static_cast<int>(couleur)});
}

void TCanevasEnregistreur::EpaisseurPlume(int epaisseur)
{
    Epaisseur = epaisseur;
    Journal.push_back({TOperation::Epaisseur, {}, epaisseur});
}

void TCanevasEnregistreur::StylePlume(TStyleTrait style)
{
    Style = style;
    Journal.push_back({TOperation::Style, {}, static_cast<int>(style)});
}

void TCanevasEnregistreur::DeplaceVers(int x, int y)
{
    Courant = {x, y};
    Journal.push_back({TOperation::Deplace, Courant, 0});
}

void TCanevasEnregistreur::LigneVers(int x, int y)
{
    Segments.push_back({Courant, {x, y}, Couleur, Epaisseur, Style});
    Courant = {x, y};
    Journal.push_back({TOperation::Ligne, Courant, 0});
}

} // namespace tavelor
