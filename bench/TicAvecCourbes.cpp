// One whole clock tick of the program with the curves window shown: the model update,
// every repaint it asks for and the curves following it, then the repaints Qt queued.
// Coupled at 1500 rpm and 0.47 A; three cases on the V-curves: a steady machine, the
// torque bar moving at every tick (points and the curve of the present power), the
// excitation bar moving (every curve recomputed); then the same three on the operating
// chart (the point, the circle of the current, and that of Ev with the excitation).
#include "ProcedureBanc.h"
#include "TChronos.h"
#include "TFenetres.h"
#include "TForm1.h"
#include "TFormCourbes.h"

#include <QApplication>
#include <QTabWidget>

#include <benchmark/benchmark.h>

namespace {

using namespace tavelor;

enum TCas { Stable, CoupleVariable, ExcitationVariable, PQStable, PQCoupleVariable, PQExcitationVariable };

void TicAvecCourbes(benchmark::State &state)
{
    static int argc = 1;
    static char nom[] = "bench";
    static char *argv[] = {nom, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication application(argc, argv);

    // The bench shown as a user has it, its clock stopped: the loop below is the clock.
    TFenetres fenetres(CreeFormCourbes);
    fenetres.Montre();
    fenetres.Form1->Chronos1->setEnable(false);
    TModele &m = fenetres.Form1->Modele;
    tavelor::test::CoupleLeBanc(m, fenetres.Form1->Cablage);
    m.TrackBarNChange(60);
    fenetres.MontreCourbes();
    auto &courbes = static_cast<TFormCourbes &>(*fenetres.FormCourbes);
    courbes.resize(900, 640);
    const auto cas = static_cast<TCas>(state.range(0) % PQStable);
    courbes.Onglets->setCurrentIndex(state.range(0) < PQStable ? 2 : 3);
    QApplication::processEvents();

    int tic = 0;
    for (auto _ : state) {
        ++tic;
        if (cas == CoupleVariable)
            m.TrackBarNChange(60 + tic % 20);
        else if (cas == ExcitationVariable)
            m.TrackBarIeChange(100 + tic % 20);
        m.Chronos1Timer();
        QApplication::processEvents();
    }
}

} // namespace

BENCHMARK(TicAvecCourbes)->DenseRange(Stable, PQExcitationVariable)->Unit(benchmark::kMicrosecond);
