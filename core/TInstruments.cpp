#include "TInstruments.h"

#include "TCablage.h"
#include "TModele.h"
#include "TNbComplexe.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace tavelor {

using L = TLoisMachine;

TLampe TInstruments::Lampe(const TNbComplexe &stator, const TNbComplexe &reseau)
{
    TLampe lampe;
    lampe.Raccordee = true;
    lampe.U = std::hypot(stator.Reel - reseau.Reel, stator.Imag - reseau.Imag);
    lampe.Eclat = std::min(1.0, (lampe.U / UnLampe) * (lampe.U / UnLampe));
    lampe.Allumee = lampe.U >= SeuilLampe * UnLampe;
    return lampe;
}

TSynchronisation TInstruments::Synchronisation(const TModele &modele, const TCablage &cablage)
{
    TSynchronisation s;
    for (int k = 1; k <= 3; ++k) {
        const int j = modele.Connexion[static_cast<std::size_t>(k - 1)];
        if (j >= 1 && j <= 3)
            s.Lampes[static_cast<std::size_t>(k - 1)] = Lampe(modele.PhaseurStator(k), modele.PhaseurReseau(j));
    }
    const TEcartsCouplage e = TCouplage::Ecarts(modele, cablage.OrdreConstate());
    s.Theta1 = e.Theta1;
    s.FMachine = L::p * modele.N / 60.0;
    s.EcartFrequence = e.EcartFrequence;
    s.Sens = s.EcartFrequence > 0.0 ? 1 : s.EcartFrequence < 0.0 ? -1 : 0;
    s.VMachine = modele.Ev;
    s.EcartTension = e.EcartTension;
    s.Ordre = e.Ordre;
    s.Conditions = TCouplage::Conditions(e);
    return s;
}

TPuissances TInstruments::Puissances(const TModele &modele)
{
    TPuissances p;
    p.P = modele.Pu;
    p.Q = L::PuissanceReactive(modele.Ev, modele.delta);
    p.S = 3.0 * L::V * modele.I;
    if (p.S > 0.0)
        p.CosPhi = std::abs(p.P) / p.S;
    p.Delta = modele.delta;
    p.Fonctionnement = Fonctionnement(p.P, p.Q, p.S);
    return p;
}

TBilanCouplage TInstruments::Bilan(const TReleveFermeture &releve)
{
    TBilanCouplage b;
    b.Numero = releve.Numero;
    b.Ecarts = releve.Ecarts;
    b.Conditions = TCouplage::Conditions(releve.Ecarts);
    b.Verdict = Verdict(b.Conditions);
    return b;
}

TFonctionnement TInstruments::Fonctionnement(double P, double Q, double S)
{
    TFonctionnement f;
    f.Marche = std::abs(P) <= PartActiveCompensateur * S ? TMarche::Compensateur
               : P > 0.0                                 ? TMarche::Alternateur
                                                         : TMarche::Moteur;
    f.Excitation = std::abs(Q) < PuissanceNulle ? TExcitation::Normale
                   : Q > 0.0                    ? TExcitation::Surexcitee
                                                : TExcitation::SousExcitee;
    // A compensator is a motor without load: it is told as a receptor, capacitive
    // (leading) when over-excited.
    f.Convention = f.Marche == TMarche::Alternateur ? TConvention::Generateur : TConvention::Recepteur;
    // Counted leaving the machine, a current that supplies reactive power lags V; counted
    // entering it, the reactive power received is −Q and lags when positive.
    const int fournie = f.Excitation == TExcitation::Surexcitee ? 1 : f.Excitation == TExcitation::SousExcitee ? -1 : 0;
    f.Retard = f.Convention == TConvention::Generateur ? fournie : -fournie;
    return f;
}

std::string TInstruments::NomFonctionnement(const TFonctionnement &fonctionnement)
{
    std::string nom = fonctionnement.Marche == TMarche::Alternateur ? "alternateur"
                      : fonctionnement.Marche == TMarche::Moteur    ? "moteur"
                                                                    : "compensateur synchrone";
    if (fonctionnement.Excitation == TExcitation::SousExcitee)
        nom += ", sous-excitée";
    else if (fonctionnement.Excitation == TExcitation::Surexcitee)
        nom += ", surexcitée";
    return nom;
}

std::string TInstruments::NomConvention(TConvention convention)
{
    return convention == TConvention::Generateur ? "convention générateur" : "convention récepteur";
}

std::string TInstruments::Verdict(const TConditionsCouplage &conditions)
{
    if (conditions.Remplies())
        return "Couplage dans de bonnes conditions";
    std::vector<const char *> manquees;
    if (!conditions.Ordre)
        manquees.push_back("même ordre des phases");
    if (!conditions.Frequence)
        manquees.push_back("même fréquence");
    if (!conditions.Tension)
        manquees.push_back("même tension");
    if (!conditions.Phase)
        manquees.push_back("en phase");
    std::string texte = "Couplage brutal\u00a0: ";
    for (std::size_t i = 0; i < manquees.size(); ++i) {
        if (i > 0)
            texte += i + 1 == manquees.size() ? " et " : ", ";
        texte += manquees[i];
    }
    texte += manquees.size() > 1 ? " non remplies" : " non remplie";
    return texte;
}

} // namespace tavelor
