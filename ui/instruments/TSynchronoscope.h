#pragma once

#include "TInstrument.h"

#include <QPixmap>

#include <optional>

namespace tavelor {

// The synchroscope: a needle at θ1, the angle of stator phase 1 to the grid phase wired
// to it, 0 at twelve o'clock and clockwise when the machine runs fast; the ±10° of the
// relay's tolerance marked at the top. Under it the angle and whether the machine runs
// fast, slow or in step.
class TSynchronoscope : public TInstrument {
    Q_OBJECT

public:
    explicit TSynchronoscope(QWidget *parent);

    // theta1 in rad; none hides the needle, `raison` then says why.
    void DefinitAiguille(std::optional<double> theta1, int sens, const QString &raison);
    // The angle read, in tenths of a degree, clockwise from twelve o'clock.
    std::optional<int> Aiguille() const { return Dixiemes; }
    // The needle is drawn in steps of half a degree: finer would not show, and its
    // antialiased edges cost more than the rest of the dial.
    static constexpr int DixiemesParPas = 5;

    QSize minimumSizeHint() const override;
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    void PrepareCadran();
    QRectF Cadran() const;
    // Where the needle at `pas` (half degrees) lies, its width and the hub included.
    QRect RectAiguille(std::optional<int> pas) const;
    QRect RectTexte(int ligne) const;
    // The two directions, written over the needle so that it never hides them.
    void PeintSens(QPainter &peintre) const;

    const QFont PoliceAngle;
    const QFont PoliceSens;
    std::optional<int> Dixiemes;
    std::optional<int> PasAiguille; // where the needle is drawn, in half degrees
    QString Angle;
    QString Sens;
    QPixmap FondCadran; // the dial without its needle, drawn once per size
};

} // namespace tavelor
