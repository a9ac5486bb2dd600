// Tavelor: coupling a synchronous machine to the grid, then running it as a
// generator or a motor.

#include "TFenetres.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Tavelor"));
    QApplication::setApplicationDisplayName(QStringLiteral("Tavelor"));
    // The program speaks French: so do the toolkit's standard dialogs.
    QTranslator traduction;
    if (traduction.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&traduction);
    // Closing the main window ends the program, whatever side window is still open.
    QApplication::setQuitOnLastWindowClosed(false);

    tavelor::TFenetres fenetres;
    fenetres.Montre();
    return QApplication::exec();
}
