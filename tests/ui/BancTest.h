#pragma once

// The whole program on screen with its clock stopped: the test advances the simulation
// tick by tick, exactly as the clock would, and reads the side windows' pictures.

#include "ApplicationTest.h"
#include "TChronos.h"
#include "TFenetres.h"
#include "TForm1.h"

#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <utility>

namespace tavelor::test {

// UnPole: stator phase 1 to grid phase 2 and nothing else.
enum class TCablageTest { Aucun, EnOrdre, OrdreInverse, Circulaire, UnPole };

class TBancTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        Application();
        QApplication::setQuitOnLastWindowClosed(false);
        Fenetres = std::make_unique<TFenetres>();
        Fenetres->Montre();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Fenetres->Form1.get()));
        Fenetres->Form1->Chronos1->setEnable(false);
    }
    void TearDown() override { Fenetres.reset(); }

    TModele &Modele() { return Fenetres->Form1->Modele; }

    // Circulaire: stator phase k to grid phase k + 1, in the grid's order.
    void Cable(TCablageTest cablage)
    {
        TCablage &c = Modele().Cablage;
        if (cablage == TCablageTest::UnPole) {
            c.ShapeS1MouseUp(TBorne::ShapeS1);
            c.ShapeS1MouseUp(TBorne::ShapeR2);
        }
        if (cablage == TCablageTest::Aucun || cablage == TCablageTest::UnPole)
            return;
        // The machine's phase order is drawn at start: find which terminal is which phase.
        const TBorne s2 = c.Tag(TBorne::ShapeS2) == 2 ? TBorne::ShapeS2 : TBorne::ShapeS3;
        const TBorne s3 = s2 == TBorne::ShapeS2 ? TBorne::ShapeS3 : TBorne::ShapeS2;
        const TBorne r[3] = {TBorne::ShapeR1, TBorne::ShapeR2, TBorne::ShapeR3};
        const int vers[4][3] = {{}, {0, 1, 2}, {0, 2, 1}, {1, 2, 0}};
        const int *v = vers[static_cast<int>(cablage)];
        for (auto [s, k] : {std::pair{TBorne::ShapeS1, 0}, {s2, 1}, {s3, 2}}) {
            c.ShapeS1MouseUp(s);
            c.ShapeS1MouseUp(r[v[k]]);
        }
    }

    // Speed and excitation as the track bars set them; Ie = 0.47 A gives 230.4 V at 1500 rpm.
    void Regle(int n, double ie)
    {
        Modele().TrackBarIeChange(160 - static_cast<int>(std::lround(ie * 100)));
        Modele().TrackBarNChange(n);
    }

    void Tics(int n)
    {
        for (int i = 0; i < n; ++i)
            Modele().Chronos1Timer();
    }

    // Renews every sample of the histories, the windows left unpainted meanwhile.
    void Remplit()
    {
        TModele &m = Modele();
        const bool diagramme = std::exchange(m.PauseDiagramme, true);
        const bool oscillo = std::exchange(m.PauseOscillo, true);
        Tics(static_cast<int>(m.VR1.Valeurs.size()));
        m.PauseDiagramme = diagramme;
        m.PauseOscillo = oscillo;
    }

    std::unique_ptr<TFenetres> Fenetres;
};

// Pixels of one colour in a column, top to bottom.
inline std::vector<int> Ordonnees(const QImage &image, int x, QColor couleur)
{
    std::vector<int> y;
    for (int j = 0; j < image.height(); ++j)
        if (image.pixelColor(x, j) == couleur)
            y.push_back(j);
    return y;
}

inline int Compte(const QImage &image, QColor couleur, QRect zone)
{
    int n = 0;
    zone = zone.intersected(image.rect());
    for (int y = zone.top(); y <= zone.bottom(); ++y)
        for (int x = zone.left(); x <= zone.right(); ++x)
            n += image.pixelColor(x, y) == couleur;
    return n;
}

// Counts the paint events a widget receives.
class TCompteurPeintures : public QObject {
public:
    explicit TCompteurPeintures(QWidget *cible) { cible->installEventFilter(this); }
    int n = 0;

protected:
    bool eventFilter(QObject *, QEvent *event) override
    {
        n += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace tavelor::test
