#pragma once

#include "TCouleur.h"

#include <QAbstractButton>

namespace tavelor {

// A one-line text label that reacts to a click, drawn as plain text over its parent
// (no frame, no background). Being a button underneath, it is announced as one, named
// after its caption, and when it takes the keyboard focus Space or Enter activates it
// like a click. A label that only echoes another one is left out of the focus chain.
// It sizes itself to its text, keeping its top-left corner.
class TLabelCliquable : public QAbstractButton {
    Q_OBJECT

public:
    // `pixels`: character height; the typeface names of the window descriptions are mapped.
    TLabelCliquable(const QString &texte, const QString &police, int pixels, TCouleur couleur, bool italique,
                    QWidget *parent = nullptr);

    // Takes the focus on Tab and click, or never.
    void DefinitFocus(bool focalisable);
    // A new caption, the label resized to it.
    void DefinitTexte(const QString &texte);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    TCouleur Couleur;
};

} // namespace tavelor
