#include "TCablage.h"

#include "TBornesBanc.h"
#include "TCanevasEnregistreur.h"
#include "TModele.h"
#include "TVueEnregistreuse.h"

#include <gtest/gtest.h>

#include <array>
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

    // Turning at 1500 rpm with the voltage across pole 1 forced to the given value.
    void Synchronise(double ecartPole1)
    {
        modele.TrackBarNChange(1500);
        modele.TrackBarIeChange(113);
        TNbComplexe &reseau = *std::array{&modele.VR1, &modele.VR2, &modele.VR3}.at(modele.Connexion[0] - 1);
        modele.VS1.Valeurs.back() = 100.0;
        reseau.Valeurs.back() = 100.0 + ecartPole1;
        vue.Efface();
    }
};

// Each stator phase is drawn from the terminal it lies behind.
TEST_F(TCablageTest, CentresDesBornesSelonLesPhases)
{
    Prepare(0.75);
    EXPECT_EQ(cablage.PointS, (std::array<TPoint, 3>{{{14, 16}, {14, 51}, {14, 86}}}));
    EXPECT_EQ(cablage.PointR, (std::array<TPoint, 3>{{{49, 16}, {49, 51}, {49, 86}}}));
    EXPECT_EQ(modele.OrdrePhases, 1);

    // Swapped phases: phase 3 sits behind the middle terminal.
    Prepare(0.25);
    EXPECT_EQ(cablage.Tag(ShapeS2), 3);
    EXPECT_EQ(cablage.Tag(ShapeS3), 2);
    EXPECT_EQ(cablage.PointS, (std::array<TPoint, 3>{{{14, 16}, {14, 86}, {14, 51}}}));
    EXPECT_EQ(modele.OrdrePhases, -1);
}

struct TCasCablage {
    double Aleatoire;
    std::vector<TBorne> Clics;
    std::array<int, 3> SeqS, SeqR, Connexion;
    int OrdrePhases;
};

TEST_F(TCablageTest, OrdreDesClicsEtOrdreDesPhases)
{
    const std::vector<TCasCablage> cas{
        {0.75, {ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3, ShapeR3}, {1, 2, 3}, {1, 2, 3}, {1, 2, 3}, 1},
        {0.25, {ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3, ShapeR3}, {1, 3, 2}, {1, 2, 3}, {1, 3, 2}, -1},
        {0.75, {ShapeS1, ShapeR1, ShapeS2, ShapeR3, ShapeS3, ShapeR2}, {1, 2, 3}, {1, 3, 2}, {1, 3, 2}, -1},
        {0.75, {ShapeS1, ShapeR2, ShapeS2, ShapeR3, ShapeS3, ShapeR1}, {1, 2, 3}, {2, 3, 1}, {2, 3, 1}, 1},
        // 3, 1, 2 does not count as ascending: no wrapping from 3 to 1.
        {0.75, {ShapeS1, ShapeR3, ShapeS2, ShapeR1, ShapeS3, ShapeR2}, {1, 2, 3}, {3, 1, 2}, {3, 1, 2}, -1},
        {0.25, {ShapeS1, ShapeR1, ShapeS2, ShapeR3, ShapeS3, ShapeR2}, {1, 3, 2}, {1, 3, 2}, {1, 2, 3}, 1},
        // Grid side first makes the same pairs.
        {0.75, {ShapeR1, ShapeS1, ShapeR2, ShapeS2, ShapeR3, ShapeS3}, {1, 2, 3}, {1, 2, 3}, {1, 2, 3}, 1},
    };
    for (const TCasCablage &c : cas) {
        cablage.BitBtnRecableClick();
        Prepare(c.Aleatoire);
        for (TBorne borne : c.Clics)
            cablage.ShapeS1MouseUp(borne);
        SCOPED_TRACE(testing::Message() << "random " << c.Aleatoire << ", grid " << c.SeqR[0] << c.SeqR[1]
                                        << c.SeqR[2]);
        EXPECT_EQ(cablage.SeqS, c.SeqS);
        EXPECT_EQ(cablage.SeqR, c.SeqR);
        EXPECT_EQ(modele.Connexion, c.Connexion);
        EXPECT_EQ(modele.OrdrePhases, c.OrdrePhases);
        EXPECT_TRUE(modele.TrackBarN.Enabled);
    }
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

TEST_F(TCablageTest, FermetureSelonLaTensionAuxBornesDuPole1)
{
    Prepare(0.75);
    Clique({ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3, ShapeR3});

    Synchronise(2.0);
    cablage.BitBtnFermeInterClick();
    EXPECT_EQ(vue.Textes(), std::vector<std::string>{"Message(Les conditions de couplage ne sont pas remplies)"});
    EXPECT_FALSE(modele.Couplage);

    Synchronise(-1.99);
    cablage.BitBtnFermeInterClick();
    EXPECT_EQ(vue.Textes(),
              (std::vector<std::string>{
                  "EtatInterrupteurs(true)", "FenetreVisible(VecteurCouplage, false)", "FenetreVisible(Vecteurs, true)",
                  "ImageRegCoupleVisible(true)", "TrackBarChange(TrackBarN, -200..200/20, 200, true)",
                  "TrackBarChange(TrackBarN, -200..200/20, 0, true)", "FenetreVisible(Oscillogrammes, false)"}));
    EXPECT_TRUE(modele.Couplage);
    EXPECT_EQ(modele.Cm, 0.0);
    EXPECT_EQ(modele.N, 1500.0);
}

// Closed a few rpm off, the machine is pulled into step: otherwise the shaft's power,
// at its own speed, would differ from the power the grid takes at 50 Hz.
TEST_F(TCablageTest, FermetureHorsSynchronismeAccrocheLeRotor)
{
    for (int vitesse : {1480, 1517}) {
        SCOPED_TRACE(vitesse);
        Prepare(0.75);
        Clique({ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3, ShapeR3});
        Synchronise(0.0);
        modele.TrackBarNChange(vitesse);
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

TEST_F(TCablageTest, FermetureRefuseeALArretOuDansLeMauvaisOrdre)
{
    Prepare(0.75);
    Clique({ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3, ShapeR3});
    // At start-up both pole-1 samples are 0 when nothing turns: the difference alone would pass.
    modele.MiseAJourModele();
    modele.VR1.Valeurs.back() = 0.0;
    cablage.BitBtnFermeInterClick();
    EXPECT_FALSE(modele.Couplage);
    EXPECT_EQ(vue.Filtre("Message").size(), 1u);

    Synchronise(0.0);
    modele.OrdrePhases = -1;
    cablage.BitBtnFermeInterClick();
    EXPECT_FALSE(modele.Couplage);
}

TEST_F(TCablageTest, OuvertureDeProtection)
{
    Prepare(0.75);
    Clique({ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3, ShapeR3});
    Synchronise(0.0);
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
    EXPECT_EQ(vue.Textes(), (std::vector<std::string>{
                                "Message(Le fonctionnement est instable)", "EtatInterrupteurs(false)",
                                "TrackBarChange(TrackBarN, -200..200/20, 0, true)", "AfficheValeur(afficheurN, 0)",
                                "TrackBarChange(TrackBarN, 0..1800/180, 0, true)", "AfficheValeur(afficheurPa, 0)",
                                "AfficheValeur(afficheurCm, 0)", "ImageRegCoupleVisible(false)", "Clignotant(false)",
                                "FenetreVisible(Vecteurs, false)", "FenetreVisible(Oscillogrammes, true)",
                                "FenetreVisible(VecteurCouplage, true)"}));
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
    Synchronise(0.0);
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
    Synchronise(0.0);
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
