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

// The curves taught next to the phasor diagram, through the laws the model's update uses
// (TLoisMachine): the no-load characteristic Ev(Ie), the power against the load angle
// Pu(δ) = 3·V·Ev·sin δ / X, the V-curves I(Ie) at constant power, and the operating chart,
// P against Q. Every curve is a steady state of the lossless machine on the infinite grid,
// X = Ls·2π·f. Units as in the model: A, V, W, var, VA, rpm; angles in rad.
class TCourbesCaracteristiques {
public:
    static constexpr double IeMax = 1.60;                                        // right end of the excitation range, A
    static constexpr double PasIe = 0.005;                                       // sampling of the curves against Ie, A
    static constexpr double AngleLimite = 1.5707963267948966;                    // δ = 90°: stability limit
    static constexpr std::array PuissancesV{0.0, 500.0, 1000.0, 1500.0, 2000.0}; // W

    // Pu = 3·V·Ev·sin δ / X, W.
    static double Puissance(double Ev, double delta);
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

    // The operating chart: points (Q, P), var and W, P > 0 generating, Q > 0 over-excited.
    // S = 3·V·I, VA: with no losses, S² = P² + Q².
    static double PuissanceApparente(double I) { return 3.0 * TLoisMachine::V * I; }
    // Where every EMF circle is centred, the point of Ev = 0: Q = −3·V²/X, P = 0.
    static double CentreDiagramme() { return TLoisMachine::PuissanceReactive(0.0, 0.0); }
    // The states reachable at Ev, δ from −π to π, one point per degree: the circle of
    // radius 3·V·Ev/X about the centre, δ being the angle seen from there.
    static TCourbe CercleFem(double Ev);
    // The states of current I, one point per degree of φ from −π to π: the circle of
    // radius S about the origin.
    static TCourbe CercleCourant(double I);
    // The load angles ±δ: from the state at −δ where P = −puissanceMax, through the
    // centre, to the state at +δ where P = puissanceMax. At δ = π/2 the vertical line of
    // the stability limit. 0 < δ ≤ π/2.
    static TCourbe LieuAngleQP(double delta, double puissanceMax);
};

} // namespace tavelor
