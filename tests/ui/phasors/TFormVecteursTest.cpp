#include "TFormVecteurs.h"

#include "BancCouple.h"
#include "CouleurQt.h"
#include "FixedLocal.h"
#include "TPaintBox.h"
#include "TRapporteur.h"
#include "Tchaine_riche.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include <cmath>
#include <numbers>

namespace tavelor {
namespace {

using test::Souris;

class TFormVecteursTest : public test::BancCouple {
protected:
    TPaintBox &Zone() { return *Diagramme()->PaintBox1; }
    QString Lecture() { return Diagramme()->chaine_richeMesures->chaine(); }

    void Clic(QPoint p) { Souris(Zone(), QEvent::MouseButtonPress, p, Qt::LeftButton, Qt::LeftButton); }
    void Bouge(QPoint p) { Souris(Zone(), QEvent::MouseMove, p, Qt::NoButton, Qt::NoButton); }
};

// What the "Mesures" menu and each showing do to the measuring tools, step by step.
TEST_F(TFormVecteursTest, MeasuringToolsFollowTheMenu)
{
    enum TEtape { Montre, Intensite, Tension, Rapporteur, AfficherMasquer, ClicDiagramme };
    struct TCas {
        TEtape etape;
        int mode;
        bool affichees, ligne, cocheI, cocheV, cocheR, rapporteur;
        const char *libelle;
    };
    const TCas cas[] = {
        {Montre, 1, false, false, false, true, false, false, "Afficher"},
        {Intensite, 0, true, false, true, false, false, false, "Masquer"},
        {Rapporteur, 2, true, false, false, false, true, true, "Masquer"},
        {AfficherMasquer, 2, false, false, false, false, true, false, "Afficher"},
        {AfficherMasquer, 2, true, false, false, false, true, true, "Masquer"},
        {Tension, 1, true, false, false, true, false, false, "Masquer"},
        {ClicDiagramme, 1, true, true, false, true, false, false, "Masquer"},
        {Rapporteur, 2, true, true, false, false, true, true, "Masquer"},
        {Montre, 1, false, false, false, true, false, false, "Afficher"},
    };
    TFormVecteurs *f = Diagramme();
    for (std::size_t i = 0; i < std::size(cas); ++i) {
        const TCas &c = cas[i];
        switch (c.etape) {
        case Montre:
            f->hide();
            f->show();
            break;
        case Intensite:
            f->Intensit2->trigger();
            break;
        case Tension:
            f->ension2->trigger();
            break;
        case Rapporteur:
            f->Rapporteur1->trigger();
            break;
        case AfficherMasquer:
            f->Afficher1->trigger();
            break;
        case ClicDiagramme:
            Clic({20, 300});
            break;
        }
        SCOPED_TRACE(i);
        EXPECT_EQ(f->ModeMesure(), c.mode);
        EXPECT_EQ(f->MesuresAffichees(), c.affichees);
        EXPECT_EQ(f->PanelMesures->isVisible(), c.affichees);
        EXPECT_EQ(f->LigneActive(), c.ligne);
        EXPECT_EQ(Zone().cursor().shape(), c.ligne ? Qt::CrossCursor : Qt::ArrowCursor);
        EXPECT_EQ(f->Intensit2->isChecked(), c.cocheI);
        EXPECT_EQ(f->ension2->isChecked(), c.cocheV);
        EXPECT_EQ(f->Rapporteur1->isChecked(), c.cocheR);
        EXPECT_EQ(f->Rapporteur2->isVisible(), c.rapporteur);
        EXPECT_EQ(f->Afficher1->text(), QString::fromLatin1(c.libelle));
    }
}

// A line from one click to the pointer, read at the scale of the chosen quantity.
TEST_F(TFormVecteursTest, MeasuringLineReadsVoltsOrAmperes)
{
    struct TCas {
        bool francaise;
        bool intensite;
        double echelle;
        QPoint depart, arrivee;
        const char *lecture;
        const char *sansLigne;
    };
    const TCas cas[] = {
        {false, false, 0.8, {50, 100}, {234, 100}, "01230.0 V]}", "010.0 V]}"},
        {true, false, 0.8, {50, 100}, {234, 100}, "01230,0 V]}", "010,0 V]}"},
        {false, true, 45, {100, 50}, {100, 140}, "012.00 A]}", "010.00 A]}"},
        {true, true, 45, {100, 50}, {100, 140}, "012,00 A]}", "010,00 A]}"},
        {false, false, 0.8, {10, 10}, {130, 170}, "01250.0 V]}", "010.0 V]}"}, // 3-4-5: 200 px
        // A zero scale has no reading; a negative one reads as its magnitude.
        {false, false, 0.0, {50, 100}, {234, 100}, "01--- V]}", "01--- V]}"},
        {false, true, 0.0, {100, 50}, {100, 140}, "01--- A]}", "01--- A]}"},
        {false, true, -45, {100, 50}, {100, 140}, "012.00 A]}", "010.00 A]}"},
        {false, false, 1e-310, {50, 100}, {234, 100}, "01--- V]}", "010.0 V]}"},
    };
    TFormVecteurs *f = Diagramme();
    for (const TCas &c : cas) {
        SCOPED_TRACE(c.lecture);
        Locale(c.francaise);
        (c.intensite ? Modele().EchelleI : Modele().EchelleV) = c.echelle;
        (c.intensite ? f->Intensit2 : f->ension2)->trigger();
        Clic(c.depart);
        ASSERT_TRUE(f->LigneActive());
        Bouge(c.arrivee);
        EXPECT_EQ(Lecture(), QString::fromUtf8(c.lecture));
        // The second click ends the line; moving on reads a zero length.
        Clic(c.arrivee);
        EXPECT_FALSE(f->LigneActive());
        Bouge(c.depart);
        EXPECT_EQ(Lecture(), QString::fromUtf8(c.sansLigne));
    }
    EXPECT_EQ(f->chaine_richeMesures->accessibleDescription(), QStringLiteral("0.0 V"));
}

TEST_F(TFormVecteursTest, ClicksWithTheReadOutHiddenOnlyMoveTheStart)
{
    TFormVecteurs *f = Diagramme();
    for (QPoint p : {QPoint(30, 40), QPoint(200, 250), QPoint(5, 370)}) {
        Clic(p);
        EXPECT_EQ(f->PointDepart(), p);
        EXPECT_FALSE(f->LigneActive());
        Bouge(p + QPoint(90, 0));
        EXPECT_EQ(Lecture(), QStringLiteral("010.0 V]}"));
    }
}

// The protractor tells the window of a move before it turns its arm: the read-out
// shows the angle as it stood one move earlier.
TEST_F(TFormVecteursTest, ProtractorReadOutLagsOneMove)
{
    TFormVecteurs *f = Diagramme();
    f->Rapporteur1->trigger();
    TRapporteur &r = *f->Rapporteur2;
    ASSERT_TRUE(r.isVisible());
    const QPoint prise = r.Prise2().center();
    Souris(r, QEvent::MouseButtonPress, prise, Qt::LeftButton, Qt::LeftButton);
    for (QPoint p : {QPoint(200, 108), QPoint(108, 10), QPoint(20, 108), QPoint(150, 60)}) {
        const double avant = r.Valeur() * 180 / std::numbers::pi;
        Souris(r, QEvent::MouseMove, p, Qt::NoButton, Qt::LeftButton);
        EXPECT_EQ(Lecture(), QStringLiteral("01") + TexteNombre(avant, 3, 1) + QStringLiteral("°]}"));
    }
    Souris(r, QEvent::MouseButtonRelease, {150, 60}, Qt::LeftButton, Qt::NoButton);
    // Over the diagram, the angle stays on display.
    const QString angle = Lecture();
    Bouge({10, 10});
    EXPECT_EQ(Lecture(), angle);
}

int Pixels(const QImage &image, TCouleur couleur)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == VersQColor(couleur);
    return n;
}

TEST_F(TFormVecteursTest, CopyPutsTheDiagramOnTheClipboard)
{
    QGuiApplication::clipboard()->clear();
    Diagramme()->Intensit2->trigger(); // the read-out is not part of the picture
    Diagramme()->Copierverspressepapier1->trigger();
    const QImage image = QGuiApplication::clipboard()->image();
    ASSERT_EQ(image.size(), QSize(353, 377));
    EXPECT_TRUE(image.pixelColor(352, 376) == VersQColor(clFondBanc));
    // V runs 184 px along the horizontal from (50, 283), drawn 2 px wide; I is there too,
    // shorter than an arrowhead and so drawn as its shaft alone.
    EXPECT_TRUE(image.pixelColor(150, 283) == VersQColor(clTeal));
    EXPECT_GT(Pixels(image, clAqua), 10);
    EXPECT_EQ(Pixels(image, clRed), 0);
}

} // namespace
} // namespace tavelor
