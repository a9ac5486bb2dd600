#include "Taxes.h"

#include "ApplicationTest.h"
#include "TCanevasQt.h"

#include <QElapsedTimer>
#include <QPainter>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <limits>

namespace tavelor {
namespace {

using test::EstCouleur;
using test::Rendu;

class TaxesTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::Application(); }

    // One frame of the oscillogram window.
    void SetUp() override
    {
        axes.setGeometry(8, 24, 433, 100);
        axes.setLongueur_sup(100);
        axes.setLongueur_inf(90);
        axes.setLargeur_gau(15);
        axes.setLargeur_droi(400);
        axes.setZU_sup(80);
        axes.setZU_inf(80);
        axes.setZU_gau(0);
        axes.setZU_droi(380);
        axes.setGrad_hor(10);
        axes.setGrad_ver(1);
        QPalette palette = axes.palette();
        palette.setColor(QPalette::Window, Qt::white);
        palette.setColor(QPalette::WindowText, Qt::black);
        axes.setPalette(palette);
    }

    static bool Noir(const QImage &image, int x, int y) { return EstCouleur(image, x, y, Qt::black); }

    // x of the horizontal graduation marks: short vertical strokes across the axis.
    static std::vector<int> Graduations(const QImage &image, int ls)
    {
        std::vector<int> x;
        for (int i = 0; i < image.width(); ++i)
            if (Noir(image, i, ls - 3) && Noir(image, i, ls - 2) && Noir(image, i, ls + 2) && Noir(image, i, ls + 3))
                x.push_back(i);
        return x;
    }

    Taxes axes;
};

TEST_F(TaxesTest, DefaultsAndPropertiesByName)
{
    const Taxes defaut;
    EXPECT_EQ(defaut.size(), QSize(110, 100));
    EXPECT_EQ(defaut.Longueur_sup(), 50);
    EXPECT_EQ(defaut.Largeur_droi(), 50);
    EXPECT_EQ(defaut.ZU_sup(), 38);
    EXPECT_EQ(defaut.ZU_droi(), 38);
    EXPECT_EQ(defaut.Grad_hor(), 1);
    EXPECT_EQ(defaut.Grad_ver(), 1);
    EXPECT_EQ(defaut.Epaisseur(), 0);
    EXPECT_FALSE(defaut.Inverse());
    EXPECT_TRUE(defaut.Grad_max_ver().isEmpty());

    EXPECT_TRUE(axes.setProperty("Echelle_verticale", 0.3));
    EXPECT_TRUE(axes.setProperty("Grad_max_hor", "76 ms"));
    EXPECT_TRUE(axes.setProperty("Couleur", 0x0000FF));
    EXPECT_EQ(axes.Echelle_verticale(), 0.3);
    EXPECT_EQ(axes.Grad_max_hor(), "76 ms");
    EXPECT_EQ(axes.Couleur(), clRed);

    const TGeometrieAxes geometrie = axes.Geometrie();
    EXPECT_EQ(geometrie.Largeur_gau, 15);
    EXPECT_EQ(geometrie.Longueur_sup, 100);
    EXPECT_EQ(geometrie.ZU_droi, 380);
}

TEST_F(TaxesTest, OscillogramFrame)
{
    const QImage image = Rendu(axes);
    EXPECT_EQ(axes.size(), QSize(433, 190)); // height forced to 100 + 90
    EXPECT_EQ(axes.pos(), QPoint(8, 24));

    // Horizontal axis from x 0 to its arrow tip at (415, 100), barbs back to x 410.
    EXPECT_TRUE(Noir(image, 0, 100));
    EXPECT_TRUE(Noir(image, 414, 100));
    EXPECT_TRUE(Noir(image, 415, 100));
    EXPECT_FALSE(Noir(image, 416, 100));
    EXPECT_TRUE(Noir(image, 411, 96));
    EXPECT_FALSE(Noir(image, 410, 95)); // end points are not painted
    EXPECT_TRUE(Noir(image, 411, 104));

    // Vertical axis at x 15 over the whole height, arrow at the top.
    for (int y : {0, 50, 150, 189})
        EXPECT_TRUE(Noir(image, 15, y)) << y;
    EXPECT_TRUE(Noir(image, 12, 3));
    EXPECT_TRUE(Noir(image, 18, 3));

    // Eleven marks 38 pixels apart, from y 97 to 103.
    EXPECT_EQ(Graduations(image, 100), (std::vector<int>{15, 53, 91, 129, 167, 205, 243, 281, 319, 357, 395}));
    EXPECT_TRUE(Noir(image, 53, 97));
    EXPECT_TRUE(Noir(image, 53, 103));
    EXPECT_FALSE(Noir(image, 53, 104));

    // Marks of the vertical useful range, from x 12 to 18.
    for (int y : {20, 180}) {
        EXPECT_TRUE(Noir(image, 12, y)) << y;
        EXPECT_TRUE(Noir(image, 18, y)) << y;
        EXPECT_FALSE(Noir(image, 19, y)) << y;
        EXPECT_FALSE(Noir(image, 11, y)) << y;
    }
}

TEST_F(TaxesTest, OriginLabelAndVerticalLabels)
{
    const auto encre = [](const QImage &image, QRect zone) {
        int n = 0;
        for (int y = zone.top(); y <= zone.bottom(); ++y)
            for (int x = zone.left(); x <= zone.right(); ++x)
                n += image.pixelColor(x, y) != Qt::white;
        return n;
    };
    QImage image = Rendu(axes);
    EXPECT_GT(encre(image, QRect(0, 101, 14, 20)), 0); // "0" under the axis, left of the origin
    EXPECT_EQ(encre(image, QRect(0, 10, 11, 20)), 0);  // no label: only the mark

    axes.setGrad_max_ver("+267");
    axes.setGrad_min_ver("-300");
    axes.setLargeur_gau(60);
    image = Rendu(axes);
    EXPECT_GT(encre(image, QRect(0, 10, 54, 20)), 0);
    EXPECT_GT(encre(image, QRect(0, 170, 54, 20)), 0);
}

TEST_F(TaxesTest, CurvesLieUnderTheAxes)
{
    QObject::connect(&axes, &Taxes::OnPaint, [](TCanevasQt &canevas) {
        canevas.CouleurPlume(clRed);
        canevas.DeplaceVers(0, 100);
        canevas.LigneVers(433, 100);
        canevas.DeplaceVers(15, 0);
        canevas.LigneVers(15, 190);
    });
    const QImage image = Rendu(axes);
    EXPECT_TRUE(Noir(image, 200, 100));
    EXPECT_TRUE(Noir(image, 15, 60));
    EXPECT_TRUE(EstCouleur(image, 420, 100, Qt::red)); // beyond the axis' end
}

TEST_F(TaxesTest, PainterStartsWithTheAxesPen)
{
    axes.setCouleur(clBlue);
    axes.setEpaisseur(2);
    QPen recue;
    QObject::connect(&axes, &Taxes::OnPaint, [&recue](TCanevasQt &canevas) { recue = canevas.Peintre().pen(); });
    Rendu(axes);
    EXPECT_EQ(recue.color(), QColor(0, 0, 255));
    EXPECT_EQ(recue.width(), 2);
}

TEST_F(TaxesTest, RoundedStepMayMissTheEndOfTheZone)
{
    axes.resize(600, 190);
    axes.setZU_droi(541);
    axes.setGrad_hor(16);
    const std::vector<int> marques = Graduations(Rendu(axes), 100);
    ASSERT_EQ(marques.size(), 17u);
    EXPECT_EQ(marques[1] - marques[0], 34); // round(541 / 16) = round(33.8125)
    EXPECT_EQ(marques.back(), 15 + 544);
}

TEST_F(TaxesTest, UsefulZoneLeftOfTheOrigin)
{
    axes.setZU_gau(10);
    axes.setZU_droi(30);
    axes.setGrad_hor(4);
    EXPECT_EQ(Graduations(Rendu(axes), 100), (std::vector<int>{5, 15, 25, 35, 45}));
}

TEST_F(TaxesTest, NoHorizontalMarksBelowOneInterval)
{
    for (int grad : {0, -3, std::numeric_limits<int>::min()}) {
        axes.setGrad_hor(grad);
        const QImage image = Rendu(axes);
        EXPECT_EQ(Graduations(image, 100), std::vector<int>{15}) << grad; // the vertical axis only
        EXPECT_TRUE(Noir(image, 414, 100)) << grad;                       // the rest is drawn
    }
    QElapsedTimer chrono;
    chrono.start();
    axes.setGrad_hor(std::numeric_limits<int>::max());
    Rendu(axes); // every mark on one pixel: drawn once, not two billion times
    EXPECT_LT(chrono.elapsed(), 5000);
}

TEST_F(TaxesTest, EmptyHeightStillRecovers)
{
    axes.setLongueur_sup(0);
    axes.setLongueur_inf(-20);
    Rendu(axes);
    EXPECT_EQ(axes.height(), 1);
    axes.setLongueur_sup(100);
    axes.setLongueur_inf(90);
    Rendu(axes);
    EXPECT_EQ(axes.height(), 190);
}

TEST_F(TaxesTest, InverseTurnsOnlyTheVerticalArrowDown)
{
    const QImage droit = Rendu(axes);
    axes.setInverse(true);
    const QImage inverse = Rendu(axes);
    EXPECT_FALSE(Noir(inverse, 12, 3));
    EXPECT_TRUE(Noir(inverse, 12, 187));
    EXPECT_TRUE(Noir(inverse, 18, 187));
    EXPECT_FALSE(Noir(droit, 12, 187));
    // The "0" and the marks stay where they were.
    EXPECT_EQ(droit.copy(0, 10, 14, 175), inverse.copy(0, 10, 14, 175));
    EXPECT_EQ(Graduations(droit, 100), Graduations(inverse, 100));
}

TEST_F(TaxesTest, MouseEventsReachTheOwner)
{
    QSignalSpy bas(&axes, &Taxes::OnMouseDown);
    QSignalSpy deplace(&axes, &Taxes::OnMouseMove);
    QSignalSpy haut(&axes, &Taxes::OnMouseUp);
    axes.show();
    test::Souris(axes, QEvent::MouseMove, QPoint(100, 50));
    test::Clic(axes, QPoint(100, 50));
    EXPECT_EQ(bas.count(), 1);
    EXPECT_EQ(deplace.count(), 1);
    EXPECT_EQ(haut.count(), 1);
}

} // namespace
} // namespace tavelor
