#include "Tchaine_riche.h"

#include "ChangePropriete.h"
#include "CouleurQt.h"
#include "TMarquage.h"
#include "TPolices.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tavelor {

Tchaine_riche::Tchaine_riche(QWidget *parent) : QWidget(parent)
{
    // Windowless in spirit: with a clear background the parent shows through.
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true);
    AjusteTaille();
    MetAJourDescription();
}

void Tchaine_riche::setchaine(const QString &valeur)
{
    if (ChangePropriete(*this, Chaine, valeur))
        MetAJourDescription();
    AjusteTaille();
}

void Tchaine_riche::setsens(int valeur)
{
    ChangePropriete(*this, Sens, valeur);
}

void Tchaine_riche::setcentre(bool valeur)
{
    ChangePropriete(*this, Centre, valeur);
}

void Tchaine_riche::setcouleur(TCouleur valeur)
{
    ChangePropriete(*this, Couleur, valeur);
}

void Tchaine_riche::settaille(int valeur)
{
    ChangePropriete(*this, Taille, valeur);
    AjusteTaille();
}

void Tchaine_riche::setPolice(const QString &valeur)
{
    if (ChangePropriete(*this, NomPolice, valeur))
        MetAJourDescription();
    AjusteTaille();
}

void Tchaine_riche::setPos_indice(int valeur)
{
    ChangePropriete(*this, PosIndice, valeur);
    AjusteTaille();
}

void Tchaine_riche::setTaille_indice(int valeur)
{
    ChangePropriete(*this, TailleIndice, valeur);
    AjusteTaille();
}

void Tchaine_riche::setStyleFond(TStylePinceau valeur)
{
    ChangePropriete(*this, Style, valeur);
}

void Tchaine_riche::setCouleurFond(TCouleur valeur)
{
    ChangePropriete(*this, Fond, valeur);
}

void Tchaine_riche::setAutoDepl(bool valeur)
{
    ChangePropriete(*this, Deplacable, valeur);
}

void Tchaine_riche::setpopupmenu(QMenu *valeur)
{
    ChangePropriete(*this, Menu, valeur);
}

std::vector<Tchaine_riche::TSegmentQt> Tchaine_riche::Segments() const
{
    const TMarquage::TParametres parametres{Taille, TailleIndice, PosIndice, NomPolice.toStdString()};
    std::vector<TSegmentQt> segments;
    for (const TMarquage::TSegment &s : TMarquage::Segments(Chaine.toStdString(), parametres)) {
        const QString nom = QString::fromStdString(s.Police);
        QFont police = TPolices::Police(nom, s.Taille);
        police.setItalic(s.Italique);
        police.setBold(s.Gras);
        police.setUnderline(s.Souligne);
        segments.push_back({police, TPolices::Texte(nom, s.Texte), s.Y});
    }
    return segments;
}

// Read from the runs as measured by the last setter. Every run is followed by one blank
// pixel column, the last one included.
int Tchaine_riche::longueur() const
{
    int longueur = 0;
    for (const TSegmentMesure &m : Mesures)
        longueur += m.texte.Largeur() + 1;
    return longueur;
}

// Only a run taller than the running height raises it, and then with a 5-pixel
// margin: the result depends on the order of the runs (16 then 21 gives 21; 21 then 16
// gives 26).
int Tchaine_riche::hauteur() const
{
    int hauteur = 0;
    for (const TSegmentMesure &m : Mesures)
        if (m.texte.Hauteur() > hauteur)
            hauteur = m.texte.Hauteur() + 5;
    return hauteur;
}

void Tchaine_riche::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    RemplitFond(painter);
    DessineSegments(painter);
}

// The runs are measured and the label takes the size of its text, at least one pixel
// each way; run by every setter the runs depend on, so that painting only reads.
void Tchaine_riche::AjusteTaille()
{
    Mesures.clear();
    for (const TSegmentQt &s : Segments())
        Mesures.push_back({TTexteForme(s.texte, s.police, this), s.y});
    const QSize taille(std::max(1, longueur()), std::max(1, hauteur()));
    if (taille != size())
        resize(taille);
}

void Tchaine_riche::RemplitFond(QPainter &painter) const
{
    painter.fillRect(rect(), VersQBrush(Fond, Style));
}

// Each run's text cell is filled with the background colour only on a solid
// background; otherwise the text is drawn straight over what lies below.
void Tchaine_riche::DessineSegments(QPainter &painter) const
{
    painter.setPen(VersQColor(Couleur));
    int x = 0;
    for (const TSegmentMesure &m : Mesures) {
        const TTexteForme &t = m.texte;
        if (Style == bsSolid)
            painter.fillRect(x, m.y, t.Largeur(), t.Hauteur(), VersQColor(Fond));
        t.Dessine(painter, x, m.y + t.Ascendante());
        x += t.Largeur() + 1;
    }
}

void Tchaine_riche::MetAJourDescription()
{
    QString texte;
    for (const TSegmentQt &s : Segments())
        texte += s.texte;
    setAccessibleDescription(texte);
}

void Tchaine_riche::mousePressEvent(QMouseEvent *event)
{
    emit OnMouseDown(event);
    Presse = true;
    Prise = event->position().toPoint();
    PresseGauche = event->button() == Qt::LeftButton;
}

void Tchaine_riche::mouseMoveEvent(QMouseEvent *event)
{
    emit OnMouseMove(event);
    if (Presse && Deplacable) {
        const QPoint pointeur = pos() + event->position().toPoint();
        move(pointeur - Prise);
    }
}

void Tchaine_riche::mouseReleaseEvent(QMouseEvent *event)
{
    emit OnMouseUp(event);
    Presse = false;
    const bool clic = PresseGauche && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    PresseGauche = false;
    if (clic)
        emit OnClick();
}

void Tchaine_riche::contextMenuEvent(QContextMenuEvent *event)
{
    if (Menu)
        Menu->popup(event->globalPos());
    else
        QWidget::contextMenuEvent(event);
}

} // namespace tavelor
