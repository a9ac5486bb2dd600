#include "TStyleDessin.h"

#include <QPainter>

namespace tavelor {

namespace {

QFont Police(int pixels, bool gras)
{
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(pixels);
    police.setBold(gras);
    // Hinted outlines keep small captions sharp once the picture goes through JPEG.
    police.setHintingPreference(QFont::PreferFullHinting);
    police.setStyleStrategy(QFont::PreferAntialias);
    return police;
}

} // namespace

QFont PoliceLegende()
{
    return Police(14, false);
}

QFont PoliceAppareil()
{
    return Police(17, true);
}

QFont PoliceUnite()
{
    return Police(15, true);
}

QFont PoliceBouton()
{
    return Police(13, true);
}

QPen PlumeTrait()
{
    QPen plume(Qt::black, EpaisseurTrait);
    plume.setCapStyle(Qt::FlatCap);
    plume.setJoinStyle(Qt::MiterJoin);
    return plume;
}

QPen PlumeTirets()
{
    QPen plume(Qt::black, 1.5);
    plume.setDashPattern({4.0, 3.0});
    plume.setCapStyle(Qt::FlatCap);
    return plume;
}

void PrepareCrayon(QPainter &crayon)
{
    crayon.setRenderHint(QPainter::Antialiasing);
    crayon.setRenderHint(QPainter::TextAntialiasing);
    crayon.setRenderHint(QPainter::SmoothPixmapTransform);
}

void DessineLegende(QPainter &crayon, const QRectF &cadre, const QString &texte, Qt::Alignment alignement)
{
    crayon.drawText(cadre, static_cast<int>(alignement), texte);
}

void DessineLegendeReglage(QPainter &crayon, const QRectF &cadre, const QString &texte)
{
    crayon.save();
    crayon.setFont(PoliceLegende());
    crayon.setPen(Qt::black);
    DessineLegende(crayon, cadre, texte);
    crayon.restore();
}

} // namespace tavelor
