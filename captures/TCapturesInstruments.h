#pragma once

#include <QDir>

namespace tavelor {

// The instruments window at the moments a student reads it: before coupling with the order
// right and nearly aligned, with the order wrong, then coupled as a generator (0.47 A,
// +10 N·m) and as a synchronous compensator (1.0 A, no torque). The first is also the
// user guide's picture, in `dossierDocs`.
class TCapturesInstruments {
public:
    TCapturesInstruments(const QString &dossier, const QString &dossierDocs);

    // False if a picture could not be written or the procedure did not couple.
    bool Tout();

private:
    QDir Dossier;
    QDir DossierDocs;
};

} // namespace tavelor
