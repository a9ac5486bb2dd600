#include "TFenetres.h"

#include "ApplicationTest.h"
#include "TChronos.h"
#include "TForm1.h"
#include "TModele.h"
#include "TTimerThread.h"

#include <QPointer>
#include <QTest>

#include <gtest/gtest.h>

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

} // namespace
} // namespace tavelor
