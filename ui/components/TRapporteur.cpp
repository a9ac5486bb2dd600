#include "TRapporteur.h"

#include "Angles.h"
#include "Arrondi.h"
#include "ChangePropriete.h"
#include "FixedLocal.h"
#include "TCanevasQt.h"

#include <QMouseEvent>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>
#include <cmath>
#include <optional>

namespace tavelor {

namespace {

constexpr double DemiPi = Pi / 2.0;
constexpr double DeuxPi = 2.0 * Pi;

// Directions along the axes and the right half, the same for both arms; the arms
// differ on the left half, `gauche` being the angle each gives the left horizontal.
// Empty on the left half off the axis, and at the centre.
std::optional<double> AngleCommun(double dx, double dy, double gauche)
{
    if (dx == 0 && dy > 0)
        return DemiPi;
    if (dx == 0 && dy < 0)
        return -DemiPi;
    if (dy == 0 && dx < 0)
        return gauche;
    if (dy == 0 && dx > 0)
        return 0.0;
    if (dx > 0)
        return std::atan(dy / dx);
    return std::nullopt;
}

} // namespace

TRapporteur::TRapporteur(QWidget *parent) : QWidget(parent)
{
    // Handles and arms only: the diagram shows around and between them.
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    resize(120, 120);
    MetAJourDescription();
}

void TRapporteur::setalpha1(double valeur)
{
    Alpha1 = valeur;
}

void TRapporteur::setalpha2(double valeur)
{
    Alpha2 = valeur;
}

void TRapporteur::setRayon(int valeur)
{
    ChangePropriete(*this, RayonArc, valeur);
}

void TRapporteur::setRayonExt(int valeur)
{
    ChangePropriete(*this, RayonBras, valeur);
}

void TRapporteur::setValeur(double valeur)
{
    Angle = valeur;
    MetAJourDescription();
}

void TRapporteur::setTailleZS(int valeur)
{
    DemiPrise = valeur;
    CalculePrises();
    update();
}

double TRapporteur::AngleBras2(QPoint bout, QPoint centre)
{
    const double dx = bout.x() - centre.x();
    const double dy = centre.y() - bout.y();
    if (const auto angle = AngleCommun(dx, dy, Pi))
        return *angle;
    if (dx < 0)
        return DemiPi + std::atan(-dx / dy) + (dy < 0 ? Pi : 0.0);
    return 0.0;
}

double TRapporteur::AngleBras1(QPoint bout, QPoint centre)
{
    const double dx = bout.x() - centre.x();
    const double dy = centre.y() - bout.y();
    if (const auto angle = AngleCommun(dx, dy, -Pi))
        return *angle;
    if (dx < 0)
        return -DemiPi - std::atan(dx / dy) - (dy > 0 ? Pi : 0.0);
    return 0.0;
}

QPoint TRapporteur::PointDuCercle(QPoint centre, int rayon, double alpha)
{
    return QPoint(centre.x() + Arrondi(rayon * std::cos(alpha)), centre.y() - Arrondi(rayon * std::sin(alpha)));
}

void TRapporteur::CalculePrises()
{
    const QSize cote(2 * DemiPrise, 2 * DemiPrise);
    G1 = QRect(P1 - QPoint(DemiPrise, DemiPrise), cote);
    G2 = QRect(P2 - QPoint(DemiPrise, DemiPrise), cote);
}

void TRapporteur::showEvent(QShowEvent *event)
{
    Charge = true;
    QWidget::showEvent(event);
}

// The protractor stays square, its height ruling, with the arms' reach and the grip
// squares filling half its width.
void TRapporteur::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (!Charge)
        return;
    const int cote = height();
    if (width() != cote)
        resize(cote, cote);
    C = QPoint(Arrondi(cote / 2.0), Arrondi(cote / 2.0));
    setRayonExt(Arrondi(cote / 2.0 - DemiPrise));
    P1 = PointDuCercle(C, RayonBras, Alpha1);
    P2 = PointDuCercle(C, RayonBras, Alpha2);
    CalculePrises();
}

void TRapporteur::paintEvent(QPaintEvent *)
{
    TCanevasQt canevas(this);
    canevas.Plume(QPen(Qt::black, 1));
    canevas.Peintre().setBrush(Qt::white);
    DessineBras(canevas);
    DessinePoignees(canevas);
    DessineArc(canevas);
}

void TRapporteur::DessineBras(TCanevasQt &canevas) const
{
    canevas.DeplaceVers(C.x(), C.y());
    canevas.LigneVers(P1.x(), P1.y());
    canevas.DeplaceVers(C.x(), C.y());
    canevas.LigneVers(P2.x(), P2.y());
}

// Ellipses inscribed in the grip squares, their right and bottom edges excluded.
void TRapporteur::DessinePoignees(TCanevasQt &canevas) const
{
    for (const QRect &prise : {G1, G2})
        if (prise.width() > 0)
            canevas.Peintre().drawEllipse(prise.adjusted(0, 0, -1, -1));
}

// Counter-clockwise from the smaller angle to the larger; a full circle when both land
// on the same point of the circle.
void TRapporteur::DessineArc(TCanevasQt &canevas) const
{
    if (RayonArc <= 0)
        return;
    // The platform's arc covered the pixels cx - Rayon to cx + Rayon - 1. Qt's aliased
    // arcs end one pixel short of a box of width 2·Rayon - 1 and one pixel beyond one of
    // width 2·Rayon; half a pixel less than the latter lands on the right pixels.
    const double cote = 2.0 * RayonArc - 0.5;
    const QRectF boite(C.x() - RayonArc, C.y() - RayonArc, cote, cote);
    const double debut = std::min(Alpha1, Alpha2);
    const double fin = std::max(Alpha1, Alpha2);
    constexpr int TourComplet = 360 * 16; // Qt counts arcs in 1/16 degree
    int etendue = TourComplet;
    if (PointDuCercle(C, RayonArc, debut) != PointDuCercle(C, RayonArc, fin)) {
        const double degres = std::fmod(Degres(fin - debut), 360.0);
        etendue = static_cast<int>(std::lround(degres * 16.0));
        if (etendue == 0)
            etendue = TourComplet;
    }
    const double depart = std::remainder(Degres(debut), 360.0);
    QPainter &painter = canevas.Peintre();
    painter.setBrush(Qt::NoBrush);
    painter.drawArc(boite, static_cast<int>(std::lround(depart * 16.0)), etendue);
}

// Both angles from the current arm ends, whichever arm moved; Valeur is their
// difference, reduced by 2π only when it is larger than 2π.
void TRapporteur::MesureAngles()
{
    Alpha1 = AngleBras1(P1, C);
    Alpha2 = AngleBras2(P2, C);
    double valeur = std::fabs(Alpha2 - Alpha1);
    if (valeur > DeuxPi)
        valeur -= DeuxPi;
    setValeur(valeur);
}

void TRapporteur::mousePressEvent(QMouseEvent *event)
{
    emit OnMouseDown(event);
    const QPoint pointeur = event->position().toPoint();
    TireBras1 = G1.contains(pointeur);
    TireBras2 = !TireBras1 && G2.contains(pointeur);
    Deplace = !TireBras1 && !TireBras2;
    if (Deplace)
        Prise = pointeur;
    repaint();
}

void TRapporteur::mouseMoveEvent(QMouseEvent *event)
{
    emit OnMouseMove(event);
    const QPoint pointeur = event->position().toPoint();
    if (TireBras1 || TireBras2) {
        (TireBras1 ? P1 : P2) = pointeur;
        repaint(); // the arm reaches the pointer; its handle stays behind until the snap
        MesureAngles();
        P1 = PointDuCercle(C, RayonBras, Alpha1);
        P2 = PointDuCercle(C, RayonBras, Alpha2);
        CalculePrises();
    } else if (Deplace) {
        move(pos() + pointeur - Prise);
    }
}

void TRapporteur::mouseReleaseEvent(QMouseEvent *event)
{
    emit OnMouseUp(event);
    TireBras1 = false;
    TireBras2 = false;
    Deplace = false;
}

void TRapporteur::MetAJourDescription()
{
    setAccessibleDescription(TexteNombre(Degres(Angle), 3, 1) + QStringLiteral("°"));
}

} // namespace tavelor
