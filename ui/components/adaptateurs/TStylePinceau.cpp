#include "TStylePinceau.h"

#include "CouleurQt.h"

namespace tavelor {

QBrush VersQBrush(TCouleur couleur, TStylePinceau style)
{
    Qt::BrushStyle motif = Qt::SolidPattern;
    switch (style) {
    case bsSolid:
        motif = Qt::SolidPattern;
        break;
    case bsClear:
        return QBrush(Qt::NoBrush);
    case bsHorizontal:
        motif = Qt::HorPattern;
        break;
    case bsVertical:
        motif = Qt::VerPattern;
        break;
    case bsFDiagonal:
        motif = Qt::FDiagPattern;
        break;
    case bsBDiagonal:
        motif = Qt::BDiagPattern;
        break;
    case bsCross:
        motif = Qt::CrossPattern;
        break;
    case bsDiagCross:
        motif = Qt::DiagCrossPattern;
        break;
    }
    return QBrush(VersQColor(couleur), motif);
}

} // namespace tavelor
