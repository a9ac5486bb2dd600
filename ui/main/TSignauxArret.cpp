#include "TSignauxArret.h"

#include <QSocketNotifier>

#include <array>
#include <atomic>
#include <cerrno>

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

namespace tavelor {

namespace {

constexpr std::array<int, 2> Signaux{SIGTERM, SIGINT};

std::atomic<int> TubeEcriture{-1};
std::array<struct sigaction, Signaux.size()> Precedents{};

void Gestionnaire(int)
{
    const int sauve = errno;
    const char octet = 1;
    // A full pipe already holds a pending request: losing this byte loses nothing.
    [[maybe_unused]] const auto ecrits = write(TubeEcriture.load(), &octet, 1);
    errno = sauve;
}

} // namespace

TSignauxArret::TSignauxArret(QObject *parent) : QObject(parent)
{
    if (TubeEcriture.load() != -1 || pipe2(Tube, O_CLOEXEC | O_NONBLOCK) != 0)
        return;
    TubeEcriture.store(Tube[1]);

    struct sigaction action {};
    action.sa_handler = Gestionnaire;
    sigemptyset(&action.sa_mask);
    // Restarting keeps the event loop's own system calls from failing with EINTR.
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < Signaux.size(); ++i)
        sigaction(Signaux[i], &action, &Precedents[i]);

    Notificateur = new QSocketNotifier(Tube[0], QSocketNotifier::Read, this);
    connect(Notificateur, &QSocketNotifier::activated, this, &TSignauxArret::videTube);
}

TSignauxArret::~TSignauxArret()
{
    if (!Notificateur)
        return;
    for (std::size_t i = 0; i < Signaux.size(); ++i)
        sigaction(Signaux[i], &Precedents[i], nullptr);
    TubeEcriture.store(-1);
    close(Tube[0]);
    close(Tube[1]);
}

void TSignauxArret::videTube()
{
    // Several signals before the loop wakes up make one request.
    char octets[64];
    while (read(Tube[0], octets, sizeof octets) > 0) {
    }
    emit ArretDemande();
}

} // namespace tavelor
