#include "TModele.h"

#include "TCablage.h"
#include "TVueEnregistreuse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

namespace tavelor {
namespace {

using enum TBorne;

// The whole bench procedure, as a student would do it, for both draws of the phase order.
class TModeleScenarioTest : public ::testing::TestWithParam<double> {
protected:
    TVueEnregistreuse vue;
    TModele modele{vue};
    TCablage cablage{modele, vue};

    void Tics(int nombre)
    {
        for (int i = 0; i < nombre; ++i)
            modele.Chronos1Timer();
    }

    void Clique(std::initializer_list<TBorne> bornes)
    {
        for (TBorne borne : bornes)
            cablage.ShapeS1MouseUp(borne);
    }
};

TEST_P(TModeleScenarioTest, CouplageGenerateurMoteurPuisDecrochage)
{
    // Show time.
    cablage.PreparerAffichage(GetParam(), {});
    modele.PreparerAffichage({});
    modele.MiseAJourModele();
    Tics(20);

    // Wire top to bottom; in the wrong phase order, swap the two lower grid connections.
    Clique({ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3, ShapeR3});
    ASSERT_TRUE(modele.TrackBarN.Enabled);
    if (modele.OrdrePhases == -1) {
        cablage.BitBtnRecableClick();
        Clique({ShapeS1, ShapeR1, ShapeS2, ShapeR3, ShapeS3, ShapeR2});
    }
    ASSERT_EQ(modele.OrdrePhases, 1);
    ASSERT_EQ(modele.Connexion[0], 1);

    // Excite to 0.47 A, run at 1500 rpm: 230.36 V at 50 Hz.
    modele.TrackBarIeChange(113);
    modele.TrackBarNChange(1500);
    Tics(7);
    EXPECT_NEAR(vue.DerniereValeur(TAfficheurBanc::afficheurV).value(), 230.36, 5e-3);

    // The hidden key sequence brings the two systems together; the next tick keeps them so.
    modele.AligneRotor();
    Tics(1);
    for (std::size_t k = 0; k < 3; ++k)
        EXPECT_NEAR(modele.PhaseurStator(static_cast<int>(k) + 1).Argument(),
                    modele.PhaseurReseau(modele.Connexion[k]).Argument(), 1e-9);
    EXPECT_LT(std::abs(modele.vK1.Valeurs.back()), 2.0);

    vue.Efface();
    cablage.BitBtnFermeInterClick();
    ASSERT_TRUE(modele.Couplage) << ::testing::PrintToString(vue.Textes());
    EXPECT_EQ(modele.TrackBarN.Min, -200);
    EXPECT_EQ(modele.N, 1500.0);

    // Generator: the drive pushes, power flows to the grid.
    modele.TrackBarNChange(100);
    Tics(3);
    EXPECT_GT(modele.delta, 0.0);
    EXPECT_NEAR(modele.Pa, 1570.8, 0.05);
    EXPECT_NEAR(modele.Pu, modele.Pa, 1e-9);
    EXPECT_NEAR(vue.DerniereValeur(TAfficheurBanc::afficheurV).value(), 230.0, 1e-12);
    EXPECT_NEAR(vue.DerniereValeur(TAfficheurBanc::afficheurCm).value(), 10.0, 1e-9);
    EXPECT_FALSE(modele.ClignotantActif());

    // Motor: the drive brakes, the grid supplies the power.
    modele.TrackBarNChange(-100);
    Tics(3);
    EXPECT_LT(modele.delta, 0.0);
    EXPECT_NEAR(modele.Pu, -1570.8, 0.05);
    EXPECT_NEAR(vue.DerniereValeur(TAfficheurBanc::afficheurPu).value(), -1570.8, 0.05);

    // Beyond the stability limit: the protective device opens the switch inside the tick.
    modele.TrackBarNChange(136);
    std::vector<std::string> messages;
    vue.SurMessage = [&](std::string_view texte) { messages.emplace_back(texte); };
    vue.Efface();
    Tics(1);
    EXPECT_EQ(messages, std::vector<std::string>{"Le fonctionnement est instable"});
    EXPECT_FALSE(modele.Couplage);
    EXPECT_EQ(modele.N, 0.0);
    EXPECT_EQ(modele.TrackBarN, (TEtatTrackBar{0, 1800, 180, 0, true}));
    EXPECT_EQ(vue.Filtre("FenetreVisible"),
              (std::vector<std::string>{"FenetreVisible(Vecteurs, false)", "FenetreVisible(Oscillogrammes, true)",
                                        "FenetreVisible(VecteurCouplage, true)"}));
    EXPECT_EQ(vue.Filtre("EtatInterrupteurs"), std::vector<std::string>{"EtatInterrupteurs(false)"});

    // Still wired: the next ticks are uncoupled, at standstill.
    Tics(2);
    EXPECT_EQ(vue.DerniereValeur(TAfficheurBanc::afficheurV), 0.0);

    cablage.BitBtnRecableClick();
    EXPECT_FALSE(modele.TrackBarN.Enabled);
    EXPECT_EQ(modele.Connexion, (std::array<int, 3>{}));
    EXPECT_EQ(modele.Ie, 0.0);
    Tics(2);
}

INSTANTIATE_TEST_SUITE_P(OrdresDesPhases, TModeleScenarioTest, ::testing::Values(0.75, 0.25));

} // namespace
} // namespace tavelor
