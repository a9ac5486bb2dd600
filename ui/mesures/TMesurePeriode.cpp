#include "TMesurePeriode.h"

#include "TChronos.h"
#include "TMesureAffichage.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

namespace tavelor {

namespace {
// The first ticks follow the start-up's paints and font loading, not the steady state.
constexpr int TicsMiseEnTrain = 20;
} // namespace

struct TMesurePeriode::TEtat {
    TNotifyEvent Gestionnaire;
    int Attendus = 0;
    int Ignores = 0;
    std::vector<std::pair<std::int64_t, std::int64_t>> Tics; // start, end of each handling
};

TMesurePeriode::TMesurePeriode(TChronos &chronos, int tics) : Etat(std::make_shared<TEtat>())
{
    Etat->Gestionnaire = chronos.OnTimer();
    Etat->Attendus = tics;
    Etat->Tics.reserve(static_cast<std::size_t>(tics));
    chronos.setOnTimer([etat = Etat](void *emetteur) {
        const std::int64_t debut = TMesureAffichage::Maintenant();
        etat->Gestionnaire(emetteur);
        const std::int64_t fin = TMesureAffichage::Maintenant();
        if (etat->Ignores < TicsMiseEnTrain) {
            ++etat->Ignores;
            return;
        }
        if (static_cast<int>(etat->Tics.size()) == etat->Attendus)
            return;
        etat->Tics.emplace_back(debut, fin);
        if (static_cast<int>(etat->Tics.size()) < etat->Attendus)
            return;
        for (const auto &[d, f] : etat->Tics)
            std::printf("tic %lld %lld\n", static_cast<long long>(d), static_cast<long long>(f));
        std::printf("vmhwm %ld\n", TMesureAffichage::PicMemoire());
        std::fflush(stdout);
        QCoreApplication::exit(0);
    });
}

} // namespace tavelor
