// Any byte string as an RTF document: the reader must neither crash, hang nor read out
// of bounds, and what it returns must be clean UTF-8 text in the promised ranges.
#include "TLecteurRtf.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

namespace {

// Well-formed UTF-8 with no control character but tab, and no surrogate.
bool EstTexteValide(const std::string &texte)
{
    for (std::size_t i = 0; i < texte.size();) {
        const auto octet = static_cast<unsigned char>(texte[i]);
        std::size_t longueur = 0;
        char32_t c = 0;
        if (octet < 0x80) {
            longueur = 1;
            c = octet;
        } else if ((octet & 0xE0) == 0xC0) {
            longueur = 2;
            c = octet & 0x1F;
        } else if ((octet & 0xF0) == 0xE0) {
            longueur = 3;
            c = octet & 0x0F;
        } else if ((octet & 0xF8) == 0xF0) {
            longueur = 4;
            c = octet & 0x07;
        } else {
            return false;
        }
        if (i + longueur > texte.size())
            return false;
        for (std::size_t k = 1; k < longueur; ++k) {
            const auto suite = static_cast<unsigned char>(texte[i + k]);
            if ((suite & 0xC0) != 0x80)
                return false;
            c = (c << 6) | (suite & 0x3F);
        }
        if ((c < 0x20 && c != '\t') || (c >= 0x7F && c < 0xA0) || (c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF)
            return false;
        i += longueur;
    }
    return true;
}

bool EstFormatValide(const tavelor::TLecteurRtf::TFormat &format)
{
    return format.DemiPoints >= tavelor::TLecteurRtf::DemiPointsMin &&
           format.DemiPoints <= tavelor::TLecteurRtf::DemiPointsMax && EstTexteValide(format.Police);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    using tavelor::TLecteurRtf;
    const std::string_view rtf(reinterpret_cast<const char *>(donnees), taille);
    const auto document = TLecteurRtf::Lit(rtf);

    // Every paragraph but a last unfinished one costs at least a "\par" or "\<newline>".
    if (document.Paragraphes.size() > taille / 2 + 1)
        std::abort();
    for (const auto &paragraphe : document.Paragraphes) {
        for (int twips : {paragraphe.EspaceAvant, paragraphe.EspaceApres})
            if (twips < 0 || twips > TLecteurRtf::TwipsMax)
                std::abort();
        if (!EstFormatValide(paragraphe.Marque))
            std::abort();
        for (const auto &segment : paragraphe.Segments)
            if (segment.Texte.empty() || !EstTexteValide(segment.Texte) || !EstFormatValide(segment.Format))
                std::abort();
    }
    return 0;
}
