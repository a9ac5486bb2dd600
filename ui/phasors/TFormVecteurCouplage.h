#pragma once

#include "TCouleur.h"
#include "TFenetreSecondaire.h"

namespace tavelor {

class TCanevasQt;
class TLabelCliquable;
class TModele;
class TPaintBox;
class Tchaine_riche;

// The three-phase phasor window watched while preparing the coupling: the stator star,
// the grid star, and both superimposed with the voltage across each switch pole as the
// segment from a stator tip to the tip of the grid phasor wired to it. The coupling is
// right when the stars coincide and the segments shrink to points.
// Closing this window ends the program, as the main window's "Quitter" does.
class TFormVecteurCouplage : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TFormVecteurCouplage(QWidget *parent = nullptr);

    // The model whose phasors and wiring are drawn and whose PauseDiagramme is toggled here.
    void DefinitModele(TModele *modele);

    QWidget *PanelVectCouplage;
    TPaintBox *PaintBoxStator, *PaintBoxInter, *PaintBoxReseau;
    TLabelCliquable *Label1, *Label2, *Label3, *Label4;
    // Names of the phasors: VS1..VS3, then VK1..VK3 (chaine_riche3, 5, 6), then VR1..VR3.
    Tchaine_riche *chaine_richeEv, *chaine_riche1, *chaine_riche2, *chaine_riche3, *chaine_riche5, *chaine_riche6,
        *chaine_riche4, *chaine_riche7, *chaine_riche8;

    void Label1Click();

private:
    // One handler for the three boxes; each box draws its own part.
    void PaintBoxStatorPaint(TPaintBox *boite, TCanevasQt &canevas);

    TPaintBox *CreeBoite(const char *nom, int gauche);
    Tchaine_riche *CreeChaine(const char *nom, int gauche, const char *chaine, TCouleur couleur);
    TLabelCliquable *CreeTitre(const char *nom, QPoint position, const QString &texte);

    TModele *Modele = nullptr;
};

} // namespace tavelor
