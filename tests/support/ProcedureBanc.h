#pragma once

#include "TCablage.h"
#include "TModele.h"

namespace tavelor::test {

// Wires S1-R1, then the terminals of stator phases 2 and 3 to R2 and R3, so that the
// stator reaches the grid in the grid's phase order whichever order was drawn at show time.
inline void CableDansLOrdre(TCablage &cablage)
{
    const bool direct = cablage.Tag(TBorne::ShapeS2) == 2;
    const TBorne s2 = direct ? TBorne::ShapeS2 : TBorne::ShapeS3;
    const TBorne s3 = direct ? TBorne::ShapeS3 : TBorne::ShapeS2;
    for (TBorne borne : {TBorne::ShapeS1, TBorne::ShapeR1, s2, TBorne::ShapeR2, s3, TBorne::ShapeR3})
        cablage.ShapeS1MouseUp(borne);
}

// The coupling procedure without the windows: wired in order, 0.47 A, 1500 rpm, rotor
// aligned on the grid, one update, switch closed.
inline void CoupleLeBanc(TModele &modele, TCablage &cablage)
{
    CableDansLOrdre(cablage);
    modele.TrackBarIeChange(160 - 47);
    modele.TrackBarNChange(1500);
    modele.AligneRotor();
    modele.MiseAJourModele();
    cablage.BitBtnFermeInterClick();
}

} // namespace tavelor::test
