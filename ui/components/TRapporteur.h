#pragma once

#include <QPoint>
#include <QRect>
#include <QWidget>

namespace tavelor {

class TCanevasQt;

// An on-screen protractor: two arms from a common centre, each ending in a round
// handle, and an arc between them. Dragging a handle turns its arm; dragging anywhere
// else moves the whole protractor. After each arm movement Valeur holds the angle
// between the arms, in radians, 0 to 2π. Angles are mathematical: 0 points right,
// π/2 up.
//
// The two arms measure the left half of the circle differently: arm 2 in
// [-π/2, 3π/2), arm 1 in (-3π/2, π/2]; so with both arms on the right Valeur is the
// plain angle between them. A dragged arm follows the pointer, then snaps back to
// length RayonExt, which shows at the next painting.
// The accessible description is Valeur in degrees, one decimal ("80.2°").
class TRapporteur : public QWidget {
    Q_OBJECT
    Q_PROPERTY(double alpha1 READ alpha1 WRITE setalpha1)
    Q_PROPERTY(double alpha2 READ alpha2 WRITE setalpha2)
    Q_PROPERTY(int Rayon READ Rayon WRITE setRayon)
    Q_PROPERTY(int RayonExt READ RayonExt WRITE setRayonExt)
    Q_PROPERTY(double Valeur READ Valeur WRITE setValeur)
    Q_PROPERTY(int TailleZS READ TailleZS WRITE setTailleZS)

public:
    explicit TRapporteur(QWidget *parent = nullptr);

    double alpha1() const { return Alpha1; }
    double alpha2() const { return Alpha2; }
    int Rayon() const { return RayonArc; }
    int RayonExt() const { return RayonBras; }
    double Valeur() const { return Angle; }
    int TailleZS() const { return DemiPrise; }

    // Writing an angle moves nothing.
    void setalpha1(double valeur);
    void setalpha2(double valeur);
    void setRayon(int valeur);
    void setRayonExt(int valeur);
    void setValeur(double valeur);
    // Also rebuilds both grip squares around the current arm ends.
    void setTailleZS(int valeur);

    QPoint Centre() const { return C; }
    QPoint Bout1() const { return P1; }
    QPoint Bout2() const { return P2; }
    // Grip squares: a point is inside when left <= x < left + width, likewise for y.
    QRect Prise1() const { return G1; }
    QRect Prise2() const { return G2; }

    // Angle of an arm whose end is at `bout`, from the centre `centre` (y downward).
    static double AngleBras1(QPoint bout, QPoint centre);
    static double AngleBras2(QPoint bout, QPoint centre);
    // Where the angle `alpha` lies on the circle of radius `rayon` about `centre`.
    static QPoint PointDuCercle(QPoint centre, int rayon, double alpha);

signals:
    // Delivered before the protractor's own handling: a mouse-move handler reads the
    // Valeur of the previous move.
    void OnMouseDown(QMouseEvent *event);
    void OnMouseMove(QMouseEvent *event);
    void OnMouseUp(QMouseEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    void DessineBras(TCanevasQt &canevas) const;
    void DessinePoignees(TCanevasQt &canevas) const;
    void DessineArc(TCanevasQt &canevas) const;
    void CalculePrises();
    void MesureAngles();
    void MetAJourDescription();

    double Alpha1 = 0.0;
    double Alpha2 = 0.0;
    int RayonArc = 0;
    int RayonBras = 50;
    double Angle = 0.0;
    int DemiPrise = 10;

    QPoint C{60, 60};
    QPoint P1{110, 110};
    QPoint P2{110, 10};
    QRect G1{0, 0, 0, 0};
    QRect G2{0, 0, 0, 0};

    bool TireBras1 = false;
    bool TireBras2 = false;
    bool Deplace = false;
    QPoint Prise;
    // Sizes given before the first showing are the described size, which keeps the
    // geometry of construction; later ones reshape the protractor.
    bool Charge = false;
};

} // namespace tavelor
