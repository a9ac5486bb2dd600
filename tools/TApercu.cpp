#include "TApercu.h"

#include "TDispositionBanc.h"
#include "TImagesAnnexes.h"
#include "TStyleDessin.h"

#include <QDir>
#include <QPainter>

namespace tavelor {

namespace {

QImage Agrandie(const QImage &image, int facteur)
{
    return image.scaled(image.size() * facteur, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

void Afficheur(QPainter &crayon, const QRect &zone, const QString &valeur)
{
    crayon.fillRect(zone, Qt::white);
    QFont police(QStringLiteral("Liberation Sans"));
    police.setPixelSize(20);
    crayon.setFont(police);
    crayon.setPen(Qt::red);
    crayon.drawText(zone.adjusted(0, 0, -3, 0), Qt::AlignRight | Qt::AlignVCenter, valeur);
}

// One open pole, as the switch symbol draws it: leads, lifted blade, two hollow contacts.
void Interrupteur(QPainter &crayon, const QRect &zone)
{
    crayon.save();
    crayon.translate(zone.topLeft());
    crayon.setRenderHint(QPainter::Antialiasing, false);
    crayon.setPen(QPen(Qt::black, 0));
    crayon.setBrush(Qt::NoBrush);
    crayon.drawLine(0, 18, 13, 18);
    crayon.drawLine(13, 18, 37, 0);
    crayon.drawLine(50, 18, 37, 18);
    crayon.drawEllipse(QRect(10, 15, 7, 7));
    crayon.drawEllipse(QRect(34, 15, 7, 7));
    crayon.restore();
}

void Bouton(QPainter &crayon, const QRect &zone, const QString &texte)
{
    crayon.fillRect(zone, QColor(225, 225, 225));
    crayon.setPen(QColor(120, 120, 120));
    crayon.drawRect(zone.adjusted(0, 0, -1, -1));
    crayon.drawImage(zone.topLeft() + QPoint(3, 3), FaceBouton(texte, zone.width() - 6, zone.height() - 6));
}

void TrackBar(QPainter &crayon, const QRect &zone, bool verticale)
{
    crayon.save();
    crayon.setPen(QColor(130, 130, 130));
    crayon.setBrush(QColor(235, 235, 235));
    const QPoint centre = zone.center();
    if (verticale) {
        crayon.drawRect(QRect(centre.x() - 2, zone.top() + 8, 4, zone.height() - 16));
        crayon.drawRect(QRect(centre.x() - 10, zone.top() + 4, 20, 10));
    } else {
        crayon.drawRect(QRect(zone.left() + 8, centre.y() - 2, zone.width() - 16, 4));
        crayon.drawRect(QRect(zone.left() + 4, centre.y() - 10, 10, 20));
    }
    crayon.restore();
}

} // namespace

TApercu::TApercu(const QImage &banc, const QImage &regCouple, const QImage &warning)
    : Banc(banc), RegCouple(regCouple), Warning(warning)
{}

bool TApercu::Ecrit(const QString &dossier) const
{
    if (!QDir().mkpath(dossier))
        return false;
    const QDir sortie(dossier);
    const QImage zonesBanc = zones();
    const QImage fenetreBanc = fenetre();
    return Banc.save(sortie.filePath(QStringLiteral("banc.png"))) &&
           zonesBanc.save(sortie.filePath(QStringLiteral("banc_zones.png"))) &&
           Agrandie(zonesBanc, 2).save(sortie.filePath(QStringLiteral("banc_zones_x2.png"))) &&
           fenetreBanc.save(sortie.filePath(QStringLiteral("banc_fenetre.png"))) &&
           Agrandie(fenetreBanc, 2).save(sortie.filePath(QStringLiteral("banc_fenetre_x2.png"))) &&
           petites().save(sortie.filePath(QStringLiteral("petites_x4.png")));
}

QImage TApercu::zones() const
{
    QImage image = Banc.convertToFormat(QImage::Format_RGB32);
    QPainter crayon(&image);
    crayon.setPen(QPen(Qt::red, 0));
    crayon.setBrush(Qt::NoBrush);
    for (const TDispositionBanc::TZone &zone : TDispositionBanc::Zones)
        crayon.drawRect(zone.rect.adjusted(0, 0, -1, -1));
    return image;
}

QImage TApercu::fenetre() const
{
    QImage image(752, 350, QImage::Format_RGB32);
    image.fill(CouleurFond);
    QPainter crayon(&image);
    crayon.setRenderHint(QPainter::TextAntialiasing);
    crayon.drawImage(0, 0, Banc);

    Afficheur(crayon, TDispositionBanc::afficheurIe, QStringLiteral("1.25"));
    Afficheur(crayon, TDispositionBanc::afficheurI, QStringLiteral("3.40"));
    Afficheur(crayon, TDispositionBanc::afficheurPu, QStringLiteral("1520"));
    Afficheur(crayon, TDispositionBanc::afficheurV, QStringLiteral("229.6"));
    Afficheur(crayon, TDispositionBanc::afficheurPa, QStringLiteral("1520"));
    Afficheur(crayon, TDispositionBanc::afficheurN, QStringLiteral("1500"));
    Afficheur(crayon, TDispositionBanc::afficheurCm, QStringLiteral("9.7"));
    Afficheur(crayon, TDispositionBanc::afficheur1, QStringLiteral("400.0"));
    for (const QRect &pole :
         {TDispositionBanc::interrupteur1, TDispositionBanc::interrupteur2, TDispositionBanc::interrupteur3})
        Interrupteur(crayon, pole);

    crayon.setPen(QPen(Qt::black, 0));
    crayon.setBrush(Qt::NoBrush);
    for (const QRect &borne : {TDispositionBanc::ShapeS1, TDispositionBanc::ShapeS2, TDispositionBanc::ShapeS3,
                               TDispositionBanc::ShapeR1, TDispositionBanc::ShapeR2, TDispositionBanc::ShapeR3})
        crayon.drawRect(borne.adjusted(0, 0, -1, -1));
    // Two wires as the terminal area would draw them after a few clicks.
    crayon.setRenderHint(QPainter::Antialiasing);
    crayon.setPen(QPen(Qt::black, 5));
    crayon.drawLine(QRectF(TDispositionBanc::ShapeS1).center(), QRectF(TDispositionBanc::ShapeR1).center());
    crayon.drawLine(QRectF(TDispositionBanc::ShapeS2).center(), QRectF(TDispositionBanc::ShapeR3).center());
    crayon.setRenderHint(QPainter::Antialiasing, false);

    TrackBar(crayon, TDispositionBanc::TrackBarIe, true);
    TrackBar(crayon, TDispositionBanc::TrackBarN, false);
    Bouton(crayon, TDispositionBanc::BitBtnRecable, QStringLiteral("Recâbler"));
    Bouton(crayon, TDispositionBanc::BitBtnFermeInter, QStringLiteral("Fermer l'interrupteur"));
    Bouton(crayon, TDispositionBanc::BitBtnAide, QStringLiteral("Aide"));
    Bouton(crayon, TDispositionBanc::BitBtnAPropos, QStringLiteral("A propos"));
    Bouton(crayon, TDispositionBanc::BitBtnFermer, QStringLiteral("Quitter"));
    crayon.drawImage(TDispositionBanc::ImageWarning.topLeft(), Warning);
    return image;
}

QImage TApercu::petites() const
{
    constexpr int facteur = 4;
    QImage image(2 * 8 + 72 * facteur + 31 * facteur + 8, 8 * 2 + 48 * facteur, QImage::Format_RGB32);
    image.fill(QColor(200, 200, 200));
    QPainter crayon(&image);
    crayon.drawImage(8, 8, Agrandie(RegCouple, facteur));
    crayon.drawImage(16 + 72 * facteur, 8, Agrandie(Warning, facteur));
    return image;
}

} // namespace tavelor
