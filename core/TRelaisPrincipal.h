#pragma once

#include <functional>

namespace tavelor {

// "Run this on the main thread and wait": the clock's worker hands its ticks over
// through it. Synchronise blocks the calling thread until the main thread has run
// tache; an exception thrown by tache is thrown again in the caller. Once the main
// thread stops serving (program end), Synchronise returns without running anything.
class TRelaisPrincipal {
public:
    virtual ~TRelaisPrincipal() = default;
    virtual void Synchronise(const std::function<void()> &tache) = 0;
};

} // namespace tavelor
