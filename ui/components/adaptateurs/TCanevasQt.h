#pragma once

#include "TCanevas.h"

#include <QPoint>

class QPainter;

namespace tavelor {

// The core's canvas on a QPainter. The pen lives in the painter, so a component and the
// core can draw in turn on one painter and each sees the pen the other left.
// Lines follow the platform rule of the bench: a segment paints its start point but not
// its end point. Width 0 or 1 is a one-pixel line; wider lines get round ends and joins.
// Antialiasing is turned off on the painter: these drawings are pixel geometry. On a
// device of pixel ratio above 1 a pixel of the drawing covers several of the device's,
// and a thin line fills them all, so that it keeps its width and stays unbroken.
class TCanevasQt : public TCanevas {
public:
    explicit TCanevasQt(QPainter &painter);

    void CouleurPlume(TCouleur couleur) override;
    void EpaisseurPlume(int epaisseur) override;
    void StylePlume(TStyleTrait style) override;
    void DeplaceVers(int x, int y) override;
    void LigneVers(int x, int y) override;

private:
    void AjusteExtremites();
    void TraceFin(QPoint debut, QPoint fin);
    void PeintPoints(const QPoint *points, int n);

    QPainter &Peintre;
    const bool Dense;
    QPoint Courant;
};

} // namespace tavelor
