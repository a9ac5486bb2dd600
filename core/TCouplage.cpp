#include "TCouplage.h"

#include "Fixed.h"
#include "TModele.h"

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <vector>

namespace tavelor {

namespace {

// Decimals of each gap as the instruments write it.
constexpr int DecimalesFrequence = 2;
constexpr int DecimalesTension = 1;
constexpr int DecimalesAngle = 1;

// |ecart| ≤ tolerance, both as written with that many decimals.
bool Dans(double ecart, double tolerance, int decimales)
{
    return std::isfinite(ecart) &&
           std::llabs(UnitesAffichees(ecart, decimales)) <= UnitesAffichees(tolerance, decimales);
}

std::string Nombre(double x, int decimales)
{
    return Fixed(x, 15, decimales, ",");
}

} // namespace

TOrdreConstate TCouplage::Ordre(const std::array<int, 3> &connexion)
{
    std::array<int, 3> triees = connexion;
    std::sort(triees.begin(), triees.end());
    if (triees != std::array<int, 3>{1, 2, 3})
        return TOrdreConstate::CablageIncomplet;
    const int decalage = (connexion[0] - 1 + 3) % 3;
    for (int k = 0; k < 3; ++k)
        if (connexion[static_cast<std::size_t>(k)] - 1 != (k + decalage) % 3)
            return TOrdreConstate::Inverse;
    return TOrdreConstate::Identique;
}

TEcartsCouplage TCouplage::Ecarts(const TModele &modele)
{
    TEcartsCouplage e;
    e.Ordre = Ordre(modele.Connexion);
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
    TConditionsCouplage c;
    c.Ordre = ecarts.Ordre == TOrdreConstate::Identique;
    c.Frequence = Dans(ecarts.EcartFrequence, ToleranceFrequence, DecimalesFrequence);
    c.Tension = Dans(ecarts.EcartTension, ToleranceTension, DecimalesTension);
    c.Phase = ecarts.Theta1 && Dans(Degres(*ecarts.Theta1), Degres(TolerancePhase), DecimalesAngle);
    return c;
}

std::string TCouplage::NonRemplies(const TConditionsCouplage &conditions)
{
    std::vector<const char *> manquees;
    if (!conditions.Ordre)
        manquees.push_back("même ordre des phases");
    if (!conditions.Frequence)
        manquees.push_back("même fréquence");
    if (!conditions.Tension)
        manquees.push_back("même tension");
    if (!conditions.Phase)
        manquees.push_back("en phase");
    std::string texte = "Conditions non remplies\u00a0: ";
    for (std::size_t i = 0; i < manquees.size(); ++i) {
        if (i > 0)
            texte += i + 1 == manquees.size() ? " et " : ", ";
        texte += manquees[i];
    }
    return texte;
}

std::string TCouplage::Refus(const TEcartsCouplage &ecarts, const TConditionsCouplage &conditions)
{
    std::string texte = NonRemplies(conditions) + ".";
    const auto ligne = [&](const char *nom, const std::string &constat) {
        texte += std::string("\n– ") + nom + "\u00a0: " + constat;
    };
    const auto ecart = [](double x, double tolerance, int decimales, const char *unite) {
        return "écart " + Nombre(x, decimales) + unite + ", au plus ±" + Nombre(tolerance, decimales) + unite;
    };
    if (!conditions.Ordre)
        ligne("même ordre des phases", ecarts.Ordre == TOrdreConstate::Inverse ? "ordre inversé" : "câblage incomplet");
    if (!conditions.Frequence)
        ligne("même fréquence", ecart(ecarts.EcartFrequence, ToleranceFrequence, DecimalesFrequence, "\u00a0Hz"));
    if (!conditions.Tension)
        ligne("même tension", ecart(ecarts.EcartTension, ToleranceTension, DecimalesTension, "\u00a0V"));
    if (!conditions.Phase)
        ligne("en phase", ecarts.Theta1 ? ecart(Degres(*ecarts.Theta1), Degres(TolerancePhase), DecimalesAngle, "°")
                                        : "aucune tension à comparer");
    return texte;
}

} // namespace tavelor
