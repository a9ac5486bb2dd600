#pragma once

#include "TFenetreCourbes.h"

#include <QStringList>

namespace tavelor {

// Finds and loads the characteristic curves module, first next to the program (the
// build tree) and then where the installation puts it. A loaded module stays loaded
// until the program ends, as the window it made lives as long.
class TChargeurCourbes {
public:
    // The module's factory, or nullptr with the reason in `erreur`. Without `dossiers`,
    // the program's folder and the installed modules' folder are searched.
    static TFabriqueCourbes Charge(QString &erreur, QStringList dossiers = {});
};

} // namespace tavelor
