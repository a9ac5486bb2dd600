#include "TChargeurCourbes.h"

#include "EmpreinteCourbes.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace tavelor {

namespace {

// Why `module` cannot serve this program, or an empty text when its stamp is ours.
QString Refus(QLibrary &module)
{
    const auto empreinte = reinterpret_cast<TEmpreinteModuleCourbes>(module.resolve(NomEmpreinteCourbes));
    if (!empreinte)
        return QStringLiteral("%1: no build stamp").arg(module.fileName());
    const QByteArray attendue = EmpreinteCourbes();
    const QByteArray trouvee = empreinte();
    if (trouvee == attendue)
        return {};
    return QStringLiteral("%1: built for another program (stamp \"%2\", expected \"%3\")")
        .arg(module.fileName(), QString::fromUtf8(trouvee), QString::fromUtf8(attendue));
}

} // namespace

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
        // The stamp first: a factory from another build must not even be called.
        QString refus = Refus(module);
        if (refus.isEmpty()) {
            if (auto fabrique = reinterpret_cast<TFabriqueCourbes>(module.resolve(NomFabriqueCourbes)))
                return fabrique;
            refus = module.errorString();
        }
        erreur += refus + QLatin1Char('\n');
        module.unload();
    }
    return nullptr;
}

} // namespace tavelor
