#include "TVueEnregistreuse.h"

#include <array>
#include <cstdio>

namespace tavelor {

namespace {

std::string Booleen(bool b)
{
    return b ? "true" : "false";
}

std::string Nombre(double x)
{
    std::array<char, 32> texte{};
    std::snprintf(texte.data(), texte.size(), "%g", x);
    return texte.data();
}

template <std::size_t n, typename TEnum> std::string NomDans(const std::array<const char *, n> &noms, TEnum valeur)
{
    const auto i = static_cast<std::size_t>(valeur);
    return i < n ? noms[i] : "?";
}

} // namespace

void TVueEnregistreuse::AfficheValeur(TAfficheurBanc afficheur, double valeur)
{
    Appels.push_back({"AfficheValeur(" + Nom(afficheur) + ", " + Nombre(valeur) + ")", valeur, {}});
}

void TVueEnregistreuse::Clignotant(bool enMarche)
{
    Appels.push_back({"Clignotant(" + Booleen(enMarche) + ")"});
}

void TVueEnregistreuse::Message(std::string_view texte, std::string_view detail)
{
    Appels.push_back({"Message(" + std::string(texte) + ")", 0.0, {}, std::string(detail)});
    if (SurMessage)
        SurMessage(texte);
}

void TVueEnregistreuse::Redessine(TZoneDessin zone)
{
    Appels.push_back({"Redessine(" + Nom(zone) + ")"});
}

void TVueEnregistreuse::FenetreVisible(TFenetreBanc fenetre, bool visible)
{
    Appels.push_back({"FenetreVisible(" + Nom(fenetre) + ", " + Booleen(visible) + ")"});
}

void TVueEnregistreuse::TrackBarChange(TTrackBarBanc trackBar, const TEtatTrackBar &etat)
{
    // e.g. "TrackBarChange(TrackBarN, -200..200/20, 0, true)": range/ticks, position, enabled.
    Appels.push_back({"TrackBarChange(" + Nom(trackBar) + ", " + std::to_string(etat.Min) + ".." +
                          std::to_string(etat.Max) + "/" + std::to_string(etat.Frequence) + ", " +
                          std::to_string(etat.Position) + ", " + Booleen(etat.Enabled) + ")",
                      0.0, etat});
}

void TVueEnregistreuse::EtatInterrupteurs(bool fermes)
{
    Appels.push_back({"EtatInterrupteurs(" + Booleen(fermes) + ")"});
}

void TVueEnregistreuse::BorneActive(TBorne borne, bool active)
{
    Appels.push_back({"BorneActive(" + Nom(borne) + ", " + Booleen(active) + ")"});
}

void TVueEnregistreuse::BoutonFermeInterActif(bool actif)
{
    Appels.push_back({"BoutonFermeInterActif(" + Booleen(actif) + ")"});
}

void TVueEnregistreuse::TicTermine()
{
    Appels.push_back({"TicTermine()"});
}

void TVueEnregistreuse::ImageRegCoupleVisible(bool visible)
{
    Appels.push_back({"ImageRegCoupleVisible(" + Booleen(visible) + ")"});
}

std::vector<std::string> TVueEnregistreuse::Textes(std::size_t debut) const
{
    std::vector<std::string> textes;
    for (std::size_t i = debut; i < Appels.size(); ++i)
        textes.push_back(Appels[i].Texte);
    return textes;
}

std::vector<std::string> TVueEnregistreuse::Filtre(std::string_view prefixe) const
{
    std::vector<std::string> textes;
    for (const TAppel &appel : Appels)
        if (appel.Texte.starts_with(prefixe))
            textes.push_back(appel.Texte);
    return textes;
}

std::optional<double> TVueEnregistreuse::DerniereValeur(TAfficheurBanc afficheur) const
{
    const std::string debut = "AfficheValeur(" + Nom(afficheur) + ",";
    for (auto appel = Appels.rbegin(); appel != Appels.rend(); ++appel)
        if (appel->Texte.starts_with(debut))
            return appel->Valeur;
    return std::nullopt;
}

std::optional<TEtatTrackBar> TVueEnregistreuse::DernierEtat(TTrackBarBanc trackBar) const
{
    const std::string debut = "TrackBarChange(" + Nom(trackBar) + ",";
    for (auto appel = Appels.rbegin(); appel != Appels.rend(); ++appel)
        if (appel->Texte.starts_with(debut))
            return appel->EtatTrackBar;
    return std::nullopt;
}

std::string TVueEnregistreuse::Nom(TAfficheurBanc afficheur)
{
    static constexpr std::array<const char *, 7> noms{"afficheurIe", "afficheurI", "afficheurPu", "afficheurV",
                                                      "afficheurPa", "afficheurN", "afficheurCm"};
    return NomDans(noms, afficheur);
}

std::string TVueEnregistreuse::Nom(TZoneDessin zone)
{
    static constexpr std::array<const char *, 8> noms{"PaintBoxReseau",   "PaintBoxStator", "PaintBoxInter",
                                                      "axesReseau",       "axesStator",     "axesInter",
                                                      "PaintBoxVecteurs", "PaintBoxFils"};
    return NomDans(noms, zone);
}

std::string TVueEnregistreuse::Nom(TFenetreBanc fenetre)
{
    static constexpr std::array<const char *, 3> noms{"VecteurCouplage", "Oscillogrammes", "Vecteurs"};
    return NomDans(noms, fenetre);
}

std::string TVueEnregistreuse::Nom(TTrackBarBanc trackBar)
{
    static constexpr std::array<const char *, 2> noms{"TrackBarIe", "TrackBarN"};
    return NomDans(noms, trackBar);
}

std::string TVueEnregistreuse::Nom(TBorne borne)
{
    static constexpr std::array<const char *, 6> noms{"ShapeS1", "ShapeS2", "ShapeS3", "ShapeR1", "ShapeR2", "ShapeR3"};
    return NomDans(noms, borne);
}

} // namespace tavelor
