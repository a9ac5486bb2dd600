#include "TMarquage.h"

#include <cstddef>

namespace tavelor {

namespace {

constexpr std::string_view Symbole = "symbol";

// Bytes of the UTF-8 character that starts at i, so that a code or a run's first
// character never cuts a multi-byte character in two. A stray byte counts as one.
std::size_t LongueurCaractere(std::string_view s, std::size_t i)
{
    const auto octet = static_cast<unsigned char>(s[i]);
    std::size_t n = 1;
    if (octet >= 0xF0 && octet < 0xF8)
        n = 4;
    else if (octet >= 0xE0 && octet < 0xF0)
        n = 3;
    else if (octet >= 0xC0 && octet < 0xE0)
        n = 2;
    std::size_t longueur = 1;
    while (longueur < n && i + longueur < s.size() && (static_cast<unsigned char>(s[i + longueur]) & 0xC0) == 0x80)
        ++longueur;
    return longueur;
}

// Typeface and style of a style code; codes outside the table keep the previous ones.
void AppliqueStyle(char code, const std::string &police, TMarquage::TSegment &s)
{
    auto style = [&s](std::string_view typeface, bool italique, bool gras, bool souligne) {
        s.Police = typeface;
        s.Italique = italique;
        s.Gras = gras;
        s.Souligne = souligne;
    };
    switch (code) {
    case '0':
        return style(police, false, false, false);
    case '1':
        return style(police, true, false, false);
    case '2':
        return style(Symbole, false, false, false);
    case '3':
        return style(police, false, true, false);
    case '4':
        return style(police, true, false, true);
    case '5':
        return style(police, false, false, true);
    case '6':
        return style(Symbole, false, false, true);
    default:
        return;
    }
}

// Size and top of a size code. The Symbol test looks at the typeface the run has
// just received, spelt exactly "symbol".
void AppliqueTaille(char code, const TMarquage::TParametres &p, TMarquage::TSegment &s)
{
    switch (code) {
    case '0':
        s.Taille = p.Taille_indice;
        s.Y = p.Pos_indice;
        return;
    case '1':
        s.Taille = p.taille;
        s.Y = s.Police == Symbole ? -3 : 0;
        return;
    case '2':
        s.Taille = p.Taille_indice;
        s.Y = 0;
        return;
    default:
        return;
    }
}

} // namespace

std::vector<TMarquage::TSegment> TMarquage::Segments(std::string_view chaine, const TParametres &parametres)
{
    std::vector<TSegment> segments;
    TSegment courant;
    courant.Police = parametres.Police;
    courant.Taille = parametres.taille;

    std::size_t i = 0;
    while (i < chaine.size()) {
        const std::size_t codeStyle = i;
        const std::size_t codeTaille = codeStyle + LongueurCaractere(chaine, codeStyle);
        if (codeTaille >= chaine.size())
            break;
        const std::size_t debut = codeTaille + LongueurCaractere(chaine, codeTaille);
        if (debut >= chaine.size())
            break;

        // Single-byte codes only: a multi-byte character is not a digit anyway.
        AppliqueStyle(chaine[codeStyle], parametres.Police, courant);
        AppliqueTaille(chaine[codeTaille], parametres, courant);

        const std::size_t apresPremier = debut + LongueurCaractere(chaine, debut);
        std::size_t fin = chaine.find(']', apresPremier);
        if (fin == std::string_view::npos)
            fin = chaine.size();
        courant.Texte = std::string(chaine.substr(debut, fin - debut));
        segments.push_back(courant);

        if (fin + 1 >= chaine.size() || chaine[fin + 1] == '}')
            break;
        i = fin + 1;
    }
    return segments;
}

} // namespace tavelor
