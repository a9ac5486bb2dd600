#include "TLabelCliquable.h"

#include "CouleurQt.h"
#include "TPolices.h"

#include <QKeyEvent>
#include <QPainter>
#include <QStyleOptionFocusRect>

#include <algorithm>

namespace tavelor {

TLabelCliquable::TLabelCliquable(const QString &texte, const QString &police, int pixels, TCouleur couleur,
                                 bool italique, QWidget *parent)
    : QAbstractButton(parent), Couleur(couleur)
{
    QFont fonte(TPolices::Famille(police));
    fonte.setPixelSize(std::max(1, pixels));
    fonte.setItalic(italique);
    setFont(fonte);
    setCursor(Qt::PointingHandCursor);
    DefinitFocus(true);
    DefinitTexte(texte);
}

void TLabelCliquable::DefinitFocus(bool focalisable)
{
    setFocusPolicy(focalisable ? Qt::StrongFocus : Qt::NoFocus);
}

void TLabelCliquable::DefinitTexte(const QString &texte)
{
    setText(texte);
    resize(sizeHint());
}

QSize TLabelCliquable::sizeHint() const
{
    const QFontMetrics mesure(font());
    return {mesure.horizontalAdvance(text()), mesure.height()};
}

void TLabelCliquable::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setPen(VersQColor(Couleur));
    painter.drawText(rect(), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, text());
    if (hasFocus()) {
        QStyleOptionFocusRect option;
        option.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
    }
}

// Space is the button's own key; Enter is what a user tries on a link-like label.
void TLabelCliquable::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(event);
}

} // namespace tavelor
