#include "TCanevasQt.h"

#include "CouleurQt.h"

#include <QPaintDevice>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cstdlib>

namespace tavelor {

namespace {

// n / d to the nearest integer, halves rounded towards +infinity; d > 0.
long long ArrondiDivision(long long n, long long d)
{
    const long long q = (2 * n + d) / (2 * d);
    return (2 * n + d) % (2 * d) < 0 ? q - 1 : q;
}

} // namespace

TCanevasQt::TCanevasQt(QPainter &painter)
    : Peintre(painter), Dense(painter.device() != nullptr && painter.device()->devicePixelRatioF() > 1.0)
{
    Peintre.setRenderHint(QPainter::Antialiasing, false);
    AjusteExtremites();
}

void TCanevasQt::CouleurPlume(TCouleur couleur)
{
    QPen plume = Peintre.pen();
    plume.setColor(VersQColor(couleur));
    Peintre.setPen(plume);
}

void TCanevasQt::EpaisseurPlume(int epaisseur)
{
    QPen plume = Peintre.pen();
    plume.setWidth(epaisseur < 0 ? 0 : epaisseur);
    Peintre.setPen(plume);
    AjusteExtremites();
}

void TCanevasQt::StylePlume(TStyleTrait style)
{
    Qt::PenStyle trait = Qt::SolidLine;
    switch (style) {
    case TStyleTrait::psSolid:
    case TStyleTrait::psInsideFrame:
        trait = Qt::SolidLine;
        break;
    case TStyleTrait::psDash:
        trait = Qt::DashLine;
        break;
    case TStyleTrait::psDot:
        trait = Qt::DotLine;
        break;
    case TStyleTrait::psDashDot:
        trait = Qt::DashDotLine;
        break;
    case TStyleTrait::psDashDotDot:
        trait = Qt::DashDotDotLine;
        break;
    case TStyleTrait::psClear:
        trait = Qt::NoPen;
        break;
    }
    QPen plume = Peintre.pen();
    plume.setStyle(trait);
    Peintre.setPen(plume);
}

void TCanevasQt::DeplaceVers(int x, int y)
{
    Courant = QPoint(x, y);
}

void TCanevasQt::LigneVers(int x, int y)
{
    const QPoint fin(x, y);
    const QPen plume = Peintre.pen();
    if (fin != Courant) {
        if (plume.width() <= 1 && plume.style() == Qt::SolidLine)
            TraceFin(Courant, fin);
        else
            Peintre.drawLine(Courant, fin);
    }
    Courant = fin;
}

// A one-pixel solid line stepped from its start, one pixel per step along its longer
// direction, its end point left out. Qt's own thin lines may be drawn from either end,
// which would leave out the wrong point.
void TCanevasQt::TraceFin(QPoint debut, QPoint fin)
{
    const long long dx = static_cast<long long>(fin.x()) - debut.x();
    const long long dy = static_cast<long long>(fin.y()) - debut.y();
    const long long pas = std::max(std::llabs(dx), std::llabs(dy));
    // Only the part that can land on the device is worth stepping through.
    const long long limite = 1 << 16;
    if (pas > limite) {
        Peintre.drawLine(debut, fin);
        return;
    }
    // The points go in small batches from the stack, with the line pen: the oscillograms
    // draw thousands of these segments per tick, and none of them may allocate.
    std::array<QPoint, 64> lot;
    std::size_t n = 0;
    for (long long i = 0; i < pas; ++i) {
        // Nearest pixel to the exact point, halves rounded up, as a Bresenham walk would.
        const long long px = debut.x() + ArrondiDivision(dx * i, pas);
        const long long py = debut.y() + ArrondiDivision(dy * i, pas);
        lot[n++] = QPoint(static_cast<int>(px), static_cast<int>(py));
        if (n == lot.size()) {
            PeintPoints(lot.data(), static_cast<int>(n));
            n = 0;
        }
    }
    if (n > 0)
        PeintPoints(lot.data(), static_cast<int>(n));
}

void TCanevasQt::PeintPoints(const QPoint *points, int n)
{
    if (!Dense) {
        Peintre.drawPoints(points, n);
        return;
    }
    // A point would be a single device pixel: fill the whole pixel of the drawing.
    const QColor couleur = Peintre.pen().color();
    for (int i = 0; i < n; ++i)
        Peintre.fillRect(QRect(points[i], QSize(1, 1)), couleur);
}

// A flat cap on a thin pen leaves the end point unpainted; thick pens are drawn with
// round ends, as the platform's wide pens were.
void TCanevasQt::AjusteExtremites()
{
    QPen plume = Peintre.pen();
    const bool fine = plume.width() <= 1;
    plume.setCapStyle(fine ? Qt::FlatCap : Qt::RoundCap);
    plume.setJoinStyle(fine ? Qt::MiterJoin : Qt::RoundJoin);
    Peintre.setPen(plume);
}

} // namespace tavelor
