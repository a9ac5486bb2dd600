#include "TBouclePrincipale.h"

#include <algorithm>

namespace tavelor {

using std::chrono::steady_clock;

void TBouclePrincipale::Synchronise(const std::function<void()> &tache)
{
    Requete requete;
    requete.tache = &tache;
    std::unique_lock verrou(mutex_);
    if (arretee_)
        return;
    file_.push_back(&requete);
    changement_.notify_all();
    changement_.wait(verrou, [&] { return requete.etat != Etat::EnAttente; });
    if (requete.erreur)
        std::rethrow_exception(requete.erreur);
}

int TBouclePrincipale::Traite(std::chrono::milliseconds duree)
{
    const auto limite = steady_clock::now() + duree;
    int servies = 0;
    while (steady_clock::now() < limite)
        servies += ServirUne(limite) ? 1 : 0;
    return servies;
}

bool TBouclePrincipale::TraiteJusqua(const std::function<bool()> &condition, std::chrono::milliseconds delai)
{
    const auto limite = steady_clock::now() + delai;
    while (!condition()) {
        const auto maintenant = steady_clock::now();
        if (maintenant >= limite)
            return false;
        ServirUne(std::min(limite, maintenant + std::chrono::milliseconds(1)));
    }
    return true;
}

bool TBouclePrincipale::AttendRequete(std::chrono::milliseconds delai)
{
    std::unique_lock verrou(mutex_);
    return changement_.wait_for(verrou, delai, [this] { return !file_.empty(); });
}

int TBouclePrincipale::EnAttente() const
{
    const std::lock_guard verrou(mutex_);
    return static_cast<int>(file_.size());
}

void TBouclePrincipale::Arreter()
{
    const std::lock_guard verrou(mutex_);
    arretee_ = true;
    for (Requete *requete : file_)
        requete->etat = Etat::Abandonnee;
    file_.clear();
    changement_.notify_all();
}

bool TBouclePrincipale::ServirUne(steady_clock::time_point limite)
{
    std::unique_lock verrou(mutex_);
    if (!changement_.wait_until(verrou, limite, [this] { return !file_.empty(); }))
        return false;
    Requete *requete = file_.front();
    file_.pop_front();
    // Run unlocked, as the real loop would: the task may itself queue or stop things.
    verrou.unlock();
    try {
        (*requete->tache)();
    } catch (...) {
        requete->erreur = std::current_exception();
    }
    verrou.lock();
    requete->etat = Etat::Faite;
    changement_.notify_all();
    return true;
}

} // namespace tavelor
