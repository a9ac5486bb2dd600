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
    QPainter painter(this);
    painter.setPen(QPen(Qt::black, 0));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(0, 0, width() - 1, height() - 1);
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
