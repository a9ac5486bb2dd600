#include "TFenetres.h"

#include "ApplicationTest.h"
#include "TChronos.h"
#include "TForm1.h"
#include "TFormAide.h"
#include "TFormInstruments.h"
#include "TFormVecteurs.h"
#include "TGeometrieAffichage.h"
#include "TModele.h"
#include "TPaintBox.h"
#include "TTimerThread.h"

#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTest>

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

namespace tavelor {
namespace {

// A curves window that reads the model when it is hidden, as the program's own may, and
// hides itself as it goes.
class TCourbesLectrices : public TFenetreCourbes {
public:
    explicit TCourbesLectrices(const TModele &modele)
        : TFenetreCourbes(QStringLiteral("Courbes"), QSize(200, 100), false), Modele(modele)
    {}
    ~TCourbesLectrices() override { hide(); }
    void Suit() override {}

    static inline QPointer<QWidget> Banc;
    static inline int Lectures = 0;
    static inline bool BancDisparu = false;

protected:
    void hideEvent(QHideEvent *evenement) override
    {
        TFenetreCourbes::hideEvent(evenement);
        // Under AddressSanitizer the read itself is the proof; elsewhere the bench's pointer.
        const volatile double ev = Modele.Ev;
        static_cast<void>(ev);
        ++Lectures;
        BancDisparu = BancDisparu || Banc.isNull();
    }

private:
    const TModele &Modele;
};

TFenetreCourbes *CreeCourbesLectrices(const TModele &modele)
{
    return new TCourbesLectrices(modele);
}

// The side windows read the model the bench owns: they are destroyed before it, and
// the clock is stopped before either.
TEST(TFenetres, SideWindowsGoBeforeTheModelTheyRead)
{
    test::Application();
    auto fenetres = std::make_unique<TFenetres>(CreeCourbesLectrices);
    fenetres->MontreCourbes();
    ASSERT_TRUE(fenetres->FormCourbes->isVisible());
    TCourbesLectrices::Banc = fenetres->Form1.get();
    TCourbesLectrices::Lectures = 0;
    fenetres.reset();
    EXPECT_GT(TCourbesLectrices::Lectures, 0) << "the curves window was not hidden as it went";
    EXPECT_FALSE(TCourbesLectrices::BancDisparu);
}

// The clock's worker, which polls without sleeping, starts only once the three windows
// shown at start have painted; the clock itself reads as enabled from the first show.
TEST(TFenetres, ClockWorkerStartsOnceTheFirstWindowsHavePainted)
{
    test::Application();
    TFenetres fenetres;
    fenetres.Montre();
    EXPECT_TRUE(fenetres.Form1->Chronos1->Enable());
    EXPECT_EQ(TTimerThread::EnCours(), 0) << "the worker ran before anything was painted";
    // Well before the second after which a window that never paints stops holding it.
    EXPECT_TRUE(QTest::qWaitFor([] { return TTimerThread::EnCours() == 1; }, 900));
}

// Only the three windows shown at start are made with the program; the others come when
// first asked for, the diagram laid out as the show handler assumed.
TEST(TFenetres, HiddenWindowsAreMadeWhenFirstAskedFor)
{
    test::Application();
    TFenetres fenetres;
    const auto existe = [](const char *classe) {
        const QWidgetList fenetres = QApplication::topLevelWidgets();
        return std::any_of(fenetres.begin(), fenetres.end(),
                           [classe](const QWidget *f) { return f->inherits(classe); });
    };
    for (const char *classe : {"tavelor::TFormVecteurs", "tavelor::TFormAide", "tavelor::TFormAPropos",
                               "tavelor::TFormChoixVect", "tavelor::TFormOrigine", "tavelor::TformEchellesDiagVect"})
        EXPECT_FALSE(existe(classe)) << classe;
    fenetres.Form1->BitBtnAide->click();
    EXPECT_TRUE(fenetres.FormAide()->isVisible());
    EXPECT_EQ(fenetres.FormVecteurs()->PaintBox1->height(), TGeometrieAffichage{}.HauteurDiagramme);
    EXPECT_TRUE(existe("tavelor::TFormChoixVect"));
}

// A tool window opens wholly on the screen, and next time where the user left it; a place
// left on a screen that is no longer there comes back whole on this one.
TEST(TFenetres, OutilsOuvertsSurLEcranPuisOuLUtilisateurLesALaisses)
{
    test::Application();
    QSettings().remove(QStringLiteral("fenetres"));
    const QRect dispo = QGuiApplication::primaryScreen()->availableGeometry();
    {
        TFenetres fenetres;
        fenetres.Montre();
        fenetres.MontreInstruments();
        EXPECT_TRUE(dispo.contains(fenetres.FormInstruments->frameGeometry()));
        fenetres.FormInstruments->resize(fenetres.FormInstruments->minimumSize());
        fenetres.FormInstruments->move(37, 41);
    }
    for (const QPoint laissee : {QPoint(37, 41), QPoint(5000, 4000)}) {
        TFenetres fenetres;
        fenetres.Montre();
        fenetres.MontreInstruments();
        TFormInstruments &instruments = *fenetres.FormInstruments;
        const QRect place = instruments.frameGeometry();
        EXPECT_TRUE(dispo.contains(place)) << laissee.x();
        if (laissee.x() < dispo.right())
            EXPECT_EQ(instruments.pos(), laissee);
        instruments.move(laissee == QPoint(37, 41) ? QPoint(5000, 4000) : laissee);
        instruments.close();
    }
}

} // namespace
} // namespace tavelor
