#pragma once

#include <QString>

namespace tavelor {

// Fixed(x, p, d) with the decimal separator of the user's regional settings.
QString FixedLocal(double x, int p, int d);

// The lab instruments' way of writing a reading, shared by all that must show their very
// digits (the instruments, the measurements table): no grouping, the locale's separator,
// tenths of volts and of degrees, hundredths of hertz, whole W, var and VA, thousandths of
// cos φ. The number alone, angles given in degrees.
enum class TGrandeurInstrument { Tension, Frequence, Angle, Puissance, FacteurPuissance };
QString TexteInstrument(double valeur, TGrandeurInstrument grandeur);

} // namespace tavelor
