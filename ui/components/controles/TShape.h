#pragma once

#include <QAbstractButton>

namespace tavelor {

// A clickable square drawn as a thin black outline on a transparent brush: the
// wiring terminals of the bench. A disabled shape takes no clicks.
// Being a button underneath, it is announced as one and reached by Tab (not taken by a
// mouse click, which would leave a focus frame behind); Space or Enter then counts as a
// release of no button. The focus frame is drawn inside the outline.
class TShape : public QAbstractButton {
    Q_OBJECT

public:
    // What a clicked terminal shows: a full square once wired, or an arrowhead towards the
    // side where its partner is still to be clicked. Black, like the outline, whatever
    // the desktop's colours, since the bench picture under it keeps its own.
    enum TMarque { SansMarque, Reliee, AttendADroite, AttendAGauche };

    explicit TShape(QWidget *parent = nullptr);

    TMarque Marque() const { return MarqueBorne; }
    void DefinitMarque(TMarque marque);

signals:
    // Any mouse button released over the shape, or Qt::NoButton from the keyboard.
    void OnMouseUp(Qt::MouseButton bouton);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;

private:
    TMarque MarqueBorne = SansMarque;
};

} // namespace tavelor
