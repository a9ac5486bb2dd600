#include "TChargeurCourbes.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace tavelor {

TFabriqueCourbes TChargeurCourbes::Charge(QString &erreur, QStringList dossiers)
{
    if (dossiers.isEmpty()) {
        const QString programme = QCoreApplication::applicationDirPath();
        dossiers = {programme, QDir(programme).filePath(QStringLiteral(TAVELOR_MODULES_RELATIF))};
    }
    erreur.clear();
    for (const QString &dossier : std::as_const(dossiers)) {
        QLibrary module(QDir(dossier).filePath(QStringLiteral("tavelor-courbes")));
        if (!module.load()) {
            erreur += module.errorString() + QLatin1Char('\n');
            continue;
        }
        if (auto fabrique = reinterpret_cast<TFabriqueCourbes>(module.resolve(NomFabriqueCourbes)))
            return fabrique;
        erreur += module.errorString() + QLatin1Char('\n');
        module.unload();
    }
    return nullptr;
}

} // namespace tavelor
