#pragma once

#include "Angles.h"
#include "TLoisMachine.h"

#include <optional>

namespace tavelor {

class TModele;

// The phase order across the switch: none while the wiring is incomplete.
enum class TOrdreConstate { CablageIncomplet, Identique, Inverse };

// The four coupling conditions, each within the tolerance of a synchronising relay.
struct TConditionsCouplage {
    bool Ordre = false;     // same phase order
    bool Frequence = false; // |Δf| ≤ 0.1 Hz
    bool Tension = false;   // |ΔU| ≤ 5 % of V
    bool Phase = false;     // |θ1| ≤ 10°

    bool Remplies() const { return Ordre && Frequence && Tension && Phase; }
};

// What separates the machine from the grid, as the synchronising instruments read it.
struct TEcartsCouplage {
    TOrdreConstate Ordre = TOrdreConstate::CablageIncomplet;
    double EcartFrequence = 0.0; // machine − grid, Hz
    double EcartTension = 0.0;   // Ev − V, V
    // Angle of stator phase 1 ahead of the grid phase wired to it, in [−π, π] rad; none
    // while phase 1 is unwired or the machine gives no voltage.
    std::optional<double> Theta1;
};

// What the wiring saw at the switch's last closing: the closing report is built from it.
struct TReleveFermeture {
    int Numero = 0; // 1 for the first closing of the run, then one more at each
    TEcartsCouplage Ecarts;
};

// The coupling's rules, shared by the instruments that show them and the switch that obeys them.
class TCouplage {
public:
    static constexpr double ToleranceFrequence = 0.1;                  // Hz
    static constexpr double ToleranceTension = 0.05 * TLoisMachine::V; // V
    static constexpr double TolerancePhase = Radians(10.0);            // rad

    // The gaps of the model's present state, the phase order being the one given.
    static TEcartsCouplage Ecarts(const TModele &modele, TOrdreConstate ordre);
    static TConditionsCouplage Conditions(const TEcartsCouplage &ecarts);
};

} // namespace tavelor
