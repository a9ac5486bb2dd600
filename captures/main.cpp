// Writes pictures of the components and of the bench for a person to look at:
//     tavelor_captures [folder]     (default: captures/ in the current folder)
// Run it with QT_QPA_PLATFORM=offscreen, or under Xvfb to see the window system's frames.

#include "TCapturesBanc.h"
#include "TGalerie.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setQuitOnLastWindowClosed(false);
    const QString dossier = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("captures");
    const bool galerie = tavelor::TGalerie(dossier + QStringLiteral("/galerie")).Tout();
    const bool banc = tavelor::TCapturesBanc(dossier).Tout();
    std::printf("%s: %s\n", qPrintable(dossier), galerie && banc ? "pictures written" : "some pictures failed");
    return galerie && banc ? 0 : 1;
}
