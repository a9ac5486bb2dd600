#pragma once

#include "TFenetreCourbes.h"
#include "TRecuperationReleves.h"
#include "TReleves.h"

#include <memory>

class QAction;

namespace tavelor {

class TForm1;
class TFormVecteurCouplage;
class TFormOscillogrammes;
class TFormAPropos;
class TformEchellesDiagVect;
class TFormOrigine;
class TFormVecteurs;
class TFormAide;
class TFormChoixVect;
class TFenetreReleves;
class TFormInstruments;
class TActionsOutils;

// The nine windows of the program, each created once and handed to the main window;
// they live until the program ends. The three shown at start are made with the program,
// the others the first time they are asked for, which shortens the start-up.
class TFenetres {
public:
    // `fabrique` makes the curves window; without one it comes from the module, loaded
    // the first time the curves are asked for.
    explicit TFenetres(TFabriqueCourbes fabrique = nullptr);
    ~TFenetres();

    // Shows the main window (which starts the bench) and the side windows visible from the start.
    void Montre();
    // The characteristic curves, created at the first call: shown and brought to the front.
    // A module that cannot be loaded is reported and leaves the bench as it was.
    void MontreCourbes();
    // The measurements table, created at the first call: shown and brought to the front.
    void MontreReleves();
    // Appends the operating point to the table (F9 in every window); a hidden table is
    // shown beside, without taking the focus, so that the new row is seen.
    void ReleveLePoint();
    // At start: offers back the points the previous session left unexported.
    void ProposeReprise();
    // The practical-work mode, applied to every tool window, made or yet to be made, and
    // remembered from one session to the next.
    void DefinitModeTP(bool actif);
    bool ModeTP() const { return ModeTP_; }
    // Checked while the mode is on; in the bench's context menu with the tools.
    QAction *ActionModeTP;
    // The lab's instruments, created at the first call: shown and brought to the front.
    void MontreInstruments();

    // Made at the first call. The single-phase diagram comes with its three dialogs.
    TFormAPropos *FormAPropos();
    TformEchellesDiagVect *formEchellesDiagVect();
    TFormOrigine *FormOrigine();
    TFormVecteurs *FormVecteurs();
    TFormAide *FormAide();
    TFormChoixVect *FormChoixVect();
    // Null when the curves' module cannot be loaded, which the user is told.
    TFenetreCourbes *FenetreCourbes();
    TFenetreReleves *FenetreReleves();

    // The recorded points, shared by the table and the curves; they outlive both.
    TReleves Releves;
    // Where they are kept until exported.
    TRecuperationReleves Recuperation;
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TFormVecteurCouplage> FormVecteurCouplage;
    std::unique_ptr<TFormOscillogrammes> FormOscillogrammes;
    // Not one of the nine: made only when first asked for.
    std::unique_ptr<TFenetreCourbes> FormCourbes;
    std::unique_ptr<TFenetreReleves> FormReleves;
    std::unique_ptr<TFormInstruments> FormInstruments;
    // Curves (F2), instruments (F3), measurements (F4), record the point (F9), and the
    // oscillograms back: every menu that offers the tools shows these.
    std::unique_ptr<TActionsOutils> Outils;

private:
    // Offered only while uncoupled, when the oscillograms may be shown.
    void ActionOscillogrammesAJour();
    QAction *ActionOscillogrammes = nullptr;
    std::unique_ptr<TFormAPropos> APropos;
    std::unique_ptr<TformEchellesDiagVect> EchellesDiagVect;
    std::unique_ptr<TFormOrigine> Origine;
    std::unique_ptr<TFormVecteurs> Vecteurs;
    std::unique_ptr<TFormAide> Aide;
    std::unique_ptr<TFormChoixVect> ChoixVect;
    TFabriqueCourbes FabriqueCourbes;
    bool ModeTP_ = false;
};

} // namespace tavelor
