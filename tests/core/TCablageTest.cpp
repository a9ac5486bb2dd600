#include "TCablage.h"

#include "ExcitationPour.h"
#include "TBornesBanc.h"
#include "TCanevasEnregistreur.h"
#include "TModele.h"
#include "TVueEnregistreuse.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

namespace tavelor {
namespace {

using enum TBorne;

class TCablageTest : public ::testing::Test {
protected:
    TVueEnregistreuse vue;
    TModele modele{vue};
    TCablage cablage{modele, vue};

    // aleatoire >= 0.5 puts stator phases 2, 3 behind S2, S3; below, they are swapped.
    void Prepare(double aleatoire)
    {
        cablage.PreparerAffichage(aleatoire, CentresBornesBanc);
        modele.PreparerAffichage({});
        modele.MiseAJourModele();
        vue.Efface();
    }

    void Clique(std::initializer_list<TBorne> bornes)
    {
        for (TBorne borne : bornes)
            cablage.ShapeS1MouseUp(borne);
    }

    // Turning at n rpm with Ev = ev, stator phase 1 `degres` ahead of its grid phase, then
    // one tick of the clock.
    void Regle(int n, double ev, double degres)
    {
        modele.TrackBarNChange(n);
        modele.Ie = test::IePour(ev * 1500.0 / n);
        modele.AligneRotor();
        modele.theta += Radians(degres);
        modele.Chronos1Timer();
    }

    // In step with the grid: 1500 rpm, 0.47 A, pole 1 aligned.
    void Synchronise()
    {
        modele.TrackBarNChange(1500);
        modele.TrackBarIeChange(113);
        modele.AligneRotor();
        modele.MiseAJourModele();
        vue.Efface();
    }
};

// Each stator phase is drawn from the terminal it lies behind.
TEST_F(TCablageTest, CentresDesBornesSelonLesPhases)
{
    Prepare(0.75);
    EXPECT_EQ(cablage.PointS, (std::array<TPoint, 3>{{{14, 16}, {14, 51}, {14, 86}}}));
    EXPECT_EQ(cablage.PointR, (std::array<TPoint, 3>{{{49, 16}, {49, 51}, {49, 86}}}));

    // Swapped phases: phase 3 sits behind the middle terminal.
    Prepare(0.25);
    EXPECT_EQ(cablage.Tag(ShapeS2), 3);
    EXPECT_EQ(cablage.Tag(ShapeS3), 2);
    EXPECT_EQ(cablage.PointS, (std::array<TPoint, 3>{{{14, 16}, {14, 86}, {14, 51}}}));
}

// Every wiring of S1..S3 to R1..R3, every order of clicking the three pairs (each switch
// terminal then its partner), both draws of the machine's hidden order: 72 cases. With
// Ev = V at 1500 rpm and pole 1 aligned, the switch closes exactly when the three pole
// phasors are zero together, and the indicator and OrdrePhases say the same.
TEST_F(TCablageTest, OrdreDesPhasesSelonLesTensionsAuxPoles)
{
    const std::array<TBorne, 3> s{ShapeS1, ShapeS2, ShapeS3};
    const std::array<TBorne, 3> r{ShapeR1, ShapeR2, ShapeR3};
    std::array<int, 3> vers{0, 1, 2}; // S(i + 1) wired to R(vers[i] + 1)
    int cas = 0;
    int fermetures = 0;
    do {
        std::array<int, 3> ordre{0, 1, 2}; // the pairs in click order
        do {
            for (double aleatoire : {0.25, 0.75}) {
                cablage.BitBtnRecableClick();
                Prepare(aleatoire);
                for (int i : ordre)
                    Clique({s[static_cast<std::size_t>(i)], r[static_cast<std::size_t>(vers[i])]});
                SCOPED_TRACE(testing::Message()
                             << "random " << aleatoire << ", S1..S3 to R" << vers[0] + 1 << vers[1] + 1 << vers[2] + 1
                             << ", pairs " << ordre[0] << ordre[1] << ordre[2]);
                // The wires in click order; the model knows them by the stator phase behind each terminal.
                for (std::size_t n = 0; n < 3; ++n) {
                    EXPECT_EQ(cablage.SeqS[n], cablage.Tag(s[static_cast<std::size_t>(ordre[n])]));
                    EXPECT_EQ(cablage.SeqR[n], vers[static_cast<std::size_t>(ordre[n])] + 1);
                    EXPECT_EQ(modele.Connexion[static_cast<std::size_t>(cablage.Tag(s[n]) - 1)], vers[n] + 1);
                }
                EXPECT_TRUE(modele.TrackBarN.Enabled);

                Synchronise();
                modele.Ie = test::IePour(TLoisMachine::V);
                modele.MiseAJourModele();
                double pire = 0.0;
                for (int k = 1; k <= 3; ++k) {
                    const TNbComplexe &vs = modele.PhaseurStator(k);
                    const TNbComplexe &vr = modele.PhaseurReseau(modele.Connexion[static_cast<std::size_t>(k - 1)]);
                    pire = std::max(pire, std::hypot(vs.Reel - vr.Reel, vs.Imag - vr.Imag));
                }
                const bool enPhase = pire < 1.0;
                EXPECT_TRUE(enPhase || pire > 390.0) << pire;
                EXPECT_EQ(cablage.OrdreConstate(), enPhase ? TOrdreConstate::Identique : TOrdreConstate::Inverse);
                EXPECT_EQ(modele.OrdrePhases, enPhase ? 1 : -1);
                cablage.BitBtnFermeInterClick();
                EXPECT_EQ(modele.Couplage, enPhase);
                if (!enPhase)
                    EXPECT_EQ(vue.Appels.back().Detail, "Conditions non remplies\u00a0: même ordre des phases.\n"
                                                        "– même ordre des phases\u00a0: ordre inversé");
                fermetures += modele.Couplage;
                ++cas;
            }
        } while (std::next_permutation(ordre.begin(), ordre.end()));
    } while (std::next_permutation(vers.begin(), vers.end()));
    EXPECT_EQ(cas, 72);
    EXPECT_EQ(fermetures, 36);
}

TEST_F(TCablageTest, CinquiemeEtSixiemeClic)
{
    Prepare(0.75);
    Clique({ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3});
    EXPECT_FALSE(modele.TrackBarN.Enabled);
    EXPECT_FALSE(cablage.BitBtnFermeInterActif());
    EXPECT_EQ(cablage.CompteS, 4);
    EXPECT_TRUE(cablage.AttenteS);

    vue.Efface();
    cablage.ShapeS1MouseUp(ShapeR3);
    EXPECT_EQ(vue.Textes(), (std::vector<std::string>{"BorneActive(ShapeR3, false)",
                                                      "TrackBarChange(TrackBarN, 0..1800/180, 0, true)",
                                                      "BoutonFermeInterActif(true)", "Redessine(PaintBoxFils)"}));
    EXPECT_TRUE(cablage.BitBtnFermeInterActif());
    EXPECT_FALSE(cablage.BorneActive(ShapeR3));

    // A disabled terminal takes no further click.
    vue.Efface();
    cablage.ShapeS1MouseUp(ShapeS2);
    EXPECT_TRUE(vue.Appels.empty());
    EXPECT_EQ(cablage.CompteS, 4);
}

TEST_F(TCablageTest, BorneSansPartenaire)
{
    Prepare(0.75);
    Clique({ShapeS1, ShapeS2, ShapeR1, ShapeR2, ShapeS3, ShapeR3});
    EXPECT_EQ(modele.Connexion, (std::array<int, 3>{0, 1, 2}));
    EXPECT_TRUE(modele.TrackBarN.Enabled);

    // The wires follow click order, not the pairs.
    TCanevasEnregistreur canevas;
    cablage.FormPaint(canevas);
    ASSERT_EQ(canevas.Segments.size(), 3u);
    const std::array<std::array<TPoint, 2>, 3> fils{
        {{{{14, 16}, {49, 16}}}, {{{14, 51}, {49, 51}}}, {{{14, 86}, {49, 86}}}}};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(canevas.Segments[i].De, fils[i][0]);
        EXPECT_EQ(canevas.Segments[i].A, fils[i][1]);
        EXPECT_EQ(canevas.Segments[i].Epaisseur, 5);
        EXPECT_EQ(canevas.Segments[i].Couleur, clBlack);
    }

    // Stator phase 1 unwired: the traces stay frozen and closing is refused.
    modele.TrackBarNChange(1500);
    modele.TrackBarIeChange(113);
    modele.Chronos1Timer();
    EXPECT_EQ(modele.vK2.Valeurs.back(), 0.0);
    vue.Efface();
    cablage.BitBtnFermeInterClick();
    EXPECT_EQ(vue.Textes(), std::vector<std::string>{"Message(Les conditions de couplage ne sont pas remplies)"});
    EXPECT_FALSE(modele.Couplage);
}

TEST_F(TCablageTest, FilsDessinesAuFurEtAMesure)
{
    Prepare(0.25);
    Clique({ShapeS2, ShapeR1, ShapeS1});
    TCanevasEnregistreur canevas;
    cablage.FormPaint(canevas);
    // S2 hides stator phase 3: PointS[2] is the middle terminal.
    ASSERT_EQ(canevas.Segments.size(), 1u);
    EXPECT_EQ(canevas.Segments[0].De, (TPoint{14, 51}));
    EXPECT_EQ(canevas.Segments[0].A, (TPoint{49, 16}));
}

// Through the clock at 1500 rpm, judged as the instruments show the gaps: 100 clicks at
// 35° are all refused; at 5° with Ev = V the first click closes; then each condition alone
// at its tolerance's edge, within and beyond, on either side.
TEST_F(TCablageTest, FermetureSelonLesQuatreConditions)
{
    Prepare(0.75);
    Clique({ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3, ShapeR3});
    constexpr double V = TLoisMachine::V;

    Regle(1500, V, 35.0);
    vue.Efface();
    for (int i = 0; i < 100; ++i) {
        modele.Chronos1Timer();
        cablage.BitBtnFermeInterClick();
    }
    EXPECT_FALSE(modele.Couplage);
    EXPECT_EQ(vue.Filtre("Message").size(), 100u);
    EXPECT_EQ(vue.Appels.back().Detail, "Conditions non remplies\u00a0: en phase.\n"
                                        "– en phase\u00a0: écart 35,0°, au plus ±10,0°");

    Regle(1500, V, 5.0);
    vue.Efface();
    cablage.BitBtnFermeInterClick();
    EXPECT_TRUE(modele.Couplage);
    EXPECT_EQ(vue.Textes(), (std::vector<std::string>{"EtatInterrupteurs(true)", "BoutonFermeInterActif(false)",
                                                      "FenetreVisible(VecteurCouplage, false)",
                                                      "FenetreVisible(Vecteurs, true)", "ImageRegCoupleVisible(true)",
                                                      "TrackBarChange(TrackBarN, -200..200/20, 200, true)",
                                                      "TrackBarChange(TrackBarN, -200..200/20, 0, true)",
                                                      "FenetreVisible(Oscillogrammes, false)"}));

    const struct {
        int n;
        double ev, degres;
        bool ferme;
    } cas[] = {
        {1503, V, 0.0, true},        {1504, V, 0.0, false},         {1497, V, 0.0, true},
        {1496, V, 0.0, false},       {1500, V + 11.5, 0.0, true},   {1500, V + 11.56, 0.0, false},
        {1500, V - 11.5, 0.0, true}, {1500, V - 11.56, 0.0, false}, {1500, V, 10.0, true},
        {1500, V, 10.06, false},     {1500, V, -10.0, true},        {1500, V, -10.06, false},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(testing::Message() << c.n << " rpm, " << c.ev << " V, " << c.degres << "°");
        cablage.Decoupler();
        Regle(c.n, c.ev, c.degres);
        cablage.BitBtnFermeInterClick();
        EXPECT_EQ(modele.Couplage, c.ferme);
    }

    // The refusal names each unmet condition with its gap as shown.
    cablage.Decoupler();
    Regle(1530, 200.0, -35.0);
    cablage.BitBtnFermeInterClick();
    EXPECT_EQ(vue.Appels.back().Texte, "Message(Les conditions de couplage ne sont pas remplies)");
    EXPECT_EQ(vue.Appels.back().Detail, "Conditions non remplies\u00a0: même fréquence, même tension et en phase.\n"
                                        "– même fréquence\u00a0: écart 1,00\u00a0Hz, au plus ±0,10\u00a0Hz\n"
                                        "– même tension\u00a0: écart -30,0\u00a0V, au plus ±11,5\u00a0V\n"
                                        "– en phase\u00a0: écart -34,9°, au plus ±10,0°");
}

// Closed a few rpm off, the machine is pulled into step: otherwise the shaft's power,
// at its own speed, would differ from the power the grid takes at 50 Hz.
TEST_F(TCablageTest, FermetureHorsSynchronismeAccrocheLeRotor)
{
    for (int vitesse : {1497, 1503}) {
        SCOPED_TRACE(vitesse);
        Prepare(0.75);
        Clique({ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3, ShapeR3});
        Synchronise();
        modele.TrackBarNChange(vitesse);
        modele.MiseAJourModele();
        vue.Efface();
        cablage.BitBtnFermeInterClick();
        EXPECT_EQ(vue.Filtre("AfficheValeur(afficheurN"), std::vector<std::string>{"AfficheValeur(afficheurN, 1500)"});
        EXPECT_EQ(modele.N, 1500.0);
        EXPECT_DOUBLE_EQ(modele.VS1.Pulsation, TLoisMachine::Pulsation);
        modele.PositionneTrackBar(TTrackBarBanc::TrackBarN, 100);
        modele.MiseAJourModele();
        EXPECT_NEAR(modele.Pu, 1570.8, 0.05);
        EXPECT_NEAR(modele.Pa, modele.Pu, 1e-9);
        cablage.BitBtnRecableClick();
    }
}

TEST_F(TCablageTest, FermetureRefuseeALArretEtFermeeUneFois)
{
    Prepare(0.75);
    Clique({ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3, ShapeR3});
    modele.MiseAJourModele();
    cablage.BitBtnFermeInterClick();
    EXPECT_FALSE(modele.Couplage);
    EXPECT_EQ(vue.Appels.back().Detail, "Conditions non remplies\u00a0: même fréquence, même tension et en phase.\n"
                                        "– même fréquence\u00a0: écart -50,00\u00a0Hz, au plus ±0,10\u00a0Hz\n"
                                        "– même tension\u00a0: écart -230,0\u00a0V, au plus ±11,5\u00a0V\n"
                                        "– en phase\u00a0: aucune tension à comparer");

    // Coupled, the button is disabled; a click that still arrives leaves the torque alone.
    Synchronise();
    cablage.BitBtnFermeInterClick();
    ASSERT_TRUE(modele.Couplage);
    EXPECT_FALSE(cablage.BitBtnFermeInterActif());
    modele.PositionneTrackBar(TTrackBarBanc::TrackBarN, 50);
    vue.Efface();
    cablage.BitBtnFermeInterClick();
    EXPECT_TRUE(vue.Appels.empty());
    EXPECT_EQ(modele.Cm, 5.0);
    // Opened by the operator: speed back to 0, the wiring kept, the button enabled again.
    cablage.Decoupler();
    EXPECT_FALSE(modele.Couplage);
    EXPECT_EQ(modele.N, 0.0);
    EXPECT_EQ(modele.Connexion, (std::array<int, 3>{1, 2, 3}));
    EXPECT_TRUE(cablage.BitBtnFermeInterActif());
}

TEST_F(TCablageTest, OuvertureDeProtection)
{
    Prepare(0.75);
    Clique({ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3, ShapeR3});
    Synchronise();
    cablage.BitBtnFermeInterClick();
    modele.PositionneTrackBar(TTrackBarBanc::TrackBarN, 135);
    modele.MiseAJourModele();
    ASSERT_TRUE(modele.ClignotantActif());

    // The machine stays drawn as coupled until the message is acknowledged.
    bool coupleSousLeMessage = false;
    vue.SurMessage = [&](std::string_view) { coupleSousLeMessage = modele.Couplage; };
    vue.Efface();
    cablage.OuvertureProtection();
    EXPECT_TRUE(coupleSousLeMessage);
    EXPECT_EQ(vue.Appels.front().Detail.rfind("La machine a perdu le synchronisme", 0), 0u);
    ASSERT_TRUE(cablage.Fermeture().has_value());
    EXPECT_TRUE(cablage.Fermeture()->PerteSynchronisme);
    EXPECT_EQ(cablage.Fermeture()->Numero, 2);
    EXPECT_EQ(vue.Textes(), (std::vector<std::string>{
                                "Message(Le fonctionnement est instable)", "EtatInterrupteurs(false)",
                                "BoutonFermeInterActif(true)", "TrackBarChange(TrackBarN, -200..200/20, 0, true)",
                                "AfficheValeur(afficheurN, 0)", "TrackBarChange(TrackBarN, 0..1800/180, 0, true)",
                                "AfficheValeur(afficheurPa, 0)", "AfficheValeur(afficheurCm, 0)",
                                "ImageRegCoupleVisible(false)", "Clignotant(false)", "FenetreVisible(Vecteurs, false)",
                                "FenetreVisible(Oscillogrammes, true)", "FenetreVisible(VecteurCouplage, true)"}));
    EXPECT_FALSE(modele.Couplage);
    EXPECT_EQ(modele.N, 0.0);
    EXPECT_EQ(modele.VS1.Pulsation, 0.0);
    EXPECT_DOUBLE_EQ(modele.Cm, 13.5) << "the torque is not reset";
    EXPECT_EQ(modele.Connexion, (std::array<int, 3>{1, 2, 3}));
    EXPECT_TRUE(cablage.BitBtnFermeInterActif());
}

// An update run from a dialog while coupled may find the loss of synchronism: its message
// does not hold the clock, and the ticks that arrive under it find the same loss.
TEST_F(TCablageTest, UnSeulMessagePourUnePerteDeSynchronisme)
{
    Prepare(0.75);
    Clique({ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3, ShapeR3});
    Synchronise();
    cablage.BitBtnFermeInterClick();
    modele.PositionneTrackBar(TTrackBarBanc::TrackBarN, 200);
    // Three ticks under the first box; a further box, if any, is acknowledged at once.
    bool premier = true;
    vue.SurMessage = [&](std::string_view) {
        if (std::exchange(premier, false))
            for (int i = 0; i < 3; ++i)
                modele.Chronos1Timer();
    };
    vue.Efface();
    modele.MiseAJourModele();
    EXPECT_EQ(vue.Filtre("Message").size(), 1u);
    EXPECT_EQ(vue.Filtre("EtatInterrupteurs"), std::vector<std::string>{"EtatInterrupteurs(false)"});
    EXPECT_FALSE(modele.Couplage);
}

TEST_F(TCablageTest, RecablerEnCoursDeCouplage)
{
    Prepare(0.75);
    Clique({ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3, ShapeR3});
    Synchronise();
    cablage.BitBtnFermeInterClick();
    modele.MiseAJourModele();
    ASSERT_TRUE(modele.Couplage);
    ASSERT_EQ(modele.TrackBarN.Position, 0) << "torque 0: the bar does not move when opening";

    vue.Efface();
    cablage.BitBtnRecableClick();
    EXPECT_FALSE(modele.Couplage);
    EXPECT_EQ(modele.N, 0.0);
    EXPECT_EQ(modele.Ie, 0.0);
    EXPECT_EQ(modele.VS2.Pulsation, 0.0);
    EXPECT_EQ(vue.Filtre("EtatInterrupteurs"), std::vector<std::string>{"EtatInterrupteurs(false)"});
    EXPECT_EQ(modele.TrackBarN, (TEtatTrackBar{0, 1800, 180, 0, false}));
    EXPECT_EQ(modele.Connexion, (std::array<int, 3>{}));
    EXPECT_EQ(cablage.SeqS, (std::array<int, 3>{}));
    EXPECT_EQ(cablage.CompteR, 1);
    EXPECT_FALSE(cablage.BitBtnFermeInterActif());
    EXPECT_TRUE(cablage.BorneActive(ShapeS1));
    EXPECT_EQ(vue.Filtre("FenetreVisible").size(), 6u);
    EXPECT_EQ(vue.Textes().back(), "Redessine(PaintBoxFils)");
    EXPECT_EQ(vue.DerniereValeur(TAfficheurBanc::afficheurN), 0.0);

    // The tags stay as drawn at show time.
    EXPECT_EQ(cablage.Tag(ShapeS2), 2);
    TCanevasEnregistreur canevas;
    cablage.FormPaint(canevas);
    EXPECT_TRUE(canevas.Segments.empty());
}

} // namespace
} // namespace tavelor
