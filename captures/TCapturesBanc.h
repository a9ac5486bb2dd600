#pragma once

#include <QDir>

namespace tavelor {

// The program's windows at the moments of the coupling procedure, as a student sees them:
// at start, wired and turning, coupled as a generator, near the stability limit.
class TCapturesBanc {
public:
    explicit TCapturesBanc(const QString &dossier);

    // False if a picture could not be written or the procedure did not couple.
    bool Tout();

private:
    QDir Dossier;
};

} // namespace tavelor
