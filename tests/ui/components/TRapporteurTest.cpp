#include "TRapporteur.h"

#include "ApplicationTest.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>

namespace tavelor {
namespace {

using test::EstCouleur;
using test::Rendu;
using test::Souris;

constexpr double Pi = 3.141592653589793;

class TRapporteurTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::Application(); }

    void SetUp() override
    {
        fenetre = std::make_unique<QWidget>();
        fenetre->resize(400, 400);
        rapporteur = new TRapporteur(fenetre.get());
        rapporteur->move(72, 80);
        fenetre->show();
    }

    // Presses at `depart`, moves to each point, releases at the last one.
    void Glisse(QPoint depart, std::initializer_list<QPoint> points)
    {
        Souris(*rapporteur, QEvent::MouseButtonPress, depart, Qt::LeftButton, Qt::LeftButton);
        QPoint dernier = depart;
        for (QPoint p : points) {
            Souris(*rapporteur, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
            dernier = p;
        }
        Souris(*rapporteur, QEvent::MouseButtonRelease, dernier, Qt::LeftButton, Qt::NoButton);
    }

    std::unique_ptr<QWidget> fenetre;
    TRapporteur *rapporteur = nullptr;
};

TEST_F(TRapporteurTest, Construction)
{
    const TRapporteur neuf;
    EXPECT_EQ(neuf.size(), QSize(120, 120));
    EXPECT_EQ(neuf.Centre(), QPoint(60, 60));
    EXPECT_EQ(neuf.RayonExt(), 50);
    EXPECT_EQ(neuf.TailleZS(), 10);
    EXPECT_EQ(neuf.Rayon(), 0);
    EXPECT_EQ(neuf.Bout1(), QPoint(110, 110)); // down-right
    EXPECT_EQ(neuf.Bout2(), QPoint(110, 10));  // up-right
    EXPECT_EQ(neuf.Prise1(), QRect(0, 0, 0, 0));
    EXPECT_FALSE(neuf.Prise1().contains(QPoint(0, 0)));
    EXPECT_EQ(neuf.Valeur(), 0.0);
    EXPECT_EQ(neuf.accessibleDescription(), "0.0°");
}

TEST_F(TRapporteurTest, AngleTablesOfTheTwoArms)
{
    const QPoint c(60, 60);
    struct Cas {
        QPoint bout;
        double alpha1;
        double alpha2;
    };
    for (const Cas &k : {Cas{{60, 20}, Pi / 2, Pi / 2}, Cas{{60, 100}, -Pi / 2, -Pi / 2}, Cas{{20, 60}, -Pi, Pi},
                         Cas{{100, 60}, 0, 0}, Cas{{60, 60}, 0, 0}, Cas{{95, 25}, Pi / 4, Pi / 4},
                         Cas{{95, 95}, -Pi / 4, -Pi / 4}, Cas{{25, 25}, -5 * Pi / 4, 3 * Pi / 4},
                         Cas{{25, 95}, -3 * Pi / 4, 5 * Pi / 4}, Cas{{70, 40}, std::atan(2.0), std::atan(2.0)}}) {
        EXPECT_DOUBLE_EQ(TRapporteur::AngleBras1(k.bout, c), k.alpha1) << k.bout.x() << "," << k.bout.y();
        EXPECT_DOUBLE_EQ(TRapporteur::AngleBras2(k.bout, c), k.alpha2) << k.bout.x() << "," << k.bout.y();
    }
    EXPECT_EQ(TRapporteur::PointDuCercle(c, 50, -Pi / 4), QPoint(95, 95));
    EXPECT_EQ(TRapporteur::PointDuCercle(c, 50, Pi), QPoint(10, 60));
}

TEST_F(TRapporteurTest, DescribedProtractorKeepsTheGeometryOfConstruction)
{
    auto fenetreCachee = std::make_unique<QWidget>();
    auto *decrit = new TRapporteur(fenetreCachee.get());
    decrit->setGeometry(72, 80, 217, 217);
    decrit->setalpha1(0.7);
    decrit->setalpha2(0.7);
    decrit->setRayon(50);
    decrit->setRayonExt(50);
    decrit->setValeur(1.4);
    decrit->setTailleZS(6);
    fenetreCachee->show();
    EXPECT_EQ(decrit->size(), QSize(217, 217));
    EXPECT_EQ(decrit->Centre(), QPoint(60, 60));
    EXPECT_EQ(decrit->Bout1(), QPoint(110, 110));
    EXPECT_EQ(decrit->Prise1(), QRect(104, 104, 12, 12));
    EXPECT_EQ(decrit->Prise2(), QRect(104, 4, 12, 12));
    EXPECT_EQ(decrit->Valeur(), 1.4);
    EXPECT_EQ(decrit->accessibleDescription(), "80.2°");

    // Equal angles: a full circle of radius 50 about (60, 60).
    const QImage image = Rendu(*decrit);
    for (QPoint p : {QPoint(10, 60), QPoint(109, 60), QPoint(60, 10), QPoint(60, 109)})
        EXPECT_TRUE(EstCouleur(image, p.x(), p.y(), Qt::black)) << p.x() << "," << p.y();
}

TEST_F(TRapporteurTest, RightAngleBetweenArmsOnTheRight)
{
    rapporteur->setTailleZS(6);
    Glisse(QPoint(110, 110), {QPoint(95, 95)});
    EXPECT_DOUBLE_EQ(rapporteur->alpha1(), -Pi / 4);
    EXPECT_DOUBLE_EQ(rapporteur->alpha2(), Pi / 4);
    EXPECT_DOUBLE_EQ(rapporteur->Valeur(), Pi / 2);
    EXPECT_EQ(rapporteur->accessibleDescription(), "90.0°");

    // The arc runs from -45° to 45° through the right, not through the left.
    rapporteur->setRayon(30);
    const QImage image = Rendu(*rapporteur, Qt::white);
    EXPECT_TRUE(EstCouleur(image, 89, 60, Qt::black));
    EXPECT_FALSE(EstCouleur(image, 30, 60, Qt::black));
    EXPECT_FALSE(EstCouleur(image, 60, 30, Qt::black));
}

TEST_F(TRapporteurTest, SameDirectionGivesZeroAndAFullCircle)
{
    rapporteur->setTailleZS(6);
    rapporteur->setRayon(30);
    Glisse(QPoint(110, 110), {QPoint(95, 25)}); // arm 1 onto arm 2's direction
    EXPECT_EQ(rapporteur->Valeur(), 0.0);
    const QImage image = Rendu(*rapporteur, Qt::white);
    EXPECT_TRUE(EstCouleur(image, 30, 60, Qt::black));
    EXPECT_TRUE(EstCouleur(image, 60, 89, Qt::black));
}

TEST_F(TRapporteurTest, LeftHalfUsesDifferentRangesPerArm)
{
    rapporteur->setTailleZS(6);
    // Arm 2 down-left at 225°, arm 1 up-left at 135°: |5π/4 + 5π/4| = 5π/2, reduced to π/2.
    Glisse(QPoint(110, 10), {QPoint(25, 95)});
    EXPECT_DOUBLE_EQ(rapporteur->alpha2(), 5 * Pi / 4);
    Glisse(QPoint(95, 95), {QPoint(25, 25)}); // arm 1 snapped to (95, 95) meanwhile
    EXPECT_DOUBLE_EQ(rapporteur->alpha1(), -5 * Pi / 4);
    EXPECT_DOUBLE_EQ(rapporteur->Valeur(), Pi / 2);

    // Both arms up-left at 135°: 3π/4 and -5π/4, 2π apart, not reduced.
    Glisse(QPoint(25, 95), {QPoint(25, 25)});
    EXPECT_DOUBLE_EQ(rapporteur->alpha2(), 3 * Pi / 4);
    EXPECT_DOUBLE_EQ(rapporteur->Valeur(), 2 * Pi);
    EXPECT_EQ(rapporteur->accessibleDescription(), "360.0°");
}

TEST_F(TRapporteurTest, PressInBothGripSquaresDragsArmOne)
{
    rapporteur->setTailleZS(60);
    ASSERT_TRUE(rapporteur->Prise1().contains(QPoint(100, 60)));
    ASSERT_TRUE(rapporteur->Prise2().contains(QPoint(100, 60)));
    Glisse(QPoint(100, 60), {QPoint(60, 10)});
    EXPECT_DOUBLE_EQ(rapporteur->alpha1(), Pi / 2);
    EXPECT_DOUBLE_EQ(rapporteur->alpha2(), Pi / 4);
    EXPECT_EQ(rapporteur->Bout2(), QPoint(95, 25));
}

TEST_F(TRapporteurTest, PressOutsideTheGripsMovesTheWholeProtractor)
{
    rapporteur->setTailleZS(6);
    Glisse(QPoint(60, 40), {QPoint(70, 55), QPoint(60, 40)});
    EXPECT_EQ(rapporteur->pos(), QPoint(82, 95));
    EXPECT_EQ(rapporteur->Bout1(), QPoint(110, 110));
    EXPECT_EQ(rapporteur->Bout2(), QPoint(110, 10));
    EXPECT_EQ(rapporteur->Valeur(), 0.0);
}

TEST_F(TRapporteurTest, ArmSnapsBackToItsLengthEvenFromOutside)
{
    rapporteur->setTailleZS(6);
    Glisse(QPoint(110, 110), {QPoint(150, 60)});
    EXPECT_EQ(rapporteur->alpha1(), 0.0);
    EXPECT_EQ(rapporteur->Bout1(), QPoint(110, 60));
    EXPECT_EQ(rapporteur->Prise1(), QRect(104, 54, 12, 12));

    // Moves keep coming with the pointer outside the control.
    Glisse(QPoint(110, 60), {QPoint(-50, 60)});
    EXPECT_DOUBLE_EQ(rapporteur->alpha1(), -Pi);
    EXPECT_EQ(rapporteur->Bout1(), QPoint(10, 60));
    const QImage image = Rendu(*rapporteur, Qt::white);
    EXPECT_TRUE(EstCouleur(image, 20, 60, Qt::black)); // the arm
    EXPECT_TRUE(EstCouleur(image, 4, 60, Qt::black));  // its handle, inscribed in (4, 54)-(16, 66)
    EXPECT_TRUE(EstCouleur(image, 15, 60, Qt::black));
    EXPECT_TRUE(EstCouleur(image, 10, 60, Qt::white)); // filled over the arm's end
}

TEST_F(TRapporteurTest, OwnerSeesTheValueOfThePreviousMove)
{
    rapporteur->setTailleZS(6);
    std::vector<double> lues;
    QObject::connect(rapporteur, &TRapporteur::OnMouseMove,
                     [&](QMouseEvent *) { lues.push_back(rapporteur->Valeur()); });
    QSignalSpy bas(rapporteur, &TRapporteur::OnMouseDown);
    QSignalSpy haut(rapporteur, &TRapporteur::OnMouseUp);
    Glisse(QPoint(110, 110), {QPoint(95, 95), QPoint(110, 60)});
    ASSERT_EQ(lues.size(), 2u);
    EXPECT_EQ(lues[0], 0.0);
    EXPECT_DOUBLE_EQ(lues[1], Pi / 2);
    EXPECT_DOUBLE_EQ(rapporteur->Valeur(), Pi / 4);
    EXPECT_EQ(bas.count(), 1);
    EXPECT_EQ(haut.count(), 1);
}

TEST_F(TRapporteurTest, ResizingKeepsItSquareAndRebuildsTheGeometry)
{
    rapporteur->setTailleZS(6);
    Glisse(QPoint(110, 110), {QPoint(95, 95)}); // alpha1 -π/4, alpha2 π/4
    rapporteur->resize(200, 150);
    EXPECT_EQ(rapporteur->size(), QSize(150, 150));
    EXPECT_EQ(rapporteur->Centre(), QPoint(75, 75));
    EXPECT_EQ(rapporteur->RayonExt(), 69); // round(75 - 6)
    EXPECT_EQ(rapporteur->Bout1(), TRapporteur::PointDuCercle(QPoint(75, 75), 69, -Pi / 4));
    EXPECT_EQ(rapporteur->Prise2(), QRect(rapporteur->Bout2() - QPoint(6, 6), QSize(12, 12)));
}

TEST_F(TRapporteurTest, PropertiesByNameAndStoredValuesMoveNothing)
{
    EXPECT_TRUE(rapporteur->setProperty("alpha1", 1.0));
    EXPECT_TRUE(rapporteur->setProperty("Valeur", 1.4));
    EXPECT_TRUE(rapporteur->setProperty("Rayon", 50));
    EXPECT_TRUE(rapporteur->setProperty("TailleZS", 6));
    EXPECT_EQ(rapporteur->alpha1(), 1.0);
    EXPECT_EQ(rapporteur->Bout1(), QPoint(110, 110));
    EXPECT_EQ(rapporteur->Rayon(), 50);
    EXPECT_EQ(rapporteur->Prise1(), QRect(104, 104, 12, 12));
}

} // namespace
} // namespace tavelor
