#pragma once

#include "TCanevas.h"
#include "TCouplage.h"
#include "TPoint.h"
#include "TProtectionReseau.h"
#include "TVueBanc.h"

#include <array>
#include <optional>

namespace tavelor {

class TModele;

// The wiring between the switch-side terminals S1..S3 and the grid terminals R1..R3, and
// the three-phase switch. The user clicks terminals; a pair is the last switch-side and the
// last grid terminal clicked once both sides have one waiting. The stator phase behind S2
// and S3 is drawn at random at show time, so the phase order sometimes needs a re-wiring.
// The switch closes only when the four coupling conditions are met, as the instruments show them.
// It reads and writes the model's wiring state (Connexion, OrdrePhases, Couplage, the
// speed bar) and opens the switch when the model reports a loss of synchronism; the
// model knows it only as its protection.
class TCablage : public TProtectionReseau {
public:
    TCablage(TModele &modele, TVueBanc &vue);
    ~TCablage() override;
    TCablage(const TCablage &) = delete;
    TCablage &operator=(const TCablage &) = delete;

    std::array<int, 3> SeqS{}; // tags of the switch-side terminals in click order, 0 = not yet
    std::array<int, 3> SeqR{}; // the same for the grid side
    int CompteS = 1;           // next free entry of SeqS, 1-based; 4 once the side is done
    int CompteR = 1;
    bool AttenteS = false; // a terminal of that side waits for its partner
    bool AttenteR = false;
    int DernierS = 0; // tag of the last terminal clicked on that side
    int DernierR = 0;
    // Entry k - 1: centre of the terminal with tag k, in PaintBox1 coordinates.
    std::array<TPoint, 3> PointS{};
    std::array<TPoint, 3> PointR{};

    // Switch side: the stator phase behind the terminal; grid side: the grid phase.
    int Tag(TBorne borne) const;
    bool BorneActive(TBorne borne) const;
    bool BitBtnFermeInterActif() const { return fermeInterActif_; }
    // The wiring's phase order: what the phase-order indicator shows and the closing obeys.
    TOrdreConstate OrdreConstate() const;
    // What the instruments read at the last closing of the switch; none before the first.
    const std::optional<TReleveFermeture> &Fermeture() const { return fermeture_; }

    // Terminal centres, indexed by TBorne, in the coordinates of the wire area, as the
    // window lays them out; and the random stator phases behind S2 and S3, aleatoire in [0, 1).
    void PreparerAffichage(double aleatoire, const std::array<TPoint, 6> &centres);
    void ShapeS1MouseUp(TBorne borne);
    void FormPaint(TCanevas &canevas) const;
    void BitBtnRecableClick();
    // Closes the switch when the four conditions are met; otherwise says which are not, and why.
    void BitBtnFermeInterClick();
    // Opens the switch and gives the bar back to the speed, with the shaft stopped, the
    // wiring kept: the operator's opening, the protection's and the re-wiring's.
    void Decoupler();
    // Loss of synchronism: the message holds the caller until acknowledged, then Decoupler.
    // Found again while that message is up (by ticks, when it was not shown from a tick),
    // it is neither told nor acted on twice.
    void OuvertureProtection() override;

private:
    TModele &modele_;
    TVueBanc &vue_;
    std::array<int, 6> tags_{1, 2, 3, 1, 2, 3}; // indexed by TBorne
    std::array<bool, 6> actives_{true, true, true, true, true, true};
    bool fermeInterActif_ = false;
    bool ouvertureEnCours_ = false;
    std::optional<TReleveFermeture> fermeture_;

    void ActiveFermeInter(bool actif);
};

} // namespace tavelor
