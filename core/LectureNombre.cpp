#include "LectureNombre.h"

#include <charconv>
#include <cmath>
#include <string>

namespace tavelor {

namespace {

bool EstBlanc(char c)
{
    return c == ' ' || (c >= '\t' && c <= '\r');
}

bool EstChiffre(char c)
{
    return c >= '0' && c <= '9';
}

// The text in the C form that from_chars reads, or nothing when it is not a plain
// decimal with `separateur` (an empty separator admits integers only).
std::optional<std::string> FormeC(std::string_view texte, std::string_view separateur)
{
    while (!texte.empty() && EstBlanc(texte.front()))
        texte.remove_prefix(1);
    while (!texte.empty() && EstBlanc(texte.back()))
        texte.remove_suffix(1);
    std::string c;
    if (texte.starts_with('-')) {
        c += '-';
        texte.remove_prefix(1);
    }
    int chiffres = 0;
    bool separateurVu = false;
    while (!texte.empty()) {
        if (EstChiffre(texte.front())) {
            c += texte.front();
            ++chiffres;
            texte.remove_prefix(1);
        } else if (!separateurVu && !separateur.empty() && texte.starts_with(separateur)) {
            c += '.';
            separateurVu = true;
            texte.remove_prefix(separateur.size());
        } else {
            return std::nullopt;
        }
    }
    if (chiffres == 0)
        return std::nullopt;
    return c;
}

template <typename T> std::optional<T> Convertit(const std::string &c)
{
    T valeur{};
    const char *fin = c.data() + c.size();
    const auto [ptr, ec] = std::from_chars(c.data(), fin, valeur);
    if (ec != std::errc() || ptr != fin)
        return std::nullopt;
    return valeur;
}

} // namespace

std::optional<double> LitReel(std::string_view texte, std::string_view separateur)
{
    const auto c = FormeC(texte, separateur);
    if (!c)
        return std::nullopt;
    // from_chars takes neither "12." nor ".5" the way a user types them.
    std::string complet = *c;
    if (complet.ends_with('.'))
        complet += '0';
    const auto point = complet.find('.');
    if (point != std::string::npos && (point == 0 || complet[point - 1] == '-'))
        complet.insert(point, 1, '0');
    const auto valeur = Convertit<double>(complet);
    if (!valeur || !std::isfinite(*valeur))
        return std::nullopt;
    return valeur;
}

std::optional<int> LitEntier(std::string_view texte)
{
    const auto c = FormeC(texte, {});
    if (!c)
        return std::nullopt;
    return Convertit<int>(*c);
}

} // namespace tavelor
