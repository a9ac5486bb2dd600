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
// Its series is the one the state suggests (SerieParDefaut).
TReleve ReleveBanc(const TModele &modele, const TLectureAfficheurs &afficheurs);

// The series a point of this state most likely belongs to: the no-load characteristic
// while uncoupled, the compensator at P = 0, otherwise the V-curve at this power, which
// the torque alone sets (P written as the read-outs write it, "P = 1571 W").
std::string SerieParDefaut(const TModele &modele);

} // namespace tavelor
