#pragma once

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
    TFenetres();
    ~TFenetres();

    // Shows the main window (which starts the bench) and the side windows visible from the start.
    void Montre();

    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TFormVecteurCouplage> FormVecteurCouplage;
    std::unique_ptr<TFormOscillogrammes> FormOscillogrammes;
    std::unique_ptr<TFormAPropos> FormAPropos;
    std::unique_ptr<TformEchellesDiagVect> formEchellesDiagVect;
    std::unique_ptr<TFormOrigine> FormOrigine;
    std::unique_ptr<TFormVecteurs> FormVecteurs;
    std::unique_ptr<TFormAide> FormAide;
    std::unique_ptr<TFormChoixVect> FormChoixVect;
};

} // namespace tavelor
