// Any byte string as the text of a dialog's edit field, with the decimal separator
// drawn from its first byte: the parsers must neither crash nor read out of bounds,
// and what they accept must be a finite number that reads back from its own shortest
// text, agrees between the integer and the real reader, and changes sign with a "-".
#include "LectureNombre.h"

#include <array>
#include <charconv>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

void Exige(bool condition)
{
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    // The separators of the locales in use: a point, a comma, and the two-byte Arabic one.
    static constexpr std::array<std::string_view, 3> separateurs{".", ",", "\xd9\xab"};
    std::string_view separateur = separateurs[0];
    if (taille >= 1) {
        separateur = separateurs[donnees[0] % separateurs.size()];
        ++donnees;
        --taille;
    }
    const std::string_view texte(reinterpret_cast<const char *>(donnees), taille);

    const auto reel = tavelor::LitReel(texte, separateur);
    if (const auto entier = tavelor::LitEntier(texte))
        Exige(reel && *reel == *entier);
    if (!reel)
        return 0;
    Exige(std::isfinite(*reel));

    // The shortest fixed-point text that gives the same double back, in the field's form.
    std::array<char, 400> tampon;
    const auto [fin, erreur] =
        std::to_chars(tampon.data(), tampon.data() + tampon.size(), *reel, std::chars_format::fixed);
    Exige(erreur == std::errc());
    std::string ecrit(tampon.data(), fin);
    if (const auto point = ecrit.find('.'); point != std::string::npos)
        ecrit.replace(point, 1, separateur);
    const auto relu = tavelor::LitReel(ecrit, separateur);
    Exige(relu && *relu == *reel);

    if (ecrit.front() != '-') {
        const auto oppose = tavelor::LitReel("-" + ecrit, separateur);
        Exige(oppose && *oppose == -*reel);
    }
    return 0;
}
