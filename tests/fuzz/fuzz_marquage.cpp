// Any byte string as the markup of a label, with sizes drawn from its first bytes:
// the parser and the Symbol translation must neither crash, read out of bounds, nor
// produce runs that are not in the input.
#include "SymboleGrec.h"
#include "TMarquage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    tavelor::TMarquage::TParametres parametres;
    if (taille >= 3) {
        parametres.taille = static_cast<std::int8_t>(donnees[0]);
        parametres.Taille_indice = static_cast<std::int8_t>(donnees[1]);
        parametres.Pos_indice = static_cast<std::int8_t>(donnees[2]);
        parametres.Police = (donnees[0] & 1) != 0 ? "symbol" : "arial";
        donnees += 3;
        taille -= 3;
    }
    const std::string_view chaine(reinterpret_cast<const char *>(donnees), taille);

    std::size_t octets = 0;
    for (const auto &segment : tavelor::TMarquage::Segments(chaine, parametres)) {
        if (segment.Texte.empty() || chaine.find(segment.Texte) == std::string_view::npos)
            std::abort();
        octets += segment.Texte.size();
        if (tavelor::SymboleGrec(segment.Texte).size() < segment.Texte.size())
            std::abort();
    }
    if (octets > chaine.size())
        std::abort();
    return 0;
}
