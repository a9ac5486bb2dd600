#pragma once

// The whole program on screen with its clock stopped: the test advances the simulation
// tick by tick, exactly as the clock would, and reads the side windows' pictures.

#include "ApplicationTest.h"
#include "CouleurQt.h"
#include "TChronos.h"
#include "TFenetres.h"
#include "TForm1.h"
#include "TLabelCliquable.h"

#include <QAccessible>

#include <QTest>

#include <array>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <numbers>
#include <utility>
#include <vector>

namespace tavelor::test {

// The three phases' colours in every side window, and the windows' background.
inline const std::array<QColor, 3> Phases{VersQColor(clBlue), VersQColor(clRed), VersQColor(clFuchsia)};
inline const QColor Fond = VersQColor(clFondBanc);

// UnPole: stator phase 1 to grid phase 2 and nothing else.
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

enum class TCablageTest { Aucun, EnOrdre, Circulaire, UnPole };

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
        TCablage &c = Fenetres->Form1->Cablage;
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
        const int vers[3][3] = {{}, {0, 1, 2}, {1, 2, 0}};
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

    // Every caption pauses and resumes, Label1 by Space and Enter as well; paused, the
    // clock repaints none of the zones, yet a repaint asked by the window system (the
    // rendering of zone 0) shows new data. Label1's caption is its accessible name.
    void VerifiePause(TLabelCliquable *label1, std::vector<TLabelCliquable *> titres, const bool &pause,
                      const QString &reprendre, std::array<QWidget *, 3> zones, QColor fond)
    {
        enum Geste { Clic, Espace, Entree };
        std::vector<std::pair<TLabelCliquable *, Geste>> cas{{label1, Espace}, {label1, Entree}};
        for (TLabelCliquable *titre : titres)
            cas.emplace_back(titre, Clic);
        auto active = [](TLabelCliquable *label, Geste geste) {
            if (geste == Clic)
                return QTest::mouseClick(label, Qt::LeftButton);
            label->setFocus();
            QTest::keyClick(label, geste == Espace ? Qt::Key_Space : Qt::Key_Enter);
        };
        auto nom = [&] { return QAccessible::queryAccessibleInterface(label1)->text(QAccessible::Name); };
        std::vector<std::unique_ptr<TCompteurPeintures>> compteurs;
        for (QWidget *zone : zones)
            compteurs.push_back(std::make_unique<TCompteurPeintures>(zone));
        auto peintures = [&] {
            int n = 0;
            for (auto &c : compteurs)
                n += std::exchange(c->n, 0);
            return n;
        };
        Regle(1500, 0.47);
        for (const auto &[label, geste] : cas) {
            SCOPED_TRACE(label->text().toStdString() + " " + std::to_string(geste));
            active(label, geste);
            EXPECT_TRUE(pause);
            EXPECT_EQ(label1->text(), reprendre);
            EXPECT_EQ(nom(), reprendre);
            const QImage avant = Rendu(*zones[0], fond);
            peintures();
            Tics(10);
            EXPECT_EQ(peintures(), 0);
            EXPECT_NE(Rendu(*zones[0], fond), avant) << "an exposure shows the current data";

            active(label, geste);
            EXPECT_FALSE(pause);
            EXPECT_EQ(label1->text(), QStringLiteral("Arrêter "));
            EXPECT_EQ(nom(), QStringLiteral("Arrêter "));
            peintures();
            Tics(3);
            EXPECT_EQ(peintures(), 9);
        }
        EXPECT_EQ(QAccessible::queryAccessibleInterface(label1)->role(), QAccessible::Button);
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

} // namespace tavelor::test
