#include "TLoisMachine.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>

namespace tavelor {
namespace {

using L = TLoisMachine;

constexpr double pi = std::numbers::pi;

// Every state the laws give closes the phasor diagram, V + jX·I = Ev∠δ, and balances the
// drive's power at synchronous speed against the stator's.
TEST(TLoisMachineTest, LeRegimeFermeLeDiagrammeEtEquilibreLesPuissances)
{
    for (const double Ev : {6.717, 115.0, 230.0, 300.0, 358.97}) {
        for (const double Cm : {-13.0, -4.5, 0.0, 0.1, 7.0, 13.0}) {
            const std::optional<double> delta = L::AngleInterne(Cm, Ev);
            if (!delta) {
                // Refused only beyond the stability limit.
                EXPECT_GT(std::abs(L::PuissanceMecanique(Cm, L::NSynchrone)), L::PuissanceMax(Ev)) << Ev << " " << Cm;
                continue;
            }
            const TRegimeCouple r = L::Regime(Ev, *delta);
            EXPECT_NEAR(L::V - L::Reactance * r.IImag, Ev * std::cos(*delta), 1e-9) << Ev << " " << Cm;
            EXPECT_NEAR(L::Reactance * r.IReel, Ev * std::sin(*delta), 1e-9) << Ev << " " << Cm;
            EXPECT_NEAR(r.I, std::hypot(r.IReel, r.IImag), 1e-12) << Ev << " " << Cm;
            EXPECT_NEAR(r.Pu, L::PuissanceMecanique(Cm, L::NSynchrone), 1e-9) << Ev << " " << Cm;
            EXPECT_NEAR(L::CoupleMecanique(r.Pu, L::NSynchrone), Cm, 1e-12) << Ev << " " << Cm;
        }
    }
    // The generator example worked by hand: 47.74°, 2.489 A, 1570.8 W.
    const double delta = *L::AngleInterne(10.0, 230.0);
    EXPECT_NEAR(delta * 180.0 / pi, 47.74, 0.005);
    EXPECT_NEAR(L::Regime(230.0, delta).I, 2.489, 5e-4);
    EXPECT_NEAR(L::Regime(230.0, delta).Pu, 1570.8, 0.05);
    // At synchronous speed the rotor turns with the grid.
    EXPECT_DOUBLE_EQ(L::PulsationRotor(L::NSynchrone), L::Pulsation);
}

TEST(TLoisMachineTest, AngleInterneAuxLimites)
{
    // At the limit itself the machine holds, at 90°; a hair beyond it is lost.
    const double CmLimite = L::CoupleMecanique(L::PuissanceMax(230.0), L::NSynchrone);
    EXPECT_NEAR(CmLimite, 13.5123, 5e-5);
    EXPECT_NEAR(std::abs(*L::AngleInterne(-CmLimite * (1 - 1e-12), 230.0)), pi / 2, 2e-6);
    EXPECT_FALSE(L::AngleInterne(CmLimite * (1 + 1e-9), 230.0).has_value());
    EXPECT_FALSE(L::AngleInterne(-CmLimite * (1 + 1e-9), 230.0).has_value());
    // At Ev = 0 no angle carries a torque, not even none: 0/0 must not come out as an angle.
    EXPECT_FALSE(L::AngleInterne(0.0, 0.0).has_value());
    EXPECT_FALSE(L::AngleInterne(5.0, 0.0).has_value());
}

} // namespace
} // namespace tavelor
