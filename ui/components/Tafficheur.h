#pragma once

#include "FixedLocal.h"
#include "TCouleur.h"

#include <QFontMetrics>
#include <QWidget>

namespace tavelor {

class TCanevasQt;
class TDescriptionAccessible;

// The meter read-out of the bench: one number in large coloured digits, right-aligned
// 5 pixels from the right edge of a framed box. Its text is made again only when the
// digits shown change, so that a tick that leaves them alone formats nothing; the
// font and digit setters size the box from the digit "0" of its font: (Nb_digits + 1) digit widths plus
// 11 pixels wide (Nb_digits taken in 2..18, as for the text), one digit height plus 2
// high, the left edge staying in place.
// The accessible description holds the text shown, followed by the unit when one is set
// ("230,4 V"): the unit is printed in the picture beside the box, out of a screen
// reader's sight. It follows the text at most four times a second while a screen reader
// listens. It takes no focus unless its owner says so; with the focus, a frame in
// the highlight colour is drawn over its own.
class Tafficheur : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double Valeur READ Valeur WRITE setValeur)
    Q_PROPERTY(int Nb_digits READ Nb_digits WRITE setNb_digits)
    Q_PROPERTY(int chiffre_apres READ chiffre_apres WRITE setchiffre_apres)
    Q_PROPERTY(TCouleur Couleur_fond READ Couleur_fond WRITE setCouleur_fond)
    Q_PROPERTY(TCouleur Couleur_chiffre READ Couleur_chiffre WRITE setCouleur_chiffre)
    Q_PROPERTY(int Taillefonte READ Taillefonte WRITE setTaillefonte)
    Q_PROPERTY(QString FonteName READ FonteName WRITE setFonteName)

public:
    explicit Tafficheur(QWidget *parent = nullptr);

    double Valeur() const { return Nombre; }
    int Nb_digits() const { return Chiffres; }
    int chiffre_apres() const { return Decimales; }
    TCouleur Couleur_fond() const { return Fond; }
    TCouleur Couleur_chiffre() const { return Encre; }
    int Taillefonte() const { return TaillePolice; }
    QString FonteName() const { return NomPolice; }

    void setValeur(double valeur);
    void setNb_digits(int valeur);
    void setchiffre_apres(int valeur);
    void setCouleur_fond(TCouleur valeur);
    void setCouleur_chiffre(TCouleur valeur);
    void setTaillefonte(int valeur);
    void setFonteName(const QString &valeur);
    void setUnite(const QString &valeur);

    // What the box shows: "###" from 9999 up (tested before any rounding), otherwise
    // Fixed(Valeur, Nb_digits, chiffre_apres) with the regional decimal separator and a
    // true minus sign.
    QString Texte() const;

signals:
    // Spelt with a lower-case o, as the meters' event has always been.
    void onClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void RemplitFond(TCanevasQt &canevas) const;
    void DessineCadre(TCanevasQt &canevas) const;
    void DessineTexte(TCanevasQt &canevas, const QString &texte) const;
    void DessineFocus(TCanevasQt &canevas) const;
    QSize TailleNecessaire() const;
    void AjusteTaille();
    void MetAJourDescription();

    double Nombre = 0.0;
    int Chiffres = 4;
    int Decimales = 2;
    TCouleur Fond = clWhite;
    TCouleur Encre = clBlack;
    int TaillePolice = 11;
    QString NomPolice = QStringLiteral("MS Sans Serif");
    QString UniteLue;
    bool PresseGauche = false;
    // Made by the setters they depend on, so that painting only reads.
    QFont Police;
    QFontMetrics Mesure{Police};
    mutable TNombreAffiche Nombres{Chiffres, Decimales};
    QString TexteDecrit;
    TDescriptionAccessible *Description;
};

} // namespace tavelor
