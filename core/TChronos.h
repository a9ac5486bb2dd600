#pragma once

#include "TNotifyEvent.h"
#include "TRelaisPrincipal.h"
#include "TSourceTemps.h"

#include <cstdint>
#include <memory>

namespace tavelor {

class TTimerThread;

// Periodic tick of the simulation, period Interval in microseconds (the bench uses
// 50 000 µs for 0.2 ms of simulated time: 250 times slower than real time). The period
// is measured by a worker thread of its own, not by the window system's coarse timer,
// and OnTimer always runs on the main thread, handed over through the relay, so that it
// may touch the model and the windows. Its Sender is the worker, not the clock.
//
// Belongs to the main thread. A worker that the clock asks to stop is forgotten at once
// and never touched again; the clock never waits for a worker nor frees one.
class TChronos {
public:
    explicit TChronos(std::shared_ptr<TRelaisPrincipal> relais,
                      std::shared_ptr<TSourceTemps> temps = TSourceTemps::Monotone());
    ~TChronos();
    TChronos(const TChronos &) = delete;
    TChronos &operator=(const TChronos &) = delete;

    // true starts a fresh worker (restarting a running clock); false stops it, and a tick
    // already waiting for the main thread is dropped.
    bool Enable() const { return enable_; }
    void setEnable(bool valeur);

    // While held, an enabled clock runs no worker: it starts when the hold is lifted, if
    // the clock is still enabled then. Lets the program paint its first windows before a
    // polling worker takes a core.
    bool Retenu() const { return retenu_; }
    void setRetenu(bool valeur);

    // Reaches a running worker from its next comparison, without restarting it.
    std::uint32_t Interval() const { return interval_; }
    void setInterval(std::uint32_t microsecondes);

    // Reaches a running worker from its next tick, without restarting it.
    const TNotifyEvent &OnTimer() const { return onTimer_; }
    void setOnTimer(TNotifyEvent gestionnaire);

private:
    void ArreteTravailleur(bool detacherGestionnaire);
    void LanceTravailleur();
    std::shared_ptr<const TNotifyEvent> CopieOnTimer() const;

    const std::shared_ptr<TRelaisPrincipal> relais_;
    const std::shared_ptr<TSourceTemps> temps_;
    // Weak: a worker whose handler failed frees itself while the clock still names it.
    std::weak_ptr<TTimerThread> travailleur_;
    std::uint32_t interval_ = 500;
    bool enable_ = false;
    bool retenu_ = false;
    TNotifyEvent onTimer_;
};

} // namespace tavelor
