#include "TImageRessource.h"

#include "TImageJpeg.h"

#include <QAbstractButton>
#include <QIcon>

namespace tavelor {

namespace {

QString Chemin(const QString &ressource)
{
    return ressource.startsWith(u':') ? ressource : QStringLiteral(":/") + ressource;
}

QPixmap Lit(const QString &chemin)
{
    if (chemin.endsWith(QStringLiteral(".jpg")))
        return QPixmap::fromImage(TImageJpeg::Charge(chemin));
    return QPixmap(chemin);
}

} // namespace

QString TImageRessource::NomDouble(const QString &ressource)
{
    const qsizetype point = ressource.lastIndexOf(u'.');
    if (point <= 0)
        return ressource + QStringLiteral("@2x");
    return ressource.left(point) + QStringLiteral("@2x") + ressource.mid(point);
}

QPixmap TImageRessource::Charge(const QString &ressource, qreal ratio)
{
    const QString chemin = Chemin(ressource);
    if (ratio > 1.0) {
        QPixmap fine = Lit(NomDouble(chemin));
        if (!fine.isNull()) {
            fine.setDevicePixelRatio(RatioDouble);
            return fine;
        }
    }
    return Lit(chemin);
}

void TImageRessource::HabilleBouton(QAbstractButton &bouton, const QString &ressource)
{
    const QPixmap simple = Charge(ressource, 1.0);
    QIcon icone(simple);
    const QPixmap fine = Charge(ressource, RatioDouble);
    if (fine.devicePixelRatio() > 1.0)
        icone.addPixmap(fine);
    bouton.setIcon(icone);
    bouton.setIconSize(simple.size());
}

} // namespace tavelor
