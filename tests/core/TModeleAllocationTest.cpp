#include "TCablage.h"
#include "TModele.h"

#include "TVueNulle.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <new>

// Every heap allocation of the test executable goes through here and is counted.
namespace {
std::atomic<long> allocations{0};

void *Alloue(std::size_t taille)
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    if (void *p = std::malloc(taille == 0 ? 1 : taille))
        return p;
    throw std::bad_alloc();
}
} // namespace

void *operator new(std::size_t taille)
{
    return Alloue(taille);
}
void *operator new[](std::size_t taille)
{
    return Alloue(taille);
}
void *operator new(std::size_t taille, const std::nothrow_t &) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(taille == 0 ? 1 : taille);
}
void *operator new[](std::size_t taille, const std::nothrow_t &) noexcept
{
    allocations.fetch_add(1, std::memory_order_relaxed);
    return std::malloc(taille == 0 ? 1 : taille);
}
void operator delete(void *p) noexcept
{
    std::free(p);
}
void operator delete[](void *p) noexcept
{
    std::free(p);
}
void operator delete(void *p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete[](void *p, std::size_t) noexcept
{
    std::free(p);
}
void operator delete(void *p, const std::nothrow_t &) noexcept
{
    std::free(p);
}
void operator delete[](void *p, const std::nothrow_t &) noexcept
{
    std::free(p);
}

namespace tavelor {
namespace {

using enum TBorne;

TEST(TModeleAllocation, AucuneAllocationParTic)
{
    TVueNulle vue;
    TModele modele{vue};
    TCablage cablage{modele, vue};
    cablage.PreparerAffichage(0.75, {});
    modele.PreparerAffichage({});
    for (TBorne borne : {ShapeS1, ShapeR1, ShapeS2, ShapeR2, ShapeS3, ShapeR3})
        cablage.ShapeS1MouseUp(borne);
    modele.TrackBarIeChange(113);
    modele.TrackBarNChange(1500);
    modele.MiseAJourModele();

    // The counter does see allocations.
    const long temoin = allocations.load();
    ::operator delete(::operator new(sizeof(double)));
    ASSERT_EQ(allocations.load(), temoin + 1);

    int ticsCouples = 0;
    int ticsEnAlerte = 0;
    const long avant = allocations.load();
    for (int tic = 0; tic < 10000; ++tic) {
        // Uncoupled, coupled, warning, loss of synchronism, and back: every path of the update.
        switch (tic % 2000) {
        case 500:
            modele.AligneRotor();
            break;
        case 501:
            cablage.BitBtnFermeInterClick();
            break;
        case 800:
            modele.TrackBarNChange(100);
            break;
        case 1100:
            modele.TrackBarNChange(134);
            break;
        case 1400:
            modele.TrackBarNChange(140);
            break;
        case 1401:
            modele.TrackBarNChange(1500);
            break;
        default:
            break;
        }
        modele.Chronos1Timer();
        ticsCouples += modele.Couplage ? 1 : 0;
        ticsEnAlerte += modele.ClignotantActif() ? 1 : 0;
    }
    const long pendant = allocations.load() - avant;

    EXPECT_EQ(pendant, 0);
    // The paths above were really taken: coupled from tick 501 to 1400 of each cycle,
    // warning from 1100, then opened by the protective device.
    EXPECT_EQ(ticsCouples, 5 * 899);
    EXPECT_EQ(ticsEnAlerte, 5 * 300);
    EXPECT_FALSE(modele.Couplage);
    EXPECT_EQ(modele.TrackBarN.Position, 1500);
}

} // namespace
} // namespace tavelor
