#include "TFormOscillogrammes.h"

#include "BancTest.h"
#include "CouleurQt.h"
#include "TCanevasQt.h"
#include "TLabelCliquable.h"
#include "Taxes.h"

#include <QAccessible>

#include <algorithm>
#include <array>
#include <climits>
#include <cstdint>

namespace tavelor {
namespace {

using test::Fond;
using test::Phases;
using test::TCablageTest;

class TFormOscillogrammesTest : public test::TBancTest {
protected:
    TFormOscillogrammes &Oscillo() { return *Fenetres->FormOscillogrammes; }
    QImage Image(Taxes *axes) { return test::Rendu(*axes, Fond); }
};

// Centres of the runs of columns where the curve of `couleur` reaches its highest point,
// runs cut by the frame's ends left out; their mean spacing is the period in pixels.
double Periode(const QImage &image, QColor couleur)
{
    std::array<int, 380> haut{};
    for (int i = 0; i < 380; ++i) {
        const auto y = test::Ordonnees(image, 15 + i, couleur);
        haut[i] = y.empty() ? INT_MAX : y.front();
    }
    const int sommet = *std::min_element(haut.begin(), haut.end());
    std::vector<double> centres;
    for (int i = 0; i < 380;) {
        int j = i;
        while (j < 380 && haut[j] == sommet)
            ++j;
        if (j > i && i > 0 && j < 380)
            centres.push_back((i + j - 1) / 2.0);
        i = std::max(j, i + 1);
    }
    if (centres.size() < 2)
        return 0.0;
    return (centres.back() - centres.front()) / static_cast<double>(centres.size() - 1);
}

// One pixel per sample, and a sample of a turning phasor advances twice its angle: the
// 50 Hz grid repeats every 50 pixels. 0.3 px/V puts the 230 V peak 69 pixels from the
// axis (y = 100). The stator follows the speed.
TEST_F(TFormOscillogrammesTest, GridAndStatorCurvesScaleAndPeriod)
{
    struct Cas {
        int n;
        double periodeStator;
    };
    for (const Cas &cas : {Cas{1500, 50.0}, Cas{1200, 62.5}, Cas{1800, 41.67}}) {
        SCOPED_TRACE(cas.n);
        Regle(cas.n, 0.47);
        Remplit();
        const QImage reseau = Image(Oscillo().axesReseau);
        const QImage stator = Image(Oscillo().axesStator);
        for (const QColor &phase : Phases) {
            int haut = INT_MAX, bas = -1;
            for (int x = 15; x < 395; ++x) {
                const auto y = test::Ordonnees(reseau, x, phase);
                if (!y.empty()) {
                    haut = std::min(haut, y.front());
                    bas = std::max(bas, y.back());
                }
            }
            EXPECT_EQ(haut, 31);
            EXPECT_EQ(bas, 169);
        }
        EXPECT_NEAR(Periode(reseau, Phases[0]), 50.0, 1.0);
        EXPECT_NEAR(Periode(stator, Phases[0]), cas.periodeStator, 1.0);
        // Nothing is drawn left of the vertical axis or beyond the newest sample.
        EXPECT_EQ(test::Compte(reseau, Phases[0], QRect(0, 0, 15, 190)), 0);
        EXPECT_EQ(test::Compte(reseau, Phases[2], QRect(395, 0, 38, 190)), 0);
    }
}

// The switch curves are the voltages across the poles, grid minus stator: flat on the axis
// (hidden under it) when the systems coincide, cut at the frame's edges when the stator
// stands in opposition (460 V, 138 px) or a third of a turn away (398 V, 119 px).
TEST_F(TFormOscillogrammesTest, SwitchCurves)
{
    struct Cas {
        const char *nom;
        TCablageTest cablage;
        double dephasage; // added to the aligned rotor, rad; NaN: not aligned
        std::array<bool, 3> visibles;
        bool coupees;
    };
    const double nonAligne = std::nan("");
    const Cas cas[] = {
        {"unwired, stator turning", TCablageTest::Aucun, nonAligne, {false, false, false}, false},
        {"in order, systems coinciding", TCablageTest::EnOrdre, 0.0, {false, false, false}, false},
        {"in order, opposition", TCablageTest::EnOrdre, std::numbers::pi, {true, true, true}, true},
        {"in order, a third of a turn late",
         TCablageTest::EnOrdre,
         -2 * std::numbers::pi / 3,
         {true, true, true},
         true},
        {"wired one phase round, aligned on phase 1", TCablageTest::Circulaire, 0.0, {false, false, false}, false},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        TearDown();
        SetUp();
        Cable(c.cablage);
        Regle(1500, 0.47);
        if (!std::isnan(c.dephasage)) {
            Modele().AligneRotor();
            Modele().theta += c.dephasage;
        }
        Remplit();
        const QImage inter = Image(Oscillo().axesInter);
        for (std::size_t k = 0; k < 3; ++k)
            EXPECT_EQ(test::Compte(inter, Phases[k], inter.rect()) > 0, c.visibles[k]) << "phase " << k + 1;
        int bords = 0;
        for (const QColor &phase : Phases)
            bords +=
                test::Compte(inter, phase, QRect(0, 0, 433, 1)) + test::Compte(inter, phase, QRect(0, 189, 433, 1));
        EXPECT_EQ(bords > 0, c.coupees);
        // Where cut, each curve leaves a band of its colour along the edge, not a mere crossing.
        int bandes = 0;
        for (const QColor &phase : Phases)
            bandes +=
                test::Compte(inter, phase, QRect(0, 1, 433, 1)) + test::Compte(inter, phase, QRect(0, 188, 433, 1));
        EXPECT_EQ(bandes > 150, c.coupees) << bandes;
        // The stator curves scroll whatever the wiring.
        EXPECT_GT(test::Compte(Image(Oscillo().axesStator), Phases[0], QRect(0, 0, 433, 95)), 0);
    }
}

// A tick repaints the nine curves, at least one pixel per sample each, by writing them
// straight into the window's image: a clip set on the painter, or an image the canvas
// cannot write into, would lose this fast path without changing a pixel.
TEST_F(TFormOscillogrammesTest, TickWritesTheCurvesStraightIntoTheWindow)
{
    Cable(TCablageTest::EnOrdre);
    Regle(1500, 0.47);
    Remplit();
    const auto ecritsParTic = [this](bool pause) {
        Modele().PauseOscillo = pause;
        const std::uint64_t avant = TCanevasQt::PixelsEcritsDirectement();
        Tics(1);
        return static_cast<long long>(TCanevasQt::PixelsEcritsDirectement() - avant);
    };
    const long long sansOscillogrammes = ecritsParTic(true);
    const long long avecOscillogrammes = ecritsParTic(false);
    EXPECT_GE(avecOscillogrammes - sansOscillogrammes, 9 * 379);
}

// Pause from each caption; the frames are named for assistive tools.
TEST_F(TFormOscillogrammesTest, PauseAndResume)
{
    TFormOscillogrammes &o = Oscillo();
    VerifiePause(o.Label1, {o.Label1, o.Label2, o.Label3, o.Label4}, Modele().PauseOscillo, QStringLiteral("Reprendre"),
                 {o.axesStator, o.axesReseau, o.axesInter}, Fond);
    for (auto [axes, texte] :
         {std::pair{o.axesReseau, "Réseau"}, {o.axesInter, "Interrupteur triphasé"}, {o.axesStator, "Stator machine"}})
        EXPECT_EQ(QAccessible::queryAccessibleInterface(axes)->text(QAccessible::Name), QString::fromUtf8(texte));
}

// The close box only hides the window; re-wiring brings it back.
TEST_F(TFormOscillogrammesTest, ClosingHidesOnly)
{
    Oscillo().close();
    QTest::qWait(50);
    EXPECT_FALSE(Oscillo().isVisible());
    EXPECT_TRUE(Fenetres->Form1->isVisible());
    Fenetres->Form1->Cablage.BitBtnRecableClick();
    EXPECT_TRUE(Oscillo().isVisible());
}

} // namespace
} // namespace tavelor
