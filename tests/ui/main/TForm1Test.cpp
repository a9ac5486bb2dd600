#include "TForm1.h"
#include "TAnnonce.h"

#include "ApplicationTest.h"
#include "ReponseurMessages.h"
#include "TChronos.h"
#include "TDispositionBanc.h"
#include "TFenetres.h"
#include "TFormAPropos.h"
#include "TFormAide.h"
#include "TFormChoixVect.h"
#include "TFormOrigine.h"
#include "TFormOscillogrammes.h"
#include "TFormVecteurCouplage.h"
#include "TFormVecteurs.h"
#include "TImageJpeg.h"
#include "TShape.h"
#include "TTrackBar.h"
#include "Tafficheur.h"
#include "Taxes.h"
#include "TformEchellesDiagVect.h"
#include "Tinterrupteur.h"

#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QSlider>
#include <QTest>
#include <QTimer>
#include <QWheelEvent>
#include <QWindow>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <tuple>

namespace tavelor {
namespace {

constexpr double wR = 100 * std::numbers::pi;

using test::TReponseurMessages;

class TForm1Test : public ::testing::Test {
protected:
    void SetUp() override
    {
        test::Application();
        QApplication::setQuitOnLastWindowClosed(false);
        Fenetres = std::make_unique<TFenetres>();
        Fenetres->Montre();
        QVERIFY_OR_FAIL(QTest::qWaitForWindowExposed(Form()));
    }
    void TearDown() override { Fenetres.reset(); }

    static void QVERIFY_OR_FAIL(bool ok) { ASSERT_TRUE(ok); }

    TForm1 *Form() { return Fenetres->Form1.get(); }
    TModele &Modele() { return Fenetres->Form1->Modele; }

    void Clique(TShape *borne) { QTest::mouseClick(borne, Qt::LeftButton); }

    // Wires the terminals so that the stator reaches the grid in the grid's order.
    void CableEnOrdre()
    {
        TForm1 *f = Form();
        const bool tagsDirects = Form()->Cablage.Tag(TBorne::ShapeS2) == 2;
        Clique(f->ShapeS1);
        Clique(f->ShapeR1);
        Clique(f->ShapeS2);
        Clique(tagsDirects ? f->ShapeR2 : f->ShapeR3);
        Clique(f->ShapeS3);
        Clique(tagsDirects ? f->ShapeR3 : f->ShapeR2);
    }

    void Excite(double ie) { Form()->TrackBarIe->setValue(160 - static_cast<int>(std::lround(ie * 100))); }

    void Tape(QWidget *fenetre, const char *texte)
    {
        for (const char *c = texte; *c; ++c)
            QTest::keyClick(fenetre->windowHandle(), *c);
    }

    // Wired in order, excited to 0.47 A, turning at 1500 rpm, aligned and coupled.
    void Couple()
    {
        CableEnOrdre();
        Excite(0.47);
        Form()->TrackBarN->setValue(1500);
        Tape(Form(), "bxqz");
        Modele().MiseAJourModele();
        QTest::mouseClick(Form()->BitBtnFermeInter, Qt::LeftButton);
        ASSERT_TRUE(Modele().Couplage);
    }

    // A key as the window system delivers it: to the window that has the focus, then to
    // its focus widget.
    static void Touche(int touche, int fois = 1, Qt::KeyboardModifiers modificateurs = Qt::NoModifier)
    {
        for (int i = 0; i < fois; ++i)
            QTest::keyClick(QApplication::focusWindow(), static_cast<Qt::Key>(touche), modificateurs);
    }

    // Tab until `cible` has the focus, as a user would: it must come within one round.
    static void TabulationVers(QWidget *cible)
    {
        for (int i = 0; i < 30 && QApplication::focusWidget() != cible; ++i)
            Touche(Qt::Key_Tab);
        ASSERT_EQ(QApplication::focusWidget(), cible) << cible->objectName().toStdString();
    }

    void AttendUnTic()
    {
        const double t = Modele().t;
        ASSERT_TRUE(QTest::qWaitFor([&] { return Modele().t > t; }, 5000));
    }

    std::unique_ptr<TFenetres> Fenetres;
};

TEST_F(TForm1Test, WindowAndComponentsAtStart)
{
    TForm1 *f = Form();
    EXPECT_EQ(f->windowTitle(), "Tavelor");
    EXPECT_EQ(f->size(), QSize(752, 350));
    EXPECT_EQ(f->palette().color(QPalette::Window), QColor(255, 255, 191));

    EXPECT_FALSE(f->TrackBarN->isEnabled());
    EXPECT_FALSE(f->BitBtnFermeInter->isEnabled());
    EXPECT_FALSE(f->ImageWarning->isVisible());
    EXPECT_FALSE(f->ImageRegCouple->isVisible());
    EXPECT_EQ(f->afficheurV->accessibleDescription(), "0.0\u00A0V");
    EXPECT_EQ(f->afficheur1->accessibleDescription(), "400.0\u00A0V");
    EXPECT_EQ(f->afficheurIe->accessibleDescription(), "0.00\u00A0A");
    EXPECT_EQ(f->TrackBarIe->value(), 160);
    EXPECT_EQ(f->TrackBarN->maximum(), 1800);

    EXPECT_TRUE(Fenetres->FormVecteurCouplage->isVisible());
    EXPECT_TRUE(Fenetres->FormOscillogrammes->isVisible());
    EXPECT_FALSE(Fenetres->FormVecteurs()->isVisible());
    // Side by side: the phasors under the bench, the oscillograms to its right.
    const QRect banc = f->frameGeometry();
    EXPECT_EQ(Fenetres->FormVecteurCouplage->frameGeometry().topLeft(), banc.bottomLeft() + QPoint(0, 1));
    EXPECT_EQ(Fenetres->FormOscillogrammes->frameGeometry().topLeft(), banc.topRight() + QPoint(1, 0));

    // Meters keep the 61-pixel width the bench picture leaves beside each unit caption.
    EXPECT_EQ(f->afficheurPu->geometry().topLeft(), QPoint(417, 25));
    for (Tafficheur *m : {f->afficheurIe, f->afficheurI, f->afficheurPu, f->afficheurV, f->afficheurPa, f->afficheurN,
                          f->afficheurCm, f->afficheur1}) {
        EXPECT_EQ(m->width(), 61) << m->objectName().toStdString();
        EXPECT_NEAR(m->height(), 26, 1) << m->objectName().toStdString();
    }
    EXPECT_EQ(f->ShapeS2->geometry(), QRect(547, 99, 17, 17));
    EXPECT_EQ(f->ShapeR3->geometry(), QRect(582, 134, 17, 17));
    EXPECT_EQ(f->BitBtnFermeInter->geometry(), QRect(432, 168, 160, 30));
    EXPECT_EQ(f->interrupteur3->geometry(), QRect(480, 124, 50, 37));

    // The clock runs from the first showing on.
    const double t0 = Modele().t;
    EXPECT_TRUE(QTest::qWaitFor([&] { return Modele().t > t0; }, 3000));
}

TEST_F(TForm1Test, ExcitationTrackBar)
{
    QSlider *barre = Form()->TrackBarIe;
    barre->triggerAction(QAbstractSlider::SliderToMinimum); // top of the vertical bar
    EXPECT_DOUBLE_EQ(Modele().Ie, 1.60);
    EXPECT_EQ(Form()->afficheurIe->accessibleDescription(), "1.60\u00A0A");
    barre->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_NEAR(Modele().Ie, 1.59, 1e-12);
}

TEST_F(TForm1Test, TabOrder)
{
    TForm1 *f = Form();
    // The bench's own order, then the terminals in their rows and the meters.
    const QList<QWidget *> attendu{
        f->TrackBarIe,    f->TrackBarN,   f->BitBtnFermer, f->BitBtnAide,  f->BitBtnRecable, f->BitBtnFermeInter,
        f->BitBtnAPropos, f->ShapeS1,     f->ShapeR1,      f->ShapeS2,     f->ShapeR2,       f->ShapeS3,
        f->ShapeR3,       f->afficheurIe, f->afficheurI,   f->afficheurPu, f->afficheurV,    f->afficheurPa,
        f->afficheurN,    f->afficheurCm, f->afficheur1};
    // The next widget the Tab key reaches: widgets without tab focus are skipped.
    auto suivant = [](QWidget *w) {
        do
            w = w->nextInFocusChain();
        while (!(w->focusPolicy() & Qt::TabFocus));
        return w;
    };
    for (int i = 0; i + 1 < attendu.size(); ++i)
        EXPECT_EQ(suivant(attendu[i]), attendu[i + 1]) << i;
    EXPECT_EQ(suivant(attendu.last()), attendu.first());
}

TEST_F(TForm1Test, CouplingProcedureThroughTheWidgets)
{
    TForm1 *f = Form();
    TReponseurMessages reponseur;

    // Wired in reverse order first: the closing is refused, re-wiring fixes it.
    const bool tagsDirects = Form()->Cablage.Tag(TBorne::ShapeS2) == 2;
    Clique(f->ShapeS1);
    Clique(f->ShapeR1);
    Clique(f->ShapeS2);
    Clique(tagsDirects ? f->ShapeR3 : f->ShapeR2);
    Clique(f->ShapeS3);
    EXPECT_FALSE(f->TrackBarN->isEnabled()) << "five clicks";
    EXPECT_FALSE(f->ShapeS3->isEnabled());
    Clique(tagsDirects ? f->ShapeR2 : f->ShapeR3);
    EXPECT_TRUE(f->TrackBarN->isEnabled()) << "six clicks";
    EXPECT_TRUE(f->BitBtnFermeInter->isEnabled());
    EXPECT_EQ(Modele().OrdrePhases, -1);

    QTest::mouseClick(f->BitBtnRecable, Qt::LeftButton);
    EXPECT_FALSE(f->TrackBarN->isEnabled());
    EXPECT_TRUE(f->ShapeS1->isEnabled());
    CableEnOrdre();
    EXPECT_EQ(Modele().OrdrePhases, 1);

    Excite(0.47);
    f->TrackBarN->setValue(1500);
    EXPECT_EQ(f->afficheurN->accessibleDescription(), "1500\u00A0tr/min");
    // The next tick shows the stator EMF.
    EXPECT_TRUE(QTest::qWaitFor([&] { return std::abs(f->afficheurV->Valeur() - 230.36) < 0.01; }, 3000));

    // Stator and grid in opposition: refused, with the message, and nothing changes.
    Modele().theta = wR * Modele().t + std::numbers::pi;
    Modele().MiseAJourModele();
    QTest::mouseClick(f->BitBtnFermeInter, Qt::LeftButton);
    ASSERT_EQ(reponseur.Textes.size(), 1);
    EXPECT_EQ(reponseur.Textes[0], "Les conditions de couplage ne sont pas remplies");
    EXPECT_EQ(reponseur.Titres[0], "Tavelor");
    EXPECT_EQ(reponseur.Icones[0], QMessageBox::Warning);
    // Opposite, the gap reads ±180° as rounding falls.
    EXPECT_TRUE(reponseur.Details[0].startsWith(QStringLiteral("Conditions non remplies\u00a0: en phase.\n"
                                                               "– en phase\u00a0: écart ")));
    EXPECT_TRUE(reponseur.Details[0].endsWith(QStringLiteral("180,0°, au plus ±10,0°")))
        << reponseur.Details[0].toStdString();
    EXPECT_FALSE(Modele().Couplage);
    EXPECT_EQ(f->interrupteur1->Etat(), Tinterrupteur::intOuv);

    // The hidden sequence typed in another window aligns the rotor; the closing succeeds.
    Tape(Fenetres->FormOscillogrammes.get(), "bxqz");
    Modele().MiseAJourModele();
    QTest::mouseClick(f->BitBtnFermeInter, Qt::LeftButton);
    EXPECT_EQ(reponseur.Textes.size(), 1);
    ASSERT_TRUE(Modele().Couplage);
    for (Tinterrupteur *pole : {f->interrupteur1, f->interrupteur2, f->interrupteur3})
        EXPECT_EQ(pole->Etat(), Tinterrupteur::intFer);
    EXPECT_FALSE(Fenetres->FormVecteurCouplage->isVisible());
    EXPECT_FALSE(Fenetres->FormOscillogrammes->isVisible());
    EXPECT_TRUE(Fenetres->FormVecteurs()->isVisible());
    EXPECT_TRUE(f->ImageRegCouple->isVisible());
    EXPECT_EQ(f->TrackBarN->minimum(), -200);
    EXPECT_EQ(f->TrackBarN->maximum(), 200);
    EXPECT_EQ(f->TrackBarN->value(), 0);
    EXPECT_EQ(f->TrackBarN->accessibleName(), "Réglage couple");
    EXPECT_FALSE(f->BitBtnFermeInter->isEnabled()) << "closed, it cannot be closed again";

    // Opened from the bench's menu, only offered while coupled: the speed back to 0, the
    // wiring kept; then closed again.
    const auto articles = [f] {
        QStringList textes;
        emit f->PopupMenuBanc->aboutToShow();
        for (const QAction *a : f->PopupMenuBanc->actions())
            textes << a->text();
        return textes;
    };
    ASSERT_EQ(articles().last(), "Ouvrir l'interrupteur");
    f->PopupMenuBanc->actions().last()->trigger();
    EXPECT_FALSE(Modele().Couplage);
    EXPECT_EQ(Modele().N, 0.0);
    EXPECT_EQ(f->interrupteur1->Etat(), Tinterrupteur::intOuv);
    EXPECT_TRUE(f->BitBtnFermeInter->isEnabled());
    EXPECT_FALSE(articles().contains("Ouvrir l'interrupteur"));
    f->TrackBarN->setValue(1500);
    Modele().AligneRotor();
    Modele().MiseAJourModele();
    QTest::mouseClick(f->BitBtnFermeInter, Qt::LeftButton);
    ASSERT_TRUE(Modele().Couplage);

    // Generator: the drive drives the shaft.
    f->TrackBarN->setValue(100);
    Modele().MiseAJourModele();
    EXPECT_DOUBLE_EQ(Modele().Cm, 10.0);
    EXPECT_NEAR(f->afficheurPu->Valeur(), 1570.8, 0.1);
    EXPECT_NEAR(f->afficheurPa->Valeur(), 1570.8, 0.1);
    EXPECT_NEAR(f->afficheurCm->Valeur(), 10.0, 1e-9);
    EXPECT_NEAR(f->afficheurI->Valeur(), 2.489, 0.01);
    EXPECT_NEAR(f->afficheurV->Valeur(), 230.0, 1e-9);
    EXPECT_FALSE(f->TimerWarning.isActive());

    // Motor: the drive brakes it.
    f->TrackBarN->setValue(-100);
    Modele().MiseAJourModele();
    EXPECT_NEAR(f->afficheurPu->Valeur(), -1570.8, 0.1);
    EXPECT_NEAR(f->afficheurPa->Valeur(), -1570.8, 0.1);
    EXPECT_NEAR(f->afficheurI->Valeur(), 2.489, 0.01);

    // Near the limit the lamp blinks; its alert stays up, so that it is said only once.
    f->TrackBarN->setValue(135);
    Modele().MiseAJourModele();
    EXPECT_TRUE(f->TimerWarning.isActive());
    bool vu = false, cache = false;
    for (int i = 0; i < 12; ++i) {
        QTest::qWait(100);
        (f->ImageWarning->isVisible() ? vu : cache) = true;
        EXPECT_TRUE(f->AnnonceAlerte->isVisible());
    }
    EXPECT_TRUE(vu && cache);
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f->AnnonceAlerte)->role(), QAccessible::AlertMessage);

    // Beyond it, the protective opening.
    f->TrackBarN->setValue(136);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Modele().Couplage; }, 3000));
    ASSERT_EQ(reponseur.Textes.size(), 2);
    EXPECT_EQ(reponseur.Textes[1], "Le fonctionnement est instable");
    EXPECT_TRUE(reponseur.Details[1].startsWith("La machine a perdu le synchronisme"))
        << reponseur.Details[1].toStdString();
    EXPECT_FALSE(Modele().Couplage);
    EXPECT_EQ(f->afficheurN->accessibleDescription(), "0\u00A0tr/min");
    EXPECT_EQ(f->TrackBarN->minimum(), 0);
    EXPECT_EQ(f->TrackBarN->maximum(), 1800);
    EXPECT_EQ(f->TrackBarN->value(), 0);
    EXPECT_EQ(f->TrackBarN->accessibleName(), "Réglage vitesse");
    for (Tinterrupteur *pole : {f->interrupteur1, f->interrupteur2, f->interrupteur3})
        EXPECT_EQ(pole->Etat(), Tinterrupteur::intOuv);
    EXPECT_FALSE(f->TimerWarning.isActive());
    EXPECT_FALSE(f->ImageWarning->isVisible());
    EXPECT_FALSE(f->AnnonceAlerte->isVisible());
    EXPECT_FALSE(f->ImageRegCouple->isVisible());
    EXPECT_TRUE(Fenetres->FormVecteurCouplage->isVisible());
    EXPECT_TRUE(Fenetres->FormOscillogrammes->isVisible());
    EXPECT_FALSE(Fenetres->FormVecteurs()->isVisible());
    EXPECT_TRUE(f->BitBtnFermeInter->isEnabled());
}

// The coupling procedure without a mouse: the terminals in their pairs, the track bars by
// their keys, the rotor aligned by the hidden sequence, the buttons by Space.
TEST_F(TForm1Test, CouplingFromTheKeyboardAlone)
{
    TForm1 *f = Form();
    TReponseurMessages reponseur;
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    EXPECT_EQ(QApplication::focusWidget(), f->TrackBarIe);

    const bool tagsDirects = f->Cablage.Tag(TBorne::ShapeS2) == 2;
    for (TShape *borne : {f->ShapeS1, f->ShapeR1, f->ShapeS2, tagsDirects ? f->ShapeR2 : f->ShapeR3, f->ShapeS3,
                          tagsDirects ? f->ShapeR3 : f->ShapeR2}) {
        TabulationVers(borne);
        Touche(Qt::Key_Space);
        EXPECT_FALSE(borne->isEnabled());
    }
    EXPECT_EQ(Modele().OrdrePhases, 1);
    ASSERT_TRUE(f->TrackBarN->isEnabled());

    TabulationVers(f->TrackBarIe);
    Touche(Qt::Key_PageUp, 2); // 16 steps each, upwards
    Touche(Qt::Key_Up, 15);
    EXPECT_DOUBLE_EQ(Modele().Ie, 0.47);
    TabulationVers(f->TrackBarN);
    Touche(Qt::Key_PageUp, 149); // 10 rpm each
    Touche(Qt::Key_Right, 10);
    EXPECT_DOUBLE_EQ(Modele().N, 1500);

    Tape(f, "bxqz");
    AttendUnTic();
    TabulationVers(f->BitBtnFermeInter);
    Touche(Qt::Key_Space);
    EXPECT_TRUE(reponseur.Textes.isEmpty()) << reponseur.Textes.join(' ').toStdString();
    ASSERT_TRUE(Modele().Couplage);

    // The single-phase diagram, just shown, has the focus: F6 leads back to the bench.
    EXPECT_EQ(QApplication::activeWindow(), Fenetres->FormVecteurs());
    for (int i = 0; i < 5 && QApplication::activeWindow() != f; ++i)
        Touche(Qt::Key_F6);
    TabulationVers(f->TrackBarN);
    Touche(Qt::Key_PageUp, 2); // 2 N.m each
    EXPECT_DOUBLE_EQ(Modele().Cm, 4.0);
    AttendUnTic();
    EXPECT_TRUE(Modele().Couplage);
    EXPECT_NEAR(Modele().Pu, 4.0 * 1500 * std::numbers::pi / 30, 0.01);
    EXPECT_EQ(f->afficheurCm->accessibleDescription(), "4.0\u00A0N·m");
}

// The speed by 1 rpm a notch of the wheel or an arrow key, 10 a page: every whole rpm from
// 0 to 1800 by the mouse alone and by the keyboard alone. Disabled, the bar says why.
TEST_F(TForm1Test, EveryWholeSpeedByTheWheelOrTheKeys)
{
    TForm1 *f = Form();
    TTrackBar *barre = f->TrackBarN;
    EXPECT_FALSE(barre->isEnabled());
    EXPECT_EQ(barre->toolTip(), QStringLiteral("Câblez d'abord les six bornes"));
    CableEnOrdre();
    ASSERT_TRUE(barre->isEnabled());
    EXPECT_TRUE(barre->toolTip().isEmpty());
    const QPointF centre = barre->rect().center();
    for (int n = 1; n <= 1800; ++n) {
        QWheelEvent cran(centre, barre->mapToGlobal(centre), QPoint(), QPoint(0, 120), Qt::NoButton, Qt::NoModifier,
                         Qt::NoScrollPhase, false);
        QApplication::sendEvent(barre, &cran);
        ASSERT_EQ(Modele().N, n);
    }
    for (int n = 1799; n >= 0; --n) {
        QTest::keyClick(barre, Qt::Key_Left);
        ASSERT_EQ(Modele().N, n);
    }
    QTest::keyClick(barre, Qt::Key_PageUp);
    EXPECT_EQ(Modele().N, 10);
    QTest::keyClick(barre, Qt::Key_Right);
    EXPECT_EQ(Modele().N, 11);
    QTest::keyClick(barre, Qt::Key_PageDown);
    EXPECT_EQ(Modele().N, 1);
}

// F6 and Shift+F6 go round the visible windows in their order on the screen; a tap on Alt
// leads into the diagram's menu bar, whose first item opens its dialog.
TEST_F(TForm1Test, EveryWindowAndMenuFromTheKeyboard)
{
    TForm1 *f = Form();
    f->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(f));
    const QList<QWidget *> tour{Fenetres->FormOscillogrammes.get(), Fenetres->FormVecteurCouplage.get(), f};
    for (QWidget *attendue : tour) {
        Touche(Qt::Key_F6);
        EXPECT_EQ(QApplication::activeWindow(), attendue);
    }
    for (qsizetype i = tour.size() - 2; i >= -1; --i) {
        Touche(Qt::Key_F6, 1, Qt::ShiftModifier);
        EXPECT_EQ(QApplication::activeWindow(), tour[(i + tour.size()) % tour.size()]);
    }

    Couple();
    TFormVecteurs *diagramme = Fenetres->FormVecteurs();
    diagramme->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(diagramme));
    QTest::keyPress(QApplication::focusWindow(), Qt::Key_Alt);
    QTest::keyRelease(QApplication::focusWindow(), Qt::Key_Alt);
    EXPECT_EQ(diagramme->MainMenu1->activeAction(), diagramme->Afficher2);
    Touche(Qt::Key_Return);
    EXPECT_TRUE(Fenetres->FormChoixVect()->isVisible());
    EXPECT_EQ(QApplication::activeWindow(), Fenetres->FormChoixVect());
}

TEST_F(TForm1Test, AMessageFromATickHoldsTheClockOneFromAButtonDoesNot)
{
    TForm1 *f = Form();
    TReponseurMessages reponseur;
    reponseur.Retenir = true;

    // Refused closing (from a button): ticks go on behind the box.
    CableEnOrdre();
    Modele().theta = wR * Modele().t + std::numbers::pi;
    Modele().MiseAJourModele();
    double tPendant = 0;
    QTimer::singleShot(400, [&] {
        tPendant = Modele().t;
        QTimer::singleShot(500, [&] {
            EXPECT_GT(Modele().t, tPendant);
            reponseur.Retenir = false;
        });
    });
    QTest::mouseClick(f->BitBtnFermeInter, Qt::LeftButton);
    EXPECT_EQ(reponseur.Textes.value(0), "Les conditions de couplage ne sont pas remplies");

    // Protective opening (from a tick): the simulation stands still until acknowledged.
    QTest::mouseClick(f->BitBtnRecable, Qt::LeftButton);
    Couple();
    reponseur.Retenir = true;
    double tVu = -1, tApres = -2;
    bool coupleePendant = false;
    reponseur.AuMessage = [&] {
        tVu = Modele().t;
        QTimer::singleShot(300, [&] {
            tApres = Modele().t;
            coupleePendant = Modele().Couplage;
            reponseur.Retenir = false;
        });
    };
    f->TrackBarN->setValue(200);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !Modele().Couplage; }, 3000));
    EXPECT_EQ(reponseur.Textes.last(), "Le fonctionnement est instable");
    EXPECT_EQ(tApres, tVu);
    EXPECT_TRUE(coupleePendant) << "still drawn as coupled while the box is open";
    const double tFin = Modele().t;
    EXPECT_TRUE(QTest::qWaitFor([&] { return Modele().t > tFin; }, 3000)) << "the clock runs again";
}

TEST_F(TForm1Test, HiddenKeySequence)
{
    TForm1 *f = Form();
    // Stator phase 1 wired to grid phase 2.
    Clique(f->ShapeS1);
    Clique(f->ShapeR2);
    f->Chronos1->setEnable(false);
    const double avant = Modele().theta;

    Tape(Fenetres->FormVecteurCouplage.get(), "Bxqz");
    EXPECT_EQ(Modele().theta, avant) << "capital B does not start the sequence";

    Tape(Fenetres->FormVecteurCouplage.get(), "baxqz"); // the stray letter is ignored
    EXPECT_NEAR(Modele().theta, wR * Modele().t - 2 * std::numbers::pi / 3, 1e-9);

    // Once complete, any key realigns.
    Modele().t += 0.01;
    QTest::keyClick(f->windowHandle(), Qt::Key_A);
    EXPECT_NEAR(Modele().theta, wR * Modele().t - 2 * std::numbers::pi / 3, 1e-9);
}

// What a screen reader is told of each part of the bench: its French name and its role.
TEST_F(TForm1Test, EveryControlCanBeFoundAndReadByAssistiveTools)
{
    TForm1 *f = Form();
    using R = QAccessible::Role;
    const std::vector<std::tuple<QWidget *, const char *, R>> noms{
        {f, "Tavelor", R::Window},
        {Fenetres->FormOscillogrammes.get(), "Oscillogrammes", R::Window},
        {f->Image1, "Banc de couplage", R::Graphic},
        {f->afficheurIe, "Intensité du courant d'excitation", R::StaticText},
        {f->afficheurI, "Intensité du courant statorique", R::StaticText},
        {f->afficheurPu, "Puissance statorique", R::StaticText},
        {f->afficheurV, "Tension statorique", R::StaticText},
        {f->afficheurPa, "Puissance mécanique", R::StaticText},
        {f->afficheurN, "Vitesse", R::StaticText},
        {f->afficheurCm, "Couple", R::StaticText},
        {f->afficheur1, "Tension composée du réseau", R::StaticText},
        {f->TrackBarIe, "Réglage intensité", R::Slider},
        {f->TrackBarN, "Réglage vitesse", R::Slider},
        {f->ShapeS1, "Borne S1 de l'interrupteur", R::Button},
        {f->ShapeS2, "Borne S2 de l'interrupteur", R::Button},
        {f->ShapeS3, "Borne S3 de l'interrupteur", R::Button},
        {f->ShapeR1, "Borne R1 du réseau", R::Button},
        {f->ShapeR2, "Borne R2 du réseau", R::Button},
        {f->ShapeR3, "Borne R3 du réseau", R::Button},
        {f->interrupteur1, "Interrupteur 1", R::Client},
        {f->interrupteur2, "Interrupteur 2", R::Client},
        {f->interrupteur3, "Interrupteur 3", R::Client},
        {f->BitBtnRecable, "Recâbler", R::Button},
        {f->BitBtnFermeInter, "Fermer l'interrupteur", R::Button},
        {f->BitBtnAide, "Aide", R::Button},
        {f->BitBtnAPropos, "A propos", R::Button},
        {f->BitBtnFermer, "Quitter", R::Button},
        {f->ImageRegCouple, "Réglage couple", R::Graphic},
        {f->ImageWarning, "Alerte de stabilité", R::Graphic},
    };
    for (const auto &[widget, nom, role] : noms) {
        QAccessibleInterface *interface = QAccessible::queryAccessibleInterface(widget);
        ASSERT_NE(interface, nullptr) << nom;
        EXPECT_EQ(interface->text(QAccessible::Name), QString::fromUtf8(nom));
        EXPECT_EQ(interface->role(), role) << nom;
    }
    auto description = [](QWidget *w) {
        return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Description);
    };
    EXPECT_EQ(description(f->afficheur1), "400.0\u00A0V");
    EXPECT_EQ(description(f->interrupteur1), "ouvert");
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(f->TrackBarN)->state().disabled);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(f->BitBtnFermeInter)->state().disabled);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(f->ImageWarning)->state().invisible);

    // The track bars are read, and set, in what they stand for: A, rpm, then N.m.
    struct Lecture {
        double valeur, min, max, pas;
    };
    const auto lecture = [](QSlider *barre) {
        const QAccessibleValueInterface *v = QAccessible::queryAccessibleInterface(barre)->valueInterface();
        return Lecture{v->currentValue().toDouble(), v->minimumValue().toDouble(), v->maximumValue().toDouble(),
                       v->minimumStepSize().toDouble()};
    };
    const auto verifie = [](Lecture l, Lecture attendue) {
        EXPECT_NEAR(l.valeur, attendue.valeur, 1e-9);
        EXPECT_NEAR(l.min, attendue.min, 1e-9);
        EXPECT_NEAR(l.max, attendue.max, 1e-9);
        EXPECT_NEAR(l.pas, attendue.pas, 1e-9);
    };
    verifie(lecture(f->TrackBarIe), {0.0, 0.0, 1.6, 0.01});
    QAccessible::queryAccessibleInterface(f->TrackBarIe)->valueInterface()->setCurrentValue(0.47);
    EXPECT_EQ(f->TrackBarIe->value(), 113);
    EXPECT_DOUBLE_EQ(Modele().Ie, 0.47);
    verifie(lecture(f->TrackBarN), {0.0, 0.0, 1800, 1});

    Clique(f->ShapeS1);
    EXPECT_TRUE(QAccessible::queryAccessibleInterface(f->ShapeS1)->state().disabled);
    Couple();
    EXPECT_EQ(description(f->interrupteur2), "fermé");
    EXPECT_EQ(QAccessible::queryAccessibleInterface(f->TrackBarN)->text(QAccessible::Name), "Réglage couple");
    f->TrackBarN->setValue(-25);
    verifie(lecture(f->TrackBarN), {-2.5, -20, 20, 0.1});
}

// What a screen reader says of the bars and the meters: the number in the locale's form
// and its unit, as a French reader writes it ("1 500 tr/min", "10,0 N·m").
TEST_F(TForm1Test, ReadingsInTheLocalesFormWithTheirUnit)
{
    struct TCas {
        QLocale locale;
        const char *ieNul, *ie, *couple, *coupleNegatif, *vitesse, *afficheurIe, *afficheurCm, *afficheurN;
    };
    const TCas cas[] = {
        {QLocale(QLocale::French, QLocale::France), "0,00\u00A0A", "0,47\u00A0A", "10,0\u00A0N·m", "-2,5\u00A0N·m",
         "1\u202F500\u00A0tr/min", "0,47\u00A0A", "10,0\u00A0N·m", "1500\u00A0tr/min"},
        {QLocale::c(), "0.00\u00A0A", "0.47\u00A0A", "10.0\u00A0N·m", "-2.5\u00A0N·m", "1500\u00A0tr/min",
         "0.47\u00A0A", "10.0\u00A0N·m", "1500\u00A0tr/min"},
    };
    const auto lu = [](QWidget *w) { return QAccessible::queryAccessibleInterface(w)->text(QAccessible::Value); };
    const auto texte = [](const char *utf8) { return QString::fromUtf8(utf8); };
    struct TRetablit {
        ~TRetablit() { QLocale::setDefault(QLocale::c()); }
    } retablit;
    for (const TCas &c : cas) {
        QLocale::setDefault(c.locale);
        Fenetres = std::make_unique<TFenetres>();
        Fenetres->Montre();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(Form()));
        TForm1 *f = Form();
        EXPECT_EQ(lu(f->TrackBarIe), texte(c.ieNul)) << "at the bottom of the upside-down bar";
        Couple();
        EXPECT_EQ(lu(f->TrackBarIe), texte(c.ie));
        EXPECT_EQ(f->afficheurIe->accessibleDescription(), texte(c.afficheurIe));
        f->TrackBarN->setValue(100);
        Modele().MiseAJourModele();
        EXPECT_EQ(lu(f->TrackBarN), texte(c.couple));
        EXPECT_EQ(f->afficheurCm->accessibleDescription(), texte(c.afficheurCm));
        EXPECT_EQ(f->afficheurN->accessibleDescription(), texte(c.afficheurN));
        f->TrackBarN->setValue(-25);
        EXPECT_EQ(lu(f->TrackBarN), texte(c.coupleNegatif));
        QTest::mouseClick(f->BitBtnRecable, Qt::LeftButton);
        CableEnOrdre();
        f->TrackBarN->setValue(1500);
        EXPECT_EQ(lu(f->TrackBarN), texte(c.vitesse));
    }
}

// The picture is painted as decoded, never greyed out as a disabled widget would be, and
// every pixel no widget covers shows it; clicks still pass through it to the terminals.
TEST_F(TForm1Test, BenchPictureInItsOwnColours)
{
    TForm1 *f = Form();
    const QImage decodee = TImageJpeg::Charge(QStringLiteral(":/banc.jpg")).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(decodee.size(), TDispositionBanc::Image1.size());
    // The brown supply box and a black wiring line, as decoded.
    const auto proche = [](QColor c, int r, int g, int b) {
        return std::abs(c.red() - r) < 12 && std::abs(c.green() - g) < 12 && std::abs(c.blue() - b) < 12;
    };
    int brun = 0, noir = 0;
    for (int y = 40; y < 160; ++y)
        for (int x = 80; x < 135; ++x)
            brun += proche(decodee.pixelColor(x, y), 146, 94, 46);
    for (int x = 300; x < 330; ++x)
        noir += proche(decodee.pixelColor(x, TDispositionBanc::interrupteur1.center().y()), 0, 0, 0) ||
                proche(decodee.pixelColor(x, TDispositionBanc::interrupteur1.top() + 18), 0, 0, 0);
    ASSERT_GT(brun, 500);
    ASSERT_GT(noir, 0);

    const QImage ecran = f->grab(TDispositionBanc::Image1).toImage().convertToFormat(QImage::Format_RGB32);
    int compares = 0, differents = 0;
    for (int y = 0; y < decodee.height(); ++y)
        for (int x = 0; x < decodee.width(); ++x) {
            const bool couvert = std::any_of(TDispositionBanc::Zones.begin(), TDispositionBanc::Zones.end(),
                                             [&](const auto &zone) { return zone.rect.contains(x, y); });
            if (couvert)
                continue;
            ++compares;
            differents += ecran.pixel(x, y) != decodee.pixel(x, y);
        }
    EXPECT_GT(compares, 200000);
    EXPECT_EQ(differents, 0);

    Clique(f->ShapeS1);
    EXPECT_FALSE(f->ShapeS1->isEnabled()) << "the click went through the picture";
}

TEST_F(TForm1Test, EveryWindowIsTitledByItsCaptionAlone)
{
    const std::vector<std::pair<QWidget *, const char *>> fenetres{
        {Fenetres->Form1.get(), "Tavelor"},
        {Fenetres->FormVecteurCouplage.get(), "Diagramme vectoriel"},
        {Fenetres->FormOscillogrammes.get(), "Oscillogrammes"},
        {Fenetres->FormAPropos(), "A propos"},
        {Fenetres->formEchellesDiagVect(), "Echelles du diagramme vectoriel"},
        {Fenetres->FormOrigine(), "Origine du diagramme"},
        {Fenetres->FormVecteurs(), "Diagramme vectoriel"},
        {Fenetres->FormAide(), ""},
        {Fenetres->FormChoixVect(), "Vecteurs à afficher"},
    };
    for (const auto &[fenetre, titre] : fenetres) {
        fenetre->show();
        EXPECT_EQ(fenetre->windowTitle(), QString::fromUtf8(titre));
        // What the window system is handed: the caption, an empty one kept blank.
        EXPECT_EQ(fenetre->windowHandle()->title().remove(QChar(0x200B)), QString::fromUtf8(titre));
    }
}

// Position 160 (Ie = 0) lies at the bottom: the groove must not read full there.
TEST_F(TForm1Test, ExcitationBarFillsFromTheBottomUpToTheHandle)
{
    QSlider *barre = Form()->TrackBarIe;
    const QColor surbrillance = barre->palette().color(QPalette::Highlight);
    // Pixels of the groove (the middle columns, between the tick marks) that carry the
    // highlight colour, in the top half and in the bottom half.
    const auto remplissage = [&](int position) {
        barre->setValue(position);
        const QImage image = barre->grab().toImage();
        std::pair<int, int> moities{0, 0};
        for (int y = 0; y < image.height(); ++y)
            for (int x = image.width() / 4; x < image.width() * 3 / 4; ++x) {
                const QColor c = image.pixelColor(x, y);
                if (std::abs(c.hue() - surbrillance.hue()) < 20 && c.saturation() > 80)
                    (y < image.height() / 2 ? moities.first : moities.second) += 1;
            }
        return moities;
    };
    const auto [hautA0, basA0] = remplissage(160);
    EXPECT_EQ(hautA0 + basA0, 0) << "empty at Ie = 0";
    const auto [hautAMi, basAMi] = remplissage(113);
    EXPECT_GT(basAMi, 0);
    EXPECT_EQ(hautAMi, 0) << "Ie = 0.47 A fills the lower part only";
    const auto [hautAuMax, basAuMax] = remplissage(0);
    EXPECT_GT(hautAuMax, 0);
    EXPECT_GT(basAuMax, 0);
}

// The phasors and histories are laid out for the drawing areas the windows register.
TEST(TForm1Geometrie, PhasorsFollowTheRegisteredPaintBoxes)
{
    test::Application();
    TForm1 banc;
    QWidget stator, reseau, diagramme;
    stator.resize(101, 60);
    reseau.resize(80, 33);
    diagramme.resize(100, 202);
    Taxes axes;
    axes.setZU_droi(120);
    banc.DefinitZone(TZoneDessin::PaintBoxStator, &stator);
    banc.DefinitZone(TZoneDessin::PaintBoxReseau, &reseau);
    banc.DefinitZone(TZoneDessin::PaintBoxVecteurs, &diagramme);
    banc.DefinitZone(TZoneDessin::axesInter, &axes);
    banc.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&banc));

    const TModele &m = banc.Modele;
    EXPECT_EQ(std::pair(m.VS3.X0, m.VS3.Y0), std::pair(50, 30)); // 50.5 goes to the even 50
    EXPECT_EQ(std::pair(m.VR1.X0, m.VR1.Y0), std::pair(40, 16)); // 16.5 goes to 16
    EXPECT_EQ(m.VecV.Y0, 152);                                   // 3 x 202 / 4 = 151.5
    EXPECT_EQ(m.VR2.Valeurs.size(), 120u);
    EXPECT_EQ(m.vK1.Valeurs.size(), 120u);
    // The terminals' centres in the wire area, from the terminals themselves.
    EXPECT_EQ(banc.Cablage.PointR, (std::array<TPoint, 3>{{{49, 16}, {49, 51}, {49, 86}}}));
}

TEST_F(TForm1Test, RewiringWhileCoupled)
{
    TForm1 *f = Form();
    Couple();
    f->TrackBarN->setValue(135);
    Modele().MiseAJourModele();
    ASSERT_TRUE(f->TimerWarning.isActive());

    QTest::mouseClick(f->BitBtnRecable, Qt::LeftButton);
    EXPECT_FALSE(Modele().Couplage);
    EXPECT_EQ(f->interrupteur2->Etat(), Tinterrupteur::intOuv);
    EXPECT_FALSE(f->TimerWarning.isActive());
    EXPECT_FALSE(f->ImageWarning->isVisible());
    EXPECT_EQ(Modele().N, 0.0);
    EXPECT_EQ(f->TrackBarN->maximum(), 1800);
    EXPECT_EQ(f->TrackBarN->value(), 0);
    EXPECT_FALSE(f->TrackBarN->isEnabled());
    EXPECT_EQ(f->TrackBarIe->value(), 160);
    for (TShape *borne : {f->ShapeS1, f->ShapeS2, f->ShapeS3, f->ShapeR1, f->ShapeR2, f->ShapeR3})
        EXPECT_TRUE(borne->isEnabled());
    EXPECT_TRUE(Fenetres->FormVecteurCouplage->isVisible());
    EXPECT_FALSE(Fenetres->FormVecteurs()->isVisible());
}

TEST_F(TForm1Test, ClosingTheMainWindowEndsTheEventLoop)
{
    QTimer::singleShot(100, Form(), [this] { QTest::mouseClick(Form()->BitBtnFermer, Qt::LeftButton); });
    QTimer garde;
    garde.setSingleShot(true);
    bool finParGarde = false;
    QObject::connect(&garde, &QTimer::timeout, [&] {
        finParGarde = true;
        QCoreApplication::exit(1);
    });
    garde.start(5000);
    QApplication::exec();
    EXPECT_FALSE(finParGarde);
    EXPECT_FALSE(Form()->isVisible());

    // No tick reaches anything once the windows are gone.
    Fenetres.reset();
    QTest::qWait(200);
}

TEST_F(TForm1Test, ClosingAPhasorWindowEndsTheEventLoop)
{
    QTimer::singleShot(100, [this] { Fenetres->FormVecteurCouplage->close(); });
    QTimer::singleShot(5000, [] { QCoreApplication::exit(1); });
    EXPECT_EQ(QApplication::exec(), 0);
    EXPECT_TRUE(Fenetres->FormVecteurCouplage->isVisible()) << "the phasor window refuses its own closing";
}

// Each clicked terminal shows whether it is wired or still waits for a partner on the other
// side, two of a side in a row included; a re-wiring clears the marks. Its tooltip says so.
TEST_F(TForm1Test, LesBornesMontrentCeQuiLeurAEteDit)
{
    TForm1 *f = Form();
    using M = TShape::TMarque;
    const M _ = TShape::SansMarque, fil = TShape::Reliee, versR = TShape::AttendADroite, versS = TShape::AttendAGauche;
    const struct {
        std::vector<TShape *> clics;
        std::array<M, 6> marques; // S1, S2, S3, R1, R2, R3
    } cas[] = {
        {{f->ShapeS1}, {versR, _, _, _, _, _}},
        {{f->ShapeR2}, {_, _, _, _, versS, _}},
        {{f->ShapeS1, f->ShapeR2}, {fil, _, _, _, fil, _}},
        {{f->ShapeR2, f->ShapeS3}, {_, _, fil, _, fil, _}},
        // The second of a side clicked in a row takes the partner; the first is left without.
        {{f->ShapeS1, f->ShapeS2, f->ShapeR3}, {versR, fil, _, _, _, fil}},
        {{f->ShapeS1, f->ShapeS2, f->ShapeR3, f->ShapeR1, f->ShapeS3}, {versR, fil, fil, fil, _, fil}},
    };
    const std::array<TShape *, 6> bornes{f->ShapeS1, f->ShapeS2, f->ShapeS3, f->ShapeR1, f->ShapeR2, f->ShapeR3};
    for (const auto &c : cas) {
        f->BitBtnRecable->click();
        for (TShape *borne : c.clics)
            Clique(borne);
        std::array<M, 6> marques{};
        for (std::size_t i = 0; i < 6; ++i) {
            marques[i] = bornes[i]->Marque();
            const QString bulle = bornes[i]->toolTip();
            EXPECT_TRUE(bulle.startsWith(bornes[i]->accessibleName())) << bulle.toStdString();
            EXPECT_EQ(bulle.contains(QStringLiteral("sans fil")), marques[i] == versR || marques[i] == versS)
                << bulle.toStdString();
        }
        EXPECT_EQ(marques, c.marques) << c.clics.size();
    }
    f->BitBtnRecable->click();
    for (const TShape *borne : bornes)
        EXPECT_EQ(borne->Marque(), TShape::SansMarque);
    EXPECT_TRUE(f->BitBtnFermeInter->toolTip().contains(QStringLiteral("indisponible")));
    CableEnOrdre();
    EXPECT_FALSE(f->BitBtnFermeInter->toolTip().contains(QStringLiteral("indisponible")));
}

} // namespace
} // namespace tavelor
