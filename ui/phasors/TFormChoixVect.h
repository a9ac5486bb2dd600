#pragma once

#include "TDialogueDiagramme.h"

#include <optional>

class QCheckBox;

namespace tavelor {

class TNbComplexe;
class Tchaine_riche;

// Chooses which of I, V, Ev and j·Ls·ω·I the diagram shows; each box shows or hides
// its phasor and the phasor's label in the diagram at once.
class TFormChoixVect : public TDialogueDiagramme {
    Q_OBJECT

public:
    explicit TFormChoixVect(QWidget *parent = nullptr);

    QCheckBox *CheckBoxI, *CheckBoxV, *CheckBoxEv, *CheckBoxXs;
    Tchaine_riche *chaine_richeI, *chaine_richeV, *chaine_richeEv, *chaine_riche1;

protected:
    void showEvent(QShowEvent *event) override;

private:
    struct TPaire {
        TNbComplexe *phaseur;
        Tchaine_riche *etiquette;
    };

    void FormShow();
    void CheckBoxIClick(QCheckBox *sender);
    // The phasor and the diagram's label a box stands for; nothing without a model.
    std::optional<TPaire> Paire(QCheckBox *box) const;
};

} // namespace tavelor
