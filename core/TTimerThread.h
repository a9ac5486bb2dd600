#pragma once

#include "TNotifyEvent.h"
#include "TRelaisPrincipal.h"
#include "TSourceTemps.h"

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>

namespace tavelor {

// The clock's worker. It busy-polls the microsecond count and, once Interval µs have
// elapsed since the end of the previous tick, runs the tick handler on the main thread
// through the relay and waits for it. A period is therefore the interval plus the time
// the main thread takes to handle the tick; ticks are never queued, merged or caught up.
//
// Life cycle: created idle (owned by a shared_ptr), configured, then started once. From
// then on its own thread owns it and frees it when the loop ends, on a stop request or
// on an exception from the handler. Anyone else keeps only a weak reference. Interval,
// handler and stop request may be written from the main thread while the loop runs.
class TTimerThread : public std::enable_shared_from_this<TTimerThread> {
public:
    TTimerThread(std::shared_ptr<TRelaisPrincipal> relais, std::shared_ptr<TSourceTemps> temps);
    TTimerThread(const TTimerThread &) = delete;
    TTimerThread &operator=(const TTimerThread &) = delete;

    // Period in microseconds, used from the loop's next comparison on.
    std::uint32_t Interval() const;
    void setInterval(std::uint32_t microsecondes);

    // Null or empty detaches the handler: the loop goes on but hands nothing over, and a
    // tick already waiting for the main thread is dropped.
    std::shared_ptr<const TNotifyEvent> OnTimer() const;
    void setOnTimer(std::shared_ptr<const TNotifyEvent> gestionnaire);

    // Cooperative stop: the loop ends at its next test, or once the tick it is waiting on
    // has been handed over. Whoever asks must not touch the worker afterwards.
    void Terminate();
    bool Terminated() const;

    // Runs the loop on a detached thread, which keeps the worker alive until the loop ends.
    void Start();

    // Workers started and not yet finished, in the whole process.
    static int EnCours();

private:
    void Execute();
    void Tick();

    const std::shared_ptr<TRelaisPrincipal> relais_;
    const std::shared_ptr<TSourceTemps> temps_;
    std::atomic<std::uint32_t> interval_{0};
    std::atomic<bool> terminated_{false};
    // A lock held for a pointer copy, taken once per tick and not per poll. GCC 12's
    // std::atomic<std::shared_ptr> would do, but ThreadSanitizer reports its loads.
    mutable std::mutex mutexOnTimer_;
    std::shared_ptr<const TNotifyEvent> onTimer_;

    static std::atomic<int> enCours_;
};

} // namespace tavelor
