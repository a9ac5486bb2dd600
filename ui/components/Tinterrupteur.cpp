#include "Tinterrupteur.h"

#include "Arrondi.h"
#include "ChangePropriete.h"
#include "CouleurQt.h"
#include "TCanevasQt.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavelor {

namespace {

constexpr int DemiLame = 12; // the blade spans 24 pixels along the switch's axis

} // namespace

Tinterrupteur::Tinterrupteur(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    resize(50, 100);
    MetAJourDescription();
}

void Tinterrupteur::setOrientation(chaine_orientation valeur)
{
    ChangePropriete(*this, Sens, valeur);
}

void Tinterrupteur::setCouleur_traits(TCouleur valeur)
{
    ChangePropriete(*this, Traits, valeur);
}

void Tinterrupteur::setEpaisseur_traits(int valeur)
{
    ChangePropriete(*this, Epaisseur, valeur);
}

void Tinterrupteur::setEtat(etatInter valeur)
{
    if (ChangePropriete(*this, EtatCourant, valeur))
        MetAJourDescription();
}

void Tinterrupteur::setStyleFond(TStylePinceau valeur)
{
    ChangePropriete(*this, Style, valeur);
}

void Tinterrupteur::setCouleur_Fond(TCouleur valeur)
{
    ChangePropriete(*this, Fond, valeur);
}

void Tinterrupteur::setPosition(poInter valeur)
{
    ChangePropriete(*this, Cote, valeur);
}

void Tinterrupteur::paintEvent(QPaintEvent *)
{
    TCanevasQt canevas(this);
    QPainter &painter = canevas.Peintre();
    painter.fillRect(rect(), VersQBrush(Fond, Style));
    painter.setBrush(VersQBrush(Fond, Style));
    canevas.Plume(QPen(VersQColor(Traits)));
    const QPoint centre(Arrondi(width() / 2.0), Arrondi(height() / 2.0));
    if (Sens == orH)
        DessineHorizontal(canevas, centre);
    else
        DessineVertical(canevas, centre);
}

void Tinterrupteur::DessineHorizontal(TCanevasQt &canevas, QPoint c) const
{
    canevas.EpaisseurPlume(Epaisseur);
    canevas.DeplaceVers(0, c.y());
    canevas.LigneVers(c.x() - DemiLame, c.y());
    if (EtatCourant == intFer)
        canevas.LigneVers(c.x() + DemiLame, c.y());
    else
        canevas.LigneVers(c.x() + DemiLame, Cote == piSG ? 0 : height());
    DessineContact(canevas, c.x() - 15, c.y() - 3);

    canevas.EpaisseurPlume(Epaisseur);
    canevas.DeplaceVers(width(), c.y());
    canevas.LigneVers(c.x() + DemiLame, c.y());
    DessineContact(canevas, c.x() + 9, c.y() - 3);
}

// An open vertical blade always swings to the right edge, whatever Position says.
void Tinterrupteur::DessineVertical(TCanevasQt &canevas, QPoint c) const
{
    canevas.EpaisseurPlume(Epaisseur);
    canevas.DeplaceVers(c.x(), 0);
    canevas.LigneVers(c.x(), c.y() - DemiLame);
    if (EtatCourant == intFer)
        canevas.LigneVers(c.x(), c.y() + DemiLame);
    else
        canevas.LigneVers(width(), c.y() + DemiLame);
    DessineContact(canevas, c.x() - 3, c.y() - 15);

    canevas.EpaisseurPlume(Epaisseur);
    canevas.DeplaceVers(c.x(), height());
    canevas.LigneVers(c.x(), c.y() + DemiLame);
    DessineContact(canevas, c.x() - 3, c.y() + 9);
}

// A 7-pixel circle, one pixel wide, filled with the background brush: in the box
// (gauche, haut)-(gauche + 7, haut + 7), right and bottom edges excluded.
void Tinterrupteur::DessineContact(TCanevasQt &canevas, int gauche, int haut) const
{
    canevas.EpaisseurPlume(1);
    canevas.Peintre().drawEllipse(QRect(gauche, haut, 6, 6));
}

void Tinterrupteur::mousePressEvent(QMouseEvent *event)
{
    emit OnMouseDown(event);
    PresseGauche = event->button() == Qt::LeftButton;
}

void Tinterrupteur::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clic = PresseGauche && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    PresseGauche = false;
    if (clic && isEnabled())
        Clic();
}

// The owner hears the click once with the old state and once with the new one.
void Tinterrupteur::Clic()
{
    emit OnClick();
    setEtat(EtatCourant == intOuv ? intFer : intOuv);
    emit OnClick();
}

void Tinterrupteur::MetAJourDescription()
{
    setAccessibleDescription(EtatCourant == intFer ? QStringLiteral("fermé") : QStringLiteral("ouvert"));
}

} // namespace tavelor
