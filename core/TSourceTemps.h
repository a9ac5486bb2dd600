#pragma once

#include <cstdint>
#include <memory>

namespace tavelor {

// A monotonic count of whole microseconds; only its low 32 bits are used and
// elapsed times are taken modulo 2^32. Injectable so tests can make it wrap.
class TSourceTemps {
public:
    virtual ~TSourceTemps() = default;
    virtual std::uint32_t Microsecondes() = 0;

    // The machine's monotonic high-resolution clock.
    static std::shared_ptr<TSourceTemps> Monotone();
};

} // namespace tavelor
