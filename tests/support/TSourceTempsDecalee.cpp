#include "TSourceTempsDecalee.h"

namespace tavelor {

TSourceTempsDecalee::TSourceTempsDecalee(std::uint32_t depart)
    : reelle_(TSourceTemps::Monotone()), decalage_(depart - reelle_->Microsecondes())
{}

std::uint32_t TSourceTempsDecalee::Microsecondes()
{
    return reelle_->Microsecondes() + decalage_;
}

} // namespace tavelor
