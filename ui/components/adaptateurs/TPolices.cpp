#include "TPolices.h"

#include "SymboleGrec.h"

#include <algorithm>

namespace tavelor {

QString TPolices::Famille(const QString &nom)
{
    const QString cle = nom.trimmed().toLower();
    if (cle == QLatin1String("arial") || cle == QLatin1String("ms sans serif") || cle == QLatin1String("symbol"))
        return QStringLiteral("Liberation Sans");
    if (cle == QLatin1String("times new roman"))
        return QStringLiteral("Liberation Serif");
    return nom;
}

bool TPolices::EstSymbole(const QString &nom)
{
    return nom.trimmed().compare(QLatin1String("symbol"), Qt::CaseInsensitive) == 0;
}

QFont TPolices::Police(const QString &nom, int points)
{
    QFont police(Famille(nom));
    police.setPointSize(std::clamp(points, 1, 1000));
    // MS Sans Serif is narrower than Arial: its digits are 10 px wide at 16 pt where
    // Liberation Sans draws 12. Condensing keeps the meters at the width the bench
    // picture leaves them.
    if (nom.trimmed().compare(QLatin1String("ms sans serif"), Qt::CaseInsensitive) == 0)
        police.setStretch(84);
    return police;
}

QString TPolices::Texte(const QString &nom, const std::string &utf8)
{
    if (EstSymbole(nom))
        return QString::fromStdString(SymboleGrec(utf8));
    return QString::fromStdString(utf8);
}

} // namespace tavelor
