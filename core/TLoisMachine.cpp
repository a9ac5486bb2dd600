#include "TLoisMachine.h"

#include <cmath>
#include <numbers>

namespace tavelor {

static_assert(Pi == std::numbers::pi);

double TLoisMachine::FemAVide(double Ie, double N)
{
    // The characteristic was taken at synchronous speed.
    const double Ie2 = Ie * Ie;
    const double Ie3 = Ie2 * Ie;
    const double Ie4 = Ie3 * Ie;
    const double Ie5 = Ie4 * Ie;
    return (6.717 + 471.9 * Ie + 418.2 * Ie2 - 1236.0 * Ie3 + 868.8 * Ie4 - 200.7 * Ie5) * N / NSynchrone;
}

} // namespace tavelor
