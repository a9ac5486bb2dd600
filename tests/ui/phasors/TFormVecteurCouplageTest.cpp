#include "TFormVecteurCouplage.h"

#include "Arrondi.h"
#include "BancTest.h"
#include "CouleurQt.h"
#include "TLabelCliquable.h"
#include "TPaintBox.h"

#include <QAccessible>

#include <array>

namespace tavelor {
namespace {

using test::Fond;
using test::Phases;
using test::TCablageTest;

class TFormVecteurCouplageTest : public test::TBancTest {
protected:
    TFormVecteurCouplage &Vecteurs() { return *Fenetres->FormVecteurCouplage; }
    QImage Image(TPaintBox *boite) { return test::Rendu(*boite, Fond); }

    // A 5 x 5 pixel neighbourhood of the middle of grid arrow j's shaft.
    QRect MilieuReseau(int j)
    {
        const TNbComplexe &v = Modele().PhaseurReseau(j);
        const QPoint milieu(v.X0 + Arrondi(v.Echelle * v.Reel / 2), v.Y0 - Arrondi(v.Echelle * v.Imag / 2));
        return {milieu - QPoint(2, 2), QSize(5, 5)};
    }
};

// The middle panel superimposes both stars; the segment of pole k runs from stator tip k to
// the tip of the grid phasor wired to it, in the colour of phase k. With the stator
// unexcited every stator arrow is a head at the centre, so a segment lies along the shaft
// of grid arrow j and shows there in the colour of the pole wired to it.
TEST_F(TFormVecteurCouplageTest, SwitchPoleSegments)
{
    struct Cas {
        const char *nom;
        TCablageTest cablage;
        std::array<int, 3> pole; // pole whose segment lies on grid arrow j's shaft, as its phase's colour
    };
    const Cas cas[] = {
        {"before wiring: six arrows, no segment", TCablageTest::Aucun, {1, 2, 3}},
        {"wired one phase round", TCablageTest::Circulaire, {3, 1, 2}},
        {"only pole 1 wired, to grid phase 2", TCablageTest::UnPole, {1, 1, 3}},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        TearDown();
        SetUp();
        Cable(c.cablage);
        Regle(1500, 0.0);
        Tics(7);
        const QImage inter = Image(Vecteurs().PaintBoxInter);
        // Where no segment lies (before wiring, or its own pole's) the arrow keeps its colour alone.
        for (int j = 1; j <= 3; ++j) {
            const QRect zone = MilieuReseau(j);
            for (int k = 1; k <= 3; ++k)
                EXPECT_EQ(test::Compte(inter, Phases[k - 1], zone) > 0, k == j || k == c.pole[j - 1]) << j << " " << k;
        }
        // The grid panel shows the grid star alone, each arrow in its own colour.
        const QImage reseau = Image(Vecteurs().PaintBoxReseau);
        for (int j = 1; j <= 3; ++j) {
            const QRect zone = MilieuReseau(j);
            for (int k = 1; k <= 3; ++k)
                EXPECT_EQ(test::Compte(reseau, Phases[k - 1], zone) > 0, k == j) << j << " " << k;
        }
    }
}

// The stator panel draws the stator star about the centre (108, 104), at 0.3 px/V, phase 1
// at theta; aligned on the grid and in order it covers the grid star of the middle panel.
TEST_F(TFormVecteurCouplageTest, StatorStarCoincidesWithTheGridOnceAligned)
{
    Cable(TCablageTest::EnOrdre);
    Regle(1500, 0.47);
    Modele().AligneRotor();
    Tics(3);
    const QImage stator = Image(Vecteurs().PaintBoxStator);
    const QImage inter = Image(Vecteurs().PaintBoxInter);
    for (int j = 1; j <= 3; ++j) {
        const QRect zone = MilieuReseau(j);
        EXPECT_GT(test::Compte(stator, Phases[j - 1], zone), 0) << j;
        EXPECT_GT(test::Compte(inter, Phases[j - 1], zone), 0) << j;
    }
    EXPECT_EQ(test::Compte(stator, Phases[0], QRect(0, 0, 217, 209)),
              test::Compte(Image(Vecteurs().PaintBoxReseau), Phases[0], QRect(0, 0, 217, 209)));
}

// Pause from each caption (this window's captions end with a blank); hidden and shown
// again, the window keeps its pause.
TEST_F(TFormVecteurCouplageTest, PauseAndResume)
{
    TFormVecteurCouplage &v = Vecteurs();
    VerifiePause(v.Label1, {v.Label1, v.Label2, v.Label3, v.Label4}, Modele().PauseDiagramme,
                 QStringLiteral("Reprendre "), {v.PaintBoxStator, v.PaintBoxReseau, v.PaintBoxInter}, Fond);
    QTest::mouseClick(v.Label1, Qt::LeftButton);
    v.hide();
    v.show();
    EXPECT_EQ(v.Label1->text(), QStringLiteral("Reprendre "));
    EXPECT_TRUE(Modele().PauseDiagramme);
}

} // namespace
} // namespace tavelor
