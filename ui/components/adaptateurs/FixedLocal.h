#pragma once

#include <QString>

#include <cstdint>

namespace tavelor {

// Fixed(x, p, d) with the decimal separator of the user's regional settings and the
// hyphen-minus, as an edit field holds a number: the dialogs read it back.
QString FixedLocal(double x, int p, int d);

// A number as every reading of the program shows it: FixedLocal with a true minus sign
// (U+2212) in place of the hyphen, never grouped by thousands.
QString TexteNombre(double x, int p, int d);

// The digits of every quantity the windows show, so that an instrument, the table and a
// curve write one value alike: tenths of volts and of degrees, hundredths of hertz and
// of amperes, whole W, var, VA and rpm, thousandths of cos φ. Fifteen significant digits:
// never the exponent form, whatever the reading. The number alone, angles in degrees.
enum class TGrandeurInstrument { Tension, Frequence, Angle, Puissance, FacteurPuissance, Courant, Vitesse };
int Decimales(TGrandeurInstrument grandeur);
// Between `prefixe` and `suffixe` (a unit), and made again only when the digits shown
// change: the last texts of each quantity are kept, so a reading the tick leaves alone
// costs nothing.
QString TexteInstrument(double valeur, TGrandeurInstrument grandeur, const QString &suffixe = {},
                        const QString &prefixe = {});

// A reading written at every tick: its text is made again only when the digits it
// shows change, which the rounded integer tells before any formatting. `Texte` returns
// the same string until then, so a caller that compares it sees no change.
class TNombreAffiche {
public:
    // `p` significant digits and `d` decimals, as TexteNombre.
    TNombreAffiche(int p, int d) : NbChiffres(p), NbDecimales(d) {}
    explicit TNombreAffiche(TGrandeurInstrument grandeur);

    const QString &Texte(double valeur);
    // Whether Texte(valeur) would give the text already made.
    bool AJour(double valeur) const;
    // How many times the text was made: the tests' window on the cache.
    int Formatages() const { return Faits; }

private:
    // The value rounded at the shown decimals; false within a hair of a half.
    bool Cle(double valeur, std::int64_t &cle) const;

    int NbChiffres;
    int NbDecimales;
    bool Fait = false;
    std::int64_t Arrondi = 0;
    int Generation = 0;
    QString Dernier;
    int Faits = 0;
};

} // namespace tavelor
