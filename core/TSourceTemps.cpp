#include "TSourceTemps.h"

#include <chrono>

namespace tavelor {

namespace {

class TCompteurMonotone final : public TSourceTemps {
public:
    std::uint32_t Microsecondes() override
    {
        const auto depuisOrigine = std::chrono::steady_clock::now().time_since_epoch();
        const auto us = std::chrono::duration_cast<std::chrono::microseconds>(depuisOrigine).count();
        // Conversion to unsigned keeps the low 32 bits: the count wraps modulo 2^32.
        return static_cast<std::uint32_t>(us);
    }
};

} // namespace

std::shared_ptr<TSourceTemps> TSourceTemps::Monotone()
{
    return std::make_shared<TCompteurMonotone>();
}

} // namespace tavelor
