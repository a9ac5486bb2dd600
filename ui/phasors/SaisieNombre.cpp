#include "SaisieNombre.h"

#include <QLocale>

#include <charconv>
#include <cmath>
#include <string>

namespace tavelor {

namespace {

bool EstChiffre(QChar c)
{
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The text in the C form that from_chars reads, or nothing when it is not a plain
// decimal with `separateur` (or, for an integer, with no separator at all).
std::optional<std::string> FormeC(const QString &texte, const QString &separateur, bool entier)
{
    const QString t = texte.trimmed();
    std::string c;
    qsizetype i = 0;
    if (i < t.size() && t[i] == QLatin1Char('-')) {
        c += '-';
        ++i;
    }
    int chiffres = 0;
    bool separateurVu = false;
    while (i < t.size()) {
        if (EstChiffre(t[i])) {
            c += static_cast<char>(t[i].unicode());
            ++chiffres;
            ++i;
        } else if (!entier && !separateurVu && !separateur.isEmpty() && t.mid(i).startsWith(separateur)) {
            c += '.';
            separateurVu = true;
            i += separateur.size();
        } else {
            return std::nullopt;
        }
    }
    if (chiffres == 0)
        return std::nullopt;
    return c;
}

template <typename T> std::optional<T> Convertit(const std::string &c)
{
    T valeur{};
    const char *fin = c.data() + c.size();
    const auto [ptr, ec] = std::from_chars(c.data(), fin, valeur);
    if (ec != std::errc() || ptr != fin)
        return std::nullopt;
    return valeur;
}

} // namespace

std::optional<double> LitReel(const QString &texte)
{
    const auto c = FormeC(texte, QLocale().decimalPoint(), false);
    if (!c)
        return std::nullopt;
    // from_chars takes neither "12." nor ".5" the way a user types them.
    std::string complet = *c;
    if (complet.ends_with('.'))
        complet += '0';
    const auto point = complet.find('.');
    if (point != std::string::npos && (point == 0 || complet[point - 1] == '-'))
        complet = complet.substr(0, point) + '0' + complet.substr(point);
    const auto valeur = Convertit<double>(complet);
    if (!valeur || !std::isfinite(*valeur))
        return std::nullopt;
    return valeur;
}

std::optional<int> LitEntier(const QString &texte)
{
    const auto c = FormeC(texte, QString(), true);
    if (!c)
        return std::nullopt;
    return Convertit<int>(*c);
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
