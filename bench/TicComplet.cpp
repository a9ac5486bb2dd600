// One whole clock tick as the user sees it: the model update and every repaint it asks
// for, with every window that is on screen (offscreen platform). Before coupling (/0): the
// bench, the oscillograms and the three-phase phasors; complete wiring, 1500 rpm,
// Ie = 0.47 A, rotor aligned: every curve is drawn. Coupled (/1): the bench and the
// single-phase diagram, running as a generator at 6 N·m. The same two with the instruments
// window shown as well (/2, /3). Before coupling at 1470 rpm, where the lamps, the needle and
// the readings change at every tick, without the instruments (/4) and with them (/5).
// The counter "allocations" is the number of heap allocations per tick, whoever makes them.
#include "ProcedureBanc.h"
#include "TChronos.h"
#include "TFenetres.h"
#include "TForm1.h"

#include <QApplication>

#include <benchmark/benchmark.h>

#include <atomic>
#include <cstdlib>

namespace {
std::atomic<long> allocations{0};
}

// Counted at the C allocator, which Qt's containers use directly as well as operator new.
extern "C" void *__libc_malloc(std::size_t);
extern "C" void *__libc_calloc(std::size_t, std::size_t);
extern "C" void *__libc_realloc(void *, std::size_t);
extern "C" void *malloc(std::size_t taille)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(taille);
}
extern "C" void *calloc(std::size_t n, std::size_t taille)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(n, taille);
}
extern "C" void *realloc(void *p, std::size_t taille)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(p, taille);
}

namespace {

QApplication &Application()
{
    static int argc = 1;
    static char nom[] = "tavelor-bench";
    static char *argv[] = {nom, nullptr};
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication *application = new QApplication(argc, argv);
    return *application;
}

void TicComplet(benchmark::State &state)
{
    Application();
    tavelor::TFenetres fenetres;
    fenetres.Montre();
    QCoreApplication::processEvents();
    tavelor::TForm1 &f = *fenetres.Form1;
    // The benchmark is the clock.
    f.Chronos1->setEnable(false);
    tavelor::TModele &m = f.Modele;
    const long cas = state.range(0);
    if (cas == 1 || cas == 3) {
        tavelor::test::CoupleLeBanc(m, f.Cablage);
        m.TrackBarNChange(60);
    } else {
        tavelor::test::CableDansLOrdre(f.Cablage);
        m.TrackBarIeChange(113);
        m.TrackBarNChange(cas < 4 ? 1500 : 1470);
        m.AligneRotor();
    }
    if (cas == 2 || cas == 3 || cas == 5)
        fenetres.MontreInstruments();
    for (int i = 0; i < 400; ++i)
        m.Chronos1Timer();
    QCoreApplication::processEvents();

    const long avant = allocations.load();
    for (auto _ : state) {
        m.Chronos1Timer();
        // What the event loop does once the tick's handler returns.
        QCoreApplication::processEvents();
    }
    state.counters["allocations"] =
        benchmark::Counter(static_cast<double>(allocations.load() - avant), benchmark::Counter::kAvgIterations);
}

} // namespace

BENCHMARK(TicComplet)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);
