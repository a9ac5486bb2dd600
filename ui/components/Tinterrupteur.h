#pragma once

#include "TCouleur.h"
#include "TStylePinceau.h"

#include <QWidget>

namespace tavelor {

class TCanevasQt;

// One pole of a switch drawn as in a wiring diagram: two leads, two 7-pixel contact
// circles and a blade, lifted (open) or lying across the gap (closed). With
// Orientation orH the leads are horizontal and the blade is hinged on the left
// contact; with orV they are vertical and it is hinged on the upper contact.
// An enabled switch toggles on a click. The accessible description is its state,
// "ouvert" or "fermé".
class Tinterrupteur : public QWidget {
    Q_OBJECT
    Q_PROPERTY(chaine_orientation Orientation READ Orientation WRITE setOrientation)
    Q_PROPERTY(TCouleur Couleur_traits READ Couleur_traits WRITE setCouleur_traits)
    Q_PROPERTY(int Epaisseur_traits READ Epaisseur_traits WRITE setEpaisseur_traits)
    Q_PROPERTY(etatInter Etat READ Etat WRITE setEtat)
    Q_PROPERTY(tavelor::TStylePinceau StyleFond READ StyleFond WRITE setStyleFond)
    Q_PROPERTY(TCouleur Couleur_Fond READ Couleur_Fond WRITE setCouleur_Fond)
    Q_PROPERTY(poInter Position READ Position WRITE setPosition)

public:
    enum chaine_orientation { orV, orH };
    Q_ENUM(chaine_orientation)
    enum etatInter { intOuv, intFer };
    Q_ENUM(etatInter)
    // Side to which an open horizontal blade is lifted: top edge or bottom edge.
    enum poInter { piSG, piID };
    Q_ENUM(poInter)

    explicit Tinterrupteur(QWidget *parent = nullptr);

    chaine_orientation Orientation() const { return Sens; }
    TCouleur Couleur_traits() const { return Traits; }
    int Epaisseur_traits() const { return Epaisseur; }
    etatInter Etat() const { return EtatCourant; }
    TStylePinceau StyleFond() const { return Style; }
    TCouleur Couleur_Fond() const { return Fond; }
    poInter Position() const { return Cote; }

    void setOrientation(chaine_orientation valeur);
    void setCouleur_traits(TCouleur valeur);
    void setEpaisseur_traits(int valeur);
    void setEtat(etatInter valeur);
    void setStyleFond(TStylePinceau valeur);
    void setCouleur_Fond(TCouleur valeur);
    void setPosition(poInter valeur);

signals:
    void OnMouseDown(QMouseEvent *event);
    // Emitted twice per click: before Etat toggles, then after.
    void OnClick();

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void DessineHorizontal(TCanevasQt &canevas, QPoint centre) const;
    void DessineVertical(TCanevasQt &canevas, QPoint centre) const;
    void DessineContact(TCanevasQt &canevas, int gauche, int haut) const;
    void Clic();
    void MetAJourDescription();

    chaine_orientation Sens = orH;
    TCouleur Traits = clBlack;
    int Epaisseur = 0;
    etatInter EtatCourant = intOuv;
    TStylePinceau Style = bsSolid;
    TCouleur Fond = clBlack;
    poInter Cote = piSG;
    bool PresseGauche = false;
};

} // namespace tavelor
