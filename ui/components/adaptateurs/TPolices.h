#pragma once

#include <QFont>
#include <QString>

#include <string>

namespace tavelor {

// The typefaces named by the window descriptions, matched without regard to case, and
// the installed fonts that stand for them: Liberation Sans for "arial" and
// "MS Sans Serif", Liberation Serif for "times new roman". "symbol" text is turned into
// Unicode Greek (SymboleGrec) and drawn with Liberation Sans, which has Greek. Other
// names are passed to the font system as they are.
class TPolices {
public:
    static QString Famille(const QString &nom);
    static bool EstSymbole(const QString &nom);
    // Size in points at the device's logical resolution, taken in 1..1000.
    static QFont Police(const QString &nom, int points);
    // A run's text as it is to be drawn in the typeface `nom`.
    static QString Texte(const QString &nom, const std::string &utf8);
};

} // namespace tavelor
