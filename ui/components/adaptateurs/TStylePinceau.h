#pragma once

#include "TCouleur.h"

#include <QBrush>
#include <QObject>

namespace tavelor {

// Fill styles of the components' backgrounds, in their historical order (stored values
// 0..7). The enumeration lives in an inline namespace of its own so that it carries a
// meta-object, which lets a StyleFond property be set by name ("bsClear"), without
// claiming the one meta-object that namespace tavelor could have.
inline namespace pinceau {
Q_NAMESPACE

enum TStylePinceau { bsSolid, bsClear, bsHorizontal, bsVertical, bsFDiagonal, bsBDiagonal, bsCross, bsDiagCross };
Q_ENUM_NS(TStylePinceau)

} // namespace pinceau

// Brush of a background. bsClear fills nothing; a hatch paints its lines only, the
// parent showing between them.
QBrush VersQBrush(TCouleur couleur, TStylePinceau style);

} // namespace tavelor
