#pragma once

#include "TLoisMachine.h"

#include <array>
#include <optional>
#include <vector>

namespace tavelor {

struct TPointCourbe {
    double X = 0.0;
    double Y = 0.0;
};

using TCourbe = std::vector<TPointCourbe>;

// The three families of curves taught next to the phasor diagram, through the laws the
// model's update uses (TLoisMachine): the no-load characteristic Ev(Ie), the power against
// the load angle Pu(δ) = 3·V·Ev·sin δ / X, and the V-curves I(Ie) at constant power. Every
// curve is a steady state of the lossless machine on the infinite grid, X = Ls·2π·f.
// Units as in the model: A, V, W, rpm; angles in rad.
class TCourbesCaracteristiques {
public:
    static constexpr double IeMax = 1.60;                                        // right end of the excitation range, A
    static constexpr double NSynchrone = TLoisMachine::NSynchrone;               // 60·f/p, rpm
    static constexpr double PasIe = 0.005;                                       // sampling of the curves against Ie, A
    static constexpr double AngleLimite = 1.5707963267948966;                    // δ = 90°: stability limit
    static constexpr std::array PuissancesV{0.0, 500.0, 1000.0, 1500.0, 2000.0}; // W

    // X = Ls·2π·f, Ω.
    static double Reactance() { return TLoisMachine::Reactance; }
    // Pu = 3·V·Ev·sin δ / X, W.
    static double Puissance(double Ev, double delta);
    static double PuissanceMax(double Ev) { return TLoisMachine::PuissanceMax(Ev); }
    // Pmax over the mechanical angular speed π·N/30; 0 at standstill. N·m.
    static double CoupleMax(double Ev, double N);
    // Stator current when the machine delivers Pu (either sign) at Ev, or nothing where
    // no load angle balances it (|sin δ| > 1). Only |Pu| matters.
    static std::optional<double> CourantAPuissance(double Ev, double Pu);
    // Stator current at Ev with load angle δ.
    static double CourantAAngle(double Ev, double delta);

    // (Ie, Ev) for Ie from 0 to IeMax at speed N.
    static TCourbe CaracteristiqueAVide(double N);
    // The top of that characteristic, V: the polynomial bends down before IeMax.
    static double FemMaximale(double N);
    // (δ, Pu) for δ from −π to π, one point per degree.
    static TCourbe PuissanceAngle(double Ev);
    // (Ie, I) at constant |Pu| and speed N, only where the machine is stable. The exact
    // points where the curve meets the stability limit and its minimum (unity power
    // factor, Ev·cos δ = V) are included.
    static TCourbe CourbeV(double Pu, double N);
    // (Ie, I) where the load angle is δ, from Ie = 0 until the power at that angle
    // reaches puissanceMax.
    static TCourbe LieuAngle(double delta, double N, double puissanceMax);
};

} // namespace tavelor
