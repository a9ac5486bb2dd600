#include "CouleurQt.h"

namespace tavelor {

QColor VersQColor(TCouleur couleur)
{
    // Red sits in the low byte; the high byte is not part of the colour.
    return QColor(static_cast<int>(couleur & 0xFF), static_cast<int>((couleur >> 8) & 0xFF),
                  static_cast<int>((couleur >> 16) & 0xFF));
}

} // namespace tavelor
