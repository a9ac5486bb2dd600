#include "ReleveBanc.h"

#include "Angles.h"
#include "FixedLocal.h"
#include "TInstruments.h"
#include "TLoisMachine.h"
#include "TModele.h"

#include <cmath>

namespace tavelor {

namespace {

TMesure Instrument(double valeur, TGrandeurInstrument grandeur)
{
    return {valeur, TexteInstrument(valeur, grandeur).toStdString()};
}

} // namespace

std::string SerieParDefaut(const TModele &modele)
{
    if (!modele.Couplage)
        return "Caractéristique à vide";
    const long puissance = std::lround(modele.Pu);
    if (puissance == 0)
        return "Compensateur synchrone";
    // Written as the wattmeter reads it: a true minus sign, no grouping.
    return "Courbe en V, P = " + TexteInstrument(modele.Pu, TGrandeurInstrument::Puissance).toStdString() + " W";
}

TReleve ReleveBanc(const TModele &modele, const TLectureAfficheurs &afficheurs)
{
    using C = TColonneReleve;
    TReleve r;
    const auto compteur = [&](C colonne, TAfficheurBanc afficheur) {
        const TLectureAfficheur lecture = afficheurs(afficheur);
        r[colonne] = {lecture.Valeur, lecture.Texte.toStdString()};
    };
    r.Couplee = modele.Couplage;
    r.Serie = SerieParDefaut(modele);
    compteur(C::N, TAfficheurBanc::afficheurN);
    compteur(C::Ie, TAfficheurBanc::afficheurIe);
    r[C::Ev] = Instrument(modele.Ev, TGrandeurInstrument::Tension);
    compteur(C::V, TAfficheurBanc::afficheurV);
    if (!modele.Couplage)
        return r;
    compteur(C::I, TAfficheurBanc::afficheurI);
    compteur(C::Pu, TAfficheurBanc::afficheurPu);
    // The very values the power instruments show.
    const TPuissances puissances = TInstruments::Puissances(modele);
    r[C::Q] = Instrument(puissances.Q, TGrandeurInstrument::Puissance);
    r[C::CosPhi] = puissances.CosPhi ? Instrument(*puissances.CosPhi, TGrandeurInstrument::FacteurPuissance)
                                     : TMesure{std::nullopt, "—"};
    r[C::Delta] = Instrument(Degres(puissances.Delta), TGrandeurInstrument::Angle);
    compteur(C::Cm, TAfficheurBanc::afficheurCm);
    compteur(C::Pa, TAfficheurBanc::afficheurPa);
    r[C::Fonctionnement] = {std::nullopt, TInstruments::NomFonctionnement(puissances.Fonctionnement)};
    return r;
}

} // namespace tavelor
