#include "Tafficheur.h"

#include "Arrondi.h"
#include "ChangePropriete.h"
#include "CouleurQt.h"
#include "FixedLocal.h"
#include "TCanevasQt.h"
#include "TDescriptionAccessible.h"
#include "TPolices.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>

#include <algorithm>

namespace tavelor {

namespace {

constexpr double Depassement = 9999.0; // from here on the box shows "###"
constexpr int MargeDroite = 5;

} // namespace

Tafficheur::Tafficheur(QWidget *parent) : QWidget(parent), Description(new TDescriptionAccessible(this))
{
    setAttribute(Qt::WA_NoSystemBackground);
    AjusteTaille();
    MetAJourDescription();
}

void Tafficheur::setValeur(double valeur)
{
    // NaN differs from itself: it is stored, as any new value.
    if (ChangePropriete(*this, Nombre, valeur))
        MetAJourDescription();
}

void Tafficheur::setNb_digits(int valeur)
{
    if (ChangePropriete(*this, Chiffres, valeur)) {
        Nombres = TNombreAffiche(Chiffres, Decimales);
        MetAJourDescription();
    }
    AjusteTaille();
}

void Tafficheur::setchiffre_apres(int valeur)
{
    if (ChangePropriete(*this, Decimales, valeur)) {
        Nombres = TNombreAffiche(Chiffres, Decimales);
        MetAJourDescription();
    }
}

void Tafficheur::setCouleur_fond(TCouleur valeur)
{
    ChangePropriete(*this, Fond, valeur);
}

void Tafficheur::setCouleur_chiffre(TCouleur valeur)
{
    ChangePropriete(*this, Encre, valeur);
}

void Tafficheur::setTaillefonte(int valeur)
{
    ChangePropriete(*this, TaillePolice, valeur);
    AjusteTaille();
}

void Tafficheur::setFonteName(const QString &valeur)
{
    ChangePropriete(*this, NomPolice, valeur);
    AjusteTaille();
}

void Tafficheur::setUnite(const QString &valeur)
{
    UniteLue = valeur;
    TexteDecrit.clear();
    MetAJourDescription();
}

QString Tafficheur::Texte() const
{
    if (Nombre >= Depassement)
        return QStringLiteral("###");
    return Nombres.Texte(Nombre);
}

void Tafficheur::paintEvent(QPaintEvent *)
{
    TCanevasQt canevas(this);
    canevas.Peintre().setFont(Police);
    RemplitFond(canevas);
    DessineCadre(canevas);
    DessineTexte(canevas, Texte());
    if (hasFocus())
        DessineFocus(canevas);
}

void Tafficheur::RemplitFond(TCanevasQt &canevas) const
{
    canevas.Peintre().fillRect(rect(), VersQColor(Fond));
}

void Tafficheur::DessineCadre(TCanevasQt &canevas) const
{
    const int droite = width() - 1;
    const int bas = height() - 1;
    canevas.CouleurPlume(clBlack);
    canevas.EpaisseurPlume(1);
    canevas.DeplaceVers(0, 0);
    canevas.LigneVers(droite, 0);
    canevas.LigneVers(droite, bas);
    canevas.LigneVers(0, bas);
    canevas.LigneVers(0, 0);
}

// Over the frame, clear of the digits: a meter reached by Tab shows where the focus is.
void Tafficheur::DessineFocus(TCanevasQt &canevas) const
{
    QPainter &painter = canevas.Peintre();
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
}

// Right-aligned, vertically centred; a text wider than the box runs out on the left,
// its cell covering the frame there.
void Tafficheur::DessineTexte(TCanevasQt &canevas, const QString &texte) const
{
    QPainter &painter = canevas.Peintre();
    const int largeur = Mesure.horizontalAdvance(texte);
    const int hauteur = Mesure.height();
    const int x = width() - largeur - MargeDroite;
    const int y = Arrondi((height() - hauteur) / 2.0);
    painter.fillRect(x, y, largeur, hauteur, VersQColor(Fond));
    painter.setPen(VersQColor(Encre));
    painter.drawText(x, y + Mesure.ascent(), texte);
}

QSize Tafficheur::TailleNecessaire() const
{
    // The digit count is taken in 2..18 here too, as for the text.
    const int chiffres = std::clamp(Chiffres, 2, 18);
    return QSize(Mesure.horizontalAdvance(QLatin1Char('0')) * (chiffres + 1) + 11, Mesure.height() + 2);
}

// The box fits its font and digit count; run by every setter they depend on, so that
// painting only reads.
void Tafficheur::AjusteTaille()
{
    Police = TPolices::Police(NomPolice, TaillePolice);
    Mesure = QFontMetrics(Police, this);
    const QSize taille = TailleNecessaire();
    if (taille != size())
        resize(taille);
}

// Written from the text shown, and only when that text changes: most ticks leave it alone.
void Tafficheur::MetAJourDescription()
{
    const QString texte = Texte();
    if (texte == TexteDecrit && !TexteDecrit.isNull())
        return;
    TexteDecrit = texte;
    Description->Definit(UniteLue.isEmpty() ? texte : texte + QChar(0x00A0) + UniteLue);
}

void Tafficheur::mousePressEvent(QMouseEvent *event)
{
    PresseGauche = event->button() == Qt::LeftButton;
}

void Tafficheur::mouseReleaseEvent(QMouseEvent *event)
{
    const bool clic = PresseGauche && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    PresseGauche = false;
    if (clic)
        emit onClick();
}

} // namespace tavelor
