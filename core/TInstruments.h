#pragma once

#include "TCouplage.h"
#include "TLoisMachine.h"

#include <array>
#include <optional>
#include <string>

namespace tavelor {

class TCablage;
class TModele;
class TNbComplexe;

// A lamp across one switch pole, between stator phase k and the grid terminal wired to it.
struct TLampe {
    bool Raccordee = false;
    double U = 0.0;       // RMS voltage across the pole, V
    double Eclat = 0.0;   // (U / Un)², at most 1
    bool Allumee = false; // from 0.3·Un up; below, the filament does not glow to the eye
};

// What the synchronising instruments read before coupling.
struct TSynchronisation {
    std::array<TLampe, 3> Lampes; // the lamp across switch pole k (top to bottom) at entry k - 1
    // Angle of stator phase 1 ahead of the grid phase wired to it, in [−π, π] rad; none
    // while phase 1 is unwired or the machine gives no voltage.
    std::optional<double> Theta1;
    int Sens = 0;              // +1 machine too fast (the needle turns clockwise), −1 too slow, 0 in step
    double FMachine = 0.0;     // p·N/60, Hz
    double EcartFrequence = 0; // machine − grid, Hz
    double VMachine = 0.0;     // Ev, V
    double EcartTension = 0.0; // Ev − V, V
    TOrdreConstate Ordre = TOrdreConstate::CablageIncomplet;
    TConditionsCouplage Conditions;
};

// The closing report: the synchronising instruments as they read when the switch closed.
struct TBilanCouplage {
    int Numero = 0; // 1 for the first closing of the run, then one more at each
    TEcartsCouplage Ecarts;
    TConditionsCouplage Conditions;
    // "Couplage dans de bonnes conditions", or the conditions unmet, or the loss of synchronism.
    std::string Verdict;
    bool PerteSynchronisme = false;
};

// What the coupled machine does on the grid, told from the powers it supplies to it.
enum class TMarche { Alternateur, Moteur, Compensateur };
// Over-excited: it supplies reactive power (Ev·cos δ > V); under-excited: it absorbs it.
enum class TExcitation { SousExcitee, Normale, Surexcitee };
// Where the current is counted from, for cos φ and its lag or lead: leaving the machine
// (generator) or entering it (receptor).
enum class TConvention { Generateur, Recepteur };

struct TFonctionnement {
    TMarche Marche = TMarche::Compensateur;
    TExcitation Excitation = TExcitation::Normale;
    TConvention Convention = TConvention::Generateur;
    // +1 the current lags V, −1 it leads, 0 in phase, the current counted in `Convention`.
    int Retard = 0;

    bool operator==(const TFonctionnement &) const = default;
};

// The power instruments while coupled. P and Q keep one meaning whatever the machine
// does, positive when it supplies them to the grid, as the bench's wattmeter counts Pu;
// cos φ and the lag or lead follow the convention of the machine's operation.
struct TPuissances {
    double P = 0.0; // active power to the grid, W
    double Q = 0.0; // reactive power to the grid, var; positive over-excited
    double S = 0.0; // 3·V·I, VA
    // |P| / S, never negative; none without current, where no phase can be told.
    std::optional<double> CosPhi;
    double Delta = 0.0; // load angle, rad
    TFonctionnement Fonctionnement;
};

// The bench's instruments, read from the model's phasors and state: what a student reads
// on the real bench's lamps, synchroscope, double voltmeter and frequency meter, phase-order
// indicator and power meters. They only read.
class TInstruments {
public:
    static constexpr double UnLampe = 2.0 * TLoisMachine::V; // lamp rating, V
    static constexpr double SeuilLampe = 0.3;                // dark below this share of Un

    // The lamp across the pole between a stator phase and a grid phase:
    // U = |VS − VR| = √(Ev² + V² − 2·Ev·V·cos θ), θ the angle between them.
    static TLampe Lampe(const TNbComplexe &stator, const TNbComplexe &reseau);
    static TSynchronisation Synchronisation(const TModele &modele, const TCablage &cablage);
    // Below this share of S the active power is no more than a real compensator's losses
    // (cos φ < 0.05, φ beyond 87°): the machine only exchanges reactive power.
    static constexpr double PartActiveCompensateur = 0.05;
    // A power that reads 0 (whole W or var) has no direction.
    static constexpr double PuissanceNulle = 0.5; // W, var

    static TPuissances Puissances(const TModele &modele);
    // The report of what the wiring saw at the closing.
    static TBilanCouplage Bilan(const TReleveFermeture &releve);
    // The one rule for the machine's operation and the convention it is told in, from P
    // and Q supplied to the grid (W, var) and S (VA): an alternator (P > 0) in generator
    // convention, a motor (P < 0) or a compensator (|P| small) in receptor convention.
    static TFonctionnement Fonctionnement(double P, double Q, double S);
    // "alternateur", "moteur" or "compensateur synchrone", then ", sous-excitée" or
    // ", surexcitée" unless Q reads 0.
    static std::string NomFonctionnement(const TFonctionnement &fonctionnement);
    // "convention générateur" or "convention récepteur".
    static std::string NomConvention(TConvention convention);
    // "Couplage dans de bonnes conditions", or "Conditions non remplies :" and the conditions unmet.
    static std::string Verdict(const TConditionsCouplage &conditions);
};

} // namespace tavelor
