#pragma once

#include "TFenetreSecondaire.h"

class QPushButton;

namespace tavelor {

class TFormVecteurs;
class TModele;

// What the three dialogs of the single-phase diagram share: the model and the diagram
// they act on, and a close button that only hides them.
class TDialogueDiagramme : public TFenetreSecondaire {
    Q_OBJECT

public:
    void DefinitModele(TModele *modele) { Modele = modele; }
    void DefinitDiagramme(TFormVecteurs *diagramme) { Diagramme = diagramme; }

    QPushButton *BitBtnFermer;

protected:
    TDialogueDiagramme(const QString &titre, QSize client, bool auPremierPlan, QPoint placeFermer, QWidget *parent);

    // Times New Roman whose lines are `hauteur` pixels high, ascent and descent together.
    static QFont PoliceTexte(int hauteur);
    // The modal answer to a text that does not parse.
    void SaisieInvalide();
    void RedessineDiagramme();

    TModele *Modele = nullptr;
    TFormVecteurs *Diagramme = nullptr;

private:
    void BitBtnFermerClick();
};

} // namespace tavelor
