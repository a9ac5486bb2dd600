#pragma once

#include <QDir>
#include <QString>

namespace tavelor {

// The whole screen with each tool window as it first opens and at its smallest, uncoupled
// and coupled: where it lands beside the bench, and whether anything is cut at this
// screen's size and scale.
class TCapturesOutils {
public:
    explicit TCapturesOutils(const QString &dossier);

    bool Tout();

private:
    QDir Dossier;
};

} // namespace tavelor
