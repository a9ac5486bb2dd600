#include "TImagesAnnexes.h"

#include "TDispositionBanc.h"
#include "TStyleDessin.h"

#include <QPainter>
#include <QPainterPath>

namespace tavelor {

namespace {

QImage Toile(QSize taille, qreal echelle, QImage::Format format)
{
    QImage image(taille * echelle, format);
    image.setDevicePixelRatio(echelle);
    return image;
}

} // namespace

QImage ImageRegCouple(qreal echelle)
{
    // Same box and drawing call as the bench's "Réglage vitesse", so the words line up.
    const QSize taille = TDispositionBanc::ImageRegCouple.size();
    QImage image = Toile(taille, echelle, QImage::Format_RGB32);
    image.fill(CouleurFond);
    QPainter crayon(&image);
    PrepareCrayon(crayon);
    DessineLegendeReglage(crayon, QRectF(QPointF(0, 0), QSizeF(taille)), QStringLiteral("Réglage\ncouple"));
    return image;
}

QImage ImageWarning(qreal echelle)
{
    QImage image = Toile(TDispositionBanc::ImageWarning.size(), echelle, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter crayon(&image);
    PrepareCrayon(crayon);

    // Rounded triangle filling the 31 x 32 box, with a margin for the outline's antialiasing.
    const QPointF haut(15.5, 2.0);
    const QPointF gauche(1.5, 28.5);
    const QPointF droite(29.5, 28.5);
    QPen contour(Qt::black, 2.0);
    contour.setJoinStyle(Qt::RoundJoin);
    crayon.setPen(contour);
    crayon.setBrush(QColor(255, 210, 0));
    crayon.drawPolygon(QPolygonF({haut, droite, gauche}));

    // Exclamation mark: a tapered bar and a dot.
    crayon.setPen(Qt::NoPen);
    crayon.setBrush(Qt::black);
    QPainterPath barre;
    barre.moveTo(13.6, 10.0);
    barre.lineTo(17.4, 10.0);
    barre.lineTo(16.5, 20.5);
    barre.lineTo(14.5, 20.5);
    barre.closeSubpath();
    crayon.drawPath(barre);
    crayon.drawEllipse(QPointF(15.5, 24.3), 1.9, 1.9);
    return image;
}

QImage FaceBouton(const QString &texte, int largeur, int hauteur, qreal echelle)
{
    QImage image = Toile(QSize(largeur, hauteur), echelle, QImage::Format_RGB32);
    image.fill(Qt::black);
    QPainter crayon(&image);
    PrepareCrayon(crayon);
    crayon.setFont(PoliceBouton());
    crayon.setPen(CouleurTexteBouton);
    crayon.drawText(QRect(0, 0, largeur, hauteur), Qt::AlignCenter, texte);
    return image;
}

} // namespace tavelor
