#include "TInstruments.h"

#include "ExcitationPour.h"
#include "TBornesBanc.h"
#include "TCablage.h"
#include "TModele.h"
#include "TVueEnregistreuse.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <string>

namespace tavelor {
namespace {

using enum TBorne;
using L = TLoisMachine;

constexpr double pi = std::numbers::pi;
constexpr double degre = pi / 180.0;

using test::IePour;

TNbComplexe Phaseur(double module, double angle)
{
    TNbComplexe z;
    z.Reel = module * std::cos(angle);
    z.Imag = module * std::sin(angle);
    return z;
}

class TInstrumentsTest : public ::testing::Test {
protected:
    TVueEnregistreuse vue;
    TModele modele{vue};
    TCablage cablage{modele, vue};

    // Wires S1, S2, S3 top to bottom to the given grid terminals; below 0.5 the stator
    // phases behind S2 and S3 are swapped.
    void Cable(double aleatoire, TBorne r2, TBorne r3)
    {
        cablage.PreparerAffichage(aleatoire, CentresBornesBanc);
        modele.PreparerAffichage({});
        for (TBorne borne : {ShapeS1, ShapeR1, ShapeS2, r2, ShapeS3, r3})
            cablage.ShapeS1MouseUp(borne);
    }

    // Turning at n rpm with Ev = ev, stator phase 1 the given angle ahead of its grid phase.
    void Tourne(int n, double ev, double angle)
    {
        modele.TrackBarNChange(n);
        modele.Ie = IePour(ev * 1500.0 / n);
        modele.AligneRotor();
        modele.theta += angle;
        modele.MiseAJourModele();
    }

    TSynchronisation Releve() const { return TInstruments::Synchronisation(modele, cablage); }
};

// U = √(Ev² + V² − 2·Ev·V·cos θ), the glow (U/Un)² with Un = 460 V, dark under 138 V.
TEST(TInstruments, LampeSelonLAngleEntreLesDeuxPhases)
{
    const struct {
        double ev, theta, u;
        bool allumee;
    } cas[] = {
        {230.0, 0.0, 0.0, false},     {230.0, 60.0, 230.0, true},    {230.0, 90.0, 325.269, true},
        {230.0, 180.0, 460.0, true},  {230.0, 34.8, 137.559, false}, // 0.3·Un = 138 V lies at 34.9°
        {230.0, 35.0, 138.325, true}, {358.97, 180.0, 588.97, true}, // beyond its rating the lamp glows no brighter
        {300.0, 0.0, 70.0, false},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(testing::Message() << c.ev << " V, " << c.theta << "°");
        const TLampe lampe = TInstruments::Lampe(Phaseur(c.ev, 0.7 + c.theta * degre), Phaseur(230.0, 0.7));
        EXPECT_NEAR(lampe.U, c.u, 5e-3);
        EXPECT_NEAR(lampe.U, std::sqrt(c.ev * c.ev + 230.0 * 230.0 - 2 * c.ev * 230.0 * std::cos(c.theta * degre)),
                    1e-9);
        EXPECT_NEAR(lampe.Eclat, std::min(1.0, c.u * c.u / (460.0 * 460.0)), 1e-4);
        EXPECT_EQ(lampe.Allumee, c.allumee);
    }
}

// Right order: the three lamps alike, dark together when aligned. Wrong order: lamp 1 dark,
// the two others at √3·V = 398.4 V; at any angle two of them stay lit.
TEST_F(TInstrumentsTest, LampesSelonLOrdreDesPhases)
{
    for (const TCasCablage &c : CasCablages) {
        SCOPED_TRACE(testing::Message() << c.aleatoire << (c.ordreJuste ? " juste" : " inverse"));
        cablage.BitBtnRecableClick();
        Cable(c.aleatoire, c.r2, c.r3);
        EXPECT_EQ(Releve().Ordre, c.ordreJuste ? TOrdreConstate::Identique : TOrdreConstate::Inverse);
        for (int angle = 0; angle < 360; angle += 45) {
            Tourne(1500, 230.0, angle * degre);
            const TSynchronisation s = Releve();
            const double u1 = 460.0 * std::abs(std::sin(angle * degre / 2));
            EXPECT_NEAR(s.Lampes[0].U, u1, 1e-3) << angle;
            int allumees = 0;
            for (const TLampe &lampe : s.Lampes) {
                EXPECT_TRUE(lampe.Raccordee);
                allumees += lampe.Allumee;
                if (c.ordreJuste) {
                    EXPECT_NEAR(lampe.U, u1, 1e-3) << angle;
                } else if (angle == 0) {
                    EXPECT_NEAR(lampe.U, lampe.Allumee ? 398.372 : 0.0, 1e-3);
                }
            }
            EXPECT_GE(allumees, c.ordreJuste ? 0 : 2) << angle;
            ASSERT_TRUE(s.Theta1.has_value());
            EXPECT_NEAR(std::remainder(*s.Theta1 - angle * degre, 2 * pi), 0.0, 1e-9) << angle;
        }
    }
}

// Incomplete wirings have no phase order; each lamp bridges one switch pole, top to bottom,
// whatever stator phase the draw hid behind its terminal.
TEST_F(TInstrumentsTest, CablageIncompletEtLampesParPole)
{
    cablage.PreparerAffichage(0.75, CentresBornesBanc);
    modele.PreparerAffichage({});
    for (TBorne borne : {ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3})
        cablage.ShapeS1MouseUp(borne);
    EXPECT_EQ(Releve().Ordre, TOrdreConstate::CablageIncomplet);
    EXPECT_FALSE(Releve().Lampes[2].Raccordee);
    EXPECT_TRUE(Releve().Lampes[1].Raccordee);
    // Six clicks that leave stator phase 1 without a partner.
    cablage.BitBtnRecableClick();
    for (TBorne borne : {ShapeS1, ShapeS2, ShapeR1, ShapeR2, ShapeS3, ShapeR3})
        cablage.ShapeS1MouseUp(borne);
    EXPECT_EQ(Releve().Ordre, TOrdreConstate::CablageIncomplet);
    EXPECT_FALSE(Releve().Lampes[0].Raccordee);
    EXPECT_FALSE(Releve().Theta1.has_value());

    // Phase 3 behind S2, wired S1-R1, S2-R2, S3-R3 (crossed): 120° ahead, phase 3 meets grid
    // phase 2 across the middle pole, whose lamp goes dark.
    cablage.BitBtnRecableClick();
    Cable(0.25, ShapeR2, ShapeR3);
    Tourne(1500, 230.0, 120 * degre);
    const TSynchronisation s = Releve();
    EXPECT_TRUE(s.Lampes[0].Allumee);
    EXPECT_FALSE(s.Lampes[1].Allumee);
    EXPECT_TRUE(s.Lampes[2].Allumee);
}

// Tolerances of a synchronising relay, their edges included, on the gaps as shown (0.01 Hz,
// 0.1 V, 0.1°), and the closing report's verdict naming what was not met.
TEST(TInstruments, ConditionsAuxBordsDeLeurTolerance)
{
    using O = TOrdreConstate;
    const std::string bon = "Couplage dans de bonnes conditions";
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        O ordre;
        double df, du;
        std::optional<double> theta;
        TConditionsCouplage attendu;
        std::string verdict;
    } cas[] = {
        {O::Identique, 0.1, 11.5, 10 * degre, {true, true, true, true}, bon},
        {O::Identique, -0.1, -11.5, -10 * degre, {true, true, true, true}, bon},
        {O::Identique, 0.1049, 11.549, 10.049 * degre, {true, true, true, true}, bon},
        // 0.105 Hz is written 0,10 Hz: its binary value lies just below the half.
        {O::Identique, 0.105, -11.5, -10.0 * degre, {true, true, true, true}, bon},
        {O::Identique,
         nan,
         std::numeric_limits<double>::infinity(),
         nan,
         {true, false, false, false},
         "Conditions non remplies\u00a0: même fréquence, même tension et en phase"},
        {O::Identique,
         0.1051,
         11.551,
         10.051 * degre,
         {true, false, false, false},
         "Conditions non remplies\u00a0: même fréquence, même tension et en phase"},
        {O::Identique, -0.1051, 0.0, 0.0, {true, false, true, true}, "Conditions non remplies\u00a0: même fréquence"},
        {O::Inverse, 0.0, 0.0, 0.0, {false, true, true, true}, "Conditions non remplies\u00a0: même ordre des phases"},
        {O::CablageIncomplet,
         0.0,
         -11.551,
         std::nullopt,
         {false, true, false, false},
         "Conditions non remplies\u00a0: même ordre des phases, même tension et en phase"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(testing::Message() << c.df << " Hz, " << c.du << " V");
        const TConditionsCouplage r = TCouplage::Conditions({c.ordre, c.df, c.du, c.theta});
        EXPECT_EQ(r.Ordre, c.attendu.Ordre);
        EXPECT_EQ(r.Frequence, c.attendu.Frequence);
        EXPECT_EQ(r.Tension, c.attendu.Tension);
        EXPECT_EQ(r.Phase, c.attendu.Phase);
        EXPECT_EQ(r.Remplies(), c.attendu.Remplies());
        EXPECT_EQ(TInstruments::Verdict(r), c.verdict);
    }
}

// The operation the instruments should name, and the check of one against it.
struct TFonctionnementAttendu {
    TMarche marche;
    TExcitation excitation;
    TConvention convention;
    int retard;
    const char *nom;
};

void VerifieFonctionnement(const TFonctionnement &f, const TFonctionnementAttendu &a)
{
    EXPECT_EQ(f.Marche, a.marche);
    EXPECT_EQ(f.Excitation, a.excitation);
    EXPECT_EQ(f.Convention, a.convention);
    EXPECT_EQ(f.Retard, a.retard);
    EXPECT_EQ(TInstruments::NomFonctionnement(f), a.nom);
}

// The four quadrants and the compensator, at 1500 rpm. P and Q keep the wattmeter's sign
// (supplied to the grid); cos φ stays positive and the current's lag or lead is told in
// generator convention for an alternator, in receptor convention otherwise. The telling
// values: a motor at 0.47 A and −10 N·m absorbs 1571 W and 690 var with a lagging current;
// a compensator at 1.0 A and no torque supplies 913 var with a leading one.
TEST_F(TInstrumentsTest, PuissancesEtFonctionnementDansLesQuatreQuadrants)
{
    using enum TMarche;
    using enum TExcitation;
    using enum TConvention;
    const double X = L::Ls * 2 * pi * L::f;
    const struct {
        int ie, cm; // track bar positions
        double p, q, s, cosPhi;
        TFonctionnementAttendu attendu;
    } cas[] = {
        {113, 100, 1571, -690, 1716, 0.916, Alternateur, SousExcitee, Generateur, -1, "alternateur, sous-excitée"},
        {60, 100, 1571, 475, 1641, 0.957, Alternateur, Surexcitee, Generateur, 1, "alternateur, surexcitée"},
        {113, -100, -1571, -690, 1716, 0.916, Moteur, SousExcitee, Recepteur, 1, "moteur, sous-excitée"},
        {60, -100, -1571, 475, 1641, 0.957, Moteur, Surexcitee, Recepteur, -1, "moteur, surexcitée"},
        {60, 0, 0, 913, 913, 0.0, Compensateur, Surexcitee, Recepteur, -1, "compensateur synchrone, surexcitée"},
        {130, 0, 0, -654, 654, 0.0, Compensateur, SousExcitee, Recepteur, 1, "compensateur synchrone, sous-excitée"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.attendu.nom);
        cablage.BitBtnRecableClick();
        Cable(0.75, ShapeR2, ShapeR3);
        modele.TrackBarIeChange(113);
        modele.TrackBarNChange(1500);
        modele.AligneRotor();
        modele.MiseAJourModele();
        cablage.BitBtnFermeInterClick();
        ASSERT_TRUE(modele.Couplage);
        // The excitation set once coupled: closing needs Ev within 5 % of V.
        modele.TrackBarIeChange(c.ie);
        modele.TrackBarNChange(c.cm);
        modele.MiseAJourModele();
        const TPuissances p = TInstruments::Puissances(modele);

        // By hand from the machine's constants.
        const double ev = L::FemAVide((160 - c.ie) / 100.0, 1500.0);
        const double cm = c.cm / 10.0;
        const double delta = std::asin(std::pow(2 * pi * L::f, 2) * L::Ls * cm / (L::p * 3 * L::V * ev));
        const double q = 3 * L::V * (ev * std::cos(delta) - L::V) / X;
        const double i = std::hypot(ev * std::cos(delta) - L::V, ev * std::sin(delta)) / X;
        EXPECT_NEAR(p.P, pi * cm * 1500 / 30, 1e-9);
        EXPECT_NEAR(p.Q, q, 1e-9);
        EXPECT_NEAR(p.S, 3 * L::V * i, 1e-9);
        EXPECT_NEAR(std::hypot(p.P, p.Q), p.S, 1e-9);
        EXPECT_NEAR(p.Delta, delta, 1e-12);
        // The rounded figures a student reads.
        EXPECT_NEAR(p.P, c.p, 0.5);
        EXPECT_NEAR(p.Q, c.q, 0.5);
        EXPECT_NEAR(p.S, c.s, 0.5);
        ASSERT_TRUE(p.CosPhi.has_value());
        EXPECT_NEAR(*p.CosPhi, c.cosPhi, 5e-4);

        const TFonctionnement &f = p.Fonctionnement;
        VerifieFonctionnement(f, c.attendu);
    }
}

// The edges of the rule: a compensator up to |P| = 5 % of S, whichever way P flows; a Q that
// reads 0 var names no excitation and leaves the current in phase; no current, no exchange.
TEST(TInstruments, FonctionnementAuxBordsDeSesSeuils)
{
    using enum TMarche;
    using enum TExcitation;
    using enum TConvention;
    const struct {
        double p, q, s;
        TFonctionnementAttendu attendu;
    } cas[] = {
        {50.0, 999.0, 1000.0, Compensateur, Surexcitee, Recepteur, -1, "compensateur synchrone, surexcitée"},
        {50.1, 999.0, 1000.0, Alternateur, Surexcitee, Generateur, 1, "alternateur, surexcitée"},
        {-50.0, -999.0, 1000.0, Compensateur, SousExcitee, Recepteur, 1, "compensateur synchrone, sous-excitée"},
        {-50.1, -999.0, 1000.0, Moteur, SousExcitee, Recepteur, 1, "moteur, sous-excitée"},
        {1000.0, 0.49, 1000.0, Alternateur, Normale, Generateur, 0, "alternateur"},
        {-1000.0, -0.49, 1000.0, Moteur, Normale, Recepteur, 0, "moteur"},
        {-1000.0, 0.5, 1000.0, Moteur, Surexcitee, Recepteur, -1, "moteur, surexcitée"},
        {0.0, 0.0, 0.0, Compensateur, Normale, Recepteur, 0, "compensateur synchrone"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(testing::Message() << c.p << " W, " << c.q << " var");
        const TFonctionnement f = TInstruments::Fonctionnement(c.p, c.q, c.s);
        VerifieFonctionnement(f, c.attendu);
    }
}

} // namespace
} // namespace tavelor
