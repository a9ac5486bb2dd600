#include "TCablage.h"

#include "TModele.h"

#include <cmath>
#include <cstddef>

namespace tavelor {

namespace {

constexpr std::array<TBorne, 6> bornes{TBorne::ShapeS1, TBorne::ShapeS2, TBorne::ShapeS3,
                                       TBorne::ShapeR1, TBorne::ShapeR2, TBorne::ShapeR3};

constexpr std::size_t Indice(TBorne borne)
{
    return static_cast<std::size_t>(borne);
}

constexpr bool CoteInterrupteur(TBorne borne)
{
    return borne == TBorne::ShapeS1 || borne == TBorne::ShapeS2 || borne == TBorne::ShapeS3;
}

// Closing is allowed only with less than this across pole 1 at the last tick, V.
constexpr double ecartMaxPole1 = 2.0;

} // namespace

TCablage::TCablage(TModele &modele, TVueBanc &vue) : modele_(modele), vue_(vue)
{
    modele_.DefinitProtection(this);
}

TCablage::~TCablage()
{
    modele_.DefinitProtection(nullptr);
}

int TCablage::Tag(TBorne borne) const
{
    return tags_[Indice(borne)];
}

bool TCablage::BorneActive(TBorne borne) const
{
    return actives_[Indice(borne)];
}

void TCablage::PreparerAffichage(double aleatoire, const std::array<TPoint, 6> &centres)
{
    const auto centre = [&](TBorne borne) { return centres[Indice(borne)]; };

    PointS[0] = centre(TBorne::ShapeS1);
    PointR = {centre(TBorne::ShapeR1), centre(TBorne::ShapeR2), centre(TBorne::ShapeR3)};
    if (aleatoire >= 0.5) {
        modele_.OrdrePhases = 1;
        tags_[Indice(TBorne::ShapeS2)] = 2;
        tags_[Indice(TBorne::ShapeS3)] = 3;
        PointS[1] = centre(TBorne::ShapeS2);
        PointS[2] = centre(TBorne::ShapeS3);
    } else {
        modele_.OrdrePhases = -1;
        tags_[Indice(TBorne::ShapeS2)] = 3;
        tags_[Indice(TBorne::ShapeS3)] = 2;
        PointS[2] = centre(TBorne::ShapeS2);
        PointS[1] = centre(TBorne::ShapeS3);
    }
}

void TCablage::ShapeS1MouseUp(TBorne borne)
{
    // A disabled terminal takes no clicks; each side thus counts at most three.
    if (!actives_[Indice(borne)])
        return;
    actives_[Indice(borne)] = false;
    vue_.BorneActive(borne, false);

    const int tag = tags_[Indice(borne)];
    if (CoteInterrupteur(borne)) {
        SeqS[CompteS - 1] = tag;
        ++CompteS;
        DernierS = tag;
        AttenteS = true;
    } else {
        SeqR[CompteR - 1] = tag;
        ++CompteR;
        DernierR = tag;
        AttenteR = true;
    }

    if (AttenteS && AttenteR) {
        AttenteS = false;
        AttenteR = false;
        modele_.Connexion[DernierS - 1] = DernierR;
    }

    const bool complet = CompteR == 4 && CompteS == 4;
    modele_.ActiveTrackBarN(complet);
    if (complet) {
        ActiveFermeInter(true);
        // Plain integer comparison: 3 then 1 does not count as ascending.
        const bool reseauCroissant = SeqR[1] - 1 == SeqR[0];
        const bool statorCroissant = SeqS[1] - 1 == SeqS[0];
        modele_.OrdrePhases = reseauCroissant == statorCroissant ? 1 : -1;
    }

    vue_.Redessine(TZoneDessin::PaintBoxFils);
}

void TCablage::FormPaint(TCanevas &canevas) const
{
    // The i-th switch-side click is drawn joined to the i-th grid click.
    canevas.CouleurPlume(clBlack);
    canevas.EpaisseurPlume(5);
    for (std::size_t i = 0; i < 3; ++i) {
        if (SeqS[i] == 0 || SeqR[i] == 0)
            continue;
        const TPoint de = PointS[static_cast<std::size_t>(SeqS[i] - 1)];
        const TPoint a = PointR[static_cast<std::size_t>(SeqR[i] - 1)];
        canevas.DeplaceVers(de.x, de.y);
        canevas.LigneVers(a.x, a.y);
    }
}

void TCablage::BitBtnRecableClick()
{
    if (modele_.Couplage)
        Decoupler();

    modele_.PositionneTrackBar(TTrackBarBanc::TrackBarIe, modele_.TrackBarIe.Max);
    modele_.PositionneTrackBar(TTrackBarBanc::TrackBarN, 0);
    modele_.ActiveTrackBarN(false);
    ActiveFermeInter(false);

    SeqS = {};
    SeqR = {};
    modele_.Connexion = {};
    CompteS = 1;
    CompteR = 1;
    AttenteS = false;
    AttenteR = false;

    for (TBorne borne : bornes) {
        actives_[Indice(borne)] = true;
        vue_.BorneActive(borne, true);
    }

    modele_.Couplage = false;
    vue_.FenetreVisible(TFenetreBanc::VecteurCouplage, true);
    vue_.FenetreVisible(TFenetreBanc::Oscillogrammes, true);
    vue_.FenetreVisible(TFenetreBanc::Vecteurs, false);
    vue_.ImageRegCoupleVisible(false);

    modele_.PlageTrackBarN(0, 1800, 180);
    modele_.PositionneTrackBar(TTrackBarBanc::TrackBarN, 0);
    vue_.AfficheValeur(TAfficheurBanc::afficheurN, 0.0);

    vue_.Redessine(TZoneDessin::PaintBoxFils);
}

TOrdreConstate TCablage::OrdreConstate() const
{
    const int phaseReseau = modele_.Connexion[0];
    if (!fermeInterActif_ || phaseReseau < 1 || phaseReseau > 3)
        return TOrdreConstate::CablageIncomplet;
    return modele_.OrdrePhases == 1 ? TOrdreConstate::Identique : TOrdreConstate::Inverse;
}

bool TCablage::ConditionsCouplage() const
{
    if (OrdreConstate() != TOrdreConstate::Identique)
        return false;
    const int phaseReseau = modele_.Connexion[0];
    // At standstill Ev = 0 and no load angle can balance a torque: refused.
    if (TLoisMachine::FemAVide(modele_.Ie, modele_.N) == 0.0)
        return false;
    const auto &reseau = modele_.PhaseurReseau(phaseReseau).Valeurs;
    const auto &stator = modele_.VS1.Valeurs;
    if (reseau.empty() || stator.empty())
        return false;
    // Instantaneous voltage across pole 1 at the last tick.
    return std::abs(reseau.back() - stator.back()) < ecartMaxPole1;
}

void TCablage::BitBtnFermeInterClick()
{
    if (!ConditionsCouplage()) {
        vue_.Message("Les conditions de couplage ne sont pas remplies");
        return;
    }

    // Read before the grid pulls the rotor into step.
    fermeture_ = TReleveFermeture{fermeture_ ? fermeture_->Numero + 1 : 1, TCouplage::Ecarts(modele_, OrdreConstate())};

    vue_.EtatInterrupteurs(true);
    modele_.AccrocheAuReseau();
    modele_.Couplage = true;
    vue_.FenetreVisible(TFenetreBanc::VecteurCouplage, false);
    vue_.FenetreVisible(TFenetreBanc::Vecteurs, true);
    vue_.ImageRegCoupleVisible(true);
    // The bar becomes the torque control; the handler, now coupled, leaves N alone.
    modele_.PlageTrackBarN(-200, 200, 20);
    modele_.PositionneTrackBar(TTrackBarBanc::TrackBarN, 0);
    vue_.FenetreVisible(TFenetreBanc::Oscillogrammes, false);
}

void TCablage::Decoupler()
{
    vue_.EtatInterrupteurs(false);
    modele_.Couplage = false;

    // The uncoupled handler stops the shaft. A bar already at 0 raises no change, so the
    // handler is then run directly: N must not stay frozen at its coupled value.
    const bool dejaAZero = modele_.TrackBarN.Position == 0;
    modele_.PositionneTrackBar(TTrackBarBanc::TrackBarN, 0);
    if (dejaAZero)
        modele_.TrackBarNChange(0);
    modele_.PlageTrackBarN(0, 1800, 180);

    vue_.AfficheValeur(TAfficheurBanc::afficheurPa, 0.0);
    vue_.AfficheValeur(TAfficheurBanc::afficheurCm, 0.0);
    vue_.ImageRegCoupleVisible(false);
    modele_.ActiveClignotant(false);
    vue_.FenetreVisible(TFenetreBanc::Vecteurs, false);
    vue_.FenetreVisible(TFenetreBanc::Oscillogrammes, true);
    vue_.FenetreVisible(TFenetreBanc::VecteurCouplage, true);
}

void TCablage::OuvertureProtection()
{
    if (ouvertureEnCours_)
        return;
    ouvertureEnCours_ = true;
    vue_.Message("Le fonctionnement est instable");
    ouvertureEnCours_ = false;
    Decoupler();
}

void TCablage::ActiveFermeInter(bool actif)
{
    fermeInterActif_ = actif;
    vue_.BoutonFermeInterActif(actif);
}

} // namespace tavelor
