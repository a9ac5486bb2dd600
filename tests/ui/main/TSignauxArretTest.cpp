#include "TSignauxArret.h"

#include "ApplicationTest.h"

#include <QProcess>
#include <QSignalSpy>

#include <gtest/gtest.h>

#include <csignal>

namespace tavelor {
namespace {

volatile std::sig_atomic_t Recus = 0;

void Compte(int)
{
    Recus = Recus + 1;
}

TEST(TSignauxArret, StopSignalsBecomeOneRequestThroughTheEventLoop)
{
    test::Application();
    for (const int signal : {SIGTERM, SIGINT}) {
        const TSignauxArret signaux;
        ASSERT_TRUE(signaux.Actif());
        QSignalSpy demandes(&signaux, &TSignauxArret::ArretDemande);
        // Alive after raising: the default action would have ended the test here.
        std::raise(signal);
        std::raise(signal);
        EXPECT_EQ(demandes.count(), 0) << "emitted from the handler, not the event loop";
        EXPECT_TRUE(demandes.wait(2000)) << signal;
        QCoreApplication::processEvents();
        EXPECT_EQ(demandes.count(), 1) << signal;
    }
}

TEST(TSignauxArret, HandlersComeBackWhenDestroyed)
{
    test::Application();
    std::signal(SIGTERM, Compte);
    {
        const TSignauxArret signaux;
        // A second instance would steal the pipe: it stays inactive.
        const TSignauxArret seconde;
        EXPECT_FALSE(seconde.Actif());
        std::raise(SIGTERM);
        EXPECT_EQ(Recus, 0);
    }
    std::raise(SIGTERM);
    EXPECT_EQ(Recus, 1);
    std::signal(SIGTERM, SIG_DFL);
}

// The program itself, as a session manager or `kill` would stop it.
TEST(TSignauxArret, ProgramEndsCleanlyOnSigterm)
{
    test::Application();
    QProcess programme;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    programme.setProcessEnvironment(environnement);
    programme.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    programme.start(QStringLiteral(TAVELOR_PROGRAMME), QStringList());
    ASSERT_TRUE(programme.waitForStarted(5000));
    // Long enough for the windows to show and the clock to tick.
    EXPECT_FALSE(programme.waitForFinished(1500)) << "the program stopped by itself";
    programme.terminate();
    ASSERT_TRUE(programme.waitForFinished(10000));
    EXPECT_EQ(programme.exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(programme.exitCode(), 0);
}

} // namespace
} // namespace tavelor
