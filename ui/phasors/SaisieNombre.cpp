#include "SaisieNombre.h"

#include "LectureNombre.h"

#include <QLocale>

namespace tavelor {

std::optional<double> LitReel(const QString &texte)
{
    // Blanks in Qt's wider sense go here; the core knows only ASCII ones.
    return LitReel(texte.trimmed().toStdString(), QLocale().decimalPoint().toStdString());
}

std::optional<int> LitEntier(const QString &texte)
{
    return LitEntier(texte.trimmed().toStdString());
}

QString TexteReel(double x)
{
    QString texte = QString::number(x, 'g', 15);
    if (texte.contains(QLatin1Char('e'))) {
        // Spell the exponent out: mantissa digits, then zeros or a leading "0.000".
        const QString scientifique = QString::number(x, 'e', 14);
        const qsizetype e = scientifique.indexOf(QLatin1Char('e'));
        const int exposant = scientifique.mid(e + 1).toInt();
        QString mantisse = scientifique.left(e);
        const bool negatif = mantisse.startsWith(QLatin1Char('-'));
        mantisse.remove(QLatin1Char('-')).remove(QLatin1Char('.'));
        while (mantisse.size() > 1 && mantisse.endsWith(QLatin1Char('0')))
            mantisse.chop(1);
        if (exposant >= 0) {
            const qsizetype entiers = exposant + 1;
            if (mantisse.size() <= entiers)
                texte = mantisse + QString(entiers - mantisse.size(), QLatin1Char('0'));
            else
                texte = mantisse.left(entiers) + QLatin1Char('.') + mantisse.mid(entiers);
        } else {
            texte = QStringLiteral("0.") + QString(-exposant - 1, QLatin1Char('0')) + mantisse;
        }
        if (negatif)
            texte.prepend(QLatin1Char('-'));
    }
    return texte.replace(QLatin1Char('.'), QLocale().decimalPoint());
}

} // namespace tavelor
