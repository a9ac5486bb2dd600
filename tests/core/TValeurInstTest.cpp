#include "TValeurInst.h"

#include "TCanevasEnregistreur.h"

#include <gtest/gtest.h>

#include <vector>

namespace tavelor {
namespace {

TEST(TValeurInst, CourbeVersLeHautPourLesTensionsPositives)
{
    TValeurInst trace;
    trace.Couleur = clBlue;
    trace.Echelle = 0.3;
    trace.Valeurs = {0.0, 10.0, -10.0, 5.0};

    TCanevasEnregistreur canevas;
    trace.TraceValeurs(canevas, {15, 100, 4});
    // 0.3·5 = 1.5 rounds to 2 (even).
    std::vector<TPoint> points{canevas.Segments.front().De};
    for (const auto &segment : canevas.Segments)
        points.push_back(segment.A);
    EXPECT_EQ(points, (std::vector<TPoint>{{15, 100}, {16, 97}, {17, 103}, {18, 98}}));
    EXPECT_EQ(canevas.Couleur, clBlue);
}

TEST(TValeurInst, AjouteValeurPousseLeplusAncienDehors)
{
    TValeurInst trace;
    trace.Valeurs = {1.0, 2.0};
    trace.AjouteValeur(3.0);
    trace.AjouteValeur(4.0);
    EXPECT_EQ(trace.Valeurs, (std::vector<double>{3.0, 4.0}));
}

} // namespace
} // namespace tavelor
