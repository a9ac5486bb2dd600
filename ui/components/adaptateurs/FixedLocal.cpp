#include "FixedLocal.h"

#include "Fixed.h"

#include <QLocale>

namespace tavelor {

QString FixedLocal(double x, int p, int d)
{
    return QString::fromStdString(Fixed(x, p, d, QLocale().decimalPoint().toStdString()));
}

} // namespace tavelor
