#include "Tinterrupteur.h"

#include "ApplicationTest.h"

#include <QSignalSpy>

#include <gtest/gtest.h>

#include <vector>

namespace tavelor {
namespace {

using test::EstCouleur;
using test::Rendu;

class TinterrupteurTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { test::Application(); }

    // A pole of the main window, over a white picture.
    void SetUp() override
    {
        pole.setGeometry(480, 54, 50, 37);
        pole.setStyleFond(bsClear);
        pole.setCouleur_Fond(clFondBanc);
        pole.setEnabled(false);
    }

    static bool Noir(const QImage &image, int x, int y) { return EstCouleur(image, x, y, Qt::black); }

    static int NoirsDans(const QImage &image, QRect zone)
    {
        int n = 0;
        for (int y = zone.top(); y <= zone.bottom(); ++y)
            for (int x = zone.left(); x <= zone.right(); ++x)
                n += Noir(image, x, y);
        return n;
    }

    Tinterrupteur pole;
};

TEST_F(TinterrupteurTest, DefaultsAndPropertiesByName)
{
    const Tinterrupteur defaut;
    EXPECT_EQ(defaut.size(), QSize(50, 100));
    EXPECT_EQ(defaut.Orientation(), Tinterrupteur::orH);
    EXPECT_EQ(defaut.Etat(), Tinterrupteur::intOuv);
    EXPECT_EQ(defaut.Position(), Tinterrupteur::piSG);
    EXPECT_EQ(defaut.StyleFond(), bsSolid);
    EXPECT_EQ(defaut.Couleur_traits(), clBlack);
    EXPECT_EQ(defaut.Couleur_Fond(), clBlack);
    EXPECT_EQ(defaut.Epaisseur_traits(), 0);
    EXPECT_EQ(defaut.accessibleDescription(), "ouvert");

    EXPECT_TRUE(pole.setProperty("Etat", "intFer"));
    EXPECT_TRUE(pole.setProperty("Orientation", "orV"));
    EXPECT_TRUE(pole.setProperty("Position", "piID"));
    EXPECT_TRUE(pole.setProperty("StyleFond", "bsCross"));
    EXPECT_EQ(pole.Etat(), Tinterrupteur::intFer);
    EXPECT_EQ(pole.Orientation(), Tinterrupteur::orV);
    EXPECT_EQ(pole.Position(), Tinterrupteur::piID);
    EXPECT_EQ(pole.StyleFond(), bsCross);
    EXPECT_EQ(pole.accessibleDescription(), "fermé");
}

TEST_F(TinterrupteurTest, OpenHorizontalPole)
{
    const QImage image = Rendu(pole);
    // Left lead (0, 18)-(13, 18), blade from (13, 18) up to (37, 0) excluded.
    EXPECT_TRUE(Noir(image, 0, 18));
    EXPECT_TRUE(Noir(image, 13, 18));
    EXPECT_TRUE(Noir(image, 25, 9));
    EXPECT_FALSE(Noir(image, 37, 0));
    EXPECT_FALSE(Noir(image, 25, 18));
    // Right lead from the right edge to (37, 18) excluded, inside the hollow contact.
    EXPECT_TRUE(Noir(image, 49, 18));
    EXPECT_TRUE(Noir(image, 38, 18));
    EXPECT_FALSE(Noir(image, 37, 18));
    // Contacts in (10, 15)-(17, 22) and (34, 15)-(41, 22), right and bottom excluded.
    for (int cx : {13, 37}) {
        EXPECT_TRUE(Noir(image, cx, 15)) << cx;
        EXPECT_TRUE(Noir(image, cx, 21)) << cx;
        EXPECT_FALSE(Noir(image, cx, 14)) << cx;
        EXPECT_FALSE(Noir(image, cx, 22)) << cx;
    }
    EXPECT_TRUE(Noir(image, 34, 18));
    EXPECT_TRUE(Noir(image, 40, 18));
    EXPECT_FALSE(Noir(image, 33, 18));
    // A clear background shows the picture below.
    EXPECT_TRUE(EstCouleur(image, 2, 2, Qt::white));
}

TEST_F(TinterrupteurTest, ClosedBladeJoinsTheLeads)
{
    pole.setEtat(Tinterrupteur::intFer);
    const QImage image = Rendu(pole);
    for (int x = 13; x < 37; ++x)
        EXPECT_TRUE(Noir(image, x, 18)) << x;
    EXPECT_FALSE(Noir(image, 25, 9));
    EXPECT_EQ(NoirsDans(image, QRect(18, 0, 15, 14)), 0);
}

TEST_F(TinterrupteurTest, BladeSideAndVerticalPole)
{
    pole.setPosition(Tinterrupteur::piID);
    QImage image = Rendu(pole);
    EXPECT_EQ(NoirsDans(image, QRect(18, 0, 15, 14)), 0);
    EXPECT_GT(NoirsDans(image, QRect(18, 23, 15, 14)), 10); // lifted towards the bottom edge

    // Vertical, 50 × 50: centre (25, 25); the open blade goes to the right edge.
    pole.resize(50, 50);
    pole.setOrientation(Tinterrupteur::orV);
    for (auto cote : {Tinterrupteur::piSG, Tinterrupteur::piID}) {
        pole.setPosition(cote);
        image = Rendu(pole);
        EXPECT_TRUE(Noir(image, 25, 0));
        EXPECT_TRUE(Noir(image, 25, 49));
        EXPECT_TRUE(Noir(image, 25, 13));
        EXPECT_TRUE(Noir(image, 37, 25)); // on the blade from (25, 13) to (50, 37)
        EXPECT_TRUE(Noir(image, 22, 13)); // upper contact (22, 10)-(29, 17)
        EXPECT_TRUE(Noir(image, 28, 13));
        EXPECT_TRUE(Noir(image, 25, 34)); // lower contact (22, 34)-(29, 41)
        EXPECT_TRUE(Noir(image, 25, 40));
        EXPECT_FALSE(Noir(image, 25, 25));
    }
    pole.setEtat(Tinterrupteur::intFer);
    image = Rendu(pole);
    EXPECT_TRUE(Noir(image, 25, 25));
    EXPECT_FALSE(Noir(image, 37, 25));
}

// The contacts are filled over the ends of the leads that run into them, whatever the
// width of the traits; thick leads are wider than the contact outlines.
TEST_F(TinterrupteurTest, SolidBackgroundFillsTheContactsOverTheLeads)
{
    struct Cas {
        Tinterrupteur::chaine_orientation sens;
        int epaisseur;
    };
    pole.setStyleFond(bsSolid);
    pole.setCouleur_Fond(clLime);
    for (const Cas &cas : {Cas{Tinterrupteur::orH, 0}, Cas{Tinterrupteur::orH, 1}, Cas{Tinterrupteur::orH, 3},
                           Cas{Tinterrupteur::orV, 0}, Cas{Tinterrupteur::orV, 3}}) {
        SCOPED_TRACE(10 * cas.sens + cas.epaisseur);
        pole.setOrientation(cas.sens);
        pole.setEpaisseur_traits(cas.epaisseur);
        const bool horizontal = cas.sens == Tinterrupteur::orH;
        pole.resize(50, horizontal ? 37 : 50);
        // Lead ends inside the contacts; a point along a lead; a point inside a contact
        // beside its outline, right of the left contact's or below the upper one's.
        const QPoint bouts[] = {horizontal ? QPoint(12, 18) : QPoint(25, 12),
                                horizontal ? QPoint(38, 18) : QPoint(25, 38)};
        const QPoint lead = horizontal ? QPoint(5, 18) : QPoint(25, 5);
        const QPoint cote = horizontal ? QPoint(0, 1) : QPoint(1, 0);
        const QImage image = Rendu(pole);
        EXPECT_TRUE(EstCouleur(image, 2, 2, Qt::green));
        for (const QPoint bout : bouts)
            EXPECT_TRUE(EstCouleur(image, bout.x(), bout.y(), Qt::green)) << bout.x() << "," << bout.y();
        EXPECT_TRUE(Noir(image, lead.x(), lead.y()));
        EXPECT_EQ(Noir(image, lead.x() - cote.x(), lead.y() - cote.y()), cas.epaisseur > 1);
        EXPECT_EQ(Noir(image, lead.x() + cote.x(), lead.y() + cote.y()), cas.epaisseur > 1);
        EXPECT_FALSE(Noir(image, horizontal ? 37 : 24, horizontal ? 16 : 13)); // outlines stay one pixel wide
    }
}

TEST_F(TinterrupteurTest, ClickTogglesWithTheSignalBeforeAndAfter)
{
    pole.setEnabled(true);
    pole.show();
    std::vector<Tinterrupteur::etatInter> vus;
    QObject::connect(&pole, &Tinterrupteur::OnClick, [&] { vus.push_back(pole.Etat()); });
    QSignalSpy bas(&pole, &Tinterrupteur::OnMouseDown);
    test::Clic(pole, QPoint(25, 18));
    EXPECT_EQ(pole.Etat(), Tinterrupteur::intFer);
    EXPECT_EQ(vus, (std::vector{Tinterrupteur::intOuv, Tinterrupteur::intFer}));
    EXPECT_EQ(bas.count(), 1);
    EXPECT_EQ(pole.accessibleDescription(), "fermé");
    test::Clic(pole, QPoint(25, 18));
    EXPECT_EQ(pole.Etat(), Tinterrupteur::intOuv);
    EXPECT_EQ(pole.accessibleDescription(), "ouvert");
}

TEST_F(TinterrupteurTest, DisabledPoleIgnoresClicksButObeysTheProgram)
{
    pole.show();
    QSignalSpy clic(&pole, &Tinterrupteur::OnClick);
    test::Clic(pole, QPoint(25, 18));
    EXPECT_EQ(pole.Etat(), Tinterrupteur::intOuv);
    EXPECT_EQ(clic.count(), 0);
    pole.setEtat(Tinterrupteur::intFer);
    EXPECT_EQ(pole.Etat(), Tinterrupteur::intFer);
}

} // namespace
} // namespace tavelor
