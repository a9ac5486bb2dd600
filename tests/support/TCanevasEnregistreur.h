#pragma once

#include "TCanevas.h"
#include "TPoint.h"

#include <vector>

namespace tavelor {

// A canvas that draws nothing and keeps, in order, every pen change, move and segment,
// each segment with the pen it was drawn with.
class TCanevasEnregistreur : public TCanevas {
public:
    enum class TOperation { Couleur, Epaisseur, Style, Deplace, Ligne };

    struct TEvenement {
        TOperation Operation;
        TPoint Point{}; // Deplace, Ligne: the end point
        int Valeur = 0; // Couleur, Epaisseur, Style: the new setting
    };

    struct TSegment {
        TPoint De;
        TPoint A;
        TCouleur Couleur;
        int Epaisseur;
        TStyleTrait Style;
    };

    // Pen as the code under test left it; the starting values are arbitrary but not the usual ones.
    TCouleur Couleur = 0x123456;
    int Epaisseur = 7;
    TStyleTrait Style = TStyleTrait::psInsideFrame;
    TPoint Courant{};
    std::vector<TEvenement> Journal;
    std::vector<TSegment> Segments;

    void CouleurPlume(TCouleur couleur) override;
    void EpaisseurPlume(int epaisseur) override;
    void StylePlume(TStyleTrait style) override;
    void DeplaceVers(int x, int y) override;
    void LigneVers(int x, int y) override;
};

} // namespace tavelor
