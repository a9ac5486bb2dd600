#pragma once

#include "TFenetreSecondaire.h"

namespace tavelor {

class TModele;

// What the program knows of the characteristic curves window. The window and the
// plotting library it needs live in a module loaded the first time the curves are
// asked for, so that a bench that never shows them neither loads nor maps them.
class TFenetreCourbes : public TFenetreSecondaire {
public:
    using TFenetreSecondaire::TFenetreSecondaire;

    // Called at every tick: follows the model while the window is shown.
    virtual void Suit() = 0;
};

// Makes the window for the model it reads; the module exports one under NomFabriqueCourbes.
using TFabriqueCourbes = TFenetreCourbes *(*)(const TModele &modele);
inline constexpr char NomFabriqueCourbes[] = "tavelor_cree_fenetre_courbes";

} // namespace tavelor
