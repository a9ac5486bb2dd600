#include "TRecuperationReleves.h"

#include "TReleves.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace tavelor {

namespace {

const QString NomFichier = QStringLiteral("releves-en-cours.csv");

} // namespace

TRecuperationReleves::TRecuperationReleves(QString dossier)
    : Dossier(dossier.isEmpty() ? QStandardPaths::writableLocation(QStandardPaths::AppDataLocation)
                                : std::move(dossier))
{}

QString TRecuperationReleves::Chemin() const
{
    return QDir(Dossier).filePath(NomFichier);
}

bool TRecuperationReleves::Existe() const
{
    return QFileInfo(Chemin()).isFile();
}

bool TRecuperationReleves::Ecrit(const TReleves &releves)
{
    // ";" whatever the locale: the reader takes either, and the file must not depend on
    // the locale of the session that reads it back.
    const QByteArray octets = QByteArray::fromStdString("\xEF\xBB\xBF" + releves.Texte(';', "\r\n"));
    QString raison;
    if (!QDir().mkpath(Dossier)) {
        raison = QStringLiteral("le dossier ne peut pas être créé");
    } else {
        // As the export does: flush() notices a write cut short, which commit() would not.
        QSaveFile fichier(Chemin());
        const bool ecrit =
            fichier.open(QIODevice::WriteOnly) && fichier.write(octets) == octets.size() && fichier.flush();
        if (!ecrit) {
            raison = fichier.errorString();
            fichier.cancelWriting();
        }
        if (!fichier.commit() && raison.isEmpty())
            raison = fichier.errorString();
    }
    Ajour_ = raison.isEmpty();
    if (!Ajour_ && !Averti && Avertit) {
        Averti = true;
        Avertit(QStringLiteral("Les relevés ne peuvent pas être mis en sûreté dans «\u00A0%1\u00A0»\u00A0: %2.\n"
                               "Le programme continue, mais un arrêt brutal les perdrait\u00A0: exportez-les "
                               "régulièrement.")
                    .arg(QDir::toNativeSeparators(Dossier), raison));
    }
    return Ajour_;
}

void TRecuperationReleves::Supprime()
{
    QFile::remove(Chemin());
    Ajour_ = true;
}

QString TRecuperationReleves::MetDeCote()
{
    const QDateTime date = QFileInfo(Chemin()).lastModified();
    const QString base = QStringLiteral("releves-du-%1").arg(date.toString(QStringLiteral("yyyy-MM-dd-HH'h'mm")));
    QString cible = QDir(Dossier).filePath(base + QStringLiteral(".csv"));
    for (int n = 2; QFileInfo::exists(cible); ++n)
        cible = QDir(Dossier).filePath(base + QStringLiteral("-%1.csv").arg(n));
    return QFile::rename(Chemin(), cible) ? cible : QString();
}

} // namespace tavelor
