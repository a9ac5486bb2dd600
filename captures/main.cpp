// Writes pictures of the components and of the bench for a person to look at, and under
// a display the pictures of the user guide and the README in [folder]/docs:
//     tavelor_captures [folder]     (default: captures/ in the current folder)
//     tavelor_captures folder outils   (only the screens with each tool window)
// Run it with QT_QPA_PLATFORM=offscreen, or under Xvfb to see the window system's frames
// and get the guide's pictures (in a French locale: LC_ALL=fr_FR.UTF-8).

#include "TCapturesBanc.h"
#include "TCapturesDocs.h"
#include "TCapturesInstruments.h"
#include "TCapturesOutils.h"
#include "TGalerie.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QString dossier = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("captures");
    if (argc > 2 && QByteArray(argv[2]) == "outils") {
        QApplication::setOrganizationName(QStringLiteral("tavelor-captures"));
        return tavelor::TCapturesOutils(dossier).Tout() ? 0 : 1;
    }
    const bool galerie = tavelor::TGalerie(dossier + QStringLiteral("/galerie")).Tout();
    const bool banc = tavelor::TCapturesBanc(dossier).Tout();
    const bool docs = tavelor::TCapturesDocs(dossier + QStringLiteral("/docs")).Tout();
    const bool instruments = tavelor::TCapturesInstruments(dossier, dossier + QStringLiteral("/docs")).Tout();
    const bool ok = galerie && banc && docs && instruments;
    std::printf("%s: %s\n", qPrintable(dossier), ok ? "pictures written" : "some pictures failed");
    return ok ? 0 : 1;
}
