#include "TCourbesCaracteristiques.h"

#include "TCablage.h"
#include "TModele.h"
#include "TVueNulle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>

namespace tavelor {
namespace {

using C = TCourbesCaracteristiques;

constexpr double pi = std::numbers::pi;

const TPointCourbe &Minimum(const TCourbe &courbe)
{
    return *std::min_element(courbe.begin(), courbe.end(),
                             [](const TPointCourbe &a, const TPointCourbe &b) { return a.Y < b.Y; });
}

// Linear reading of a sampled curve at x.
double Lecture(const TCourbe &courbe, double x)
{
    const auto apres = std::lower_bound(courbe.begin(), courbe.end(), x,
                                        [](const TPointCourbe &point, double valeur) { return point.X < valeur; });
    if (apres == courbe.begin())
        return apres->Y;
    const auto avant = apres - 1;
    return avant->Y + (apres->Y - avant->Y) * (x - avant->X) / (apres->X - avant->X);
}

TEST(TCourbesCaracteristiquesTest, LimiteDeStabilite)
{
    // 3·230·230 / 74.7699 W, then over the shaft speed 1500·π/30 rad/s.
    EXPECT_NEAR(TLoisMachine::PuissanceMax(230.0), 2122.5, 0.05);
    EXPECT_NEAR(C::CoupleMax(230.0, 1500.0), 13.512, 5e-4);
    EXPECT_EQ(C::CoupleMax(230.0, 0.0), 0.0);

    const TCourbe puissance = C::PuissanceAngle(230.0);
    ASSERT_EQ(puissance.size(), 361u);
    EXPECT_NEAR(puissance.front().X, -pi, 1e-12);
    EXPECT_NEAR(puissance[270].X, pi / 2, 1e-12);
    EXPECT_NEAR(puissance[270].Y, 2122.5, 0.05);
    EXPECT_NEAR(puissance[90].Y, -2122.5, 0.05);
    EXPECT_NEAR(puissance[180].Y, 0.0, 1e-9);
    // 47.74° carries 1570.8 W, the model's generator example.
    EXPECT_NEAR(C::Puissance(230.0, 47.74 * pi / 180), 1570.8, 0.1);
}

TEST(TCourbesCaracteristiquesTest, CaracteristiqueAVideProportionnelleALaVitesse)
{
    const TCourbe a1500 = C::CaracteristiqueAVide(1500.0);
    ASSERT_EQ(a1500.size(), 321u);
    EXPECT_NEAR(a1500.front().Y, 6.717, 1e-12);
    EXPECT_NEAR(a1500.back().X, 1.60, 1e-12);
    EXPECT_NEAR(a1500.back().Y, 358.97, 5e-3);
    EXPECT_NEAR(Lecture(a1500, 0.47), 230.36, 5e-3);
    EXPECT_NEAR(Lecture(C::CaracteristiqueAVide(750.0), 0.47), 115.18, 5e-3);
    EXPECT_EQ(Lecture(C::CaracteristiqueAVide(0.0), 1.0), 0.0);
}

TEST(TCourbesCaracteristiquesTest, CourbesEnV)
{
    // No load: |Ev − V| / X, touching zero where Ev = 230 V.
    const TCourbe vide = C::CourbeV(0.0, 1500.0);
    EXPECT_NEAR(vide.front().Y, (230.0 - 6.717) / 74.7699, 5e-5);
    EXPECT_NEAR(Minimum(vide).Y, 0.0, 1e-9);
    EXPECT_NEAR(TLoisMachine::FemAVide(Minimum(vide).X, 1500.0), 230.0, 1e-6);
    EXPECT_NEAR(Lecture(vide, 1.0), (328.92 - 230.0) / 74.7699, 5e-5);

    // 1570.8 W: bottom at unity power factor Pu/(3V), and 2.4866 A at Ev = 230.357 V.
    for (const double Pu : {1570.8, -1570.8}) {
        const TCourbe v = C::CourbeV(Pu, 1500.0);
        EXPECT_NEAR(Minimum(v).Y, 2.2765, 5e-5);
        EXPECT_NEAR(*C::CourantAPuissance(230.357, Pu), 2.4866, 5e-5);
        EXPECT_NEAR(Lecture(v, 0.47), 2.4866, 5e-4);
    }
}

TEST(TCourbesCaracteristiquesTest, CourbesEnVCoupeesALaLimiteDeStabilite)
{
    EXPECT_FALSE(C::CourantAPuissance(230.0, 2122.6).has_value());
    EXPECT_TRUE(C::CourantAPuissance(230.0, 2122.4).has_value());

    const TCourbe limite = C::LieuAngle(pi / 2, 1500.0, 2500.0);
    for (const double Pu : C::PuissancesV) {
        const TCourbe v = C::CourbeV(Pu, 1500.0);
        ASSERT_FALSE(v.empty()) << Pu;
        // Every point is a steady state: its load angle is within ±90°.
        for (const TPointCourbe &point : v)
            ASSERT_LE(Pu * TLoisMachine::Reactance / (3 * 230.0 * TLoisMachine::FemAVide(point.X, 1500.0)), 1.0 + 1e-12)
                << Pu << " " << point.X;
        if (Pu == 0.0)
            continue;
        // The curve starts exactly on the limit, δ = 90°, where I = √(Ev² + V²)/X.
        const double EvDebut = TLoisMachine::FemAVide(v.front().X, 1500.0);
        EXPECT_NEAR(TLoisMachine::PuissanceMax(EvDebut), Pu, 1e-6) << Pu;
        EXPECT_NEAR(v.front().Y, std::hypot(EvDebut, 230.0) / 74.7699, 1e-4) << Pu;
        EXPECT_NEAR(Lecture(limite, v.front().X), v.front().Y, 1e-3) << Pu;
    }
    // The loci end where their power reaches the asked maximum.
    const TPointCourbe fin = C::LieuAngle(75 * pi / 180, 1500.0, 2000.0).back();
    EXPECT_NEAR(C::Puissance(TLoisMachine::FemAVide(fin.X, 1500.0), 75 * pi / 180), 2000.0, 1e-6);
    EXPECT_NEAR(TLoisMachine::PuissanceMax(TLoisMachine::FemAVide(limite.back().X, 1500.0)), 2500.0, 1e-6);

    // At standstill only the no-load curve exists: the grid alone drives V/X.
    EXPECT_TRUE(C::CourbeV(500.0, 0.0).empty());
    EXPECT_NEAR(C::CourbeV(0.0, 0.0).front().Y, 230.0 / 74.7699, 1e-4);
}

// The curves and the model agree: a coupled machine sits on the V-curve of its power.
TEST(TCourbesCaracteristiquesTest, LeModeleCoupleEstSurSaCourbe)
{
    TVueNulle vue;
    TModele modele{vue};
    const TCablage cablage{modele, vue}; // opens the switch beyond the limit
    modele.PreparerAffichage({});
    modele.N = 1500.0;
    for (const double Ie : {0.3, 0.47, 0.9, 1.5}) {
        for (const double Cm : {-12.0, -3.0, 0.0, 5.5, 12.0}) {
            modele.Ie = Ie;
            modele.Cm = Cm;
            modele.Couplage = true;
            modele.MiseAJourModele();
            if (!modele.Couplage)
                continue; // beyond the limit the model opens, and the curve has no point there
            const std::optional<double> I = C::CourantAPuissance(modele.Ev, modele.Pu);
            ASSERT_TRUE(I.has_value()) << Ie << " " << Cm;
            EXPECT_NEAR(*I, modele.I, 1e-9) << Ie << " " << Cm;
            EXPECT_NEAR(C::Puissance(modele.Ev, modele.delta), modele.Pu, 1e-9);
            EXPECT_NEAR(Lecture(C::CourbeV(modele.Pu, 1500.0), Ie), modele.I, 2e-3) << Ie << " " << Cm;
        }
    }
}

// The operating chart: the circle of Ev about Q = −3·V²/X, one point per degree of load
// angle as seen from there; that of the current, of radius 3·V·I, about the origin; the
// lines of ±δ from the centre to the asked |P|.
TEST(TCourbesCaracteristiquesTest, DiagrammePQ)
{
    const double X = 0.238 * 100 * pi, centre = -3 * 230.0 * 230.0 / X; // −2122.51 var
    struct TCas {
        double Ev, I, degres;
    };
    for (const TCas &c : {TCas{230.0, 2.5, 75.0}, TCas{328.9, 1.32, 90.0}}) {
        const TCourbe fem = C::CercleFem(c.Ev), courant = C::CercleCourant(c.I);
        const TCourbe lieu = C::LieuAngleQP(c.degres * pi / 180, 3000.0);
        ASSERT_EQ(fem.size(), 361u);
        ASSERT_EQ(courant.size(), 361u);
        for (std::size_t k = 0; k < fem.size(); ++k) {
            ASSERT_NEAR(std::hypot(fem[k].X - centre, fem[k].Y), 3 * 230.0 * c.Ev / X, 1e-6) << k;
            ASSERT_NEAR(std::hypot(courant[k].X, courant[k].Y), 3 * 230.0 * c.I, 1e-9) << k;
        }
        const TPointCourbe aDelta = fem[180 + static_cast<std::size_t>(c.degres)];
        EXPECT_NEAR(std::atan2(aDelta.Y, aDelta.X - centre) * 180 / pi, c.degres, 1e-9);
        ASSERT_EQ(lieu.size(), 3u);
        EXPECT_NEAR(lieu[0].Y, -3000.0, 1e-6);
        EXPECT_NEAR(lieu[2].Y, 3000.0, 1e-6);
        EXPECT_NEAR(lieu[1].X, centre, 1e-9);
        EXPECT_NEAR(lieu[0].X, lieu[2].X, 1e-9);
        EXPECT_NEAR(std::atan2(lieu[2].Y, lieu[2].X - centre) * 180 / pi, c.degres, 1e-9);
    }
}

} // namespace
} // namespace tavelor
