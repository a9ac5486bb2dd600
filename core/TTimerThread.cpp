#include "TTimerThread.h"

#include <thread>
#include <utility>

namespace tavelor {

std::atomic<int> TTimerThread::enCours_{0};

TTimerThread::TTimerThread(std::shared_ptr<TRelaisPrincipal> relais, std::shared_ptr<TSourceTemps> temps)
    : relais_(std::move(relais)), temps_(std::move(temps))
{}

std::uint32_t TTimerThread::Interval() const
{
    return interval_.load(std::memory_order_relaxed);
}

void TTimerThread::setInterval(std::uint32_t microsecondes)
{
    interval_.store(microsecondes, std::memory_order_relaxed);
}

std::shared_ptr<const TNotifyEvent> TTimerThread::OnTimer() const
{
    const std::lock_guard verrou(mutexOnTimer_);
    return onTimer_;
}

void TTimerThread::setOnTimer(std::shared_ptr<const TNotifyEvent> gestionnaire)
{
    if (gestionnaire && !*gestionnaire)
        gestionnaire.reset();
    const std::lock_guard verrou(mutexOnTimer_);
    onTimer_ = std::move(gestionnaire);
}

void TTimerThread::Terminate()
{
    terminated_.store(true);
}

bool TTimerThread::Terminated() const
{
    return terminated_.load();
}

void TTimerThread::Start()
{
    ++enCours_;
    try {
        std::thread([moi = shared_from_this()]() mutable {
            try {
                moi->Execute();
            } catch (...) {
                // The handler failed on the main thread: this worker ends, the clock keeps
                // reading Enable = true, and enabling it again starts a fresh worker.
            }
            moi.reset();
            --enCours_;
        }).detach();
    } catch (...) {
        --enCours_;
        throw;
    }
}

int TTimerThread::EnCours()
{
    return enCours_.load();
}

void TTimerThread::Execute()
{
    std::uint32_t dernier = temps_->Microsecondes();
    while (!Terminated()) {
        // Unsigned arithmetic: the difference stays right across the wrap of the count.
        const std::uint32_t ecoule = temps_->Microsecondes() - dernier;
        // No sleep and no yield: the period keeps microsecond precision at the price of a core.
        if (ecoule < Interval())
            continue;
        if (OnTimer())
            relais_->Synchronise([this] { Tick(); });
        // Measured from the end of the hand-over, so a slow handler stretches the period.
        dernier = temps_->Microsecondes();
    }
}

void TTimerThread::Tick()
{
    // Read again on the main thread: the clock may have detached the handler while this
    // tick waited in the queue, and then the tick is dropped.
    if (const auto gestionnaire = OnTimer())
        (*gestionnaire)(this);
}

} // namespace tavelor
