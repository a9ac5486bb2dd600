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
    std::array<TLampe, 3> Lampes; // pole k at entry k - 1
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
    // "Couplage dans de bonnes conditions", or "Couplage brutal :" and the conditions unmet.
    std::string Verdict;
};

// The power instruments while coupled, generator convention.
struct TPuissances {
    double P = 0.0; // active power to the grid, W
    double Q = 0.0; // reactive power to the grid, var; positive over-excited
    double S = 0.0; // 3·V·I, VA
    // P / S; none without current, where no phase can be told.
    std::optional<double> CosPhi;
    // +1 the current lags the voltage (Q > 0), −1 it leads (Q < 0), 0 in phase.
    int Retard = 0;
    double Delta = 0.0; // load angle, rad
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
    static TPuissances Puissances(const TModele &modele);
    // The report of what the wiring saw at the closing.
    static TBilanCouplage Bilan(const TReleveFermeture &releve);
    // "Couplage dans de bonnes conditions", or "Couplage brutal :" and the conditions unmet.
    static std::string Verdict(const TConditionsCouplage &conditions);
};

} // namespace tavelor
