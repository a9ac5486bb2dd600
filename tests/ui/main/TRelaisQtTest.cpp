#include "TRelaisQt.h"

#include "ApplicationTest.h"

#include <QElapsedTimer>
#include <QTest>
#include <QThread>

#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <thread>

namespace tavelor {
namespace {

// Serves the GUI loop until the flag is set or the time runs out.
bool ServirJusqua(const std::atomic<bool> &fait, int ms = 2000)
{
    QElapsedTimer chrono;
    chrono.start();
    while (!fait && chrono.elapsed() < ms)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return fait;
}

TEST(TRelaisQt, RunsTheTaskOnTheGuiThreadWhileTheWorkerWaits)
{
    test::Application();
    QObject contexte;
    auto relais = std::make_shared<TRelaisQt>(&contexte);
    std::atomic<bool> executeeSurGui{false}, fini{false}, tacheTerminee{false};
    std::atomic<bool> attenteRespectee{true};

    std::thread travailleur([&] {
        relais->Synchronise([&] {
            executeeSurGui = QThread::currentThread() == contexte.thread();
            QThread::msleep(30);
            tacheTerminee = true;
        });
        // Synchronise returns only once the task has finished on the other side.
        attenteRespectee = tacheTerminee.load();
        fini = true;
    });
    EXPECT_TRUE(ServirJusqua(fini));
    travailleur.join();
    EXPECT_TRUE(executeeSurGui);
    EXPECT_TRUE(attenteRespectee);
}

TEST(TRelaisQt, AnErrorOfTheTaskIsRaisedAgainInTheWorker)
{
    test::Application();
    QObject contexte;
    auto relais = std::make_shared<TRelaisQt>(&contexte);
    std::atomic<bool> fini{false}, erreurRecue{false};
    std::thread travailleur([&] {
        try {
            relais->Synchronise([] { throw std::runtime_error("tick en erreur"); });
        } catch (const std::runtime_error &) {
            erreurRecue = true;
        }
        fini = true;
    });
    EXPECT_TRUE(ServirJusqua(fini));
    travailleur.join();
    EXPECT_TRUE(erreurRecue);
}

TEST(TRelaisQt, StoppingReleasesAWaitingWorkerAndRunsNothingAfterwards)
{
    test::Application();
    QObject contexte;
    auto relais = std::make_shared<TRelaisQt>(&contexte);
    std::atomic<bool> fini{false}, executee{false};
    std::thread travailleur([&] {
        relais->Synchronise([&] { executee = true; });
        fini = true;
    });
    // The GUI loop does not serve: the worker stays blocked until the relay stops.
    QThread::msleep(50);
    EXPECT_FALSE(fini);
    relais->Arreter();
    travailleur.join();
    EXPECT_TRUE(fini);
    QCoreApplication::processEvents();
    EXPECT_FALSE(executee);

    // Later requests return at once.
    relais->Synchronise([&] { executee = true; });
    EXPECT_FALSE(executee);
}

} // namespace
} // namespace tavelor
