#include "TReleves.h"

#include <algorithm>
#include <numeric>
#include <string>

namespace tavelor {

namespace {

constexpr std::array<std::string_view, NombreColonnesReleve> Entetes{
    "N (tr/min)", "Ie (A)", "Ev (V)",   "V (V)",  "I (A)", "Pu (W)",        "Q (var)",
    "cos φ",      "δ (°)",  "Cm (N·m)", "Pa (W)", "État",  "Fonctionnement"};

// A spreadsheet reads a number only with the hyphen-minus: the true minus sign the
// table shows is written as one.
std::string MoinsAscii(std::string_view champ)
{
    std::string texte(champ);
    const std::string_view moins = "\u2212";
    for (std::size_t i = texte.find(moins); i != std::string::npos; i = texte.find(moins, i + 1))
        texte.replace(i, moins.size(), 1, '-');
    return texte;
}

void AjouteChamp(std::string &texte, std::string_view brut, char separateur)
{
    const std::string champ = MoinsAscii(brut);
    if (champ.find_first_of(std::string{separateur, '"', '\n', '\r'}) == std::string_view::npos) {
        texte += champ;
        return;
    }
    texte += '"';
    for (const char c : champ) {
        if (c == '"')
            texte += '"';
        texte += c;
    }
    texte += '"';
}

} // namespace

std::string TReleve::Texte(TColonneReleve colonne) const
{
    if (colonne == TColonneReleve::Etat)
        return Couplee ? "couplée" : "non couplée";
    return (*this)[colonne].Texte;
}

std::string_view TReleves::Entete(TColonneReleve colonne)
{
    return Entetes[static_cast<std::size_t>(colonne)];
}

void TReleves::Ajoute(TReleve releve)
{
    Lignes_.push_back(std::move(releve));
    Sauvees_.push_back(false);
    ++Version_;
}

void TReleves::Supprime(std::size_t ligne)
{
    if (ligne >= Lignes_.size())
        return;
    Lignes_.erase(Lignes_.begin() + static_cast<std::ptrdiff_t>(ligne));
    Sauvees_.erase(Sauvees_.begin() + static_cast<std::ptrdiff_t>(ligne));
    ++Version_;
}

void TReleves::Efface()
{
    Lignes_.clear();
    Sauvees_.clear();
    ++Version_;
}

void TReleves::DefinitSerie(std::size_t ligne, std::string serie)
{
    if (ligne >= Lignes_.size() || Lignes_[ligne].Serie == serie)
        return;
    Lignes_[ligne].Serie = std::move(serie);
    Sauvees_[ligne] = false;
    ++Version_;
}

void TReleves::DefinitCommentaire(std::size_t ligne, std::string commentaire)
{
    if (ligne >= Lignes_.size() || Lignes_[ligne].Commentaire == commentaire)
        return;
    Lignes_[ligne].Commentaire = std::move(commentaire);
    Sauvees_[ligne] = false;
    ++Version_;
}

std::vector<std::string> TReleves::Series() const
{
    std::vector<std::string> series;
    for (const TReleve &r : Lignes_)
        if (std::find(series.begin(), series.end(), r.Serie) == series.end())
            series.push_back(r.Serie);
    return series;
}

void TReleves::MarqueSauvees(const std::vector<std::size_t> &lignes)
{
    if (lignes.empty())
        std::fill(Sauvees_.begin(), Sauvees_.end(), true);
    for (const std::size_t ligne : lignes)
        if (ligne < Sauvees_.size())
            Sauvees_[ligne] = true;
}

bool TReleves::NonSauvees() const
{
    return std::find(Sauvees_.begin(), Sauvees_.end(), false) != Sauvees_.end();
}

bool TReleves::NonMesurable(TColonneReleve colonne, bool couplee)
{
    return colonne == TColonneReleve::Delta || (colonne == TColonneReleve::Ev && couplee);
}

std::string TReleves::Texte(char separateur, std::string_view finLigne, const std::vector<std::size_t> &lignes,
                            bool modeTP) const
{
    std::vector<std::size_t> ordre = lignes;
    if (ordre.empty()) {
        ordre.resize(Lignes_.size());
        std::iota(ordre.begin(), ordre.end(), std::size_t{0});
    }
    std::string texte;
    for (std::size_t c = 0; c < NombreColonnesReleve; ++c) {
        if (c > 0)
            texte += separateur;
        AjouteChamp(texte, Entetes[c], separateur);
    }
    for (const std::string_view entete : {EnteteSerie, EnteteCommentaire}) {
        texte += separateur;
        AjouteChamp(texte, entete, separateur);
    }
    texte += finLigne;
    for (const std::size_t ligne : ordre) {
        if (ligne >= Lignes_.size())
            continue;
        for (std::size_t c = 0; c < NombreColonnesReleve; ++c) {
            if (c > 0)
                texte += separateur;
            const auto colonne = static_cast<TColonneReleve>(c);
            if (!modeTP || !NonMesurable(colonne, Lignes_[ligne].Couplee))
                AjouteChamp(texte, Lignes_[ligne].Texte(colonne), separateur);
        }
        for (const std::string *champ : {&Lignes_[ligne].Serie, &Lignes_[ligne].Commentaire}) {
            texte += separateur;
            AjouteChamp(texte, *champ, separateur);
        }
        texte += finLigne;
    }
    return texte;
}

} // namespace tavelor
