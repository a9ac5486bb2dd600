#pragma once

namespace tavelor {

// What the model calls when synchronism is lost. The wiring implements it by opening
// the switch, so that the model needs to know nothing of the wiring.
class TProtectionReseau {
public:
    virtual ~TProtectionReseau() = default;

    // Runs inside the model update; may hold the caller on a modal message.
    virtual void OuvertureProtection() = 0;
};

} // namespace tavelor
