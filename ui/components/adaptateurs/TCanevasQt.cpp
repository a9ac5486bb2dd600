#include "TCanevasQt.h"

#include "CouleurQt.h"

#include <QImage>
#include <QPaintDevice>
#include <QPaintEngine>
#include <QPainter>
#include <QRegion>

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdlib>
#include <utility>
#include <vector>

namespace tavelor {

std::atomic<std::uint64_t> TCanevasQt::EcritsDirectement{0};

TCanevasQt::TCanevasQt(QPaintDevice *support)
    : Pinceau(support), Dense(support != nullptr && support->devicePixelRatioF() > 1.0)
{
    Pinceau.setRenderHint(QPainter::Antialiasing, false);
    AjusteExtremites();
}

TCanevasQt::~TCanevasQt()
{
    Vide();
    EcritsDirectement.fetch_add(EcritsIci, std::memory_order_relaxed);
}

// What was read from the painter's state may no longer hold.
void TCanevasQt::Oublie()
{
    FineConnue = false;
    Ecriture = TEcriture::Inconnue;
}

QPainter &TCanevasQt::Peintre()
{
    Vide();
    Oublie();
    return Pinceau;
}

void TCanevasQt::Plume(const QPen &plume)
{
    Vide();
    Pinceau.setPen(plume);
    AjusteExtremites();
    Oublie();
}

std::uint64_t TCanevasQt::PixelsEcritsDirectement()
{
    return EcritsDirectement.load(std::memory_order_relaxed);
}

void TCanevasQt::Vide()
{
    if (NombreLot > 0)
        PeintPoints(Lot.data(), NombreLot);
    NombreLot = 0;
}

void TCanevasQt::CouleurPlume(TCouleur couleur)
{
    Vide();
    const QPen &plume = Pinceau.pen();
    PosePlume(VersQColor(couleur), plume.width(), plume.style(), plume.capStyle(), plume.joinStyle());
    Oublie();
}

void TCanevasQt::EpaisseurPlume(int epaisseur)
{
    Vide();
    const QPen &plume = Pinceau.pen();
    const int largeur = epaisseur < 0 ? 0 : epaisseur;
    PosePlume(plume.color(), largeur, plume.style(), Bout(largeur), Jonction(largeur));
    Oublie();
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
    Vide();
    const QPen &plume = Pinceau.pen();
    PosePlume(plume.color(), plume.width(), trait, plume.capStyle(), plume.joinStyle());
    Oublie();
}

void TCanevasQt::DeplaceVers(int x, int y)
{
    Courant = QPoint(x, y);
}

void TCanevasQt::LigneVers(int x, int y)
{
    const QPoint fin(x, y);
    if (fin != Courant) {
        if (PlumeFine()) {
            TraceFin(Courant, fin);
        } else {
            Vide();
            Pinceau.drawLine(Courant, fin);
        }
    }
    Courant = fin;
}

bool TCanevasQt::PlumeFine()
{
    if (!FineConnue) {
        const QPen &plume = Pinceau.pen();
        Fine = plume.width() <= 1 && plume.style() == Qt::SolidLine;
        FineConnue = true;
    }
    return Fine;
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
        Vide();
        Pinceau.drawLine(debut, fin);
        return;
    }
    // Nearest pixel to the exact point, halves rounded up, as a Bresenham walk would:
    // floor((2·d·i + pas) / (2·pas)) along each axis, stepped without dividing.
    const long long deuxPas = 2 * pas;
    long long qx = 0, rx = pas, qy = 0, ry = pas;
    const auto avance = [deuxPas](long long &q, long long &r, long long d) {
        r += 2 * d;
        if (r >= deuxPas) {
            r -= deuxPas;
            ++q;
        } else if (r < 0) {
            r += deuxPas;
            --q;
        }
    };
    if (EcriturePossible() && Rectangle) {
        // Straight into the image: no batch to fill, nothing to read back.
        const int x0 = debut.x() + Decalage.x();
        const int y0 = debut.y() + Decalage.y();
        for (long long i = 0; i < pas; ++i) {
            const long long x = x0 + qx;
            const long long y = y0 + qy;
            if (x >= Gauche && x <= Droite && y >= Haut && y <= Bas) {
                reinterpret_cast<QRgb *>(Pixels + y * OctetsParLigne)[x] = Couleur;
                ++EcritsIci;
            }
            avance(qx, rx, dx);
            avance(qy, ry, dy);
        }
        return;
    }
    for (long long i = 0; i < pas; ++i) {
        Lot[static_cast<std::size_t>(NombreLot++)] =
            QPoint(static_cast<int>(debut.x() + qx), static_cast<int>(debut.y() + qy));
        if (NombreLot == static_cast<int>(Lot.size()))
            Vide();
        avance(qx, rx, dx);
        avance(qy, ry, dy);
    }
}

void TCanevasQt::PeintPoints(const QPoint *points, int n)
{
    if (!Dense) {
        if (!EcritDirectement(points, n))
            Pinceau.drawPoints(points, n);
        return;
    }
    // A point would be a single device pixel: fill the whole pixel of the drawing.
    const QColor couleur = Pinceau.pen().color();
    for (int i = 0; i < n; ++i)
        Pinceau.fillRect(QRect(points[i], QSize(1, 1)), couleur);
}

// A flat cap on a thin pen leaves the end point unpainted; thick pens are drawn with
// round ends, as the platform's wide pens were.
Qt::PenCapStyle TCanevasQt::Bout(int largeur)
{
    return largeur <= 1 ? Qt::FlatCap : Qt::RoundCap;
}

Qt::PenJoinStyle TCanevasQt::Jonction(int largeur)
{
    return largeur <= 1 ? Qt::MiterJoin : Qt::RoundJoin;
}

void TCanevasQt::AjusteExtremites()
{
    const QPen &plume = Pinceau.pen();
    PosePlume(plume.color(), plume.width(), plume.style(), Bout(plume.width()), Jonction(plume.width()));
}

namespace {

struct TClePlume {
    QRgb couleur;
    int largeur;
    Qt::PenStyle style;
    Qt::PenCapStyle bout;
    Qt::PenJoinStyle jonction;
    bool operator==(const TClePlume &) const = default;
};

// A pen of nothing but a colour, a whole width, a standard style, its ends and joins.
bool Simple(const QPen &plume)
{
    return plume.brush().style() == Qt::SolidPattern && plume.style() != Qt::CustomDashLine && !plume.isCosmetic() &&
           plume.widthF() == plume.width() && plume.miterLimit() == 2.0 && plume.dashOffset() == 0.0;
}

// The pens the windows draw with, made once for the whole program (painting is on the
// GUI thread alone): a pen changed in place is copied, which allocates, and the windows
// change pens a few hundred times a tick. Kept small: past it, pens are made each time.
const QPen *PlumeCommune(const TClePlume &cle)
{
    static std::vector<std::pair<TClePlume, QPen>> plumes;
    for (const auto &[c, plume] : plumes)
        if (c == cle)
            return &plume;
    if (plumes.size() >= 64)
        return nullptr;
    plumes.emplace_back(cle, QPen(QBrush(QColor::fromRgba(cle.couleur)), cle.largeur, cle.style, cle.bout,
                                  cle.jonction));
    return &plumes.back().second;
}

} // namespace

void TCanevasQt::PosePlume(const QColor &couleur, int largeur, Qt::PenStyle style, Qt::PenCapStyle bout,
                           Qt::PenJoinStyle jonction)
{
    // Only a colour that its 32-bit value gives back exactly is a key.
    if (Simple(Pinceau.pen()) && QColor::fromRgba(couleur.rgba()) == couleur) {
        if (const QPen *plume = PlumeCommune({couleur.rgba(), largeur, style, bout, jonction})) {
            Pinceau.setPen(*plume);
            return;
        }
    }
    QPen plume = Pinceau.pen();
    plume.setColor(couleur);
    plume.setWidth(largeur);
    plume.setStyle(style);
    plume.setCapStyle(bout);
    plume.setJoinStyle(jonction);
    Pinceau.setPen(plume);
}

// The painter's own point drawing costs far more per pixel than the pixel itself, and
// the oscillograms paint some 26 000 of them per tick. Where the painter draws opaque
// pixels one to one on an image in a 32-bit format (a window's backing store, say) and
// has no clip of its own, they are written into the image instead, within the region
// being repainted; anywhere else the painter draws them. Read once per pen: only the
// canvas's own pen changes and a painter handed out can change what this reads.
bool TCanevasQt::PrepareEcriture()
{
    if (Dense)
        return false;
    QPaintEngine *moteur = Pinceau.paintEngine();
    if (moteur == nullptr || moteur->type() != QPaintEngine::Raster || moteur->paintDevice() == nullptr ||
        moteur->paintDevice()->devType() != QInternal::Image)
        return false;
    auto *image = static_cast<QImage *>(moteur->paintDevice());
    const QImage::Format format = image->format();
    if (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
        format != QImage::Format_ARGB32_Premultiplied)
        return false;
    const QPen &plume = Pinceau.pen();
    const QTransform transformation = Pinceau.deviceTransform();
    if (plume.brush().style() != Qt::SolidPattern || plume.color().alpha() != 255 || Pinceau.opacity() != 1.0 ||
        Pinceau.compositionMode() != QPainter::CompositionMode_SourceOver ||
        transformation.type() > QTransform::TxTranslate || transformation.dx() != std::floor(transformation.dx()) ||
        transformation.dy() != std::floor(transformation.dy()))
        return false;
    // clipRegion() only approximates a path, a fractional rectangle or a clip set under
    // a rotation; the system clip (the region being repainted) is exact.
    if (Pinceau.hasClipping())
        return false;
    Zone = moteur->systemClip().isEmpty() ? QRegion(image->rect()) : moteur->systemClip();
    Zone &= image->rect();
    // Mostly one rectangle, which is tested far faster than a region.
    const QRect cadre = Zone.boundingRect();
    Rectangle = Zone.rectCount() <= 1;
    Gauche = cadre.left();
    Droite = cadre.right();
    Haut = cadre.top();
    Bas = cadre.bottom();
    Decalage = QPoint(static_cast<int>(transformation.dx()), static_cast<int>(transformation.dy()));
    Couleur = plume.color().rgba();
    // Into the very pixels the painter draws on: a writable scan line would detach a
    // shared image from them.
    Pixels = const_cast<uchar *>(image->constBits());
    OctetsParLigne = image->bytesPerLine();
    return true;
}

bool TCanevasQt::EcriturePossible()
{
    if (Ecriture == TEcriture::Inconnue)
        Ecriture = PrepareEcriture() ? TEcriture::Possible : TEcriture::Impossible;
    return Ecriture == TEcriture::Possible;
}

// A batch of pixels, tested against a region of several rectangles: within a single one,
// TraceFin writes them itself.
bool TCanevasQt::EcritDirectement(const QPoint *points, int n)
{
    if (!EcriturePossible())
        return false;
    for (int i = 0; i < n; ++i) {
        const QPoint p = points[i] + Decalage;
        if (Zone.contains(p)) {
            reinterpret_cast<QRgb *>(Pixels + p.y() * OctetsParLigne)[p.x()] = Couleur;
            ++EcritsIci;
        }
    }
    return true;
}

} // namespace tavelor
