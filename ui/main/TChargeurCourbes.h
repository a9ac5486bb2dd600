#pragma once

#include "TFenetreCourbes.h"

#include <QStringList>

namespace tavelor {

// Finds and loads the characteristic curves module, first next to the program (the
// build tree) and then where the installation puts it. A module is taken only if its
// build stamp is the program's own (EmpreinteCourbes.h): one from another build, or
// without a stamp, is refused as if it were missing, and the search goes on. A loaded
// module stays loaded until the program ends, as the window it made lives as long.
class TChargeurCourbes {
public:
    // The module's factory, or nullptr with the reasons in `erreur`. Without `dossiers`,
    // the program's folder and the installed modules' folder are searched.
    static TFabriqueCourbes Charge(QString &erreur, QStringList dossiers = {});
};

} // namespace tavelor
