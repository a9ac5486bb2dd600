#include "TNbComplexe.h"

#include "Arrondi.h"
#include "TCanevasEnregistreur.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <numbers>
#include <tuple>
#include <vector>

namespace tavelor {
namespace {

using TSegment = TCanevasEnregistreur::TSegment;

std::vector<TPoint> Extremites(const TCanevasEnregistreur &canevas)
{
    std::vector<TPoint> points;
    for (const TSegment &segment : canevas.Segments)
        points.push_back(segment.A);
    return points;
}

TNbComplexe Phaseur(double reel, double imag)
{
    TNbComplexe phaseur;
    phaseur.Reel = reel;
    phaseur.Imag = imag;
    phaseur.X0 = 100;
    phaseur.Y0 = 50;
    return phaseur;
}

TEST(Arrondi, VaAuPlusProchePairEtNeutraliseNaN)
{
    EXPECT_EQ(Arrondi(108.5), 108);
    EXPECT_EQ(Arrondi(104.5), 104);
    EXPECT_EQ(Arrondi(282.75), 283);
    EXPECT_EQ(Arrondi(-8.66), -9);
    EXPECT_EQ(Arrondi(std::numeric_limits<double>::quiet_NaN()), 0);
}

// A head only on a shaft at least as long as its barbs (10 px): a zero or tiny phasor is
// no lone arrowhead pointing anywhere.
TEST(TNbComplexeDessine, PasDeTetePlusLongueQueLeTrait)
{
    const struct {
        double reel, imag;
        std::size_t segments;
    } cas[] = {{0.0, 0.0, 1}, {9.0, 0.0, 1}, {0.0, -6.0, 1}, {6.0, 8.0, 3}, {10.0, 0.0, 3}};
    for (const auto &c : cas) {
        TCanevasEnregistreur canevas;
        Phaseur(c.reel, c.imag).Dessine(canevas);
        ASSERT_EQ(canevas.Segments.size(), c.segments) << c.reel << ", " << c.imag;
        EXPECT_EQ(canevas.Segments[0].De, (TPoint{100, 50}));
        EXPECT_EQ(canevas.Epaisseur, 1);
    }
}

TEST(TNbComplexeDessine, DirectionSelonLeQuadrant)
{
    // Pointing left: the barbs lie to the right of the tip.
    TCanevasEnregistreur gauche;
    Phaseur(-100.0, 0.0).Dessine(gauche);
    EXPECT_EQ(Extremites(gauche), (std::vector<TPoint>{{0, 50}, {9, 45}, {9, 55}}));

    // Reel = 0, Imag > 0: straight up, barbs below the tip.
    TCanevasEnregistreur haut;
    Phaseur(0.0, 40.0).Dessine(haut);
    EXPECT_EQ(Extremites(haut), (std::vector<TPoint>{{100, 10}, {105, 19}, {95, 19}}));

    // Scale and halves to even on the tip: 0.5·217 = 108.5 -> 108, 0.5·209 = 104.5 -> 104.
    TCanevasEnregistreur echelle;
    TNbComplexe phaseur = Phaseur(217.0, 209.0);
    phaseur.Echelle = 0.5;
    phaseur.Dessine(echelle);
    EXPECT_EQ(echelle.Segments[0].A, (TPoint{208, -54}));
}

TEST(TNbComplexeDessine, PlumeSelonLeStyleEtLaisseeAUnPixel)
{
    TNbComplexe phaseur = Phaseur(100.0, 0.0);
    phaseur.Couleur = clFuchsia;

    TCanevasEnregistreur plein;
    phaseur.Dessine(plein);
    for (const TSegment &segment : plein.Segments) {
        EXPECT_EQ(segment.Epaisseur, 2);
        EXPECT_EQ(segment.Couleur, clFuchsia);
    }
    EXPECT_EQ(plein.Epaisseur, 1);
    EXPECT_EQ(plein.Style, TStyleTrait::psSolid);

    phaseur.StyleTrait = TStyleTrait::psDot;
    TCanevasEnregistreur pointille;
    phaseur.Dessine(pointille);
    for (const TSegment &segment : pointille.Segments) {
        EXPECT_EQ(segment.Epaisseur, 1);
        EXPECT_EQ(segment.Style, TStyleTrait::psDot);
    }
    EXPECT_EQ(pointille.Style, TStyleTrait::psDot);

    phaseur.Visible = false;
    TCanevasEnregistreur invisible;
    phaseur.Dessine(invisible);
    EXPECT_TRUE(invisible.Journal.empty());
}

TEST(TNbComplexe, ModuleEtArgument)
{
    EXPECT_DOUBLE_EQ(Phaseur(3.0, 4.0).Module(), 5.0);
    EXPECT_DOUBLE_EQ(Phaseur(-1.0, 0.0).Argument(), std::numbers::pi);
    EXPECT_EQ(Phaseur(0.0, 0.0).Argument(), 0.0);
    EXPECT_DOUBLE_EQ(Phaseur(0.0, -3.0).Argument(), -std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(Phaseur(0.0, 2.0).Argument(), std::numbers::pi / 2);
    EXPECT_DOUBLE_EQ(Phaseur(-1.0, -1.0).Argument(), -3 * std::numbers::pi / 4);
}

TEST(TNbComplexe, ValeurInstantanee)
{
    TNbComplexe fixe = Phaseur(3.0, -2.0);
    EXPECT_DOUBLE_EQ(fixe.ValeurInstantanee(12.3), -2.0);

    // 230 V at 50 Hz, a quarter period later: the crest.
    TNbComplexe tournant = Phaseur(230.0, 0.0);
    tournant.Pulsation = 100 * std::numbers::pi;
    EXPECT_NEAR(tournant.ValeurInstantanee(0.005), 230.0, 1e-9);
}

TEST(TNbComplexe, AjouteValeurDecaleSurPlace)
{
    TNbComplexe phaseur;
    phaseur.Valeurs = {1.0, 2.0, 3.0};
    const double *donnees = phaseur.Valeurs.data();
    phaseur.AjouteValeur(4.0);
    EXPECT_EQ(phaseur.Valeurs, (std::vector<double>{2.0, 3.0, 4.0}));
    EXPECT_EQ(phaseur.Valeurs.data(), donnees);

    phaseur.Valeurs = {7.0};
    phaseur.AjouteValeur(8.0);
    EXPECT_EQ(phaseur.Valeurs, std::vector<double>{8.0});

    phaseur.Valeurs.clear();
    phaseur.AjouteValeur(9.0);
    EXPECT_TRUE(phaseur.Valeurs.empty());
}

TEST(TNbComplexe, TraceValeursUnPixelParEchantillon)
{
    TNbComplexe phaseur;
    phaseur.Couleur = clRed;
    phaseur.Echelle = 0.3;
    phaseur.Valeurs.assign(380, 0.0);
    phaseur.Valeurs[1] = 10.0;

    TCanevasEnregistreur canevas;
    phaseur.TraceValeurs(canevas, {15, 100, 380});
    ASSERT_EQ(canevas.Segments.size(), 379u);
    EXPECT_EQ(canevas.Segments.front().De, (TPoint{15, 100}));
    EXPECT_EQ(canevas.Segments.front().A, (TPoint{16, 97}));
    EXPECT_EQ(canevas.Segments.back().A, (TPoint{394, 100}));
    EXPECT_EQ(canevas.Segments.front().Couleur, clRed);
    EXPECT_EQ(canevas.Epaisseur, 7) << "the pen width is the canvas's own";
}

TEST(TNbComplexe, TraceValeursSeLimiteAuxEchantillonsPresents)
{
    TNbComplexe phaseur;
    for (const auto &[taille, zuDroi, segments] : std::vector<std::tuple<std::size_t, int, std::size_t>>{
             {10, 380, 9}, {0, 380, 0}, {1, 380, 0}, {380, 100, 99}, {380, 0, 0}, {380, -5, 0}}) {
        phaseur.Valeurs.assign(taille, 1.0);
        TCanevasEnregistreur canevas;
        phaseur.TraceValeurs(canevas, {15, 100, zuDroi});
        EXPECT_EQ(canevas.Segments.size(), segments) << taille << " samples, ZU_droi " << zuDroi;
    }
}

} // namespace
} // namespace tavelor
