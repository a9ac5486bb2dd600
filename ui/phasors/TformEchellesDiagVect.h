#pragma once

#include "TDialogueDiagramme.h"

class QLabel;
class QLineEdit;

namespace tavelor {

// Edits the diagram's scales EchelleV (px/V) and EchelleI (px/A). Every change of a
// field is applied at once; a text that does not parse is refused and the previous
// scale written back. Zero and negative scales are applied as they are; beyond
// 100 000 px per unit a scale is refused like bad text.
class TformEchellesDiagVect : public TDialogueDiagramme {
    Q_OBJECT

public:
    explicit TformEchellesDiagVect(QWidget *parent = nullptr);

    QLabel *Label1, *Label2;
    QLineEdit *EditV, *EditI;

protected:
    void showEvent(QShowEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    void FormShow();
    void EditVChange(QLineEdit *sender);
    // Writes a field as the program does, which applies it as a typed change would.
    void EcritChamp(QLineEdit *champ, const QString &texte);
    bool EditIKeyPress(QKeyEvent *event);
};

} // namespace tavelor
