#include "Fixed.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace tavelor {

namespace {

// Digits printed from the exact binary value. Roundings happen at 18 significant digits
// at most, and a double lies either on a decimal half-way point of that length or
// farther than 1e-40 (relative) from it, so 60 digits always decide the right way.
constexpr int ChiffresExacts = 60;

// |x| as decimal digits "d1 d2 d3 ..." with d1 != 0 and x = 0.d1d2d3... × 10^(exposant + 1).
struct TDecimal {
    std::string chiffres;
    int exposant = 0;
};

TDecimal Decompose(double valeurAbsolue)
{
    char tampon[ChiffresExacts + 16];
    std::snprintf(tampon, sizeof tampon, "%.*e", ChiffresExacts - 1, valeurAbsolue);
    TDecimal d;
    const char *c = tampon;
    for (; *c != 'e'; ++c)
        if (*c >= '0' && *c <= '9')
            d.chiffres += *c;
    d.exposant = std::atoi(c + 1);
    return d;
}

// Keeps the first `garder` digits, rounding half away from zero on the magnitude;
// a carry out of the first digit raises the exponent. An empty result means zero.
TDecimal Arrondit(const TDecimal &d, int garder)
{
    if (garder < 0)
        return {};
    TDecimal r{d.chiffres.substr(0, static_cast<std::size_t>(garder)), d.exposant};
    const bool versLeHaut = static_cast<std::size_t>(garder) < d.chiffres.size() && d.chiffres[garder] >= '5';
    if (versLeHaut) {
        int i = garder - 1;
        while (i >= 0 && r.chiffres[i] == '9')
            r.chiffres[i--] = '0';
        if (i >= 0) {
            ++r.chiffres[i];
        } else {
            r.chiffres.insert(r.chiffres.begin(), '1');
            ++r.exposant;
        }
    }
    while (!r.chiffres.empty() && r.chiffres.back() == '0')
        r.chiffres.pop_back();
    return r;
}

// Digit of weight 10^puissance, '0' beyond the kept digits.
char Chiffre(const TDecimal &d, int puissance)
{
    const int rang = d.exposant - puissance;
    return rang >= 0 && rang < static_cast<int>(d.chiffres.size()) ? d.chiffres[rang] : '0';
}

std::string Scientifique(const TDecimal &d, std::string_view separateur)
{
    std::string texte(1, d.chiffres[0]);
    if (d.chiffres.size() > 1) {
        texte += separateur;
        texte += d.chiffres.substr(1);
    }
    return texte + "E" + std::to_string(d.exposant);
}

std::string Virgule(const TDecimal &d, int decimales, std::string_view separateur)
{
    std::string texte;
    if (d.chiffres.empty() || d.exposant < 0)
        texte = "0";
    else
        for (int puissance = d.exposant; puissance >= 0; --puissance)
            texte += Chiffre(d, puissance);
    if (decimales > 0) {
        texte += separateur;
        for (int puissance = -1; puissance >= -decimales; --puissance)
            texte += d.chiffres.empty() ? '0' : Chiffre(d, puissance);
    }
    return texte;
}

} // namespace

long long UnitesAffichees(double x, int d)
{
    static constexpr double puissances[] = {1.0, 10.0, 100.0, 1e3, 1e4, 1e5, 1e6};
    const double echelle = puissances[std::clamp(d, 0, 6)];
    const double y = std::fabs(x);
    // y·10^d = produit + erreur exactly; the half-way point k + 0.5 is a double, and rounding
    // to nearest keeps the side of it the exact product lies on, save a tie told by erreur.
    const double produit = y * echelle;
    const double erreur = std::fma(y, echelle, -produit);
    const double k = std::floor(produit);
    const double milieu = k + 0.5;
    const bool versLeHaut = produit > milieu || (produit == milieu && erreur >= 0.0);
    const auto n = static_cast<long long>(k) + (versLeHaut ? 1 : 0);
    return x < 0.0 ? -n : n;
}

std::string Fixed(double x, int p, int d, std::string_view separateur)
{
    if (!std::isfinite(x))
        return "###";
    const int precision = std::clamp(p, 2, 18);
    const int decimales = std::clamp(d, 0, 18);

    TDecimal exact;
    if (x != 0.0)
        exact = Decompose(std::fabs(x));
    const TDecimal arrondi =
        exact.chiffres.empty() ? TDecimal{} : Arrondit(exact, std::min(precision, exact.exposant + 1 + decimales));

    const std::string signe = x < 0.0 && !arrondi.chiffres.empty() ? "-" : "";
    if (!arrondi.chiffres.empty() && arrondi.exposant + 1 > precision)
        return signe + Scientifique(arrondi, separateur);
    return signe + Virgule(arrondi, decimales, separateur);
}

} // namespace tavelor
