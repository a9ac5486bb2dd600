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

// The nine windows of the program, created once each in a fixed order and
// handed to the main window; they live until the program ends.
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

    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TFormVecteurCouplage> FormVecteurCouplage;
    std::unique_ptr<TFormOscillogrammes> FormOscillogrammes;
    std::unique_ptr<TFormAPropos> FormAPropos;
    std::unique_ptr<TformEchellesDiagVect> formEchellesDiagVect;
    std::unique_ptr<TFormOrigine> FormOrigine;
    std::unique_ptr<TFormVecteurs> FormVecteurs;
    std::unique_ptr<TFormAide> FormAide;
    std::unique_ptr<TFormChoixVect> FormChoixVect;
    // Not one of the nine: made only when first asked for.
    std::unique_ptr<TFenetreCourbes> FormCourbes;

private:
    TFabriqueCourbes FabriqueCourbes;
};

} // namespace tavelor
