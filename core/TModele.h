#pragma once

#include "TGeometrieAffichage.h"
#include "TLoisMachine.h"
#include "TNbComplexe.h"
#include "TProtectionReseau.h"
#include "TValeurInst.h"
#include "TVueBanc.h"

#include <array>

namespace tavelor {

// The bench: a four-pole, star-connected, cylindrical-rotor synchronous machine that can be
// coupled to a 230 V / 50 Hz infinite grid. Lossless and without transients: every update
// is a steady state. Voltages and currents are RMS phase values, speeds in rpm, angles in rad.
//
// Uncoupled, the no-load EMF Ev follows the excitation Ie and the speed N. Coupled, N is
// frozen and the drive torque Cm sets the load angle through the power balance
//     Cm·ω/p = 3·V·Ev·sin δ / X,   ω = 2π·f,   X = Ls·ω = 74.77 Ω,
// and the stator current is I = (Ev∠δ − V) / (jX), generator convention. The laws
// themselves live in TLoisMachine, shared with the characteristic curves.
//
// Every effect on the windows goes through the view, in the order of the update. Track bar
// state and the warning blinker are owned here; the view hears of them only when they change.
class TModele {
public:
    static constexpr double dt = 0.0002;                      // simulated seconds per clock tick
    static constexpr double EchelleTri = 0.3;                 // three-phase phasors and traces, px/V
    static constexpr double AngleAlerte = 1.3089969389957472; // 75°: the warning lamp blinks beyond

    explicit TModele(TVueBanc &vue);
    TModele(const TModele &) = delete;
    TModele &operator=(const TModele &) = delete;

    double Ie = 0.0;    // excitation current, A
    double N = 0.0;     // shaft speed, rpm
    double Cm = 0.0;    // drive torque, N·m, positive when driving (generator)
    double Ev = 0.0;    // no-load EMF, V
    double delta = 0.0; // load angle, Ev ahead of V
    double I = 0.0;     // stator current, A
    double Pu = 0.0;    // stator power to the grid, W
    double Pa = 0.0;    // mechanical power on the shaft, W
    double theta = 0.0; // electrical angle of stator phase 1, unbounded
    double t = 0.0;     // simulated time, s
    bool Couplage = false;
    // +1 when the wiring joins the stator to the grid in the grid's phase order, −1 when it
    // crosses it, 0 while a stator phase is unwired: the wiring's order, as TCouplage reads it.
    int OrdrePhases = 0;
    // Entry k - 1: grid phase (1..3) wired to stator phase k, 0 while unwired.
    std::array<int, 3> Connexion{};
    bool PauseDiagramme = false;
    bool PauseOscillo = false;
    double EchelleV = 0.8; // single-phase diagram, px/V
    double EchelleI = 45;  // single-phase diagram, px/A

    TNbComplexe VS1, VS2, VS3; // stator EMFs
    TNbComplexe VR1, VR2, VR3; // grid voltages
    TNbComplexe VecV, VecEv, VecI, VecLsWI;
    TValeurInst vK1, vK2, vK3; // voltages across the switch poles

    TEtatTrackBar TrackBarIe{0, 160, 16, 160, true};
    TEtatTrackBar TrackBarN{0, 1800, 180, 0, false}; // speed, then torque (-200..200) once coupled

    // Excitation bar: Ie = (160 - position)/100, the bar being upside down.
    void TrackBarIeChange(int position);
    // Speed bar while uncoupled (N = position), torque bar while coupled (Cm = position/10).
    void TrackBarNChange(int position);
    // Program changes of a bar: the position is clamped into the range and the change
    // handler runs exactly when the position actually moves.
    void PositionneTrackBar(TTrackBarBanc trackBar, int position);
    void PlageTrackBarN(int min, int max, int frequence);
    void ActiveTrackBarN(bool actif);

    // Who opens the switch when synchronism is lost (the wiring); none leaves it closed.
    void DefinitProtection(TProtectionReseau *protection) { protection_ = protection; }

    // Started or stopped only on a change, so that a running blinker keeps its rhythm.
    void ActiveClignotant(bool enMarche);
    bool ClignotantActif() const { return clignotant_; }

    // One tick: time and rotor angle advance, the update runs, then the view hears that the
    // tick is over.
    void Chronos1Timer();
    void MiseAJourModele();
    // Show-time set-up: histories sized and zeroed, colours, origins and scales of the phasors.
    void PreparerAffichage(const TGeometrieAffichage &geometrie);
    // On closing the switch: the grid holds the rotor at its own speed, so a shaft a few
    // rpm off is pulled into step; otherwise the power balance, written at the grid's
    // frequency, would no longer match the shaft's power.
    void AccrocheAuReseau();
    // Puts stator phase 1 in phase with the grid phase wired to it.
    void AligneRotor();

    // k = 1..3.
    const TNbComplexe &PhaseurStator(int k) const;
    const TNbComplexe &PhaseurReseau(int k) const;
    const TValeurInst &TensionPole(int k) const;

private:
    TVueBanc &vue_;
    TProtectionReseau *protection_ = nullptr;
    bool clignotant_ = false;

    // False when synchronism is lost and the switch must open.
    bool CalculeEtatCouple();
    void FixeVitesse(double n);
    void CalculeSystemesTriphases();
};

} // namespace tavelor
