#pragma once

#include "TInstrument.h"

namespace tavelor {

// One coupling condition: a light, green with a tick when it is met, red with a cross when
// it is not (the shape tells it without the colour), its name, and "remplie" or
// "non remplie" with its gap.
class TVoyantCondition : public TInstrument {
    Q_OBJECT

public:
    TVoyantCondition(const QString &nom, QWidget *parent);

    void DefinitEtat(bool remplie, const QString &ecart);
    bool Remplie() const { return Rempli; }

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override { return minimumSizeHint(); }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QRect RectVoyant() const;
    QRect RectLigne(int ligne) const;

    const QFont PoliceNom;
    const QFont PoliceEtat;
    const int HauteurNom;
    const int HauteurEtat;
    bool Rempli = false;
    QString Ecart;
};

} // namespace tavelor
