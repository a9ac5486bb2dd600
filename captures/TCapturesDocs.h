#pragma once

#include <QDir>

namespace tavelor {

// The pictures of the user guide and the README, under their names in docs/: the wired
// bench before and after the stars coincide, the bench coupled as a generator, the phasor
// diagram as a generator and as a motor with its measuring tools, the V-curves in the
// warning zone, the operating chart P against Q, the help. The measuring line lives only on the screen (the next
// repaint erases it), so these need a real display: run under Xvfb, in a French locale for the guide's decimal commas.
class TCapturesDocs {
public:
    explicit TCapturesDocs(const QString &dossier);

    // False if a picture could not be written or the procedure did not couple; true with
    // nothing written on a platform without a screen to grab.
    bool Tout();

private:
    QDir Dossier;
};

} // namespace tavelor
