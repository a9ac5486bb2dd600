#pragma once

#include "TSourceTemps.h"

#include <cstdint>
#include <memory>

namespace tavelor {

// Real monotonic time shifted so that the 32-bit microsecond count starts at a chosen
// value: starting just below 2^32 brings its wrap, otherwise up to 71.6 minutes away,
// a few milliseconds into a test.
class TSourceTempsDecalee final : public TSourceTemps {
public:
    explicit TSourceTempsDecalee(std::uint32_t depart);
    std::uint32_t Microsecondes() override;

private:
    const std::shared_ptr<TSourceTemps> reelle_;
    const std::uint32_t decalage_;
};

} // namespace tavelor
