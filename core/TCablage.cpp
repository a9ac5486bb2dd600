#include "TCablage.h"

#include "TModele.h"

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
        tags_[Indice(TBorne::ShapeS2)] = 2;
        tags_[Indice(TBorne::ShapeS3)] = 3;
        PointS[1] = centre(TBorne::ShapeS2);
        PointS[2] = centre(TBorne::ShapeS3);
    } else {
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
        const TOrdreConstate ordre = OrdreConstate();
        modele_.OrdrePhases = ordre == TOrdreConstate::Identique ? 1 : ordre == TOrdreConstate::Inverse ? -1 : 0;
    }

    const bool complet = CompteR == 4 && CompteS == 4;
    modele_.ActiveTrackBarN(complet);
    if (complet)
        ActiveFermeInter(true);

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
    modele_.OrdrePhases = 0;
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
    return TCouplage::Ordre(modele_.Connexion);
}

void TCablage::BitBtnFermeInterClick()
{
    // Pressed again while coupled (a disabled button never is), it does nothing.
    if (modele_.Couplage)
        return;
    const TEcartsCouplage ecarts = TCouplage::Ecarts(modele_);
    const TConditionsCouplage conditions = TCouplage::Conditions(ecarts);
    if (!conditions.Remplies()) {
        vue_.Message("Les conditions de couplage ne sont pas remplies", TCouplage::Refus(ecarts, conditions));
        return;
    }

    // Read before the grid pulls the rotor into step.
    fermeture_ = TReleveFermeture{fermeture_ ? fermeture_->Numero + 1 : 1, ecarts, false};

    vue_.EtatInterrupteurs(true);
    modele_.AccrocheAuReseau();
    modele_.Couplage = true;
    ActiveFermeInter(false);
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
    // The wiring stays: the switch may be closed again.
    ActiveFermeInter(CompteS == 4 && CompteR == 4);

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
    // The report says it while the message is up.
    if (fermeture_) {
        ++fermeture_->Numero;
        fermeture_->PerteSynchronisme = true;
    }
    vue_.Message("Le fonctionnement est instable",
                 "La machine a perdu le synchronisme\u00a0: l'interrupteur s'est ouvert et l'entraînement s'arrête. "
                 "Pour coupler à nouveau, relancez la machine, réglez-la sur les quatre conditions et refermez "
                 "l'interrupteur\u00a0; puis montez le couple plus doucement, ou augmentez d'abord l'excitation.");
    ouvertureEnCours_ = false;
    Decoupler();
}

void TCablage::ActiveFermeInter(bool actif)
{
    fermeInterActif_ = actif;
    vue_.BoutonFermeInterActif(actif);
}

} // namespace tavelor
