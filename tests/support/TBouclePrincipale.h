#pragma once

#include "TRelaisPrincipal.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <exception>
#include <functional>
#include <mutex>

namespace tavelor {

// Stands in for the user-interface event loop. Synchronise queues the task and blocks
// until the test thread, acting as the main thread, runs it from Traite or TraiteJusqua;
// between those calls nothing is served, which lets a test hold a tick pending.
class TBouclePrincipale final : public TRelaisPrincipal {
public:
    void Synchronise(const std::function<void()> &tache) override;

    // Serves tasks as they come during duree; returns how many ran.
    int Traite(std::chrono::milliseconds duree);
    // Serves tasks until condition holds, testing it after each task and at least every
    // millisecond; false if delai ran out first.
    bool TraiteJusqua(const std::function<bool()> &condition, std::chrono::milliseconds delai);
    // Waits without serving until a task is queued; false if delai ran out first.
    bool AttendRequete(std::chrono::milliseconds delai);
    int EnAttente() const;

    // The loop stops serving, as at program end: queued and later Synchronise calls return
    // without running their task.
    void Arreter();

private:
    enum class Etat { EnAttente, Faite, Abandonnee };
    struct Requete {
        const std::function<void()> *tache = nullptr;
        Etat etat = Etat::EnAttente;
        std::exception_ptr erreur;
    };

    bool ServirUne(std::chrono::steady_clock::time_point limite);

    mutable std::mutex mutex_;
    std::condition_variable changement_;
    std::deque<Requete *> file_;
    bool arretee_ = false;
};

} // namespace tavelor
