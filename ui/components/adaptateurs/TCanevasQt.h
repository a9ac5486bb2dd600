#pragma once

#include "TCanevas.h"

#include <QPainter>
#include <QPoint>
#include <QRegion>
#include <QRgb>

#include <array>
#include <atomic>
#include <cstdint>

class QPaintDevice;

namespace tavelor {

// The core's canvas on a paint device. Lines follow the platform rule of the bench: a
// segment paints its start point but not its end point. Width 0 or 1 is a one-pixel
// line; wider lines get round ends and joins. Antialiasing is off: these drawings are
// pixel geometry. On a device of pixel ratio above 1 a pixel of the drawing covers
// several of the device's, and a thin line fills them all, so that it keeps its width
// and stays unbroken.
//
// The pixels of thin lines wait in a batch and are painted later, so the canvas owns
// its painter and hands it out only through Peintre(), which paints what waits first:
// whatever is painted next lies over it, and the order of the calls is the order on
// screen. The pen lives in the painter, so a component and the core drawing in turn
// each see the pen the other left.
class TCanevasQt : public TCanevas {
public:
    explicit TCanevasQt(QPaintDevice *support);
    ~TCanevasQt() override;
    TCanevasQt(const TCanevasQt &) = delete;
    TCanevasQt &operator=(const TCanevasQt &) = delete;

    // For anything but the canvas's own lines. Ask for it again after drawing lines: a
    // reference kept across them would paint under them.
    QPainter &Peintre();
    // A Qt pen taken as the canvas's own: its ends fit its width as EpaisseurPlume's do.
    void Plume(const QPen &plume);

    void CouleurPlume(TCouleur couleur) override;
    void EpaisseurPlume(int epaisseur) override;
    void StylePlume(TStyleTrait style) override;
    void DeplaceVers(int x, int y) override;
    void LigneVers(int x, int y) override;

    // Pixels written straight into an image so far, by every canvas: the tests watch
    // that the oscillograms keep this fast path.
    static std::uint64_t PixelsEcritsDirectement();

private:
    void AjusteExtremites();
    static Qt::PenCapStyle Bout(int largeur);
    static Qt::PenJoinStyle Jonction(int largeur);
    // Makes the painter's pen the one described, taken from the pens already made.
    void PosePlume(const QColor &couleur, int largeur, Qt::PenStyle style, Qt::PenCapStyle bout,
                   Qt::PenJoinStyle jonction);
    void TraceFin(QPoint debut, QPoint fin);
    void PeintPoints(const QPoint *points, int n);
    bool EcritDirectement(const QPoint *points, int n);
    bool PrepareEcriture();
    bool EcriturePossible();
    void Oublie();
    void Vide();
    bool PlumeFine();

    QPainter Pinceau;
    const bool Dense;
    QPoint Courant;
    // Whether the pen is a one-pixel solid one, read from the painter once per pen
    // rather than once per segment; unknown after the painter was handed out.
    bool FineConnue = false;
    bool Fine = false;
    // Pixels of thin lines not yet painted: the oscillograms draw a few pixels per
    // segment and thousands of segments per tick, and each painting call costs a set-up.
    std::array<QPoint, 1024> Lot;
    int NombreLot = 0;
    // Writing thin lines' pixels straight into the image: whether it may, read from the
    // painter once per pen, and where. A single rectangle to clip to is written segment
    // by segment; a region of several goes by batches.
    enum class TEcriture { Inconnue, Possible, Impossible };
    TEcriture Ecriture = TEcriture::Inconnue;
    bool Rectangle = true;
    QRegion Zone;
    int Gauche = 0, Droite = -1, Haut = 0, Bas = -1;
    QPoint Decalage;
    QRgb Couleur = 0;
    uchar *Pixels = nullptr;
    qsizetype OctetsParLigne = 0;
    std::uint64_t EcritsIci = 0;
    static std::atomic<std::uint64_t> EcritsDirectement;
};

} // namespace tavelor
