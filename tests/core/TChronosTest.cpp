#include "TChronos.h"

#include "TBouclePrincipale.h"
#include "TSourceTempsDecalee.h"
#include "TTimerThread.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <iostream>
#include <memory>
#include <sstream>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

using namespace std::chrono_literals;

namespace tavelor {
namespace {

using Horloge = std::chrono::steady_clock;

double Millisecondes(Horloge::duration d)
{
    return std::chrono::duration<double, std::milli>(d).count();
}

std::vector<double> Periodes(const std::vector<Horloge::time_point> &instants)
{
    std::vector<double> periodes;
    for (std::size_t i = 1; i < instants.size(); ++i)
        periodes.push_back(Millisecondes(instants[i] - instants[i - 1]));
    return periodes;
}

double Mediane(std::vector<double> valeurs)
{
    std::sort(valeurs.begin(), valeurs.end());
    return valeurs[valeurs.size() / 2];
}

// The test thread plays the main thread; a clock's ticks only run while it serves the loop.
class Chronos : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_EQ(TTimerThread::EnCours(), 0); }

    // Every worker must have ended before the next test, so the sanitizers see neither a
    // leak nor a thread still using this test's loop. A worker that was asked to stop
    // while waiting on a tick needs the loop served to finish.
    void TearDown() override
    {
        EXPECT_TRUE(boucle->TraiteJusqua([] { return TTimerThread::EnCours() == 0; }, 5s));
    }

    void Rapporte(const std::string &cle, const std::vector<double> &periodes)
    {
        const auto [mini, maxi] = std::minmax_element(periodes.begin(), periodes.end());
        std::ostringstream texte;
        texte.precision(3);
        texte << std::fixed << "median " << Mediane(periodes) << " ms, min " << *mini << " ms, max " << *maxi
              << " ms, jitter " << *maxi - *mini << " ms over " << periodes.size() << " periods";
        std::cout << "[ " << cle << " ] " << texte.str() << '\n';
        RecordProperty(cle, texte.str());
    }

    const std::shared_ptr<TBouclePrincipale> boucle = std::make_shared<TBouclePrincipale>();
    const std::thread::id principal = std::this_thread::get_id();
};

TEST_F(Chronos, UnChronosJamaisActiveNeDemarreAucunTravailleur)
{
    {
        TChronos chronos(boucle);
        EXPECT_FALSE(chronos.Enable());
        EXPECT_EQ(chronos.Interval(), 500u);
        EXPECT_FALSE(chronos.OnTimer());

        int tops = 0;
        chronos.setOnTimer([&](void *) { ++tops; });
        chronos.setInterval(0);
        chronos.setEnable(false);
        EXPECT_EQ(TTimerThread::EnCours(), 0);
    }
    EXPECT_EQ(boucle->Traite(20ms), 0);
    EXPECT_EQ(TTimerThread::EnCours(), 0);
}

// Held, an enabled clock runs no worker; lifting the hold starts one only if the clock
// is still enabled then, and holding a running clock stops its worker.
TEST_F(Chronos, UnChronosRetenuNeDemarreQuALaLiberation)
{
    struct Cas {
        bool desactiveAvantLiberation;
        int travailleursApres;
    };
    for (const Cas cas : {Cas{false, 1}, Cas{true, 0}}) {
        SCOPED_TRACE(cas.desactiveAvantLiberation);
        TChronos chronos(boucle);
        int tops = 0;
        chronos.setInterval(0);
        chronos.setOnTimer([&](void *) { ++tops; });
        chronos.setRetenu(true);
        chronos.setEnable(true);
        EXPECT_EQ(boucle->Traite(20ms), 0);
        EXPECT_EQ(TTimerThread::EnCours(), 0);
        if (cas.desactiveAvantLiberation)
            chronos.setEnable(false);
        chronos.setRetenu(false);
        EXPECT_EQ(TTimerThread::EnCours(), cas.travailleursApres);
        if (cas.travailleursApres > 0) {
            ASSERT_TRUE(boucle->TraiteJusqua([&] { return tops >= 3; }, 5s));
            chronos.setRetenu(true);
            EXPECT_TRUE(chronos.Enable());
            ASSERT_TRUE(boucle->TraiteJusqua([] { return TTimerThread::EnCours() == 0; }, 5s));
        }
    }
}

TEST_F(Chronos, LaPeriodeEstLIntervallePlusLaDureeDuTraitement)
{
    TChronos chronos(boucle);
    std::vector<Horloge::time_point> debuts;
    bool surLeThreadPrincipal = true;
    void *expediteur = nullptr;
    chronos.setInterval(50000);
    chronos.setOnTimer([&](void *Sender) {
        debuts.push_back(Horloge::now());
        surLeThreadPrincipal = surLeThreadPrincipal && std::this_thread::get_id() == principal;
        expediteur = Sender;
        std::this_thread::sleep_for(5ms);
    });
    chronos.setEnable(true);

    ASSERT_TRUE(boucle->TraiteJusqua([&] { return debuts.size() >= 11; }, 5s));
    chronos.setEnable(false);

    // 50 ms counted from the end of the previous 5 ms handling: at least 55 ms, never 50.
    const auto periodes = Periodes(debuts);
    Rapporte("periode_50ms_plus_5ms", periodes);
    for (double periode : periodes)
        EXPECT_GE(periode, 54.5);
    EXPECT_LT(Mediane(periodes), 80.0);
    EXPECT_TRUE(surLeThreadPrincipal);
    EXPECT_NE(expediteur, nullptr);
    EXPECT_NE(expediteur, static_cast<void *>(&chronos));
}

TEST_F(Chronos, UnIntervalleNulDonneDesTopsJointifs)
{
    TChronos chronos(boucle);
    std::vector<Horloge::time_point> debuts;
    debuts.reserve(600);
    chronos.setInterval(0);
    chronos.setOnTimer([&](void *) { debuts.push_back(Horloge::now()); });
    chronos.setEnable(true);

    ASSERT_TRUE(boucle->TraiteJusqua([&] { return debuts.size() >= 500; }, 5s));
    chronos.setEnable(false);
    const auto periodes = Periodes(debuts);
    Rapporte("periode_intervalle_nul", periodes);
    // Back to back: a hand-over costs microseconds. A worker that still waited a polling
    // step or a timer slice between ticks would take a millisecond or more.
    EXPECT_LT(Mediane(periodes), 0.5);
}

TEST_F(Chronos, ActiverDeuxFoisDeSuiteNeLaisseQuUnTravailleur)
{
    TChronos chronos(boucle);
    std::vector<void *> expediteurs;
    chronos.setInterval(100000);
    chronos.setOnTimer([&](void *Sender) { expediteurs.push_back(Sender); });
    chronos.setEnable(true);
    chronos.setEnable(true);

    // The first worker, still polling, ends at its next loop test without a tick.
    ASSERT_TRUE(boucle->TraiteJusqua([&] { return TTimerThread::EnCours() == 1 && expediteurs.size() >= 3; }, 5s));
    EXPECT_TRUE(chronos.Enable());
    EXPECT_EQ(std::count(expediteurs.begin(), expediteurs.end(), expediteurs.front()), std::ssize(expediteurs));
}

TEST_F(Chronos, ReactiverAvecUnTopEnAttenteLeDelivrePuisArreteLAncienTravailleur)
{
    TChronos chronos(boucle);
    std::vector<void *> expediteurs;
    chronos.setInterval(20000);
    chronos.setOnTimer([&](void *Sender) { expediteurs.push_back(Sender); });
    chronos.setEnable(true);
    ASSERT_TRUE(boucle->AttendRequete(2s));

    // The old worker keeps its handler: the tick it is blocked on is its last one.
    chronos.setEnable(true);
    EXPECT_EQ(TTimerThread::EnCours(), 2);
    ASSERT_TRUE(boucle->TraiteJusqua([&] { return TTimerThread::EnCours() == 1 && expediteurs.size() >= 6; }, 5s));
    void *ancien = expediteurs.front();
    EXPECT_EQ(std::count(expediteurs.begin(), expediteurs.end(), ancien), 1);
    EXPECT_EQ(std::count(expediteurs.begin(), expediteurs.end(), expediteurs.back()), std::ssize(expediteurs) - 1);
}

TEST_F(Chronos, DesactiverOuDetruireAvecUnTopEnAttenteNeLeDelivrePas)
{
    for (const bool detruire : {false, true}) {
        SCOPED_TRACE(detruire ? "destroyed" : "disabled");
        auto chronos = std::make_unique<TChronos>(boucle);
        int tops = 0;
        chronos->setInterval(10000);
        chronos->setOnTimer([&](void *) { ++tops; });
        chronos->setEnable(true);
        ASSERT_TRUE(boucle->AttendRequete(2s));

        if (detruire) {
            chronos.reset();
        } else {
            chronos->setEnable(false);
            EXPECT_FALSE(chronos->Enable());
        }
        // The hand-over is served but finds the handler detached; the worker then ends.
        EXPECT_EQ(boucle->Traite(50ms), 1);
        EXPECT_TRUE(boucle->TraiteJusqua([] { return TTimerThread::EnCours() == 0; }, 2s));
        EXPECT_EQ(boucle->Traite(30ms), 0);
        EXPECT_EQ(tops, 0);
    }
}

TEST_F(Chronos, UnNouvelIntervalleAgitSansRedemarrer)
{
    TChronos chronos(boucle);
    std::vector<void *> expediteurs;
    chronos.setInterval(1000000);
    chronos.setOnTimer([&](void *Sender) { expediteurs.push_back(Sender); });
    chronos.setEnable(true);
    EXPECT_EQ(boucle->Traite(50ms), 0);

    // Five ticks well within one old period: the running worker compares with 10 ms now.
    chronos.setInterval(10000);
    ASSERT_TRUE(boucle->TraiteJusqua([&] { return expediteurs.size() >= 5; }, 900ms));
    EXPECT_EQ(TTimerThread::EnCours(), 1);
    EXPECT_EQ(std::count(expediteurs.begin(), expediteurs.end(), expediteurs.front()), std::ssize(expediteurs));
}

TEST_F(Chronos, UnNouveauGestionnaireAgitSansRedemarrer)
{
    TChronos chronos(boucle);
    std::vector<void *> expediteursA;
    std::vector<void *> expediteursB;
    chronos.setInterval(10000);
    chronos.setOnTimer([&](void *Sender) { expediteursA.push_back(Sender); });
    chronos.setEnable(true);
    ASSERT_TRUE(boucle->TraiteJusqua([&] { return expediteursA.size() >= 3; }, 2s));

    // A tick already queued for A is taken up after the change, so it goes to B.
    chronos.setOnTimer([&](void *Sender) { expediteursB.push_back(Sender); });
    const auto tousA = expediteursA.size();
    ASSERT_TRUE(boucle->TraiteJusqua([&] { return expediteursB.size() >= 3; }, 2s));
    EXPECT_EQ(expediteursA.size(), tousA);
    EXPECT_EQ(expediteursB.front(), expediteursA.front());

    // Without a handler the worker runs on but hands nothing over.
    chronos.setOnTimer(nullptr);
    boucle->Traite(30ms);
    const auto tousB = expediteursB.size();
    EXPECT_EQ(boucle->Traite(60ms), 0);
    EXPECT_EQ(expediteursB.size(), tousB);
    EXPECT_EQ(TTimerThread::EnCours(), 1);

    chronos.setOnTimer([&](void *Sender) { expediteursA.push_back(Sender); });
    ASSERT_TRUE(boucle->TraiteJusqua([&] { return expediteursA.size() >= tousA + 2; }, 2s));
    EXPECT_EQ(expediteursA.back(), expediteursB.front());
}

TEST_F(Chronos, LeRebouclementDuCompteurGardeLaPeriode)
{
    // The 32-bit count wraps 30 ms into the test.
    const auto temps = std::make_shared<TSourceTempsDecalee>(0xFFFFFFFFu - 30000u);
    TChronos chronos(boucle, temps);
    std::vector<Horloge::time_point> debuts;
    std::vector<std::uint32_t> comptes;
    chronos.setInterval(10000);
    chronos.setOnTimer([&](void *) {
        debuts.push_back(Horloge::now());
        comptes.push_back(temps->Microsecondes());
    });
    chronos.setEnable(true);

    ASSERT_TRUE(boucle->TraiteJusqua([&] { return debuts.size() >= 10; }, 3s));
    ASSERT_FALSE(std::is_sorted(comptes.begin(), comptes.end())) << "the count did not wrap";
    const auto periodes = Periodes(debuts);
    Rapporte("periode_10ms_a_travers_le_rebouclement", periodes);
    for (double periode : periodes)
        EXPECT_GE(periode, 9.5);
    EXPECT_LT(Mediane(periodes), 40.0);
}

TEST_F(Chronos, UneErreurDuGestionnaireArreteLesTopsJusquaLaReactivation)
{
    TChronos chronos(boucle);
    int tops = 0;
    chronos.setInterval(10000);
    chronos.setOnTimer([&](void *) {
        if (++tops == 3)
            throw std::runtime_error("panne");
    });
    chronos.setEnable(true);

    ASSERT_TRUE(boucle->TraiteJusqua([] { return TTimerThread::EnCours() == 0; }, 3s));
    EXPECT_EQ(tops, 3);
    EXPECT_TRUE(chronos.Enable());
    EXPECT_EQ(boucle->Traite(50ms), 0);

    // The clock still names its ended worker: writing to it must be harmless.
    chronos.setInterval(5000);
    chronos.setEnable(true);
    EXPECT_TRUE(boucle->TraiteJusqua([&] { return tops >= 6; }, 2s));
}

TEST_F(Chronos, UnTravailleurBloqueSurUneBoucleArreteeSeTermineQuandOnLeDesactive)
{
    TChronos chronos(boucle);
    int tops = 0;
    chronos.setInterval(10000);
    chronos.setOnTimer([&](void *) { ++tops; });
    chronos.setEnable(true);
    ASSERT_TRUE(boucle->AttendRequete(2s));

    // The hand-over returns without running, and the next ones too; the worker goes on
    // until asked to stop.
    boucle->Arreter();
    std::this_thread::sleep_for(30ms);
    EXPECT_EQ(TTimerThread::EnCours(), 1);
    chronos.setEnable(false);
    EXPECT_TRUE(boucle->TraiteJusqua([] { return TTimerThread::EnCours() == 0; }, 2s));
    EXPECT_EQ(tops, 0);
}

} // namespace
} // namespace tavelor
