#pragma once

#include <QWidget>

namespace tavelor {

class TCanevasQt;

// A windowless drawing area with no background of its own: the owner draws in
// its paint signal, the parent shows through elsewhere.
class TPaintBox : public QWidget {
    Q_OBJECT

public:
    explicit TPaintBox(QWidget *parent = nullptr);

signals:
    // The owner's drawing, through a canvas on the box (its painter is the canvas's).
    void OnPaint(TCanevasQt &canevas);
    void OnMouseDown(QMouseEvent *event);
    void OnMouseMove(QMouseEvent *event);
    void OnMouseUp(QMouseEvent *event);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
};

} // namespace tavelor
