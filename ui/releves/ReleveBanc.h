#pragma once

#include "TReleves.h"
#include "TVueBanc.h"

#include <QString>

#include <functional>

namespace tavelor {

class TModele;

// What a meter of the bench shows: its value and its text.
struct TLectureAfficheur {
    double Valeur = 0.0;
    QString Texte;
};
using TLectureAfficheurs = std::function<TLectureAfficheur(TAfficheurBanc)>;

// The operating point as the bench shows it now: N, Ie, V, I, Pu, Cm and Pa as their
// meters read, Ev, Q, cos φ and δ as the instruments write them (TexteInstrument).
// Uncoupled, the
// quantities of the coupled machine are left empty; cos φ reads "—" when S = 3·V·I is 0.
TReleve ReleveBanc(const TModele &modele, const TLectureAfficheurs &afficheurs);

} // namespace tavelor
