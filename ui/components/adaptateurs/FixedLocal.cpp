#include "FixedLocal.h"

#include "Fixed.h"

#include <QLocale>

#include <algorithm>
#include <array>
#include <cmath>

namespace tavelor {

namespace {

// The separator is read once per change of the default locale, not per number; the
// generation tells a cached reading that its text may be stale.
struct TLocaleVue {
    QLocale Locale;
    std::string Separateur = Locale.decimalPoint().toStdString();
    int Generation = 0;
};

TLocaleVue &LocaleVue()
{
    static TLocaleVue vue;
    if (const QLocale locale; !(locale == vue.Locale)) {
        vue.Locale = locale;
        vue.Separateur = locale.decimalPoint().toStdString();
        ++vue.Generation;
    }
    return vue;
}

// Beyond this the rounded integer no longer fits: every call formats.
constexpr double PlusGrandArrondi = 9.0e15;

} // namespace

QString FixedLocal(double x, int p, int d)
{
    return QString::fromStdString(Fixed(x, p, d, LocaleVue().Separateur));
}

QString TexteNombre(double x, int p, int d)
{
    QString texte = FixedLocal(x, p, d);
    texte.replace(QLatin1Char('-'), QChar(0x2212));
    return texte;
}

int Decimales(TGrandeurInstrument grandeur)
{
    switch (grandeur) {
    case TGrandeurInstrument::Tension:
    case TGrandeurInstrument::Angle:
        return 1;
    case TGrandeurInstrument::Frequence:
    case TGrandeurInstrument::Courant:
        return 2;
    case TGrandeurInstrument::Puissance:
    case TGrandeurInstrument::Vitesse:
        return 0;
    case TGrandeurInstrument::FacteurPuissance:
        return 3;
    }
    return 0;
}

QString TexteInstrument(double valeur, TGrandeurInstrument grandeur, const QString &suffixe, const QString &prefixe)
{
    // A few readings of each quantity change at every tick (the lamps' voltages, the
    // angle); the others come back with the same digits. The least used text goes.
    struct TEntree {
        TNombreAffiche Nombre{15, 0};
        QString Prefixe;
        QString Suffixe;
        QString Texte;
        std::uint64_t Usage = 0;
    };
    static std::array<std::array<TEntree, 16>, 7> caches;
    static std::uint64_t horloge = 0;
    std::array<TEntree, 16> &cache = caches[static_cast<std::size_t>(grandeur)];
    ++horloge;
    for (TEntree &e : cache)
        if (e.Usage != 0 && e.Suffixe == suffixe && e.Prefixe == prefixe && e.Nombre.AJour(valeur)) {
            e.Usage = horloge;
            return e.Texte;
        }
    TEntree &e = *std::min_element(cache.begin(), cache.end(),
                                   [](const TEntree &a, const TEntree &b) { return a.Usage < b.Usage; });
    e.Nombre = TNombreAffiche(15, Decimales(grandeur));
    e.Prefixe = prefixe;
    e.Suffixe = suffixe;
    e.Texte = prefixe + e.Nombre.Texte(valeur) + suffixe;
    e.Usage = horloge;
    return e.Texte;
}

TNombreAffiche::TNombreAffiche(TGrandeurInstrument grandeur) : TNombreAffiche(15, tavelor::Decimales(grandeur)) {}

// Rounded at the shown decimals, halves away from zero as the text itself: the text can
// only change when this integer does, the significant-digit limit rounding coarser
// still. A product within a hair of a half may round the other way than the exact
// decimal value the text is made from: no key then, and the text is made every time.
bool TNombreAffiche::Cle(double valeur, std::int64_t &cle) const
{
    const double mis = valeur * std::pow(10.0, NbDecimales);
    if (!std::isfinite(mis) || std::fabs(mis) >= PlusGrandArrondi ||
        std::fabs(std::fabs(mis - std::trunc(mis)) - 0.5) <= 1e-6)
        return false;
    cle = std::llround(mis);
    return true;
}

bool TNombreAffiche::AJour(double valeur) const
{
    std::int64_t cle = 0;
    return Fait && Cle(valeur, cle) && cle == Arrondi && Generation == LocaleVue().Generation;
}

const QString &TNombreAffiche::Texte(double valeur)
{
    if (AJour(valeur))
        return Dernier;
    Fait = true;
    if (!Cle(valeur, Arrondi))
        Arrondi = 0;
    Generation = LocaleVue().Generation;
    Dernier = TexteNombre(valeur, NbChiffres, NbDecimales);
    ++Faits;
    return Dernier;
}

} // namespace tavelor
