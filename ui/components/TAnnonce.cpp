#include "TAnnonce.h"

namespace tavelor {

TAnnonce::TAnnonce(const QString &message, QWidget *parent) : QWidget(parent)
{
    setAccessibleName(message);
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::NoFocus);
    resize(1, 1);
    hide();
}

} // namespace tavelor
