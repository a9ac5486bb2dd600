#include "TSynchronoscope.h"

#include "Angles.h"
#include "FixedLocal.h"
#include "TCouplage.h"

#include <QFontMetrics>
#include <QPaintEvent>
#include <QPainter>
#include <QPainterPath>

#include <algorithm>
#include <array>
#include <cmath>

namespace tavelor {

namespace {

const QColor CouleurAiguille(170, 0, 0);
const QColor Tolerance(0, 150, 0);
constexpr int HauteurTextes = 64;
constexpr int RayonMoyeu = 8;

// The point at `angle` (rad, clockwise from twelve o'clock) on a circle about `centre`.
QPointF Sur(QPointF centre, double rayon, double angle)
{
    return {centre.x() + rayon * std::sin(angle), centre.y() - rayon * std::cos(angle)};
}

// The hub the needle turns on, drawn once.
const QImage &Moyeu(qreal ratio)
{
    static QImage moyeu;
    if (!moyeu.isNull() && moyeu.devicePixelRatio() == ratio)
        return moyeu;
    const int cote = static_cast<int>(std::ceil((2 * RayonMoyeu + 2) * ratio));
    moyeu = QImage(cote, cote, QImage::Format_ARGB32_Premultiplied);
    moyeu.setDevicePixelRatio(ratio);
    moyeu.fill(Qt::transparent);
    QPainter peintre(&moyeu);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(TInstrument::Encre);
    peintre.drawEllipse(QPointF(RayonMoyeu + 1, RayonMoyeu + 1), RayonMoyeu, RayonMoyeu);
    return moyeu;
}

} // namespace

TSynchronoscope::TSynchronoscope(QWidget *parent)
    : TInstrument(QStringLiteral("Synchronoscope"), parent), PoliceAngle(Police(17, true)), PoliceSens(Police(15, true))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TSynchronoscope::DefinitAiguille(std::optional<double> theta1, int sens, const QString &raison)
{
    std::optional<int> dixiemes;
    QString angle = QStringLiteral("—");
    QString texteSens = raison;
    if (theta1) {
        const double degres = Degres(*theta1);
        dixiemes = static_cast<int>(std::lround(degres * 10.0));
        angle = TexteInstrument(degres, TGrandeurInstrument::Angle, QStringLiteral("°"));
        texteSens = sens > 0   ? QStringLiteral("machine trop rapide")
                    : sens < 0 ? QStringLiteral("machine trop lente")
                               : QStringLiteral("au synchronisme");
    }
    // Only what moved is painted again: the needle's old and new places, a changed text.
    // Rectangles, not a region: a region is made on the heap.
    std::array<QRect, 4> sale;
    std::size_t n = 0;
    std::optional<int> pas;
    if (dixiemes)
        pas = static_cast<int>(std::lround(static_cast<double>(*dixiemes) / DixiemesParPas));
    if (pas != PasAiguille) {
        sale[n++] = RectAiguille(PasAiguille);
        sale[n++] = RectAiguille(pas);
    }
    if (angle != Angle)
        sale[n++] = RectTexte(0);
    if (texteSens != Sens)
        sale[n++] = RectTexte(1);
    if (n == 0)
        return;
    Dixiemes = dixiemes;
    PasAiguille = pas;
    Angle = angle;
    Sens = texteSens;
    DefinitLecture(Angle + QStringLiteral(", ") + Sens);
    for (std::size_t i = 0; i < n; ++i)
        update(sale[i]);
}

QRect TSynchronoscope::RectAiguille(std::optional<int> pas) const
{
    const QRectF cadran = Cadran();
    const QPointF centre = cadran.center();
    QRectF rect(centre, centre);
    if (pas) {
        const double rayon = cadran.width() / 2.0;
        const double a = Radians(*pas * DixiemesParPas / 10.0);
        rect = QRectF(Sur(centre, -rayon * 0.15, a), Sur(centre, rayon - 12, a)).normalized();
    }
    return rect.adjusted(-10, -10, 10, 10).toAlignedRect();
}

QRect TSynchronoscope::RectTexte(int ligne) const
{
    return {0, static_cast<int>(Cadran().bottom()) + 4 + ligne * HauteurTextes / 2, width(), HauteurTextes / 2};
}

QRectF TSynchronoscope::Cadran() const
{
    const double cote = std::min(width(), height() - HauteurTextes) - 8.0;
    return {(width() - cote) / 2.0, 4.0, cote, cote};
}

void TSynchronoscope::resizeEvent(QResizeEvent *event)
{
    FondCadran = QPixmap();
    TInstrument::resizeEvent(event);
}

// Everything but the needle and the texts: the window's background, the face, its marks,
// the tolerance and the two directions.
void TSynchronoscope::PrepareCadran()
{
    const qreal ratio = devicePixelRatioF();
    FondCadran = QPixmap(size() * ratio);
    FondCadran.setDevicePixelRatio(ratio);
    FondCadran.fill(palette().color(QPalette::Window));
    QPainter peintre(&FondCadran);
    peintre.setRenderHint(QPainter::Antialiasing);
    const QRectF cadran = Cadran();
    const QPointF centre = cadran.center();
    const double rayon = cadran.width() / 2.0;

    peintre.setPen(QPen(Encre, 3));
    peintre.setBrush(Qt::white);
    peintre.drawEllipse(centre, rayon, rayon);

    // The relay's phase tolerance either side of twelve o'clock.
    QPainterPath secteur(centre);
    const QRectF arc(centre.x() - rayon + 4, centre.y() - rayon + 4, 2 * rayon - 8, 2 * rayon - 8);
    const double tolerance = Degres(TCouplage::TolerancePhase);
    secteur.arcTo(arc, 90.0 - tolerance, 2.0 * tolerance);
    secteur.closeSubpath();
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(Tolerance);
    peintre.drawPath(secteur);

    for (int k = 0; k < 36; ++k) {
        const double a = Radians(k * 10.0);
        const bool grande = k % 3 == 0;
        peintre.setPen(QPen(Encre, grande ? 3 : 1.5));
        peintre.drawLine(Sur(centre, rayon - (grande ? 16 : 9), a), Sur(centre, rayon - 2, a));
    }

    // The arrows of the two directions along the rim; their words are written with the needle.
    for (const int sens : {-1, 1}) {
        const double r = rayon * 0.74;
        QPainterPath fleche(Sur(centre, r, sens * Pi * 0.35));
        const double debut = 90.0 - Degres(sens * Pi * 0.35);
        fleche.arcTo(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), debut, -sens * 30.0);
        peintre.setPen(QPen(Encre, 3));
        peintre.setBrush(Qt::NoBrush);
        peintre.drawPath(fleche);
        const double fin = sens * (Pi * 0.35 + Radians(30.0));
        const QPointF bout = Sur(centre, r, fin);
        const double tangente = fin + sens * Pi / 2;
        peintre.setBrush(Encre);
        peintre.setPen(Qt::NoPen);
        const QPointF pointe[3] = {bout + QPointF(9 * std::sin(tangente), -9 * std::cos(tangente)), Sur(bout, 6, fin),
                                   Sur(bout, -6, fin)};
        peintre.drawPolygon(pointe, 3);
    }
}

void TSynchronoscope::PeintSens(QPainter &peintre) const
{
    const QRectF cadran = Cadran();
    const QFont police = Police(12, true);
    peintre.setFont(police);
    const QFontMetricsF mesure(police);
    for (const int sens : {-1, 1}) {
        const QString mot = sens > 0 ? QStringLiteral("RAPIDE") : QStringLiteral("LENT");
        const QPointF ou = Sur(cadran.center(), cadran.width() / 4.0, sens * Pi * 0.62);
        QRectF boite(QPointF(), mesure.size(0, mot) + QSizeF(6, 2));
        boite.moveCenter(ou);
        peintre.setPen(Qt::NoPen);
        peintre.setBrush(Qt::white);
        peintre.drawRect(boite);
        peintre.setPen(Encre);
        peintre.drawText(boite, Qt::AlignCenter, mot);
    }
}

QSize TSynchronoscope::minimumSizeHint() const
{
    const QFontMetrics sens(PoliceSens, this);
    const int texte = sens.horizontalAdvance(QStringLiteral("phase 1 non raccordée")) + 8;
    return {std::max(texte, 200), 200 + HauteurTextes};
}

QSize TSynchronoscope::sizeHint() const
{
    return {std::max(minimumSizeHint().width(), 300), 300 + HauteurTextes};
}

void TSynchronoscope::paintEvent(QPaintEvent *event)
{
    if (FondCadran.size() != size() * devicePixelRatioF())
        PrepareCadran();
    QPainter peintre(this);
    const QRegion &sale = event->region();
    peintre.drawPixmap(0, 0, FondCadran);
    peintre.setRenderHint(QPainter::Antialiasing);
    const QRectF cadran = Cadran();
    const QPointF centre = cadran.center();
    const double rayon = cadran.width() / 2.0;
    // The needle as a filled quadrilateral and the hub as a picture: a stroked line's round
    // caps and an antialiased circle would cost more than the rest of the dial each time.
    if (PasAiguille && sale.intersects(RectAiguille(PasAiguille))) {
        const double a = Radians(*PasAiguille * DixiemesParPas / 10.0);
        const QPointF queue = Sur(centre, -rayon * 0.15, a);
        const QPointF pointe = Sur(centre, rayon - 12, a);
        const QPointF cote = Sur(QPointF(), 3.0, a + Pi / 2);
        const QPointF aiguille[4] = {queue + cote, pointe + cote, pointe - cote, queue - cote};
        peintre.setPen(Qt::NoPen);
        peintre.setBrush(CouleurAiguille);
        peintre.drawPolygon(aiguille, 4);
    }
    const QImage &moyeu = Moyeu(devicePixelRatioF());
    peintre.drawImage(centre - QPointF(RayonMoyeu + 1, RayonMoyeu + 1), moyeu);
    PeintSens(peintre);

    peintre.setPen(EncreLecture);
    if (sale.intersects(RectTexte(0))) {
        peintre.setFont(PoliceAngle);
        peintre.drawText(RectTexte(0), Qt::AlignCenter, Angle);
    }
    if (sale.intersects(RectTexte(1))) {
        peintre.setFont(PoliceSens);
        peintre.drawText(RectTexte(1), Qt::AlignCenter, Sens);
    }
}

} // namespace tavelor
