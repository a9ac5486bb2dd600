#include "TCourbesCaracteristiques.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace tavelor {

namespace {

constexpr double V = TLoisMachine::V;

int NombrePas()
{
    return static_cast<int>(std::lround(TCourbesCaracteristiques::IeMax / TCourbesCaracteristiques::PasIe));
}

// The point of [a, b] where condition changes from its value at a (it differs at b).
double Frontiere(double a, double b, const std::function<bool(double)> &condition)
{
    const bool auDebut = condition(a);
    for (int i = 0; i < 60; ++i) {
        const double milieu = 0.5 * (a + b);
        (condition(milieu) == auDebut ? a : b) = milieu;
    }
    return b;
}

} // namespace

double TCourbesCaracteristiques::Puissance(double Ev, double delta)
{
    return TLoisMachine::Regime(Ev, delta).Pu;
}

double TCourbesCaracteristiques::CoupleMax(double Ev, double N)
{
    return N != 0.0 ? TLoisMachine::CoupleMecanique(TLoisMachine::PuissanceMax(Ev), N) : 0.0;
}

std::optional<double> TCourbesCaracteristiques::CourantAPuissance(double Ev, double Pu)
{
    if (Ev <= 0.0)
        return Pu == 0.0 ? std::optional(V / TLoisMachine::Reactance) : std::nullopt;
    // Coupled, the shaft turns at synchronous speed: Pu is the drive's power there.
    const std::optional<double> delta =
        TLoisMachine::AngleInterne(TLoisMachine::CoupleMecanique(std::abs(Pu), TLoisMachine::NSynchrone), Ev);
    if (!delta)
        return std::nullopt;
    return CourantAAngle(Ev, *delta);
}

double TCourbesCaracteristiques::CourantAAngle(double Ev, double delta)
{
    return TLoisMachine::Regime(Ev, delta).I;
}

TCourbe TCourbesCaracteristiques::CaracteristiqueAVide(double N)
{
    TCourbe courbe;
    courbe.reserve(static_cast<std::size_t>(NombrePas()) + 1);
    for (int k = 0; k <= NombrePas(); ++k) {
        const double Ie = k * PasIe;
        courbe.push_back({Ie, TLoisMachine::FemAVide(Ie, N)});
    }
    return courbe;
}

double TCourbesCaracteristiques::FemMaximale(double N)
{
    double Ev = 0.0;
    for (const TPointCourbe &point : CaracteristiqueAVide(N))
        Ev = std::max(Ev, point.Y);
    return Ev;
}

TCourbe TCourbesCaracteristiques::PuissanceAngle(double Ev)
{
    TCourbe courbe;
    courbe.reserve(361);
    for (int degre = -180; degre <= 180; ++degre) {
        const double delta = Radians(degre);
        courbe.push_back({delta, Puissance(Ev, delta)});
    }
    return courbe;
}

TCourbe TCourbesCaracteristiques::CourbeV(double Pu, double N)
{
    const auto courant = [&](double Ie) { return CourantAPuissance(TLoisMachine::FemAVide(Ie, N), Pu); };
    const auto stable = [&](double Ie) { return courant(Ie).has_value(); };
    // Unity power factor: Ev·sin δ is fixed by the power, and Ev·cos δ = V there.
    const double EvMinimum = std::hypot(V, std::abs(Pu) * TLoisMachine::Reactance / (3.0 * V));
    const auto auDelaDuMinimum = [&](double Ie) { return TLoisMachine::FemAVide(Ie, N) >= EvMinimum; };

    TCourbe courbe;
    courbe.reserve(static_cast<std::size_t>(NombrePas()) + 3);
    const auto ajoute = [&](double Ie) {
        if (const std::optional<double> I = courant(Ie))
            courbe.push_back({Ie, *I});
    };
    // Each sample is computed once: the curve follows a moving power at every tick.
    std::optional<double> IPrecedent;
    bool auDelaPrecedent = false;
    for (int k = 0; k <= NombrePas(); ++k) {
        const double Ie = k * PasIe;
        const std::optional<double> I = courant(Ie);
        const bool auDela = auDelaDuMinimum(Ie);
        if (k > 0) {
            // Exact ends and minimum between two samples, so that the cut at the
            // stability limit and the bottom of the V do not depend on the sampling.
            const double precedent = (k - 1) * PasIe;
            if (I.has_value() != IPrecedent.has_value())
                ajoute(I ? Frontiere(precedent, Ie, stable) : Frontiere(Ie, precedent, stable));
            if (auDela != auDelaPrecedent)
                ajoute(Frontiere(precedent, Ie, auDelaDuMinimum));
        }
        if (I)
            courbe.push_back({Ie, *I});
        IPrecedent = I;
        auDelaPrecedent = auDela;
    }
    return courbe;
}

TCourbe TCourbesCaracteristiques::LieuAngle(double delta, double N, double puissanceMax)
{
    TCourbe courbe;
    for (int k = 0; k <= NombrePas(); ++k) {
        const double Ie = k * PasIe;
        const double Ev = TLoisMachine::FemAVide(Ie, N);
        if (std::abs(Puissance(Ev, delta)) > puissanceMax && !courbe.empty()) {
            const double fin = Frontiere(courbe.back().X, Ie, [&](double x) {
                return std::abs(Puissance(TLoisMachine::FemAVide(x, N), delta)) > puissanceMax;
            });
            courbe.push_back({fin, CourantAAngle(TLoisMachine::FemAVide(fin, N), delta)});
            break;
        }
        courbe.push_back({Ie, CourantAAngle(Ev, delta)});
    }
    return courbe;
}

TCourbe TCourbesCaracteristiques::CercleFem(double Ev)
{
    TCourbe courbe;
    courbe.reserve(361);
    for (int degre = -180; degre <= 180; ++degre) {
        const double delta = Radians(degre);
        courbe.push_back({TLoisMachine::PuissanceReactive(Ev, delta), Puissance(Ev, delta)});
    }
    return courbe;
}

TCourbe TCourbesCaracteristiques::CercleCourant(double I)
{
    const double S = PuissanceApparente(I);
    TCourbe courbe;
    courbe.reserve(361);
    for (int degre = -180; degre <= 180; ++degre) {
        const double phi = Radians(degre);
        courbe.push_back({S * std::cos(phi), S * std::sin(phi)});
    }
    return courbe;
}

TCourbe TCourbesCaracteristiques::LieuAngleQP(double delta, double puissanceMax)
{
    // Along a load angle, P and Q − Q(0) grow in proportion to Ev.
    const double Ev = puissanceMax / TLoisMachine::PuissanceMax(1.0) / std::sin(delta);
    return {{TLoisMachine::PuissanceReactive(Ev, -delta), Puissance(Ev, -delta)},
            {CentreDiagramme(), 0.0},
            {TLoisMachine::PuissanceReactive(Ev, delta), Puissance(Ev, delta)}};
}

} // namespace tavelor
