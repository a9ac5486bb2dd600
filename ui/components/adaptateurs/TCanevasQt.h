#pragma once

#include "TCanevas.h"

#include <QPoint>

#include <array>

class QPainter;

namespace tavelor {

// The core's canvas on a QPainter. The pen lives in the painter, so a component and the
// core can draw in turn on one painter and each sees the pen the other left.
// Lines follow the platform rule of the bench: a segment paints its start point but not
// its end point. Width 0 or 1 is a one-pixel line; wider lines get round ends and joins.
// Antialiasing is turned off on the painter: these drawings are pixel geometry. On a
// device of pixel ratio above 1 a pixel of the drawing covers several of the device's,
// and a thin line fills them all, so that it keeps its width and stays unbroken.
// The pixels of thin lines are painted in batches, at the latest when the pen changes or
// the canvas goes: paint directly on the painter only once the canvas is gone.
class TCanevasQt : public TCanevas {
public:
    explicit TCanevasQt(QPainter &painter);
    ~TCanevasQt() override;
    TCanevasQt(const TCanevasQt &) = delete;
    TCanevasQt &operator=(const TCanevasQt &) = delete;

    void CouleurPlume(TCouleur couleur) override;
    void EpaisseurPlume(int epaisseur) override;
    void StylePlume(TStyleTrait style) override;
    void DeplaceVers(int x, int y) override;
    void LigneVers(int x, int y) override;

private:
    void AjusteExtremites();
    void TraceFin(QPoint debut, QPoint fin);
    void PeintPoints(const QPoint *points, int n);
    bool EcritDirectement(const QPoint *points, int n);
    void Vide();

    QPainter &Peintre;
    const bool Dense;
    QPoint Courant;
    // Pixels of thin lines not yet painted: the oscillograms draw a few pixels per
    // segment and thousands of segments per tick, and each painting call costs a set-up.
    std::array<QPoint, 1024> Lot;
    int NombreLot = 0;
};

} // namespace tavelor
