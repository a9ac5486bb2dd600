// Tavelor: coupling a synchronous machine to the grid, then running it as a
// generator or a motor.

#include "TFenetres.h"
#include "TTraductionQt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    // The task bar and the desktop know the program by these; no display name, which Qt
    // would append to every window's title.
    QApplication::setApplicationName(QStringLiteral("Tavelor"));
    QGuiApplication::setDesktopFileName(QStringLiteral("tavelor"));
    const tavelor::TTraductionQt traduction;
    // Closing the main window ends the program, whatever side window is still open.
    QApplication::setQuitOnLastWindowClosed(false);

    tavelor::TFenetres fenetres;
    fenetres.Montre();
    return QApplication::exec();
}
