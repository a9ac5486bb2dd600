#include "TVoyantCondition.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>

#include <algorithm>
#include <array>
#include <cmath>

namespace tavelor {

namespace {

const QColor Vert(0, 150, 0);
const QColor Rouge(210, 0, 0);
constexpr int Diametre = 34;

// The two lights, drawn once: antialiased shapes are dear to draw at every tick.
const QImage &Voyant(bool rempli, qreal ratio)
{
    static std::array<QImage, 2> voyants;
    QImage &voyant = voyants[rempli ? 1 : 0];
    if (!voyant.isNull() && voyant.devicePixelRatio() == ratio)
        return voyant;
    const int cote = static_cast<int>(std::ceil((Diametre + 4) * ratio));
    voyant = QImage(cote, cote, QImage::Format_ARGB32_Premultiplied);
    voyant.setDevicePixelRatio(ratio);
    voyant.fill(Qt::transparent);
    QPainter peintre(&voyant);
    peintre.setRenderHint(QPainter::Antialiasing);
    const QRectF cercle(2, 2, Diametre, Diametre);
    peintre.setPen(QPen(TInstrument::Encre, 2));
    peintre.setBrush(rempli ? Vert : Rouge);
    peintre.drawEllipse(cercle);
    peintre.setPen(QPen(Qt::white, 4, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    const QPointF c = cercle.center();
    if (rempli) {
        const QPointF coche[3] = {c + QPointF(-9, 0), c + QPointF(-3, 7), c + QPointF(9, -7)};
        peintre.drawPolyline(coche, 3);
    } else {
        peintre.drawLine(c + QPointF(-7, -7), c + QPointF(7, 7));
        peintre.drawLine(c + QPointF(-7, 7), c + QPointF(7, -7));
    }
    return voyant;
}

} // namespace

TVoyantCondition::TVoyantCondition(const QString &nom, QWidget *parent)
    : TInstrument(nom, parent), PoliceNom(Police(13, false)), PoliceEtat(Police(14, true)),
      HauteurNom(QFontMetrics(PoliceNom, this).height()), HauteurEtat(QFontMetrics(PoliceEtat, this).height())
{}

void TVoyantCondition::DefinitEtat(bool remplie, const QString &ecart)
{
    if (!Lecture().isEmpty() && remplie == Rempli && ecart == Ecart)
        return;
    if (remplie != Rempli)
        update(RectVoyant());
    Rempli = remplie;
    Ecart = ecart;
    if (DefinitLecture((remplie ? QStringLiteral("remplie") : QStringLiteral("non remplie")) + QStringLiteral(", ") +
                       ecart))
        update(RectLigne(1));
}

QSize TVoyantCondition::minimumSizeHint() const
{
    // The longest state it writes.
    const int etat =
        QFontMetrics(PoliceEtat, this).horizontalAdvance(QStringLiteral("non remplie, phase 1 non raccordée"));
    const int nom = QFontMetrics(PoliceNom, this).horizontalAdvance(accessibleName());
    return {Diametre + 20 + std::max(etat, nom), std::max(Diametre + 8, HauteurNom + HauteurEtat + 6)};
}

QRect TVoyantCondition::RectVoyant() const
{
    return {0, 0, Diametre + 8, height()};
}

// The condition's name, then its state and gap, beside the light.
QRect TVoyantCondition::RectLigne(int ligne) const
{
    const int haut = (height() - HauteurNom - HauteurEtat) / 2;
    const int gauche = Diametre + 14;
    return ligne == 0 ? QRect(gauche, haut, width() - gauche, HauteurNom)
                      : QRect(gauche, haut + HauteurNom, width() - gauche, HauteurEtat);
}

void TVoyantCondition::paintEvent(QPaintEvent *event)
{
    QPainter peintre(this);
    const QRegion &sale = event->region();
    if (sale.intersects(RectVoyant()))
        peintre.drawImage(QPointF(2, (height() - Diametre) / 2.0 - 2), Voyant(Rempli, devicePixelRatioF()));
    if (sale.intersects(RectLigne(0))) {
        peintre.setFont(PoliceNom);
        peintre.setPen(Encre);
        peintre.drawText(RectLigne(0), Qt::AlignLeft | Qt::AlignVCenter, accessibleName());
    }
    if (sale.intersects(RectLigne(1))) {
        peintre.setFont(PoliceEtat);
        peintre.setPen(Rempli ? Vert.darker(130) : Rouge);
        peintre.drawText(RectLigne(1), Qt::AlignLeft | Qt::AlignVCenter, Lecture());
    }
}

} // namespace tavelor
