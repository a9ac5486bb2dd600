#include "TShape.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace tavelor {

TShape::TShape(QWidget *parent) : QAbstractButton(parent)
{
    setAttribute(Qt::WA_NoSystemBackground);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::TabFocus);
    // Mouse releases are reported by the overrides below; clicked() only comes from the
    // keyboard and from assistive tools' press action.
    connect(this, &QAbstractButton::clicked, this, [this] { emit OnMouseUp(Qt::NoButton); });
}

void TShape::DefinitMarque(TMarque marque)
{
    if (marque == MarqueBorne)
        return;
    MarqueBorne = marque;
    update();
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
    const QRectF dedans = QRectF(rect()).adjusted(4, 4, -4, -4);
    if (MarqueBorne == Reliee) {
        painter.fillRect(dedans, Qt::black);
    } else if (MarqueBorne != SansMarque) {
        const bool droite = MarqueBorne == AttendADroite;
        const QPointF pointe =
            droite ? QPointF(dedans.right(), dedans.center().y()) : QPointF(dedans.left(), dedans.center().y());
        const qreal dos = droite ? dedans.left() : dedans.right();
        const QPointF fleche[3] = {pointe, QPointF(dos, dedans.top()), QPointF(dos, dedans.bottom())};
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setPen(Qt::NoPen);
        painter.setBrush(Qt::black);
        painter.drawPolygon(fleche, 3);
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    if (hasFocus()) {
        // A square of the highlight colour inside the outline: the style's dotted focus
        // rectangle would be lost among the picture's lines.
        QColor fond = palette().color(QPalette::Highlight);
        painter.setPen(QPen(fond, 2));
        fond.setAlpha(96);
        painter.setBrush(fond);
        painter.drawRect(QRectF(rect()).adjusted(3, 3, -3, -3));
    }
}

void TShape::mousePressEvent(QMouseEvent *event)
{
    event->accept();
}

void TShape::mouseReleaseEvent(QMouseEvent *event)
{
    emit OnMouseUp(event->button());
}

// Space is the button's own key; Enter is what a user tries on a terminal as well.
void TShape::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace tavelor
