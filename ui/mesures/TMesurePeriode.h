#pragma once

#include <memory>

namespace tavelor {

class TChronos;

// Opt-in clock measurement (TAVELOR_MESURE=periode, read by the caller): wraps the clock's
// handler to note when the handling of each tick starts and ends. After some ticks to
// settle, it prints those instants for the next `tics` ticks (CLOCK_MONOTONIC, ns), then
// the peak memory, and ends the event loop. The period less the handler's time is what
// the clock itself adds to its interval.
class TMesurePeriode {
public:
    TMesurePeriode(TChronos &chronos, int tics);

private:
    struct TEtat;
    // Shared with the installed handler, which may outlive this object by a pending tick.
    std::shared_ptr<TEtat> Etat;
};

} // namespace tavelor
