#include "TCouplage.h"

#include "TModele.h"

#include <cmath>
#include <cstddef>

namespace tavelor {

namespace {

// |x| in steps of `pas`, rounded as the reading shows it.
long Pas(double x, double pas)
{
    return std::lround(std::abs(x) / pas);
}

} // namespace

TEcartsCouplage TCouplage::Ecarts(const TModele &modele, TOrdreConstate ordre)
{
    TEcartsCouplage e;
    e.Ordre = ordre;
    // From the speed's gap, not from the difference of two frequencies: 1503 rpm is then
    // exactly 0.1 Hz, on the tolerance's edge.
    e.EcartFrequence = TLoisMachine::p * (modele.N - TLoisMachine::NSynchrone) / 60.0;
    e.EcartTension = modele.Ev - TLoisMachine::V;
    const int j1 = modele.Connexion[0];
    if (j1 >= 1 && j1 <= 3 && modele.VS1.Module() > 0.0)
        e.Theta1 = std::remainder(modele.VS1.Argument() - modele.PhaseurReseau(j1).Argument(), 2.0 * Pi);
    return e;
}

TConditionsCouplage TCouplage::Conditions(const TEcartsCouplage &ecarts)
{
    // Judged on the gaps as the instruments show them (0.01 Hz, 0.1 V, 0.1°): a gap read
    // at the tolerance is within it, whatever the digits beyond the reading say.
    TConditionsCouplage c;
    c.Ordre = ecarts.Ordre == TOrdreConstate::Identique;
    c.Frequence = Pas(ecarts.EcartFrequence, 0.01) <= Pas(ToleranceFrequence, 0.01);
    c.Tension = Pas(ecarts.EcartTension, 0.1) <= Pas(ToleranceTension, 0.1);
    c.Phase = ecarts.Theta1 && Pas(Degres(*ecarts.Theta1), 0.1) <= Pas(Degres(TolerancePhase), 0.1);
    return c;
}

} // namespace tavelor
