#pragma once

#include <QString>

#include <optional>

namespace tavelor {

// What the diagram dialogs accept in their edit fields: plain decimal numbers written
// with the locale's decimal separator, an optional minus sign and blanks around them.
// No plus sign, no exponent, no hexadecimal, no group separator; a number too large
// for its type is refused like any other bad text.
std::optional<double> LitReel(const QString &texte);
std::optional<int> LitEntier(const QString &texte);

// Shortest text of up to 15 significant digits that LitReel reads back: never an
// exponent, the locale's separator ("0,8" in French, "45").
QString TexteReel(double x);

} // namespace tavelor
