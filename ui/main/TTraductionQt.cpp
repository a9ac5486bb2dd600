#include "TTraductionQt.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>

namespace tavelor {

TTraductionQt::TTraductionQt()
{
    Installe = Traducteur.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                               QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
               QCoreApplication::installTranslator(&Traducteur);
}

TTraductionQt::~TTraductionQt()
{
    if (Installe)
        QCoreApplication::removeTranslator(&Traducteur);
}

} // namespace tavelor
