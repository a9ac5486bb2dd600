#pragma once

#include <QWidget>

namespace tavelor {

// What every published property's setter does: a new value is stored and the
// component repainted; the same value changes nothing. Returns whether it changed,
// for the setters that have more to bring up to date.
template <typename T, typename U> bool ChangePropriete(QWidget &composant, T &champ, const U &valeur)
{
    if (champ == valeur)
        return false;
    champ = valeur;
    composant.update();
    return true;
}

} // namespace tavelor
