#include "TModele.h"

#include "Arrondi.h"

#include <algorithm>
#include <cmath>

namespace tavelor {

namespace {

// The grid phases 2 and 3 lag phase 1 by 2π/3 and 4π/3.
constexpr std::array<double, 3> decalagesReseau{0.0, 2.0943951023931957, 4.188790204786391};

constexpr std::array<TNbComplexe TModele::*, 3> phaseursStator{&TModele::VS1, &TModele::VS2, &TModele::VS3};
constexpr std::array<TNbComplexe TModele::*, 3> phaseursReseau{&TModele::VR1, &TModele::VR2, &TModele::VR3};
constexpr std::array<TValeurInst TModele::*, 3> tensionsPoles{&TModele::vK1, &TModele::vK2, &TModele::vK3};
constexpr std::array<TCouleur, 3> couleursPhases{clBlue, clRed, clFuchsia};

void Pose(TNbComplexe &phaseur, double module, double angle)
{
    phaseur.Reel = module * std::cos(angle);
    phaseur.Imag = module * std::sin(angle);
}

void ConfigureTrait(TNbComplexe &phaseur, TCouleur couleur, int x0, int y0, double echelle)
{
    phaseur.Couleur = couleur;
    phaseur.Epaisseur = 2;
    phaseur.StyleTrait = TStyleTrait::psSolid;
    phaseur.LongueurFleche = 10;
    phaseur.AngleFleche = TNbComplexe::AngleFlecheDefaut;
    phaseur.X0 = x0;
    phaseur.Y0 = y0;
    phaseur.Echelle = echelle;
}

} // namespace

TModele::TModele(TVueBanc &vue) : vue_(vue)
{
    VecEv.Visible = false;
    VecLsWI.Visible = false;
}

void TModele::TrackBarIeChange(int position)
{
    TrackBarIe.Position = position;
    Ie = (160 - position) / 100.0;
    vue_.AfficheValeur(TAfficheurBanc::afficheurIe, Ie);
}

void TModele::TrackBarNChange(int position)
{
    TrackBarN.Position = position;
    if (Couplage) {
        Cm = position / 10.0;
        return;
    }
    FixeVitesse(position);
}

void TModele::FixeVitesse(double n)
{
    N = n;
    vue_.AfficheValeur(TAfficheurBanc::afficheurN, N);
    VS1.Pulsation = TLoisMachine::PulsationRotor(N);
    VS2.Pulsation = VS1.Pulsation;
    VS3.Pulsation = VS1.Pulsation;
}

void TModele::AccrocheAuReseau()
{
    if (N != TLoisMachine::NSynchrone)
        FixeVitesse(TLoisMachine::NSynchrone);
}

void TModele::PositionneTrackBar(TTrackBarBanc trackBar, int position)
{
    TEtatTrackBar &etat = trackBar == TTrackBarBanc::TrackBarIe ? TrackBarIe : TrackBarN;
    position = std::clamp(position, etat.Min, std::max(etat.Min, etat.Max));
    if (position == etat.Position)
        return;
    etat.Position = position;
    vue_.TrackBarChange(trackBar, etat);
    if (trackBar == TTrackBarBanc::TrackBarIe)
        TrackBarIeChange(position);
    else
        TrackBarNChange(position);
}

void TModele::PlageTrackBarN(int min, int max, int frequence)
{
    const TEtatTrackBar avant = TrackBarN;
    TrackBarN.Min = min;
    TrackBarN.Max = max;
    TrackBarN.Frequence = frequence;
    TrackBarN.Position = std::clamp(TrackBarN.Position, min, std::max(min, max));
    if (TrackBarN == avant)
        return;
    vue_.TrackBarChange(TTrackBarBanc::TrackBarN, TrackBarN);
    if (TrackBarN.Position != avant.Position)
        TrackBarNChange(TrackBarN.Position);
}

void TModele::ActiveTrackBarN(bool actif)
{
    if (TrackBarN.Enabled == actif)
        return;
    TrackBarN.Enabled = actif;
    vue_.TrackBarChange(TTrackBarBanc::TrackBarN, TrackBarN);
}

void TModele::ActiveClignotant(bool enMarche)
{
    if (clignotant_ == enMarche)
        return;
    clignotant_ = enMarche;
    vue_.Clignotant(enMarche);
}

void TModele::Chronos1Timer()
{
    t += dt;
    theta += TLoisMachine::PulsationRotor(N) * dt;
    MiseAJourModele();
    // After the update, so that the update's own effects keep their order.
    vue_.TicTermine();
}

void TModele::MiseAJourModele()
{
    Ev = TLoisMachine::FemAVide(Ie, N);

    if (Couplage) {
        if (!CalculeEtatCouple() && protection_)
            protection_->OuvertureProtection();
    } else {
        vue_.AfficheValeur(TAfficheurBanc::afficheurV, Ev);
    }

    CalculeSystemesTriphases();

    if (!PauseDiagramme) {
        vue_.Redessine(TZoneDessin::PaintBoxReseau);
        vue_.Redessine(TZoneDessin::PaintBoxStator);
        vue_.Redessine(TZoneDessin::PaintBoxInter);
    }
    if (!PauseOscillo) {
        vue_.Redessine(TZoneDessin::axesReseau);
        vue_.Redessine(TZoneDessin::axesStator);
        vue_.Redessine(TZoneDessin::axesInter);
    }
}

bool TModele::CalculeEtatCouple()
{
    VecV.Reel = TLoisMachine::V;
    VecV.Imag = 0.0;

    const std::optional<double> angle = TLoisMachine::AngleInterne(Cm, Ev);
    if (!angle)
        return false;
    delta = *angle;
    ActiveClignotant(std::abs(delta) > AngleAlerte);

    const TRegimeCouple regime = TLoisMachine::Regime(Ev, delta);
    I = regime.I;
    vue_.AfficheValeur(TAfficheurBanc::afficheurI, I);
    vue_.AfficheValeur(TAfficheurBanc::afficheurV, TLoisMachine::V);

    VecI.Reel = regime.IReel;
    VecI.Imag = regime.IImag;
    VecEv.Reel = regime.EvCos;
    VecEv.Imag = regime.EvSin;

    Pu = regime.Pu;
    Pa = TLoisMachine::PuissanceMecanique(Cm, N);
    vue_.AfficheValeur(TAfficheurBanc::afficheurPa, Pa);
    vue_.AfficheValeur(TAfficheurBanc::afficheurPu, Pu);
    vue_.AfficheValeur(TAfficheurBanc::afficheurCm, N != 0.0 ? TLoisMachine::CoupleMecanique(Pa, N) : 0.0);

    // jX·I, drawn from the tip of V so that V + jX·I closes on Ev.
    constexpr double X = TLoisMachine::Reactance;
    VecLsWI.Reel = -X * VecI.Imag;
    VecLsWI.Imag = X * VecI.Reel;
    VecLsWI.X0 = Arrondi(EchelleV * VecV.Reel) + VecV.X0;
    VecLsWI.Y0 = VecV.Y0;

    vue_.Redessine(TZoneDessin::PaintBoxVecteurs);
    return true;
}

void TModele::CalculeSystemesTriphases()
{
    // Sample i of every curve belongs to the same instant: each history gets one sample.
    std::array<double, 3> vs;
    std::array<double, 3> vr;
    // The stator phases follow each other in the machine's own order whatever the wiring:
    // a wrong phase order is the wiring's crossing, seen at the switch poles, and must not
    // be counted a second time here.
    constexpr double s3 = 2.0 * Pi / 3.0;
    const std::array<double, 3> anglesStator{theta, theta - s3, theta + s3};
    for (std::size_t k = 0; k < 3; ++k) {
        TNbComplexe &phaseur = this->*phaseursStator[k];
        Pose(phaseur, Ev, anglesStator[k]);
        vs[k] = phaseur.ValeurInstantanee(t);
        phaseur.AjouteValeur(vs[k]);
    }
    for (std::size_t k = 0; k < 3; ++k) {
        TNbComplexe &phaseur = this->*phaseursReseau[k];
        Pose(phaseur, TLoisMachine::V, phaseur.Pulsation * t - decalagesReseau[k]);
        vr[k] = phaseur.ValeurInstantanee(t);
        phaseur.AjouteValeur(vr[k]);
    }

    // The pole voltages exist only once every stator phase is wired; until then the
    // traces keep their old samples.
    const bool cablageComplet =
        std::all_of(Connexion.begin(), Connexion.end(), [](int phase) { return phase >= 1 && phase <= 3; });
    if (!cablageComplet)
        return;
    for (std::size_t k = 0; k < 3; ++k)
        (this->*tensionsPoles[k]).AjouteValeur(vr[Connexion[k] - 1] - vs[k]);
}

void TModele::PreparerAffichage(const TGeometrieAffichage &geometrie)
{
    PauseDiagramme = false;
    PauseOscillo = false;

    const auto longueur = static_cast<std::size_t>(std::max(0, geometrie.LongueurHistorique));
    const int xStator = Arrondi(geometrie.LargeurStator / 2.0);
    const int yStator = Arrondi(geometrie.HauteurStator / 2.0);
    const int xReseau = Arrondi(geometrie.LargeurReseau / 2.0);
    const int yReseau = Arrondi(geometrie.HauteurReseau / 2.0);
    for (std::size_t k = 0; k < 3; ++k) {
        TNbComplexe &stator = this->*phaseursStator[k];
        TNbComplexe &reseau = this->*phaseursReseau[k];
        stator.Valeurs.assign(longueur, 0.0);
        reseau.Valeurs.assign(longueur, 0.0);
        ConfigureTrait(stator, couleursPhases[k], xStator, yStator, EchelleTri);
        ConfigureTrait(reseau, couleursPhases[k], xReseau, yReseau, EchelleTri);
        reseau.Pulsation = TLoisMachine::Pulsation;

        TValeurInst &trace = this->*tensionsPoles[k];
        trace.Valeurs.assign(longueur, 0.0);
        trace.Couleur = couleursPhases[k];
        trace.Echelle = EchelleTri;
    }

    const int yDiagramme = Arrondi(3.0 * geometrie.HauteurDiagramme / 4.0);
    ConfigureTrait(VecV, clTeal, 50, yDiagramme, EchelleV);
    ConfigureTrait(VecEv, clPurple, 50, yDiagramme, EchelleV);
    ConfigureTrait(VecI, clAqua, 50, yDiagramme, EchelleI);
    ConfigureTrait(VecLsWI, clLime, 50, yDiagramme, EchelleV);
}

void TModele::AligneRotor()
{
    const int k = Connexion[0];
    if (k < 1 || k > 3)
        return;
    const auto index = static_cast<std::size_t>(k - 1);
    theta = (this->*phaseursReseau[index]).Pulsation * t - decalagesReseau[index];
}

const TNbComplexe &TModele::PhaseurStator(int k) const
{
    return this->*phaseursStator.at(static_cast<std::size_t>(k - 1));
}

const TNbComplexe &TModele::PhaseurReseau(int k) const
{
    return this->*phaseursReseau.at(static_cast<std::size_t>(k - 1));
}

const TValeurInst &TModele::TensionPole(int k) const
{
    return this->*tensionsPoles.at(static_cast<std::size_t>(k - 1));
}

} // namespace tavelor
