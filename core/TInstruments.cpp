#include "TInstruments.h"

#include "TCablage.h"
#include "TModele.h"
#include "TNbComplexe.h"

#include <algorithm>
#include <cmath>

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
    // Pole k joins the terminal Sk, behind which lies the stator phase drawn at show time.
    const std::array<TBorne, 3> poles{TBorne::ShapeS1, TBorne::ShapeS2, TBorne::ShapeS3};
    for (std::size_t pole = 0; pole < poles.size(); ++pole) {
        const int k = cablage.Tag(poles[pole]);
        const int j = modele.Connexion[static_cast<std::size_t>(k - 1)];
        if (j >= 1 && j <= 3)
            s.Lampes[pole] = Lampe(modele.PhaseurStator(k), modele.PhaseurReseau(j));
    }
    const TEcartsCouplage e = TCouplage::Ecarts(modele);
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
    b.PerteSynchronisme = releve.PerteSynchronisme;
    b.Verdict = releve.PerteSynchronisme
                    ? "Perte de synchronisme\u00a0: la machine a décroché et l'interrupteur s'est ouvert"
                    : Verdict(b.Conditions);
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
    return conditions.Remplies() ? "Couplage dans de bonnes conditions" : TCouplage::NonRemplies(conditions);
}

} // namespace tavelor
