#pragma once

#include "TCouleur.h"
#include "TFenetreSecondaire.h"

namespace tavelor {

class TCanevasQt;
class TLabelCliquable;
class TModele;
class TValeurInst;
class TNbComplexe;
class Taxes;
class Tchaine_riche;

// Three oscillograms one above the other, grid, switch poles and stator, three curves
// each in the phase colours. The curves are the model's histories: this window only
// draws them and scrolls with them, and offers a pause of its per-tick repaint. Closing
// it only hides it; the bench shows it again when it is needed.
class TFormOscillogrammes : public TFenetreSecondaire {
    Q_OBJECT

public:
    explicit TFormOscillogrammes(QWidget *parent = nullptr);

    // The model whose histories are drawn and whose PauseOscillo is toggled here.
    void DefinitModele(TModele *modele);

    TLabelCliquable *Label1, *Label2, *Label3, *Label4;
    Taxes *axesReseau, *axesInter, *axesStator;
    // Legends vR1(t) .. vS3(t), then the three "t" of the time axes.
    Tchaine_riche *chaine_riche1, *chaine_riche2, *chaine_riche3, *chaine_riche4, *chaine_riche5, *chaine_riche6,
        *chaine_riche7, *chaine_riche8, *chaine_riche9, *chaine_riche10, *chaine_riche11, *chaine_riche12;

    void Label1Click();

private:
    void axesReseauPaint(TCanevasQt &canevas);
    void axesInterPaint(TCanevasQt &canevas);
    void axesStatorPaint(TCanevasQt &canevas);

    Taxes *CreeAxes(const char *nom, int haut, const QString &nomAccessible);
    Tchaine_riche *CreeChaine(const char *nom, QPoint position, const char *chaine, TCouleur couleur, bool mobile);
    TLabelCliquable *CreeTitre(const char *nom, QPoint position, const QString &texte);

    TModele *Modele = nullptr;
};

} // namespace tavelor
