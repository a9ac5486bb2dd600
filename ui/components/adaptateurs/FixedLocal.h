#pragma once

#include <QString>

namespace tavelor {

// Fixed(x, p, d) with the decimal separator of the user's regional settings.
QString FixedLocal(double x, int p, int d);

} // namespace tavelor
