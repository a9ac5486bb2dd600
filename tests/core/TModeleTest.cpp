#include "TModele.h"

#include "ExcitationPour.h"
#include "TBornesBanc.h"
#include "TCablage.h"
#include "TVueEnregistreuse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <string>
#include <vector>

namespace tavelor {
namespace {

constexpr double pi = std::numbers::pi;

double Degres(double radians)
{
    return radians * 180.0 / pi;
}

using test::IePour;

class TModeleTest : public ::testing::Test {
protected:
    TVueEnregistreuse vue;
    TModele modele{vue};
    TCablage cablage{modele, vue};

    void SetUp() override
    {
        cablage.PreparerAffichage(0.75, {});
        modele.PreparerAffichage({});
    }

    // Coupled at 1500 rpm with the excitation that gives exactly ev, drive torque cm.
    void Couple(double ev, double cm)
    {
        modele.N = 1500.0;
        modele.Ie = IePour(ev);
        modele.Couplage = true;
        modele.Cm = cm;
        vue.Efface();
        modele.MiseAJourModele();
    }

    void Cable(std::array<int, 3> connexion) { modele.Connexion = connexion; }
};

TEST(FemAVide, CaracteristiqueAVide)
{
    EXPECT_NEAR(TLoisMachine::FemAVide(0.0, 1500.0), 6.717, 5e-4);
    EXPECT_NEAR(TLoisMachine::FemAVide(0.46, 1500.0), 226.74, 5e-3);
    EXPECT_NEAR(TLoisMachine::FemAVide(0.47, 1500.0), 230.36, 5e-3);
    EXPECT_NEAR(TLoisMachine::FemAVide(1.0, 1500.0), 328.92, 5e-3);
    EXPECT_NEAR(TLoisMachine::FemAVide(1.6, 1500.0), 358.97, 5e-3);
    EXPECT_EQ(TLoisMachine::FemAVide(1.0, 0.0), 0.0);
    EXPECT_NEAR(TLoisMachine::FemAVide(0.47, 750.0), 230.36 / 2, 5e-3);
}

TEST_F(TModeleTest, PreparerAffichageConfigureLesPhaseurs)
{
    // Histories only for the three-phase phasors and the traces, all of the same length.
    for (const auto *valeurs : {&modele.VS1.Valeurs, &modele.VR3.Valeurs, &modele.vK2.Valeurs})
        EXPECT_EQ(*valeurs, std::vector<double>(380, 0.0));
    EXPECT_TRUE(modele.VecV.Valeurs.empty());
    // Centres rounded halves to even: 217/2 -> 108, 209/2 -> 104; 3·377/4 = 282.75 -> 283.
    const struct {
        const TNbComplexe &phaseur;
        TCouleur couleur;
        TPoint origine;
        double echelle;
        bool visible;
    } table[] = {
        {modele.VS1, clBlue, {108, 104}, 0.3, true},     {modele.VS2, clRed, {108, 104}, 0.3, true},
        {modele.VS3, clFuchsia, {108, 104}, 0.3, true},  {modele.VR1, clBlue, {108, 104}, 0.3, true},
        {modele.VR2, clRed, {108, 104}, 0.3, true},      {modele.VR3, clFuchsia, {108, 104}, 0.3, true},
        {modele.VecEv, clPurple, {50, 283}, 0.8, false}, {modele.VecI, clAqua, {50, 283}, 45.0, true},
        {modele.VecV, clTeal, {50, 283}, 0.8, true},     {modele.VecLsWI, clLime, {50, 283}, 0.8, false},
    };
    for (const auto &ligne : table) {
        const TNbComplexe &p = ligne.phaseur;
        EXPECT_EQ(p.Couleur, ligne.couleur);
        EXPECT_EQ((TPoint{p.X0, p.Y0}), ligne.origine);
        EXPECT_DOUBLE_EQ(p.Echelle, ligne.echelle);
        EXPECT_EQ(p.Visible, ligne.visible);
        EXPECT_EQ(p.Epaisseur, 2);
        EXPECT_EQ(p.StyleTrait, TStyleTrait::psSolid);
        EXPECT_EQ(p.LongueurFleche, 10);
        EXPECT_DOUBLE_EQ(p.AngleFleche, pi / 6);
    }
    for (const TNbComplexe *reseau : {&modele.VR1, &modele.VR2, &modele.VR3})
        EXPECT_DOUBLE_EQ(reseau->Pulsation, 100 * pi);
    const TCouleur traces[] = {clBlue, clRed, clFuchsia};
    for (int k = 1; k <= 3; ++k) {
        EXPECT_EQ(modele.TensionPole(k).Couleur, traces[k - 1]);
        EXPECT_DOUBLE_EQ(modele.TensionPole(k).Echelle, 0.3);
    }
}

TEST_F(TModeleTest, AuDemarrageLeStatorEstNulEtLeReseauTourne)
{
    for (int tic = 0; tic < 100; ++tic)
        modele.Chronos1Timer();
    EXPECT_EQ(modele.Ev, 0.0);
    EXPECT_EQ(vue.DerniereValeur(TAfficheurBanc::afficheurV), 0.0);
    EXPECT_EQ(modele.VS2.Module(), 0.0);
    double crete = 0.0;
    for (double v : modele.VR1.Valeurs)
        crete = std::max(crete, std::abs(v));
    EXPECT_NEAR(crete, 230.0, 0.5);
    EXPECT_NEAR(modele.t, 100 * 0.0002, 1e-12);
}

TEST_F(TModeleTest, TrackBarsDExcitationEtDeVitesse)
{
    modele.TrackBarIeChange(113);
    EXPECT_DOUBLE_EQ(modele.Ie, 0.47);
    modele.TrackBarIeChange(0);
    EXPECT_DOUBLE_EQ(modele.Ie, 1.6);
    EXPECT_EQ(vue.DerniereValeur(TAfficheurBanc::afficheurIe), 1.6);

    modele.TrackBarNChange(1500);
    EXPECT_EQ(modele.N, 1500.0);
    EXPECT_EQ(vue.DerniereValeur(TAfficheurBanc::afficheurN), 1500.0);
    for (const TNbComplexe *phaseur : {&modele.VS1, &modele.VS2, &modele.VS3})
        EXPECT_DOUBLE_EQ(phaseur->Pulsation, 100 * pi);

    // Coupled, the same bar sets the torque and leaves the speed alone.
    modele.Couplage = true;
    vue.Efface();
    modele.TrackBarNChange(-136);
    EXPECT_DOUBLE_EQ(modele.Cm, -13.6);
    EXPECT_EQ(modele.N, 1500.0);
    EXPECT_TRUE(vue.Appels.empty());
}

TEST_F(TModeleTest, PositionnerParProgrammeBorneEtNeDeclencheQueSurChangement)
{
    modele.PositionneTrackBar(TTrackBarBanc::TrackBarIe, 160);
    EXPECT_TRUE(vue.Appels.empty()) << "already at 160";

    modele.PositionneTrackBar(TTrackBarBanc::TrackBarIe, -20);
    EXPECT_EQ(vue.Textes(), (std::vector<std::string>{"TrackBarChange(TrackBarIe, 0..160/16, 0, true)",
                                                      "AfficheValeur(afficheurIe, 1.6)"}));

    // Narrowing the range pulls the position in, and that is a change like any other.
    modele.TrackBarNChange(1500);
    modele.Couplage = true;
    vue.Efface();
    modele.PlageTrackBarN(-200, 200, 20);
    EXPECT_EQ(vue.Textes(), (std::vector<std::string>{"TrackBarChange(TrackBarN, -200..200/20, 200, false)"}));
    EXPECT_DOUBLE_EQ(modele.Cm, 20.0);

    vue.Efface();
    modele.PlageTrackBarN(-200, 200, 20);
    modele.ActiveTrackBarN(false);
    EXPECT_TRUE(vue.Appels.empty());
    modele.ActiveTrackBarN(true);
    EXPECT_EQ(vue.Textes(), (std::vector<std::string>{"TrackBarChange(TrackBarN, -200..200/20, 200, true)"}));
}

TEST_F(TModeleTest, UnTicAvanceLeTempsEtLeRotor)
{
    modele.N = 1500.0;
    modele.theta = 1.0;
    modele.Chronos1Timer();
    EXPECT_DOUBLE_EQ(modele.t, 0.0002);
    // Two pole pairs at 1500 rpm: 100π rad/s electrical, 3.6° per tick.
    EXPECT_DOUBLE_EQ(modele.theta, 1.0 + 100 * pi * 0.0002);
    // The end of the tick is told once, after the whole update.
    const std::vector<std::string> textes = vue.Textes();
    ASSERT_GE(textes.size(), 2u);
    EXPECT_EQ(textes.back(), "TicTermine()");
    EXPECT_EQ(std::count(textes.begin(), textes.end(), "TicTermine()"), 1);
}

TEST_F(TModeleTest, OrdreDesEffetsDUneMiseAJour)
{
    modele.MiseAJourModele();
    const std::vector<std::string> repeints{"Redessine(PaintBoxReseau)", "Redessine(PaintBoxStator)",
                                            "Redessine(PaintBoxInter)",  "Redessine(axesReseau)",
                                            "Redessine(axesStator)",     "Redessine(axesInter)"};
    std::vector<std::string> attendu{"AfficheValeur(afficheurV, 0)"};
    attendu.insert(attendu.end(), repeints.begin(), repeints.end());
    EXPECT_EQ(vue.Textes(), attendu);

    Couple(230.0, 10.0);
    attendu = {"AfficheValeur(afficheurI, 2.48942)", "AfficheValeur(afficheurV, 230)",
               "AfficheValeur(afficheurPa, 1570.8)", "AfficheValeur(afficheurPu, 1570.8)",
               "AfficheValeur(afficheurCm, 10)",     "Redessine(PaintBoxVecteurs)"};
    attendu.insert(attendu.end(), repeints.begin(), repeints.end());
    EXPECT_EQ(vue.Textes(), attendu);

    modele.PauseDiagramme = true;
    vue.Efface();
    modele.MiseAJourModele();
    EXPECT_EQ(vue.Filtre("Redessine"),
              (std::vector<std::string>{"Redessine(PaintBoxVecteurs)", repeints[3], repeints[4], repeints[5]}));
    modele.PauseDiagramme = false;
    modele.PauseOscillo = true;
    vue.Efface();
    modele.MiseAJourModele();
    EXPECT_EQ(vue.Filtre("Redessine"),
              (std::vector<std::string>{"Redessine(PaintBoxVecteurs)", repeints[0], repeints[1], repeints[2]}));
}

TEST_F(TModeleTest, CoupleEnGenerateurPuisEnMoteur)
{
    for (const double signe : {1.0, -1.0}) {
        Couple(230.0, signe * 10.0);
        EXPECT_NEAR(Degres(modele.delta), signe * 47.74, 5e-3);
        EXPECT_NEAR(std::sin(modele.delta), signe * 0.74006, 5e-6);
        EXPECT_NEAR(modele.I, 2.489, 5e-4);
        EXPECT_NEAR(modele.VecI.Reel, signe * 2.2765, 5e-5);
        EXPECT_NEAR(modele.Pu, signe * 1570.8, 0.05);
        EXPECT_NEAR(modele.Pa, signe * 1570.8, 0.05);
        EXPECT_NEAR(*vue.DerniereValeur(TAfficheurBanc::afficheurCm), signe * 10.0, 1e-9);
        EXPECT_FALSE(modele.ClignotantActif());
        EXPECT_TRUE(vue.Filtre("Clignotant").empty());

        // V + jX·I closes on Ev∠δ, and jX·I starts from the tip of V: 50 + round(0.8·230).
        EXPECT_NEAR(modele.VecV.Reel + modele.VecLsWI.Reel, modele.VecEv.Reel, 1e-9);
        EXPECT_NEAR(modele.VecV.Imag + modele.VecLsWI.Imag, modele.VecEv.Imag, 1e-9);
        EXPECT_NEAR(modele.VecEv.Module(), 230.0, 1e-9);
        EXPECT_EQ((TPoint{modele.VecLsWI.X0, modele.VecLsWI.Y0}), (TPoint{234, 283}));
    }
}

// jX·I starts from the tip of V, rounded halves to even: 0.25·230 = 57.5 gives 58 (a
// truncation gives 57) and 0.75·230 = 172.5 gives 172 (rounding halves up gives 173).
TEST_F(TModeleTest, OrigineDeJLsWIArrondieAuPairLePlusProche)
{
    for (const auto &[echelle, x0] : {std::pair(0.25, 50 + 58), std::pair(0.75, 50 + 172)}) {
        modele.EchelleV = echelle;
        modele.VecV.Echelle = echelle;
        Couple(230.0, 10.0);
        EXPECT_EQ(modele.VecLsWI.X0, x0) << echelle;
        EXPECT_EQ(modele.VecLsWI.Y0, 283);
    }
}

TEST_F(TModeleTest, CoupleNulEtSurexcitation)
{
    Couple(230.0, 0.0);
    EXPECT_NEAR(modele.delta, 0.0, 1e-12);
    EXPECT_NEAR(modele.I, 0.0, 1e-9);
    EXPECT_NEAR(modele.Pu, 0.0, 1e-9);

    // Over-excited at no load: a purely reactive current, lagging for the grid.
    Couple(300.0, 0.0);
    EXPECT_NEAR(modele.I, 0.936, 5e-4);
    EXPECT_NEAR(modele.VecI.Reel, 0.0, 1e-12);
    EXPECT_NEAR(modele.VecI.Imag, -0.936, 5e-4);
}

TEST_F(TModeleTest, ClignotantPresDeLaLimiteDeStabilite)
{
    Couple(230.0, 13.5);
    EXPECT_NEAR(Degres(modele.delta), 87.55, 5e-3);
    EXPECT_TRUE(modele.ClignotantActif());
    modele.MiseAJourModele();
    modele.MiseAJourModele();
    EXPECT_EQ(vue.Filtre("Clignotant"), std::vector<std::string>{"Clignotant(true)"}) << "started once only";

    // Threshold at 75°, reached at 13.0519 N·m.
    modele.Cm = 13.0519;
    modele.MiseAJourModele();
    EXPECT_FALSE(modele.ClignotantActif());
    EXPECT_EQ(vue.Filtre("Clignotant").back(), "Clignotant(false)");
    modele.Cm = 13.0520;
    modele.MiseAJourModele();
    EXPECT_TRUE(modele.ClignotantActif());
}

TEST_F(TModeleTest, PerteDeSynchronismeOuvreLInterrupteur)
{
    // The limit s = 1 lies at 13.5123 N·m.
    Couple(230.0, 13.5123);
    EXPECT_TRUE(modele.Couplage);
    Couple(230.0, 13.5124);
    EXPECT_FALSE(modele.Couplage);

    Couple(230.0, 13.6);
    EXPECT_FALSE(modele.Couplage);
    EXPECT_EQ(modele.N, 0.0);
    const std::vector<std::string> textes = vue.Textes();
    ASSERT_FALSE(textes.empty());
    EXPECT_EQ(textes.front(), "Message(Le fonctionnement est instable)");
    EXPECT_EQ(vue.Filtre("AfficheValeur(afficheurI").size(), 0u) << "nothing else of the coupled block";
    // The three-phase systems and the repaints go on in the same update.
    EXPECT_EQ(textes.back(), "Redessine(axesInter)");
    EXPECT_EQ(vue.Filtre("Redessine(PaintBoxVecteurs)").size(), 0u);
}

TEST_F(TModeleTest, SinusExactementUnNOuvrePas)
{
    modele.N = 1500.0;
    modele.Ie = IePour(230.0);
    const double ev = TLoisMachine::FemAVide(modele.Ie, modele.N);
    const double w = 2.0 * pi * TLoisMachine::f;
    // Torque that makes the model's sin δ exactly 1, searched among neighbouring doubles.
    double cm = TLoisMachine::p * 3.0 * TLoisMachine::V * ev / (w * w * TLoisMachine::Ls);
    for (int essai = 0;
         essai < 8 && w * w * TLoisMachine::Ls * cm / (TLoisMachine::p * 3.0 * TLoisMachine::V * ev) != 1.0; ++essai)
        cm = std::nextafter(
            cm, w * w * TLoisMachine::Ls * cm / (TLoisMachine::p * 3.0 * TLoisMachine::V * ev) > 1.0 ? 0.0 : 20.0);
    ASSERT_EQ(w * w * TLoisMachine::Ls * cm / (TLoisMachine::p * 3.0 * TLoisMachine::V * ev), 1.0);

    modele.Couplage = true;
    modele.Cm = cm;
    modele.MiseAJourModele();
    EXPECT_TRUE(modele.Couplage);
    EXPECT_DOUBLE_EQ(modele.delta, pi / 2);
    EXPECT_TRUE(modele.ClignotantActif());
}

TEST_F(TModeleTest, CoupleALArretOuvreSansDiviserParZero)
{
    modele.Couplage = true;
    modele.N = 0.0;
    modele.Ie = 0.5;
    for (const double cm : {0.0, 5.0}) {
        modele.Couplage = true;
        modele.Cm = cm;
        vue.Efface();
        modele.MiseAJourModele();
        EXPECT_FALSE(modele.Couplage);
        EXPECT_EQ(vue.Textes().front(), "Message(Le fonctionnement est instable)");
        // What this update writes: the meters, the single-phase phasors, the coupled
        // quantities and one sample of every history.
        for (const auto &appel : vue.Appels)
            EXPECT_TRUE(std::isfinite(appel.Valeur)) << appel.Texte;
        for (const TNbComplexe *p : {&modele.VecV, &modele.VecI, &modele.VecEv, &modele.VecLsWI}) {
            EXPECT_TRUE(std::isfinite(p->Reel) && std::isfinite(p->Imag));
            EXPECT_TRUE(std::isfinite(static_cast<double>(p->X0)));
        }
        for (const double valeur : {modele.I, modele.Pu, modele.Pa, modele.Ev})
            EXPECT_TRUE(std::isfinite(valeur));
        for (int k = 1; k <= 3; ++k) {
            EXPECT_TRUE(std::isfinite(modele.PhaseurStator(k).Valeurs.back()));
            EXPECT_TRUE(std::isfinite(modele.PhaseurReseau(k).Valeurs.back()));
        }
    }
}

TEST_F(TModeleTest, A1500TrMinStatorEtReseauOntLaMemePeriode)
{
    modele.TrackBarIeChange(113);
    modele.TrackBarNChange(1500);
    modele.theta = 0.7;
    for (int tic = 0; tic < 400; ++tic)
        modele.Chronos1Timer();
    for (const TNbComplexe *phaseur : {&modele.VS1, &modele.VR1}) {
        const std::vector<double> &v = phaseur->Valeurs;
        for (std::size_t i = 50; i < v.size(); ++i) {
            ASSERT_NEAR(v[i], v[i - 50], 1e-6) << i;
            ASSERT_NEAR(v[i], -v[i - 25], 1e-6) << i;
        }
    }
}

TEST_F(TModeleTest, TracesDesPolesGeleesTantQueLeCablageEstIncomplet)
{
    modele.TrackBarIeChange(113);
    modele.TrackBarNChange(1400);
    Cable({2, 0, 3});
    for (int tic = 0; tic < 10; ++tic)
        modele.Chronos1Timer();
    for (const TValeurInst *trace : {&modele.vK1, &modele.vK2, &modele.vK3})
        EXPECT_EQ(trace->Valeurs, std::vector<double>(380, 0.0));

    // Complete: each pole is the grid phase wired to it minus its stator phase.
    Cable({2, 1, 3});
    modele.Chronos1Timer();
    EXPECT_DOUBLE_EQ(modele.vK1.Valeurs.back(), modele.VR2.Valeurs.back() - modele.VS1.Valeurs.back());
    EXPECT_DOUBLE_EQ(modele.vK2.Valeurs.back(), modele.VR1.Valeurs.back() - modele.VS2.Valeurs.back());
    EXPECT_DOUBLE_EQ(modele.vK3.Valeurs.back(), modele.VR3.Valeurs.back() - modele.VS3.Valeurs.back());
    EXPECT_EQ(modele.vK1.Valeurs[378], 0.0);
}

// The stator phases follow the machine's own order whatever the wiring; a wrong order is
// the wiring's crossing, which leaves two poles under a large voltage at any rotor angle.
TEST_F(TModeleTest, TensionsDesPolesSelonLOrdreDuCablage)
{
    using enum TBorne;
    const double V = TLoisMachine::V;
    for (const TCasCablage &c : CasCablages) {
        SCOPED_TRACE(testing::Message() << c.aleatoire << (c.ordreJuste ? " juste" : " inverse"));
        cablage.BitBtnRecableClick();
        cablage.PreparerAffichage(c.aleatoire, {});
        for (TBorne borne : {ShapeS1, ShapeR1, ShapeS2, c.r2, ShapeS3, c.r3})
            cablage.ShapeS1MouseUp(borne);
        EXPECT_EQ(modele.OrdrePhases, c.ordreJuste ? 1 : -1);
        modele.TrackBarNChange(1500);
        modele.Ie = IePour(V);
        // The rotor angle from pole 1 aligned, every 30°: the peak of each pole's trace
        // over one period of 50 samples.
        for (int degres = 0; degres < 360; degres += 30) {
            modele.AligneRotor();
            modele.theta += degres * pi / 180.0;
            for (int tic = 0; tic < 50; ++tic)
                modele.Chronos1Timer();
            std::array<double, 3> crete{};
            for (std::size_t k = 0; k < 3; ++k) {
                const std::vector<double> &v = modele.TensionPole(static_cast<int>(k) + 1).Valeurs;
                for (std::size_t i = v.size() - 50; i < v.size(); ++i)
                    crete[k] = std::max(crete[k], std::abs(v[i]));
            }
            EXPECT_NEAR(std::remainder(modele.VS2.Argument() - modele.VS1.Argument() + 2 * pi / 3, 2 * pi), 0.0, 1e-9);
            EXPECT_NEAR(std::remainder(modele.VS3.Argument() - modele.VS1.Argument() - 2 * pi / 3, 2 * pi), 0.0, 1e-9);
            // A sample falls within 3.6° of each peak.
            const double pole1 = 2 * V * std::abs(std::sin(degres * pi / 360.0));
            EXPECT_NEAR(crete[0], pole1, 0.01 * V + 1e-3) << degres;
            std::sort(crete.begin(), crete.end());
            if (c.ordreJuste) {
                EXPECT_NEAR(crete[2] - crete[0], 0.0, 0.01 * V) << degres << ": the three poles alike";
            } else {
                EXPECT_GT(crete[1], 0.99 * V) << degres << ": two poles stay large";
            }
            if (!c.ordreJuste && degres == 0) {
                EXPECT_NEAR(crete[1], std::sqrt(3.0) * V, 0.01 * V) << "398.4 V on the two others";
            }
        }
    }
}

TEST_F(TModeleTest, AligneRotorSurLaPhaseReseauCableeAuStator1)
{
    modele.t = 1.2345;
    modele.theta = 0.5;
    modele.AligneRotor();
    EXPECT_EQ(modele.theta, 0.5) << "stator phase 1 unwired";

    Cable({2, 0, 0});
    modele.AligneRotor();
    EXPECT_DOUBLE_EQ(modele.theta, 100 * pi * 1.2345 - 2.0943951023931957);
    Cable({3, 0, 0});
    modele.AligneRotor();
    EXPECT_DOUBLE_EQ(modele.theta, 100 * pi * 1.2345 - 4.188790204786391);
}

} // namespace
} // namespace tavelor
