// One model update as a clock tick runs it: six phasors, nine history shifts, uncoupled,
// complete wiring, 1500 rpm, Ie = 0.47 A, and no windows to tell.
#include "TCablage.h"
#include "TModele.h"
#include "TVueNulle.h"

#include <benchmark/benchmark.h>

namespace {

using tavelor::TBorne;

void MiseAJourModele(benchmark::State &state)
{
    tavelor::TVueNulle vue;
    tavelor::TModele modele{vue};
    tavelor::TCablage cablage{modele, vue};
    cablage.PreparerAffichage(0.75, {});
    modele.PreparerAffichage({});
    for (TBorne borne :
         {TBorne::ShapeS1, TBorne::ShapeR1, TBorne::ShapeS2, TBorne::ShapeR2, TBorne::ShapeS3, TBorne::ShapeR3})
        cablage.ShapeS1MouseUp(borne);
    modele.TrackBarIeChange(113);
    modele.TrackBarNChange(1500);

    for (auto _ : state) {
        modele.MiseAJourModele();
        benchmark::DoNotOptimize(modele.vK3.Valeurs.back());
    }
}

} // namespace

BENCHMARK(MiseAJourModele);
