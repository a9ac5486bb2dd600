#include "ReleveBanc.h"

#include "FixedLocal.h"
#include "TLoisMachine.h"
#include "TModele.h"

namespace tavelor {

namespace {

// Radians to degrees, as an angle is read out.
constexpr double degres = 180.0 / TLoisMachine::Pi;

TMesure Instrument(double valeur, int decimales)
{
    return {valeur, FixedLocal(valeur, 15, decimales).toStdString()};
}

} // namespace

TReleve ReleveBanc(const TModele &modele, const TLectureAfficheurs &afficheurs)
{
    using C = TColonneReleve;
    TReleve r;
    const auto compteur = [&](C colonne, TAfficheurBanc afficheur) {
        const TLectureAfficheur lecture = afficheurs(afficheur);
        r[colonne] = {lecture.Valeur, lecture.Texte.toStdString()};
    };
    r.Couplee = modele.Couplage;
    compteur(C::N, TAfficheurBanc::afficheurN);
    compteur(C::Ie, TAfficheurBanc::afficheurIe);
    r[C::Ev] = Instrument(modele.Ev, 1);
    compteur(C::V, TAfficheurBanc::afficheurV);
    if (!modele.Couplage)
        return r;
    compteur(C::I, TAfficheurBanc::afficheurI);
    compteur(C::Pu, TAfficheurBanc::afficheurPu);
    r[C::Q] = Instrument(TLoisMachine::PuissanceReactive(modele.Ev, modele.delta), 0);
    const double S = 3.0 * TLoisMachine::V * modele.I;
    r[C::CosPhi] = S == 0.0 ? TMesure{std::nullopt, "—"} : Instrument(modele.Pu / S, 3);
    r[C::Delta] = Instrument(modele.delta * degres, 1);
    compteur(C::Cm, TAfficheurBanc::afficheurCm);
    compteur(C::Pa, TAfficheurBanc::afficheurPa);
    return r;
}

} // namespace tavelor
