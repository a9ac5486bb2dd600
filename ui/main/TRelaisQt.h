#pragma once

#include "TRelaisPrincipal.h"

#include <QObject>

#include <memory>

namespace tavelor {

// Hands the clock's ticks to the GUI thread: the request is posted to the event
// loop of the context object and the worker blocks until the loop has run it.
// Arreter() is called on the GUI thread before the windows go: pending and later
// requests then return at once without running.
class TRelaisQt : public TRelaisPrincipal {
public:
    explicit TRelaisQt(QObject *contexte);

    void Synchronise(const std::function<void()> &tache) override;
    void Arreter();

private:
    struct TEtat;
    // Shared with the posted requests, which may outlive this object in the queue.
    std::shared_ptr<TEtat> Etat;
};

} // namespace tavelor
