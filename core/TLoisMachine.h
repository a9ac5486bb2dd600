#pragma once

#include "Angles.h"

#include <cmath>
#include <optional>

namespace tavelor {

// One steady state of the coupled machine at load angle δ. Generator convention: the
// current leaves the stator for the grid, I = (Ev∠δ − V) / (jX), so that V + jX·I = Ev∠δ.
struct TRegimeCouple {
    double EvCos = 0.0; // Ev·cos δ, V
    double EvSin = 0.0; // Ev·sin δ, V
    double I = 0.0;     // RMS stator current, A
    double IReel = 0.0; // current phasor, in phase with V, A
    double IImag = 0.0; // current phasor, in quadrature ahead of V, A
    double Pu = 0.0;    // stator power to the grid, 3·V·IReel = 3·V·Ev·sin δ / X, W
};

// The laws of the bench's machine: a lossless, four-pole, star-connected, cylindrical-rotor
// synchronous machine on a 230 V / 50 Hz infinite grid, in steady state. The model's
// update and the characteristic curves both compute through here, so that a curve and the
// meters can never disagree. Each law is written in the order the update has always
// evaluated it: the last bits of the model's values depend on it.
// Units: V, A, W, N·m, rpm, Hz, Ω, H; angles in rad; voltages and currents are RMS phase values.
class TLoisMachine {
public:
    static constexpr double V = 230.0;  // grid phase voltage, V
    static constexpr double f = 50.0;   // grid frequency, Hz
    static constexpr double p = 2.0;    // pole pairs
    static constexpr double Ls = 0.238; // synchronous inductance per phase, H
    // ω = 2π·f = 100π, rad/s.
    static constexpr double Pulsation = 2.0 * Pi * f;
    // X = Ls·ω = 74.77 Ω.
    static constexpr double Reactance = Ls * Pulsation;
    // The speed at which the rotor turns with the grid's field: Ns = 60·f/p, rpm.
    static constexpr double NSynchrone = 60.0 * f / p;

    // No-load characteristic taken at synchronous speed (1500 rpm), the EMF proportional to the speed:
    // Ev = (6.717 + 471.9·Ie + 418.2·Ie² − 1236·Ie³ + 868.8·Ie⁴ − 200.7·Ie⁵)·N/Ns; Ie in A, N in rpm, Ev in V.
    static double FemAVide(double Ie, double N);

    // Electrical angular speed of the rotor at N rpm: π·p·N/30, rad/s.
    static double PulsationRotor(double N) { return Pi * p * N / 30.0; }

    // Mechanical power of the torque Cm (N·m) at N rpm: Pa = π·Cm·N/30, W.
    static double PuissanceMecanique(double Cm, double N) { return Pi * Cm * N / 30.0; }

    // The torque whose mechanical power at N rpm is P: Cm = 30·P/(π·N), N·m; N ≠ 0.
    static double CoupleMecanique(double P, double N) { return 30.0 * P / Pi / N; }

    // sin δ from the power balance at synchronous speed, Cm·ω/p = 3·V·Ev·sin δ / X, that is
    // sin δ = ω²·Ls·Cm / (p·3·V·Ev). Beyond ±1 no load angle carries the torque.
    static double SinusAngleInterne(double Cm, double Ev)
    {
        return Pulsation * Pulsation * Ls * Cm / (p * 3.0 * V * Ev);
    }

    // The load angle δ in [−π/2, π/2] that carries the drive torque Cm at Ev, or nothing
    // when synchronism is lost: |sin δ| > 1, or Ev = 0 where no angle balances any torque.
    static std::optional<double> AngleInterne(double Cm, double Ev)
    {
        // Ev = 0 would give 0/0 or an infinite sine: the meters must never see either.
        if (Ev == 0.0)
            return std::nullopt;
        const double s = SinusAngleInterne(Cm, Ev);
        if (std::abs(s) > 1.0)
            return std::nullopt;
        return std::asin(s);
    }

    // Current and power at Ev (V) with load angle δ; I = |Ev∠δ − V| / X.
    static TRegimeCouple Regime(double Ev, double delta)
    {
        TRegimeCouple r;
        r.EvCos = Ev * std::cos(delta);
        r.EvSin = Ev * std::sin(delta);
        r.I = std::sqrt((r.EvCos - V) * (r.EvCos - V) + r.EvSin * r.EvSin) / Reactance;
        r.IReel = r.EvSin / Reactance;
        r.IImag = -(r.EvCos - V) / Reactance;
        r.Pu = 3.0 * V * r.IReel;
        return r;
    }

    // Reactive power supplied to the grid at Ev (V) and load angle δ:
    // Q = 3·V·(Ev·cos δ − V) / X, var; positive when the machine is over-excited.
    static double PuissanceReactive(double Ev, double delta)
    {
        return 3.0 * V * (Ev * std::cos(delta) - V) / Reactance;
    }

    // Line voltage of a balanced star of phase voltage Vs: U = √3·Vs, V (the grid's 230 V
    // make 398 V between lines, which the bench rounds to 400 V).
    static double TensionComposee(double Vs) { return std::sqrt(3.0) * Vs; }

    // Power at the stability limit δ = ±π/2: Pmax = 3·V·Ev / X, W.
    static double PuissanceMax(double Ev) { return 3.0 * V * Ev / Reactance; }
};

} // namespace tavelor
