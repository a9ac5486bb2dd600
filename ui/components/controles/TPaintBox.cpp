#include "TPaintBox.h"

#include "TCanevasQt.h"

namespace tavelor {

TPaintBox::TPaintBox(QWidget *parent) : QWidget(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setMouseTracking(true); // moves arrive with or without a button held
}

void TPaintBox::paintEvent(QPaintEvent *)
{
    TCanevasQt canevas(this);
    emit OnPaint(canevas);
}

void TPaintBox::mousePressEvent(QMouseEvent *event)
{
    emit OnMouseDown(event);
}

void TPaintBox::mouseMoveEvent(QMouseEvent *event)
{
    emit OnMouseMove(event);
}

void TPaintBox::mouseReleaseEvent(QMouseEvent *event)
{
    emit OnMouseUp(event);
}

} // namespace tavelor
