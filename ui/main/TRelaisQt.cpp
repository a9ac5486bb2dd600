#include "TRelaisQt.h"

#include <QMetaObject>

#include <condition_variable>
#include <exception>
#include <mutex>

namespace tavelor {

struct TRelaisQt::TEtat {
    std::mutex Verrou;
    std::condition_variable Fin;
    QObject *Contexte = nullptr; // null once stopped
};

namespace {

struct TRequete {
    std::function<void()> Tache;
    std::exception_ptr Erreur;
    bool Terminee = false;
};

} // namespace

TRelaisQt::TRelaisQt(QObject *contexte) : Etat(std::make_shared<TEtat>())
{
    Etat->Contexte = contexte;
}

void TRelaisQt::Synchronise(const std::function<void()> &tache)
{
    auto requete = std::make_shared<TRequete>();
    requete->Tache = tache;
    std::unique_lock verrou(Etat->Verrou);
    if (!Etat->Contexte)
        return;
    // Posting is thread-safe; the lock only keeps Contexte alive against Arreter().
    QMetaObject::invokeMethod(
        Etat->Contexte,
        [etat = Etat, requete] {
            {
                std::lock_guard garde(etat->Verrou);
                if (!etat->Contexte)
                    return;
            }
            try {
                requete->Tache();
            } catch (...) {
                requete->Erreur = std::current_exception();
            }
            std::lock_guard garde(etat->Verrou);
            requete->Terminee = true;
            etat->Fin.notify_all();
        },
        Qt::QueuedConnection);
    Etat->Fin.wait(verrou, [&] { return requete->Terminee || !Etat->Contexte; });
    if (requete->Terminee && requete->Erreur)
        std::rethrow_exception(requete->Erreur);
}

void TRelaisQt::Arreter()
{
    std::lock_guard garde(Etat->Verrou);
    Etat->Contexte = nullptr;
    Etat->Fin.notify_all();
}

} // namespace tavelor
