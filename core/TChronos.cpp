#include "TChronos.h"

#include "TTimerThread.h"

#include <utility>

namespace tavelor {

TChronos::TChronos(std::shared_ptr<TRelaisPrincipal> relais, std::shared_ptr<TSourceTemps> temps)
    : relais_(std::move(relais)), temps_(std::move(temps))
{}

TChronos::~TChronos()
{
    // Detached before the stop request, so that no tick reaches a destroyed owner.
    ArreteTravailleur(true);
}

void TChronos::setEnable(bool valeur)
{
    enable_ = valeur;
    if (!valeur) {
        ArreteTravailleur(true);
        return;
    }
    // A restart leaves the old worker its handler: a tick it already has waiting on the
    // main thread is still delivered, then it ends.
    ArreteTravailleur(false);
    if (!retenu_)
        LanceTravailleur();
}

void TChronos::setRetenu(bool valeur)
{
    if (valeur == retenu_)
        return;
    retenu_ = valeur;
    if (retenu_)
        ArreteTravailleur(true);
    else if (enable_)
        LanceTravailleur();
}

void TChronos::LanceTravailleur()
{
    const auto travailleur = std::make_shared<TTimerThread>(relais_, temps_);
    travailleur->setOnTimer(CopieOnTimer());
    travailleur->setInterval(interval_);
    travailleur_ = travailleur;
    travailleur->Start();
}

void TChronos::setInterval(std::uint32_t microsecondes)
{
    interval_ = microsecondes;
    if (const auto travailleur = travailleur_.lock())
        travailleur->setInterval(microsecondes);
}

void TChronos::setOnTimer(TNotifyEvent gestionnaire)
{
    onTimer_ = std::move(gestionnaire);
    if (const auto travailleur = travailleur_.lock())
        travailleur->setOnTimer(CopieOnTimer());
}

void TChronos::ArreteTravailleur(bool detacherGestionnaire)
{
    // Forgotten as it is asked to stop: it may free itself at any moment after.
    if (const auto travailleur = std::exchange(travailleur_, {}).lock()) {
        if (detacherGestionnaire)
            travailleur->setOnTimer(nullptr);
        travailleur->Terminate();
    }
}

std::shared_ptr<const TNotifyEvent> TChronos::CopieOnTimer() const
{
    // The worker gets a copy of its own, held by each tick while it runs, so that replacing
    // onTimer_, even from inside the handler, never destroys a running handler.
    return onTimer_ ? std::make_shared<const TNotifyEvent>(onTimer_) : nullptr;
}

} // namespace tavelor
