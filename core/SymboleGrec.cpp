#include "SymboleGrec.h"

#include <array>

namespace tavelor {

namespace {

// Code points of the Adobe Symbol encoding for the printable ASCII range 0x20..0x7E;
// 0 where the character stands for itself.
constexpr std::array<char32_t, 95> Table = [] {
    std::array<char32_t, 95> t{};
    auto met = [&t](char c, char32_t u) { t[static_cast<unsigned char>(c) - 0x20] = u; };
    met('"', U'\u2200');  // for all
    met('$', U'\u2203');  // there exists
    met('\'', U'\u220B'); // contains as member
    met('*', U'\u2217');  // asterisk operator
    met('-', U'\u2212');  // minus sign
    met('@', U'\u2245');  // approximately equal to
    met('\\', U'\u2234'); // therefore
    met('^', U'\u22A5');  // perpendicular
    met('~', U'\u223C');  // tilde operator
    const char32_t majuscules[26] = {U'Α', U'Β', U'Χ', U'Δ', U'Ε', U'Φ', U'Γ', U'Η', U'Ι', U'ϑ', U'Κ', U'Λ', U'Μ',
                                     U'Ν', U'Ο', U'Π', U'Θ', U'Ρ', U'Σ', U'Τ', U'Υ', U'ς', U'Ω', U'Ξ', U'Ψ', U'Ζ'};
    const char32_t minuscules[26] = {U'α', U'β', U'χ', U'δ', U'ε', U'φ', U'γ', U'η', U'ι', U'ϕ', U'κ', U'λ', U'μ',
                                     U'ν', U'ο', U'π', U'θ', U'ρ', U'σ', U'τ', U'υ', U'ϖ', U'ω', U'ξ', U'ψ', U'ζ'};
    for (int i = 0; i < 26; ++i) {
        met(static_cast<char>('A' + i), majuscules[i]);
        met(static_cast<char>('a' + i), minuscules[i]);
    }
    return t;
}();

void AjouteUtf8(std::string &sortie, char32_t u)
{
    if (u < 0x800) {
        sortie += static_cast<char>(0xC0 | (u >> 6));
    } else {
        sortie += static_cast<char>(0xE0 | (u >> 12));
        sortie += static_cast<char>(0x80 | ((u >> 6) & 0x3F));
    }
    sortie += static_cast<char>(0x80 | (u & 0x3F));
}

} // namespace

std::string SymboleGrec(std::string_view texte)
{
    std::string sortie;
    sortie.reserve(texte.size() * 2);
    for (const char c : texte) {
        const auto octet = static_cast<unsigned char>(c);
        const char32_t u = octet >= 0x20 && octet < 0x7F ? Table[octet - 0x20] : 0;
        if (u != 0)
            AjouteUtf8(sortie, u);
        else
            sortie += c;
    }
    return sortie;
}

} // namespace tavelor
