#pragma once

#include "Angles.h"
#include "TLoisMachine.h"

#include <array>
#include <optional>
#include <string>

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
    int Numero = 0; // 1 for the first closing of the run, then one more at each closing or protective opening
    TEcartsCouplage Ecarts;
    bool PerteSynchronisme = false; // the protection has opened the switch since
};

// The coupling's rules, shared by the instruments that show them and the switch that obeys them.
class TCouplage {
public:
    static constexpr double ToleranceFrequence = 0.1;                  // Hz
    static constexpr double ToleranceTension = 0.05 * TLoisMachine::V; // V
    static constexpr double TolerancePhase = Radians(10.0);            // rad

    // The phase order of the wiring, connexion[k - 1] being the grid phase wired to stator
    // phase k: right when stator phase k meets grid phase k + c for one c (mod 3), a
    // rotation, for then the three pole voltages vanish together once pole 1 does; wrong
    // for any other permutation; none while a stator phase is unwired.
    static TOrdreConstate Ordre(const std::array<int, 3> &connexion);
    // The gaps of the model's state at its last update, and the wiring's phase order.
    static TEcartsCouplage Ecarts(const TModele &modele);
    // Judged on the gaps as the instruments write them (hundredths of Hz, tenths of V and of
    // degrees): a gap shown at the tolerance meets it; a gap that is not finite never does.
    static TConditionsCouplage Conditions(const TEcartsCouplage &ecarts);
    // "Conditions non remplies : même fréquence et en phase", the unmet conditions named in turn.
    static std::string NonRemplies(const TConditionsCouplage &conditions);
    // Why a closing is refused: that line, then one line per unmet condition with its gap
    // as the instruments show it and its tolerance.
    static std::string Refus(const TEcartsCouplage &ecarts, const TConditionsCouplage &conditions);
};

} // namespace tavelor
