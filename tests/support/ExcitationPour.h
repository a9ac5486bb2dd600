#pragma once

#include "TLoisMachine.h"

namespace tavelor::test {

// The excitation giving the asked EMF at 1500 rpm, by halving: the no-load characteristic
// rises over 0..1.2 A.
inline double IePour(double ev)
{
    double bas = 0.0;
    double haut = 1.2;
    for (int i = 0; i < 200; ++i) {
        const double milieu = (bas + haut) / 2.0;
        (TLoisMachine::FemAVide(milieu, TLoisMachine::NSynchrone) < ev ? bas : haut) = milieu;
    }
    return (bas + haut) / 2.0;
}

} // namespace tavelor::test
