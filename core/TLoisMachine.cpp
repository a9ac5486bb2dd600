#include "TLoisMachine.h"

#include <cmath>
#include <numbers>

namespace tavelor {

static_assert(TLoisMachine::Pulsation == 2.0 * std::numbers::pi * TLoisMachine::f);

double TLoisMachine::PulsationRotor(double N)
{
    return std::numbers::pi * p * N / 30.0;
}

double TLoisMachine::PuissanceMecanique(double Cm, double N)
{
    return std::numbers::pi * Cm * N / 30.0;
}

double TLoisMachine::CoupleMecanique(double P, double N)
{
    return 30.0 * P / std::numbers::pi / N;
}

double TLoisMachine::FemAVide(double Ie, double N)
{
    // The characteristic was taken at synchronous speed.
    const double Ie2 = Ie * Ie;
    const double Ie3 = Ie2 * Ie;
    const double Ie4 = Ie3 * Ie;
    const double Ie5 = Ie4 * Ie;
    return (6.717 + 471.9 * Ie + 418.2 * Ie2 - 1236.0 * Ie3 + 868.8 * Ie4 - 200.7 * Ie5) * N / NSynchrone;
}

std::optional<double> TLoisMachine::AngleInterne(double Cm, double Ev)
{
    // Ev = 0 would give 0/0 or an infinite sine: the meters must never see either.
    if (Ev == 0.0)
        return std::nullopt;
    const double s = SinusAngleInterne(Cm, Ev);
    if (std::abs(s) > 1.0)
        return std::nullopt;
    return std::asin(s);
}

TRegimeCouple TLoisMachine::Regime(double Ev, double delta)
{
    TRegimeCouple r;
    r.EvCos = Ev * std::cos(delta);
    r.EvSin = Ev * std::sin(delta);
    const double X = Reactance;
    r.I = std::sqrt((r.EvCos - V) * (r.EvCos - V) + r.EvSin * r.EvSin) / X;
    r.IReel = r.EvSin / X;
    r.IImag = -(r.EvCos - V) / X;
    r.Pu = 3.0 * V * r.IReel;
    return r;
}

} // namespace tavelor
