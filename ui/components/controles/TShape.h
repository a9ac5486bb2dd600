#pragma once

#include <QWidget>

namespace tavelor {

// A clickable square drawn as a thin black outline on a transparent brush: the
// wiring terminals of the bench. A disabled shape takes no clicks.
class TShape : public QWidget {
    Q_OBJECT

public:
    explicit TShape(QWidget *parent = nullptr);

signals:
    // Any mouse button released over the shape.
    void OnMouseUp(Qt::MouseButton bouton);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace tavelor
