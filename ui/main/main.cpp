// Tavelor: coupling a synchronous machine to the grid, then running it as a
// generator or a motor.

#include "TFenetres.h"
#include "TForm1.h"
#include "TMesureAffichage.h"
#include "TMesurePeriode.h"
#include "TSignauxArret.h"
#include "TTraductionQt.h"

#include <QApplication>
#include <QDir>
#include <QIcon>
#include <QTimer>

#include <memory>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The task bar and the desktop know the program by these; no display name, which Qt
    // would append to every window's title.
    QApplication::setApplicationName(QStringLiteral("Tavelor"));
    // Where the tool windows' places are kept: ~/.config/Tavelor/Tavelor.conf.
    QApplication::setOrganizationName(QStringLiteral("Tavelor"));
    // The desktop entry's name: how a task bar finds the installed icon for our windows.
    QGuiApplication::setDesktopFileName(QStringLiteral(TAVELOR_ID_APPLICATION));
    // Title bars and window switchers use small icons; the larger sizes, which cost
    // start-up time to decode and to hand to every window, are the installed theme's.
    QIcon icone;
    const QDir icones(QStringLiteral(":/icone"));
    for (const int taille : {16, 22, 24, 32, 48, 64})
        icone.addFile(icones.filePath(QStringLiteral("tavelor-%1.png").arg(taille)), QSize(taille, taille));
    QApplication::setWindowIcon(icone);
    const tavelor::TTraductionQt traduction;
    // Closing the main window ends the program, whatever side window is still open.
    QApplication::setQuitOnLastWindowClosed(false);

    tavelor::TFenetres fenetres;
    const tavelor::TSignauxArret signaux;
    QObject::connect(&signaux, &tavelor::TSignauxArret::ArretDemande, fenetres.Form1.get(),
                     &tavelor::TForm1::QuitteSansDemander);
    fenetres.Montre();
    // Once the bench is on the screen, so that the question has a window to stand over.
    QTimer::singleShot(0, fenetres.Form1.get(), [&fenetres] { fenetres.ProposeReprise(); });

    // Measurements for bench/mesures.py, asked for by the environment; otherwise nothing
    // is installed.
    const QByteArray mesure = qgetenv("TAVELOR_MESURE");
    std::unique_ptr<tavelor::TMesureAffichage> mesureAffichage;
    std::unique_ptr<tavelor::TMesurePeriode> mesurePeriode;
    if (mesure == "affichage")
        mesureAffichage = std::make_unique<tavelor::TMesureAffichage>();
    else if (mesure == "periode")
        mesurePeriode = std::make_unique<tavelor::TMesurePeriode>(*fenetres.Form1->Chronos1, 400);
    return QApplication::exec();
}
