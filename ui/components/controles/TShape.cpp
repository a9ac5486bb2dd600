#include "TShape.h"

#include <QMouseEvent>
#include <QPainter>

namespace tavelor {

TShape::TShape(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::PointingHandCursor);
}

void TShape::paintEvent(QPaintEvent *)
{
    // A one-pixel frame of filled pixels: a cosmetic pen would draw it one device pixel
    // wide on a dense screen, and short of the right and bottom edges.
    QPainter painter(this);
    const int l = width();
    const int h = height();
    for (const QRect &bord : {QRect(0, 0, l, 1), QRect(0, h - 1, l, 1), QRect(0, 0, 1, h), QRect(l - 1, 0, 1, h)})
        painter.fillRect(bord, Qt::black);
}

void TShape::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void TShape::mouseReleaseEvent(QMouseEvent *event)
{
    emit OnMouseUp(event->button());
}

} // namespace tavelor
