#pragma once

#include "TDialogueDiagramme.h"

class QLabel;
class QLineEdit;

namespace tavelor {

// Edits the diagram's origin, in pixels of its paint box: V, Ev and I start there and
// the model update hangs j·Ls·ω·I on the tip of V. A text that is not an integer is
// refused and the previous coordinate written back, as is one beyond ±100 000 px.
class TFormOrigine : public TDialogueDiagramme {
    Q_OBJECT

public:
    explicit TFormOrigine(QWidget *parent = nullptr);

    QLabel *Label1, *Label2;
    QLineEdit *EditX, *EditY;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void FormShow();
    void EditYChange(QLineEdit *sender);
    void EcritChamp(QLineEdit *champ, int valeur);
};

} // namespace tavelor
