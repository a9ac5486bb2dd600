#pragma once

#include "TFenetreCourbes.h"

#include <memory>

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

    // Made at the first call. The single-phase diagram comes with its three dialogs.
    TFormAPropos *FormAPropos();
    TformEchellesDiagVect *formEchellesDiagVect();
    TFormOrigine *FormOrigine();
    TFormVecteurs *FormVecteurs();
    TFormAide *FormAide();
    TFormChoixVect *FormChoixVect();

    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TFormVecteurCouplage> FormVecteurCouplage;
    std::unique_ptr<TFormOscillogrammes> FormOscillogrammes;
    // Not one of the nine: made only when first asked for.
    std::unique_ptr<TFenetreCourbes> FormCourbes;

private:
    std::unique_ptr<TFormAPropos> APropos;
    std::unique_ptr<TformEchellesDiagVect> EchellesDiagVect;
    std::unique_ptr<TFormOrigine> Origine;
    std::unique_ptr<TFormVecteurs> Vecteurs;
    std::unique_ptr<TFormAide> Aide;
    std::unique_ptr<TFormChoixVect> ChoixVect;
    TFabriqueCourbes FabriqueCourbes;
};

} // namespace tavelor
