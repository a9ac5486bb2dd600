// Tavelor: coupling a synchronous machine to the grid, then running it as a
// generator or a motor.

#include "TFenetres.h"
#include "TTraductionQt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavelor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavelor"));
    const tavelor::TTraductionQt traduction;
    // Closing the main window ends the program, whatever side window is still open.
    QApplication::setQuitOnLastWindowClosed(false);

    tavelor::TFenetres fenetres;
    fenetres.Montre();
    return QApplication::exec();
}
