#pragma once

#include "TCouleur.h"

#include <QColor>

namespace tavelor {

// The one conversion from the program's 0x00BBGGRR colours to Qt's.
QColor VersQColor(TCouleur couleur);

} // namespace tavelor
