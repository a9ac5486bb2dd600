#pragma once

#include "TCouleur.h"

namespace tavelor {

// Pen styles, in the toolkit's historical order.
enum class TStyleTrait { psSolid, psDash, psDot, psDashDot, psDashDotDot, psClear, psInsideFrame };

// The few drawing operations the core needs: a pen and straight segments.
// The windows adapt it onto their painter; tests record the calls.
class TCanevas {
public:
    virtual ~TCanevas() = default;

    virtual void CouleurPlume(TCouleur couleur) = 0;
    virtual void EpaisseurPlume(int epaisseur) = 0;
    virtual void StylePlume(TStyleTrait style) = 0;
    // Sets the current point.
    virtual void DeplaceVers(int x, int y) = 0;
    // Segment from the current point to (x, y), end point excluded; (x, y) becomes current.
    virtual void LigneVers(int x, int y) = 0;
};

} // namespace tavelor
