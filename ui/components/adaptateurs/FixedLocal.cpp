#include "FixedLocal.h"

#include "Fixed.h"

#include <QLocale>

namespace tavelor {

QString FixedLocal(double x, int p, int d)
{
    return QString::fromStdString(Fixed(x, p, d, QLocale().decimalPoint().toStdString()));
}

QString TexteInstrument(double valeur, TGrandeurInstrument grandeur)
{
    int decimales = 0;
    switch (grandeur) {
    case TGrandeurInstrument::Tension:
    case TGrandeurInstrument::Angle:
        decimales = 1;
        break;
    case TGrandeurInstrument::Frequence:
        decimales = 2;
        break;
    case TGrandeurInstrument::Puissance:
        decimales = 0;
        break;
    case TGrandeurInstrument::FacteurPuissance:
        decimales = 3;
        break;
    }
    // Fifteen significant digits: never the exponent form, whatever the reading.
    return FixedLocal(valeur, 15, decimales);
}

} // namespace tavelor
